// Function applications and factorials, on behalf of the evaluator.
#pragma once

#include <cstddef>

// Angle factor of a unit: 180 for degrees, 200 for grads, pi otherwise.
double AngleFactor(int angleUnit);

// `operand` begins with a function mark (":NN;" and the argument) and lives in
// a buffer of `capacity` characters (at least 32). On 0 the whole operand is
// replaced by the "%.15g" text of the value; otherwise a status code
// (1022-1027, 1031, 1032) and the operand may be partly rewritten.
int EvaluateFunction(char* operand, size_t capacity, int angleUnit);

// `operand` ends with "!". On 0 it is replaced by the "%.15g" text of n!;
// otherwise 1027 (negative) or 1031 (above 170).
int EvaluateFactorial(char* operand, size_t capacity);

// The random generator behind rand and ran: integers from 0 to 32767, the
// same sequence for the same seed on every platform.
void SeedRandom(unsigned seed);
int NextRandom();
