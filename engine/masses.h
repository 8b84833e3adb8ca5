// Atomic masses of the elements, as texts: the digits of the table are the
// digits the user sees in the expression, trailing zeros included.
#pragma once

#include <cstddef>

struct AtomicMass {
    const char* symbol;
    const char* mass;
};

// All 111 elements from H to Rg, sorted by symbol (byte order, so B comes
// before Ba). A mass text is digits with at most one "." (a whole mass number
// for the radioactive elements without a stable isotope), at most 11
// characters. There is no D, no T and nothing beyond Rg.
extern const AtomicMass kAtomicMasses[];
extern const size_t kAtomicMassCount;

// Room LookUpAtomicMass needs in its buffer, NUL included.
inline constexpr size_t kMassTextSize = 12;

// `text` holds a symbol: a capital, then a lower-case letter or the NUL; only
// these two characters are examined and the match is exact (no case folding).
// On success the mass text replaces it and 0 is returned; otherwise 1013 and
// the text is unchanged. The buffer must hold kMassTextSize characters.
int LookUpAtomicMass(char* text);
