// Function applications and factorials, on behalf of the evaluator.
//
// Both operations read one operand text and, on success, replace it with the
// "%.15g" text of its value (the "+" of an exponent stays; the evaluator reads
// the text back with atof). On failure they return a status code and leave
// the operand as it was. They never write past the operand's buffer and keep
// no state apart from the random generator's.
#pragma once

#include <cstddef>

// Angle factor of a unit: 180 for degrees (1), 200 for grads (2), pi for
// radians (0) and for any other value.
double AngleFactor(int angleUnit);

// `operand` begins with a function mark (":NN;") followed by the argument: a
// number text (anything after the number is ignored) or another function
// operand, ":22;:43;4", evaluated innermost first, each inner value passing
// through its "%.15g" text. The buffer has room for `capacity` characters
// besides the NUL; kShortNumberSize - 1 always suffices for the value.
// Circular functions take and give angles in `angleUnit` (0 radians,
// 1 degrees, 2 grads). Codes without a function (55-63 and any other) give 0.
// Returns 0, or:
//   1001 the value text does not fit `capacity`;
//   1022 a mark with no argument;
//   1023-1026, 1031, 1032 a refused argument (the first refusal, innermost
//        first, is returned unchanged);
//   1031 a value that is infinite or not a number.
// rand and ran draw one number from the generator below per application.
int EvaluateFunction(char* operand, size_t capacity, int angleUnit);

// `operand` ends with "!"; n is atoi of it (optional sign and digits, a
// fraction cut off). On 0 it is replaced by the "%.15g" text of n!; otherwise
// 1027 (negative), 1031 (above 170) or 1001 (does not fit `capacity`
// characters).
int EvaluateFactorial(char* operand, size_t capacity);

// The next number of the random generator behind rand and ran (0 to 32767;
// SeedRandom in engine.h seeds it).
int NextRandom();
