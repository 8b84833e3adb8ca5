// Formula translation: chemical formulas in szMaths become arithmetic on
// atomic masses, in two steps the driver runs one after the other.
#pragma once

// Inserts the operators and brackets that make every formula of `maths`
// (capacity 638) a bracketed sum of element symbols, each symbol times its
// count and each coefficient or group applied by multiplication:
// CuSO4*5H2O gives (Cu+S+O*4)*5*(H*2+O), and a task that is one formula gets
// no outer brackets (H2O gives H*2+O). A formula term ends at a separator
// (^ _ * : + / ;) or is closed before a minus sign; a minus directly before
// a symbol, or after the "e" of a symbol (Fe-2), is read as "-1*", the
// subtraction of what follows. An "e" after a digit is an exponent.
// Returns 0, or 1001 when the input or the output is longer than 638
// characters (maths unchanged).
int ExpandFormulas(char* maths);

// Replaces every element symbol of `maths` (capacity 638) by its mass text
// and the marks of pi, ans and mem by numbers: ans and mem are the cleaned
// `answer` and `memory`, which must each be wholly one number. A value
// directly followed by a digit or "." is multiplied by it (pi2 is pi*2), and
// one followed by "-" gets a "+" (the subtraction "+-"). `answer` and
// `memory` are read only.
// Returns 0, 1001 (input of 638 characters or more, or output over 638),
// 1002 (a lower-case letter other than "e"), 1011 (ans is not a number),
// 1012 (mem is not a number) or 1013 (a symbol not in the mass table); on
// failure `maths` is unchanged.
int SubstituteValues(char* maths, const char* answer, const char* memory);
