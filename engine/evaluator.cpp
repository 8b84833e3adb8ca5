#include "evaluator.h"
int EvaluateExpression(const char*, char*, size_t, int) { return 1030; }
int EvaluateFlat(char*, size_t, int) { return 1030; }
