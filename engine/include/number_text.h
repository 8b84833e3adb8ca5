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
#include <cstdint>

// Room for any "%.15g"/"%.9g" rendering of a finite double, NUL included.
inline constexpr size_t kShortNumberSize = 32;

// "%.{precision}g" of `value`. Returns the length written, or 0 (and an empty
// text) when it does not fit `capacity` characters.
size_t WriteGeneral(double value, int precision, char* out, size_t capacity);

// A value rounded to a number of significant digits: `count` digits (trailing
// zeros dropped; "0" for zero) and the decimal exponent of the first one.
struct DecimalDigits {
    char digits[20];
    int count;
    int exponent;
    bool negative;
    uint64_t significand;  // the digits as an integer
};

// Rounds `value` to `digits` (1 to 16) significant digits exactly as printf
// rounds the binary value. False when it cannot decide cheaply (magnitudes
// outside about 1e-30 to 1e37, a value near a rounding midpoint): then format
// the long way with WriteGeneral or WriteScientific.
bool RoundedDigits(double value, int digits, DecimalDigits& out);

// Rounds digits already rounded to more places on to `precision` digits.
// False when they end exactly half way: the value itself may then lie on
// either side, and only rounding the value decides.
bool RoundDigits(const DecimalDigits& in, int precision, DecimalDigits& out);

// Digits of a number text with at most 16 significant digits and a decimal
// exponent within the normal range; false for anything else. Reading the text
// with atof and rounding to `count` or more digits gives the same digits.
bool ParseDigits(const char* text, DecimalDigits& out);

// The value atof reads from the digits, when one exact operation gives it:
// at most 15 digits and a small power of ten. False otherwise.
bool DigitsValue(const DecimalDigits& digits, double& value);

// The value atof reads back from "%.{digits}g" of `value` (digits 1 to 15),
// without writing the text, when it is cheaply known; false otherwise.
bool ReadBackValue(double value, int digits, double& readBack);

// "%.{precision}g" laid out from digits rounded to `precision` digits.
size_t LayoutGeneral(const DecimalDigits& digits, int precision, char* out, size_t capacity);

// "%.{decimals}e" of `value`.
size_t WriteScientific(double value, int decimals, char* out, size_t capacity);

// "%.{decimals}f" of `value`.
size_t WriteFixed(double value, int decimals, char* out, size_t capacity);

// atof of the text from `begin` up to (not including) `end`.
double ReadNumber(const char* begin, const char* end);

// atof of a NUL-terminated text.
double ReadNumber(const char* text);

// The common case of ReadNumber, for readers that find the end of a number
// as they go: a number at `begin` with an optional "-", at most 15
// significant digits and a small exponent whose sign, if any, is "-" (a "+"
// ends the number before its "e"). True with its value and `stop` where it
// ends (ReadNumber(begin, stop) is that value); false, deciding nothing, for
// any other text.
bool ReadWholeNumber(const char* begin, const char* end, double& value, const char*& stop);

// atoi of a NUL-terminated text: optional sign, then digits; values beyond the
// 32-bit range are clamped to it instead of overflowing.
int ReadInteger(const char* text);

// True when the whole text is one number text: an optional "-", digits, an
// optional "." with digits, and an optional exponent ("e" or "E", an optional
// sign, digits). This is how a shown answer or a memory is told from a message.
bool IsNumberText(const char* text);

// Removes the first "+" of the text, if any (the sign of an exponent).
void RemoveFirstPlus(char* text);
