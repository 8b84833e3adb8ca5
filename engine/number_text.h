// Number texts: how doubles are written between the stages and read back.
//
// Writing follows the C formats "%.Ng", "%.Ne" and "%.Nf" in the C locale
// (exponent with a sign and at least two digits); reading follows atof on
// plain decimal texts: the longest leading part that forms a decimal number,
// no hexadecimal, infinity or not-a-number spellings, 0 when there is none.
// Nothing here depends on the process locale, allocates or writes past the
// given capacity.
#pragma once

#include <cstddef>

// Room for any "%.15g"/"%.9g" rendering of a finite double, NUL included.
inline constexpr size_t kShortNumberSize = 32;

// "%.{precision}g" of `value`. Returns the length written, or 0 (and an empty
// text) when it does not fit `capacity` characters.
size_t WriteGeneral(double value, int precision, char* out, size_t capacity);

// The shortest decimal digits that read back as a finite value: `count`
// significant digits (no trailing zeros; "0" for zero) and the decimal
// exponent of the first one.
struct DecimalDigits {
    char digits[20];
    int count;
    int exponent;
    bool negative;
};
void ShortestDigits(double value, DecimalDigits& out);

// True for zero and for finite normal values: those whose spacing is finer
// than 16 significant digits, which LayoutGeneral and its users rely on.
bool HasFullPrecision(double value);

// "%.{precision}g" laid out from shortest digits. Exact whenever
// digits.count <= precision <= 15: rounding to at most 15 digits cannot move
// a value off its shortest digits, since a double's spacing is finer.
size_t LayoutGeneral(const DecimalDigits& digits, int precision, char* out, size_t capacity);

// "%.{decimals}e" of `value`.
size_t WriteScientific(double value, int decimals, char* out, size_t capacity);

// "%.{decimals}f" of `value`.
size_t WriteFixed(double value, int decimals, char* out, size_t capacity);

// atof of the text from `begin` up to (not including) `end`.
double ReadNumber(const char* begin, const char* end);

// atof of a NUL-terminated text.
double ReadNumber(const char* text);

// atoi of a NUL-terminated text: optional sign, then digits; values beyond the
// 32-bit range are clamped to it instead of overflowing.
int ReadInteger(const char* text);

// True when the whole text is one number text: an optional "-", digits, an
// optional "." with digits, and an optional exponent ("e" or "E", an optional
// sign, digits). This is how a shown answer or a memory is told from a message.
bool IsNumberText(const char* text);

// Removes the first "+" of the text, if any (the sign of an exponent).
void RemoveFirstPlus(char* text);
