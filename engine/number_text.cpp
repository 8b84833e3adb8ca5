#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
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

}  // namespace

bool HasFullPrecision(double value) {
    const double magnitude = std::fabs(value);
    return value == 0 || (magnitude >= std::numeric_limits<double>::min() && magnitude <= std::numeric_limits<double>::max());
}

void ShortestDigits(double value, DecimalDigits& out) {
    // Shortest round trip in scientific form: "-d.ddde-XX".
    char text[40];
    auto r = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
    const char* p = text;
    out.negative = *p == '-';
    if (out.negative) ++p;
    out.count = 0;
    for (; p < r.ptr && *p != 'e'; ++p)
        if (IsDigit(*p)) out.digits[out.count++] = *p;
    out.exponent = 0;
    if (p < r.ptr) {
        ++p;
        const bool negativeExponent = *p == '-';
        ++p;
        for (; p < r.ptr; ++p) out.exponent = out.exponent * 10 + (*p - '0');
        if (negativeExponent) out.exponent = -out.exponent;
    }
}

size_t LayoutGeneral(const DecimalDigits& d, int precision, char* out, size_t capacity) {
    char text[48];
    TextWriter w(text, sizeof text - 1);
    if (d.negative) w.Put('-');
    const int x = d.exponent;
    if (x >= -4 && x < precision) {
        if (x < 0) {
            w.Put("0.");
            for (int i = -1; i > x; --i) w.Put('0');
            w.Put(d.digits, static_cast<size_t>(d.count));
        } else {
            for (int i = 0; i <= x; ++i) w.Put(i < d.count ? d.digits[i] : '0');
            if (d.count > x + 1) {
                w.Put('.');
                w.Put(d.digits + x + 1, static_cast<size_t>(d.count - x - 1));
            }
        }
    } else {
        w.Put(d.digits[0]);
        if (d.count > 1) {
            w.Put('.');
            w.Put(d.digits + 1, static_cast<size_t>(d.count - 1));
        }
        w.Put(x < 0 ? "e-" : "e+");
        const int magnitude = x < 0 ? -x : x;
        if (magnitude < 10) w.Put('0');
        char exponent[8];
        auto r = std::to_chars(exponent, exponent + sizeof exponent, magnitude);
        w.Put(exponent, static_cast<size_t>(r.ptr - exponent));
    }
    if (w.Length() > capacity) {
        out[0] = 0;
        return 0;
    }
    std::memcpy(out, text, w.Length() + 1);
    return w.Length();
}

size_t WriteGeneral(double value, int precision, char* out, size_t capacity) {
    if (precision >= 1 && precision <= 15 && HasFullPrecision(value)) {
        DecimalDigits digits;
        ShortestDigits(value, digits);
        if (digits.count <= precision) return LayoutGeneral(digits, precision, out, capacity);
    }
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
    size_t n = ScanNumber(begin, end);
    if (n == 0) return 0.0;
    const char* p = begin;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    double value = 0.0;
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
