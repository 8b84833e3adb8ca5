#include "format.h"
int EffectiveDecimals(int d) { return d; }
int FormatResult(TaskRecord&) { return 0; }
int ReplaceDecimalPoints(char*, char) { return 0; }
