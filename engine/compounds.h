// Addition compounds: in a formula task, a "*" between two formula
// components joins them into one compound whose mass is their sum, as
// chemists write hydrates and double salts (CuSO4*5H2O, 2CaSO4*H2O,
// CuSO4*(NH4)2SO4*6H2O).
//
// A component is an optional coefficient (digits, optionally "." and digits)
// followed by a formula: element symbols with their counts, and brackets that
// hold only components joined by "*". A number alone, a function mark and
// its argument, and a bracket holding arithmetic are no components, so
// NaCl*2, 2*NaCl, CuSO4*5*H2O, ln(CuSO4)*5H2O and NaCl*(2+3) stay products.
#pragma once

#include <cstddef>

// Rewrites every compound of `maths` (after NormalizeSigns; capacity 638) as
// a bracketed sum of its components: CuSO4*5H2O becomes (CuSO4+5H2O), and a
// compound that fills a bracket already gets no second one
// ((CuSO4*5H2O)*2 becomes (CuSO4+5H2O)*2). A compound is joined only where
// it stands as one term: after the start, "(" or an operator, and before the
// end, ")" or an operator; so an operator before or after it applies to the
// whole compound. Each component keeps its own coefficient (2CaSO4*H2O is
// 2 CaSO4 + H2O), which ExpandFormulas applies.
// Returns 0, or 1001 when `maths` is longer than 638 characters or the
// rewritten text would be (then `maths` is unchanged). Never allocates.
int JoinCompounds(char* maths);

// True when the whole of `text` (after NormalizeSigns) is one component or
// one compound: a formula with an optional coefficient, or several of them
// joined by "*".
bool IsOneCompound(const char* text);
