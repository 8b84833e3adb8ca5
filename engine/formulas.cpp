#include "formulas.h"

// Placeholder until formula translation lands.
int ExpandFormulas(char*) { return 1030; }
int SubstituteValues(char*, const char*, const char*) { return 1030; }
