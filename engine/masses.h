// Atomic masses of the elements, as texts.
#pragma once

#include <cstddef>

struct AtomicMass {
    const char* symbol;
    const char* mass;
};

// All 111 entries, sorted by symbol.
extern const AtomicMass kAtomicMasses[];
extern const size_t kAtomicMassCount;

// Room LookUpAtomicMass needs in its buffer, NUL included.
inline constexpr size_t kMassTextSize = 12;

// `text` holds a symbol (capital, then a lower-case letter or the NUL). On
// success the mass text replaces it and 0 is returned; otherwise 1013 and the
// text is unchanged. The buffer must hold kMassTextSize characters.
int LookUpAtomicMass(char* text);
