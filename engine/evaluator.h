// The expression evaluator: works directly on the text, brackets innermost
// first, then one operation at a time by operator level.
#pragma once

#include <cstddef>

#include "task_record.h"

// Largest expression or bracket-free text the evaluator accepts: all that a
// maths field holds.
inline constexpr size_t kExpressionLimit = kMathsCapacity;

// Evaluates `expression` (read only) and writes the result text into
// `destination` (room for `capacity` characters); the two may be the same
// storage. Returns 0, or a status code and leaves `destination` unchanged:
// 1001 (input over 638 characters, result longer than 126 or `capacity`),
// 1002-1007, 1021, and the codes of the functions.
int EvaluateExpression(const char* expression, char* destination, size_t capacity, int angleUnit);

// Evaluates a bracket-free `text` in place (room for `capacity` characters).
// Returns 0 with the result text in `text`, or a status code; on failure the
// text may be partly rewritten, never past `capacity`.
int EvaluateFlat(char* text, size_t capacity, int angleUnit);

// EvaluateFlat and EvaluateExpression always on the text, never on a list of
// operands: the reading that the faster one must agree with to the bit. For
// tests and fuzzers.
int EvaluateFlatOnText(char* text, size_t capacity, int angleUnit);
int EvaluateExpressionOnText(const char* expression, char* destination, size_t capacity, int angleUnit);
