// The quadratic equation solver.
#pragma once

#include <cstddef>

// Longest coefficient text.
inline constexpr size_t kCoefficientCapacity = 126;

// The three coefficient texts of a*x^2 + b*x + c, as cut from the equation.
struct QuadraticTerms {
    char a[kCoefficientCapacity + 1];
    char b[kCoefficientCapacity + 1];
    char c[kCoefficientCapacity + 1];
};

// Cuts the normalised equation `maths` into its coefficient texts: the text
// before the first "x" (or 1, -1), the text between the two characters after
// it (the exponent, never examined) and the next "x" (or 1, -1, 0), and the
// rest (or 0). Returns 0; 1028 when there is no "x", fewer than two characters
// follow the first one, an "x" stands among those two (`xx^2`), the linear
// coefficient is empty (`x^2x`) or the constant term still holds an "x"
// (`x^2+x+x`); 1001 when a coefficient text
// is longer than 126 characters. Reads nothing past the end of `maths`.
int CutQuadratic(const char* maths, QuadraticTerms& terms);

// The roots of a*x^2 + b*x + c = 0 in the order the solver reports them. A
// root without a real value is infinite or not a number. Returns 0, or 1028
// when a is 0 (the equation is not quadratic; x1 and x2 untouched).
int ComputeRoots(double a, double b, double c, double& x1, double& x2);

// Cuts the normalised `maths` (capacity 638) into the coefficients a, b and c
// of a*x^2 + b*x + c, evaluates each and computes the roots: x1 (or
// "<Complex number>") into `maths`, x2 into `result` (capacity 126), both as
// "%.15g" texts that keep the "+" of an exponent.
// Returns 0, or 1028 when a coefficient fails to evaluate, the text cannot be
// cut or a is 0; then `maths` holds that failure's message (the evaluator's,
// "Expression is too long" for an overlong coefficient, otherwise "Error in
// quadratic equation") and `result` is untouched.
int SolveQuadratic(char* maths, char* result, int angleUnit);
