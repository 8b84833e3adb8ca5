#include "symbols.h"

// Placeholder until symbol case correction lands.
int CorrectSymbolCase(char*, int) { return 1030; }
