// Function name marks: function names and the values pi, ans and mem stand
// inside the engine as ":NN;" (a colon, the two-digit code, a semicolon).
// A mark holds no letter, so no later name search can match inside one, and
// every ";" of a marked text belongs to a mark.
#pragma once

#include <cstddef>

#include "function_table.h"

// Length of a mark: ":", two digits, ";".
inline constexpr size_t kMarkLength = 4;

// Name of a code, or nullptr for a code without one (55 to 60 and anything
// outside 11 to 63).
const char* FunctionNameOf(int code);

// The code of a well-formed mark of a named code at `at` (":NN;"), or 0.
// Reads no further than the first character that does not fit a mark.
int MarkCodeAt(const char* at);

// Replaces every function name of `text` (a task field, at most 510
// characters; case-sensitive, lower case only) by its mark, names of codes
// 11 to 17 only when "cos" occurs, 18 to 22 only with "sin", 23 to 27 only
// with "cot", 28 to 33 only with "tg" and 34 to 38 only with "tan".
// Returns 1 when a name was replaced, 2 when none was, 1001 when the text or
// the marked text is longer than 510 characters (text unchanged).
int MarkFunctionNames(char* text);

// Turns every mark of `text` (room for `capacity` characters) back into its
// name, with a leading ":" when `separator` is nonzero and without when it is
// 0. A ":NN;" whose code has no name is left as it stands.
// Never writes past `capacity`: when the names with colons would not fit,
// they are written without colons; when even that would not fit, the text is
// left marked, all marks whole.
void UnmarkFunctionNames(char* text, size_t capacity, int separator);
