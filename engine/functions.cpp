#include "functions.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "engine.h"
#include "function_table.h"
#include "number_text.h"
#include "status.h"
#include "text.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kThreePiHalves = 4.71238898038469;
// Reduced angles this close to a multiple of a right angle count as exactly on
// it, so sin(180) in degrees is 0 and tan(90) is refused, not 1.6e16.
constexpr double kSnap = 1e-8;

// The largest number the random generator gives, as the Windows C runtime's
// RAND_MAX.
constexpr int kRandomMax = 0x7fff;

using Fn = FunctionKind;

// The computation of every code, indexed by code; codes without an entry
// (55-60 among them) compute nothing and give 0.
constexpr std::array<Fn, kLastFunctionCode + 1> kKindByCode = [] {
    std::array<Fn, kLastFunctionCode + 1> kinds{};
    for (const FunctionEntry& entry : kFunctionTable) kinds[static_cast<size_t>(entry.code)] = entry.kind;
    return kinds;
}();

Fn FunctionOf(int code) {
    if (code < 0 || code > kLastFunctionCode) return Fn::kNone;
    return kKindByCode[static_cast<size_t>(code)];
}

// r less whole periods, truncated toward zero: strictly inside (-period, period).
// The period count stays a double, so no argument can overflow it. Beyond
// about 2^52 periods the subtraction no longer lands inside one period, and
// the exact remainder takes its place.
double ReduceAngle(double r, double period) {
    double reduced = r - std::trunc(r / period) * period;
    if (!(std::fabs(reduced) < period)) reduced = std::fmod(r, period);
    return reduced;
}

// sin, cos, tan and cot of `r` radians, with reduction and snapping.
int Circular(Fn fn, double r, double& value) {
    const bool wholeTurns = fn == Fn::kSin || fn == Fn::kCos;
    const double reduced = ReduceAngle(r, wholeTurns ? kTwoPi : kPi);
    const double a = std::fabs(reduced);
    const bool onStraight = a < kSnap || std::fabs(a - kPi) < kSnap;
    const bool onRight = std::fabs(a - kHalfPi) < kSnap;
    switch (fn) {
    case Fn::kSin:
        value = onStraight ? 0.0 : std::sin(reduced);
        return 0;
    case Fn::kCos:
        value = onRight || std::fabs(a - kThreePiHalves) < kSnap ? 0.0 : std::cos(reduced);
        return 0;
    case Fn::kTan:
        if (onStraight) {
            value = 0.0;
            return 0;
        }
        if (onRight) return kStatusInfinite;
        value = std::tan(reduced);
        return 0;
    default:  // cotangent
        if (onStraight) return kStatusInfinite;
        value = onRight ? 0.0 : 1.0 / std::tan(reduced);
        return 0;
    }
}

// rand() modulo the truncated argument, with the sign rule of the C
// remainder: 0 to |n| - 1. A divisor of 0 yields 0. Every application draws
// one number, whatever its argument, so a seed replays the same answers.
double RandomBelow(double v) {
    const int drawn = NextRandom();
    const double n = std::trunc(v);
    if (std::isnan(n)) return n;
    // A divisor beyond the generator's range leaves every draw as it is.
    if (std::fabs(n) > kRandomMax) return drawn;
    const int divisor = static_cast<int>(n);
    return divisor == 0 ? 0.0 : drawn % divisor;
}

// Truncation toward zero. A truncated value that does not fit 32 bits is
// given as it is rather than wrapped or clamped.
double Integer(double v) {
    const double t = std::trunc(v);
    if (t >= -2147483648.0 && t <= 2147483647.0) return static_cast<int>(t);
    return t;
}

// Computes one function of `v`; `factor` is the angle factor of the unit.
// Returns 0 with the value set, or the status of a refused argument. The
// value may still be infinite or NaN; the caller refuses that.
int Apply(Fn fn, double v, double factor, double& value) {
    const double r = v * (kPi / factor);  // a circular argument in radians
    const double toUnit = factor / kPi;   // a radian result in the unit
    value = 0.0;
    switch (fn) {
    case Fn::kNone:
        return 0;
    case Fn::kSin:
    case Fn::kCos:
    case Fn::kTan:
    case Fn::kCot:
        return Circular(fn, r, value);
    case Fn::kSec:
        value = 1.0 / std::cos(r);
        return 0;
    case Fn::kCosec:
        value = 1.0 / std::sin(r);
        return 0;
    case Fn::kAsin:
    case Fn::kAcos:
        if (v < -1.0 || v > 1.0) return kStatusArgumentRange;
        value = (fn == Fn::kAsin ? std::asin(v) : std::acos(v)) * toUnit;
        return 0;
    case Fn::kAtan:
        value = std::atan(v) * toUnit;
        return 0;
    case Fn::kAcot:  // 1 / 0 is infinite, so acot(0) is a right angle
        value = std::atan(1.0 / v) * toUnit;
        return 0;
    case Fn::kAsec:
    case Fn::kAcosec:
        if (v > -1.0 && v < 1.0) return kStatusArgumentRange;
        value = (fn == Fn::kAsec ? std::acos(1.0 / v) : std::asin(1.0 / v)) * toUnit;
        return 0;
    case Fn::kSinh:
        value = std::sinh(v);
        return 0;
    case Fn::kCosh:
        value = std::cosh(v);
        return 0;
    case Fn::kTanh:
        value = std::tanh(v);
        return 0;
    case Fn::kCoth:
        if (v <= 0.0) return kStatusIndeterminate;
        value = 1.0 / std::tanh(v);
        return 0;
    // The inverse hyperbolic functions come from the library rather than
    // from their logarithm formulas: ln(sqrt(v*v + 1) + v) cancels to
    // nothing for large negative v, and every formula loses its digits near
    // 0 and overflows in v*v long before the value does.
    case Fn::kAsinh:
        value = std::asinh(v);
        return 0;
    case Fn::kAcosh:
        if (v < 1.0) return kStatusInfinite;
        value = std::acosh(v);
        return 0;
    case Fn::kAtanh:
        if (v < -1.0 || v > 1.0) return kStatusArgumentRange;
        if (v == -1.0 || v == 1.0) return kStatusIndeterminate;
        value = std::atanh(v);
        return 0;
    case Fn::kAcoth:  // 0.5 * ln((v + 1) / (v - 1)) is atanh(1 / v)
        if (v > -1.0 && v < 1.0) return kStatusInfinite;
        if (v == -1.0 || v == 1.0) return kStatusIndeterminate;
        value = std::atanh(1.0 / v);
        return 0;
    case Fn::kSqrt:
        if (v < 0.0) return kStatusNegativeRoot;
        value = std::sqrt(v);
        return 0;
    case Fn::kSqr:
        value = v * v;
        return 0;
    case Fn::kExp:
        value = std::exp(v);
        return 0;
    case Fn::kAlog:
        value = std::pow(10.0, v);
        return 0;
    case Fn::kLn:
    case Fn::kLog:
        if (v == 0.0) return kStatusLogOfZero;
        if (v < 0.0) return kStatusLogOfNegative;
        value = fn == Fn::kLn ? std::log(v) : std::log10(v);
        return 0;
    case Fn::kAbs:
        value = std::fabs(v);
        return 0;
    case Fn::kInt:
        value = Integer(v);
        return 0;
    case Fn::kRand:
        value = RandomBelow(v);
        return 0;
    case Fn::kSgn:
        value = v < 0.0 ? -1.0 : v == 0.0 ? 0.0 : 1.0;
        return 0;
    }
    return 0;
}

// Copies a value text over the operand (room for `capacity` characters
// besides the NUL).
int PutValue(char* operand, size_t capacity, const char* text) {
    if (!CopyText(operand, capacity, text)) return kStatusTooLong;
    return 0;
}

std::uint32_t randomState = 1;

}  // namespace

double AngleFactor(int angleUnit) {
    switch (angleUnit) {
    case 1:
        return 180.0;
    case 2:
        return 200.0;
    default:
        return kPi;
    }
}

int EvaluateFunction(char* operand, size_t capacity, int angleUnit) {
    // Nested marks follow one another every four characters, ":22;:43;4";
    // the innermost one carries the number.
    size_t inner = 0;
    while (TextLength(operand + inner, 5) > 4 && operand[inner + 4] == ':') inner += 4;
    if (TextLength(operand + inner, 5) <= 4) return kStatusMissingArgument;

    const double factor = AngleFactor(angleUnit);
    double argument = ReadNumber(operand + inner + 4);
    char text[kShortNumberSize];
    for (size_t level = inner / 4 + 1; level-- > 0;) {
        double value = 0.0;
        int status = Apply(FunctionOf(ReadInteger(operand + level * 4 + 1)), argument, factor, value);
        if (status != 0) return status;
        if (!std::isfinite(value)) return kStatusIndeterminate;
        if (value == 0.0) value = 0.0;  // never "-0"
        WriteGeneral(value, 15, text, sizeof text - 1);
        // An outer function reads what an inner one wrote, as if the inner
        // value text stood in the operand.
        argument = ReadNumber(text);
    }
    return PutValue(operand, capacity, text);
}

int EvaluateFactorial(char* operand, size_t capacity) {
    const int n = ReadInteger(operand);
    if (n > 170) return kStatusIndeterminate;
    if (n < 0) return kStatusFactorialRange;
    double product = 1.0;
    for (int k = n; k >= 2; --k) product *= k;
    char text[kShortNumberSize];
    WriteGeneral(product, 15, text, sizeof text - 1);
    return PutValue(operand, capacity, text);
}

// The linear congruential generator of the Windows C runtime's rand(), so
// that a seed gives the same numbers on every platform.
void SeedRandom(unsigned seed) { randomState = static_cast<std::uint32_t>(seed); }

int NextRandom() {
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int>((randomState >> 16) & static_cast<std::uint32_t>(kRandomMax));
}
