// The quadratic equation solver.
#pragma once

// Cuts the normalised `maths` (capacity 638) into the coefficients a, b and c
// of a*x^2 + b*x + c, evaluates each and computes the roots: x1 (or
// "<Complex number>") into `maths`, x2 into `result` (capacity 126).
// Returns 0, or 1028 when a coefficient fails to evaluate or the text cannot
// be cut; then `maths` holds that failure's message.
int SolveQuadratic(char* maths, char* result, int angleUnit);
