#include "functions.h"

// Placeholder until the functions land.
double AngleFactor(int) { return 3.141592653589793; }
int EvaluateFunction(char*, size_t, int) { return 1030; }
int EvaluateFactorial(char*, size_t) { return 1030; }
void SeedRandom(unsigned) {}
int NextRandom() { return 0; }
