#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <limits>

#include "text.h"

namespace {

size_t Finish(std::to_chars_result r, char* out, size_t capacity) {
    if (r.ec != std::errc() || static_cast<size_t>(r.ptr - out) > capacity) {
        out[0] = 0;
        return 0;
    }
    *r.ptr = 0;
    return static_cast<size_t>(r.ptr - out);
}

size_t Write(double value, std::chars_format format, int precision, char* out, size_t capacity) {
    // A negative precision counts as 6, as it does for printf.
    if (precision < 0) precision = 6;
    if (capacity == 0) {
        out[0] = 0;
        return 0;
    }
    // Leave room for the NUL: to_chars never writes one.
    return Finish(std::to_chars(out, out + capacity, value, format, precision), out, capacity);
}

// Length of the decimal number at the start of [p, end): sign, digits, point,
// digits, and an exponent only when digits follow it. 0 when there is none.
size_t ScanNumber(const char* p, const char* end) {
    const char* q = p;
    if (q < end && (*q == '+' || *q == '-')) ++q;
    const char* digitsStart = q;
    while (q < end && IsDigit(*q)) ++q;
    size_t digits = static_cast<size_t>(q - digitsStart);
    if (q < end && *q == '.') {
        const char* f = q + 1;
        while (f < end && IsDigit(*f)) ++f;
        digits += static_cast<size_t>(f - q - 1);
        q = f;
    }
    if (digits == 0) return 0;
    if (q < end && (*q == 'e' || *q == 'E')) {
        const char* x = q + 1;
        if (x < end && (*x == '+' || *x == '-')) ++x;
        const char* xd = x;
        while (x < end && IsDigit(*x)) ++x;
        if (x > xd) q = x;
    }
    return static_cast<size_t>(q - p);
}

constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The common short number without a sign: at most 15 significant digits and
// a small decimal exponent. Then the digits and the power of ten are both
// exact doubles and one multiplication or division rounds correctly, which
// is all a full conversion would do. False for anything else; otherwise
// `stop` is where the number ends. Without `exponentPlus` a "+" after the
// exponent's "e" ends the number there.
bool ReadShortNumber(const char* p, const char* end, double& value, const char*& stop, bool exponentPlus = true) {
    uint64_t mantissa = 0;
    int scale = 0;
    const char* const start = p;
    // Zeros before the first significant digit count for nothing.
    while (p < end && *p == '0') ++p;
    const char* significantStart = p;
    while (p < end && IsDigit(*p)) mantissa = mantissa * 10 + static_cast<uint64_t>(*p++ - '0');
    ptrdiff_t significant = p - significantStart;
    bool anyDigits = p > start;
    if (p < end && *p == '.') {
        const char* const fraction = ++p;
        if (mantissa == 0) {
            while (p < end && *p == '0') ++p;
        }
        significantStart = p;
        while (p < end && IsDigit(*p)) mantissa = mantissa * 10 + static_cast<uint64_t>(*p++ - '0');
        significant += p - significantStart;
        scale = -static_cast<int>(p - fraction);
        anyDigits = anyDigits || p > fraction;
    }
    // Past 15 digits the mantissa may have wrapped; it is not used then.
    if (significant > 15) return false;
    if (!anyDigits) return false;  // no number, or a lone point: the long way decides
    if (p < end && (*p == 'e' || *p == 'E')) {
        // An exponent counts only with digits after its optional sign.
        const char* q = p + 1;
        bool negative = false;
        if (q < end && ((*q == '+' && exponentPlus) || *q == '-')) negative = *q++ == '-';
        if (q < end && IsDigit(*q)) {
            int exponent = 0;
            for (; q < end && IsDigit(*q); ++q) {
                exponent = exponent * 10 + (*q - '0');
                if (exponent > 400) return false;
            }
            scale += negative ? -exponent : exponent;
            p = q;
        }
    }
    stop = p;
    if (mantissa == 0) {
        value = 0;
        return true;
    }
    if (scale > 22 || scale < -22) return false;
    const double m = static_cast<double>(mantissa);
    value = scale >= 0 ? m * kPowersOfTen[scale] : m / kPowersOfTen[-scale];
    return true;
}

}  // namespace

namespace {

// Powers of ten that doubles hold exactly.
constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxExactPower = 22;

// Powers of ten from 1e-31 to 1e38, close enough to tell which decade a value
// lies in; an estimate that is still off is corrected against the result.
constexpr int kFirstDecade = -31;
constexpr int kDecadeCount = 70;
struct DecadeTable {
    double power[kDecadeCount] = {};
    constexpr DecadeTable() {
        double p = 1;
        for (int k = 0; k < -kFirstDecade; ++k) p /= 10;
        for (int i = 0; i < kDecadeCount; ++i, p *= 10) power[i] = p;
    }
};
constexpr DecadeTable kDecadeTable;
constexpr const double* kDecades = kDecadeTable.power;

// Dekker's exact product: a * b == high + low, without relying on a fused
// multiply-add (whose emulation differs between C runtimes).
void ExactProduct(double a, double b, double& high, double& low) {
    constexpr double kSplit = 134217729.0;  // 2^27 + 1
    high = a * b;
    const double ta = kSplit * a;
    const double ah = ta - (ta - a);
    const double al = a - ah;
    const double tb = kSplit * b;
    const double bh = tb - (tb - b);
    const double bl = b - bh;
    low = ((ah * bh - high) + ah * bl + al * bh) + al * bl;
}

// |value| rounded to `digits` significant digits the way printf rounds the
// exact binary value: a digits-digit integer `n` and the decimal exponent `x`
// of its first digit. False when the value is outside the range that scales
// exactly or lies too near a rounding midpoint to decide cheaply.
bool RoundToDigits(double value, int digits, uint64_t& n, int& x) {
    const double v = std::fabs(value);
    if (!(v >= 1e-30 && v < 1e37)) return false;
    // Decimal exponent from the binary one (log10(2) ~ 78913 / 2^18),
    // corrected once against the result below.
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    const int binary = static_cast<int>(bits >> 52) - 1023;  // v is normal here
    x = (binary * 78913) >> 18;
    // The estimate is one too small for the upper part of each binary octave.
    if (x + 1 >= kFirstDecade && x + 1 < kFirstDecade + kDecadeCount && v >= kDecades[x + 1 - kFirstDecade]) ++x;
    const uint64_t low = static_cast<uint64_t>(kExactPowers[digits - 1]);
    const uint64_t high = low * 10;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int k = digits - 1 - x;
        if (k > kMaxExactPower || -k > kMaxExactPower) return false;
        double m;
        double rest;
        if (k >= 0) {
            ExactProduct(v, kExactPowers[k], m, rest);
        } else {
            const double p = kExactPowers[-k];
            m = v / p;
            double ph;
            double pl;
            ExactProduct(m, p, ph, pl);
            rest = ((v - ph) - pl) / p;  // v - ph is exact: ph is within an ulp of v
        }
        // Beyond 2^53 the doubles step by 2, so the whole part moves as an
        // integer.
        // m is positive and below 2^63: truncation is the floor.
        n = static_cast<uint64_t>(m);
        double fraction = (m - static_cast<double>(n)) + rest;
        if (fraction < 0) {
            --n;
            fraction += 1;
        } else if (fraction >= 1) {
            ++n;
            fraction -= 1;
        }
        if (std::fabs(fraction - 0.5) < 1e-6) return false;
        if (fraction > 0.5) ++n;
        if (n == high) {
            n = low;
            ++x;
        }
        if (n >= low && n < high) return true;
        x += n >= high ? 1 : -1;
    }
    return false;
}

}  // namespace

bool RoundedDigits(double value, int digits, DecimalDigits& out) {
    if (digits < 1 || digits > 16 || !std::isfinite(value)) return false;
    out.negative = std::signbit(value);
    uint64_t n = 0;
    int x = 0;
    if (value == 0) {
        n = 0;
        x = 0;
    } else if (!RoundToDigits(value, digits, n, x)) {
        return false;
    }
    out.exponent = x;
    // Trailing zeros off first (in steps of 8, 4, 2, 1), then the digits that
    // remain written from the right, two at a time.
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    int count = digits;
    if (n == 0) {
        count = 1;
    } else {
        for (const int step : {8, 4, 2, 1}) {
            const auto power = static_cast<uint64_t>(kExactPowers[step]);
            if (count > step && n % power == 0) {
                n /= power;
                count -= step;
            }
        }
    }
    out.significand = n;
    int i = count;
    while (i >= 2) {
        const auto pair = static_cast<size_t>(n % 100) * 2;
        n /= 100;
        out.digits[--i] = kPairs[pair + 1];
        out.digits[--i] = kPairs[pair];
    }
    if (i == 1) out.digits[0] = static_cast<char>('0' + n);
    out.count = count;
    return true;
}

bool RoundDigits(const DecimalDigits& in, int precision, DecimalDigits& out) {
    out = in;
    if (in.count <= precision) return true;
    const char first = in.digits[precision];
    // Exactly half way in the digits may be on either side in the value.
    if (first == '5' && in.count == precision + 1) return false;
    out.count = precision;
    if (first >= '5') {
        int i = precision - 1;
        while (i >= 0 && out.digits[i] == '9') --i;
        if (i < 0) {  // 9.99... rounds up to 10
            out.digits[0] = '1';
            out.count = 1;
            ++out.exponent;
            out.significand = 1;
            return true;
        }
        ++out.digits[i];
        out.count = i + 1;
    }
    while (out.count > 1 && out.digits[out.count - 1] == '0') --out.count;
    out.significand = 0;
    for (int i = 0; i < out.count; ++i)
        out.significand = out.significand * 10 + static_cast<uint64_t>(out.digits[i] - '0');
    return true;
}

bool ParseDigits(const char* text, DecimalDigits& out) {
    const char* p = text;
    out.negative = *p == '-';
    if (out.negative) ++p;
    out.count = 0;
    out.significand = 0;
    int leading = 0;  // digits before the point
    int zeros = 0;    // zeros after the point before the first significant digit
    auto take = [&out](char c) {
        if (out.count == 16) return false;
        out.digits[out.count++] = c;
        out.significand = out.significand * 10 + static_cast<uint64_t>(c - '0');
        return true;
    };
    while (*p == '0') ++p;
    for (; IsDigit(*p); ++p, ++leading) {
        if (!take(*p)) return false;
    }
    if (*p == '.') {
        ++p;
        if (out.count == 0) {
            for (; *p == '0'; ++p) ++zeros;
        }
        for (; IsDigit(*p); ++p) {
            if (!take(*p)) return false;
        }
    }
    int exponent = 0;
    if (*p == 'e' || *p == 'E') {
        ++p;
        const bool negative = *p == '-';
        if (*p == '+' || *p == '-') ++p;
        if (!IsDigit(*p)) return false;
        for (; IsDigit(*p); ++p) {
            exponent = exponent * 10 + (*p - '0');
            if (exponent > 400) return false;
        }
        if (negative) exponent = -exponent;
    }
    if (*p) return false;
    if (out.count == 0) {  // zero
        out.digits[0] = '0';
        out.count = 1;
        out.exponent = 0;
        return true;
    }
    out.exponent = (leading > 0 ? leading - 1 : -zeros - 1) + exponent;
    // Keep to normal doubles, where digit rounding is exact.
    if (out.exponent > 300 || out.exponent < -300) return false;
    while (out.count > 1 && out.digits[out.count - 1] == '0') {
        --out.count;
        out.significand /= 10;
    }
    return true;
}

bool ReadBackValue(double value, int digits, double& readBack) {
    if (digits < 1 || digits > 15 || !std::isfinite(value)) return false;
    if (value == 0) {
        readBack = value;  // "0" or "-0" reads back as itself
        return true;
    }
    uint64_t n = 0;
    int x = 0;
    if (!RoundToDigits(value, digits, n, x)) return false;
    // n below 10^15 and an exact power of ten: one correctly rounded
    // operation, as atof reads the text.
    const int scale = x - digits + 1;
    if (scale < -kMaxExactPower || scale > kMaxExactPower) return false;
    const double m = static_cast<double>(n);
    readBack = scale >= 0 ? m * kExactPowers[scale] : m / kExactPowers[-scale];
    if (std::signbit(value)) readBack = -readBack;
    return true;
}

bool DigitsValue(const DecimalDigits& digits, double& value) {
    const int scale = digits.exponent - digits.count + 1;
    if (digits.count > 15 || scale < -22 || scale > 22) return false;
    const double m = static_cast<double>(digits.significand);
    value = scale >= 0 ? m * kExactPowers[scale] : m / kExactPowers[-scale];
    if (digits.negative) value = -value;
    return true;
}

size_t LayoutGeneral(const DecimalDigits& d, int precision, char* out, size_t capacity) {
    // At most a sign, 16 digits, padding to 16 places, a point and an
    // exponent: the local text never needs a bound check.
    char text[64];
    char* w = text;
    if (d.negative) *w++ = '-';
    const int x = d.exponent;
    const int count = d.count;
    if (x >= -4 && x < precision) {
        if (x < 0) {
            *w++ = '0';
            *w++ = '.';
            for (int i = -1; i > x; --i) *w++ = '0';
            for (int i = 0; i < count; ++i) *w++ = d.digits[i];
        } else {
            for (int i = 0; i <= x; ++i) *w++ = i < count ? d.digits[i] : '0';
            if (count > x + 1) {
                *w++ = '.';
                for (int i = x + 1; i < count; ++i) *w++ = d.digits[i];
            }
        }
    } else {
        *w++ = d.digits[0];
        if (count > 1) {
            *w++ = '.';
            for (int i = 1; i < count; ++i) *w++ = d.digits[i];
        }
        *w++ = 'e';
        *w++ = x < 0 ? '-' : '+';
        const int magnitude = x < 0 ? -x : x;
        if (magnitude >= 100) *w++ = static_cast<char>('0' + magnitude / 100);
        *w++ = static_cast<char>('0' + magnitude / 10 % 10);
        *w++ = static_cast<char>('0' + magnitude % 10);
    }
    const size_t length = static_cast<size_t>(w - text);
    if (length > capacity) {
        out[0] = 0;
        return 0;
    }
    std::memcpy(out, text, length);
    out[length] = 0;
    return length;
}

size_t WriteGeneral(double value, int precision, char* out, size_t capacity) {
    DecimalDigits digits;
    if (std::isfinite(value) && RoundedDigits(value, precision, digits))
        return LayoutGeneral(digits, precision, out, capacity);
    return Write(value, std::chars_format::general, precision, out, capacity);
}

size_t WriteScientific(double value, int decimals, char* out, size_t capacity) {
    return Write(value, std::chars_format::scientific, decimals, out, capacity);
}

size_t WriteFixed(double value, int decimals, char* out, size_t capacity) {
    return Write(value, std::chars_format::fixed, decimals, out, capacity);
}

double ReadNumber(const char* begin, const char* end) {
    // atof skips leading white space; the engine's texts hold none, but the
    // rule costs nothing.
    while (begin < end && (*begin == ' ' || (*begin >= '\t' && *begin <= '\r'))) ++begin;
    const char* p = begin;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    double value = 0.0;
    const char* stop = nullptr;
    if (ReadShortNumber(p, end, value, stop)) return negative ? -value : value;

    const size_t n = ScanNumber(begin, end);
    if (n == 0) return 0.0;
    auto r = std::from_chars(p, begin + n, value, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
        // Too large gives infinity and too small gives zero, as strtod does.
        // The scanned text is a plain decimal number, so strtod reads exactly
        // it; copy it so strtod cannot look past `end`.
        char scratch[1024];
        size_t len = static_cast<size_t>(begin + n - p);
        if (len < sizeof scratch) {
            std::memcpy(scratch, p, len);
            scratch[len] = 0;
            value = std::strtod(scratch, nullptr);
        } else {
            // Overlong mantissa: decide by the exponent's sign alone.
            const char* e = p;
            while (e < begin + n && *e != 'e' && *e != 'E') ++e;
            bool tiny = e < begin + n && e[1] == '-';
            value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
        }
    }
    return negative ? -value : value;
}

double ReadNumber(const char* text) { return ReadNumber(text, text + std::strlen(text)); }

bool ReadWholeNumber(const char* begin, const char* end, double& value, const char*& stop) {
    const char* p = begin;
    const bool negative = p < end && *p == '-';
    if (negative) ++p;
    if (!ReadShortNumber(p, end, value, stop, false)) return false;
    if (negative) value = -value;
    return true;
}

int ReadInteger(const char* text) {
    while (*text == ' ' || (*text >= '\t' && *text <= '\r')) ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') {
        negative = *text == '-';
        ++text;
    }
    long long value = 0;
    constexpr long long kLimit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    while (IsDigit(*text)) {
        if (value < kLimit) value = value * 10 + (*text - '0');
        ++text;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

bool IsNumberText(const char* text) {
    const char* p = text;
    if (*p == '-') ++p;
    if (!IsDigit(*p)) return false;
    while (IsDigit(*p)) ++p;
    if (*p == '.') {
        ++p;
        if (!IsDigit(*p)) return false;
        while (IsDigit(*p)) ++p;
    }
    if (*p == 'e' || *p == 'E') {
        ++p;
        if (*p == '+' || *p == '-') ++p;
        if (!IsDigit(*p)) return false;
        while (IsDigit(*p)) ++p;
    }
    return *p == 0;
}

void RemoveFirstPlus(char* text) {
    char* plus = std::strchr(text, '+');
    if (plus) std::memmove(plus, plus + 1, std::strlen(plus + 1) + 1);
}
