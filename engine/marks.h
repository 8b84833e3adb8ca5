// Function name marks: function names and the values pi, ans and mem stand
// inside the engine as ":NN;" (a colon, the two-digit code, a semicolon).
#pragma once

#include <cstddef>

struct FunctionName {
    int code;
    const char* name;
};

// Every name with its code, in the order of replacement (increasing code).
extern const FunctionName kFunctionNames[];
extern const size_t kFunctionNameCount;

inline constexpr int kCodePi = 61;
inline constexpr int kCodeAns = 62;
inline constexpr int kCodeMem = 63;

// Name of a code, or nullptr for a code without one.
const char* FunctionNameOf(int code);

// Replaces every function name of `text` (a task field, at most 510
// characters) by its mark. Returns 1 when a name was replaced, 2 when none
// was, 1001 when the text or the marked text is longer than 510 characters
// (text unchanged).
int MarkFunctionNames(char* text);

// Turns every mark of `text` back into its name, with a leading ":" when
// `separator` is 1 and without when it is 0. Never writes past `capacity`.
void UnmarkFunctionNames(char* text, size_t capacity, int separator);
