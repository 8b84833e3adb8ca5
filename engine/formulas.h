// Formula translation: chemical formulas in szMaths become arithmetic on
// atomic masses.
#pragma once

// Inserts the operators and brackets that make every formula of `maths`
// (capacity 638) a bracketed sum of element symbols. Returns 0, or 1001 when
// the input or the output is longer than 638 characters (maths unchanged).
int ExpandFormulas(char* maths);

// Replaces every element symbol of `maths` by its mass text and the marks of
// pi, ans and mem by numbers. `answer` and `memory` are read only.
// Returns 0, 1001, 1002, 1011, 1012 or 1013; on failure `maths` is unchanged.
int SubstituteValues(char* maths, const char* answer, const char* memory);
