#include "quadratic.h"

// Placeholder until the solver lands.
int SolveQuadratic(char*, char*, int) { return 1028; }
