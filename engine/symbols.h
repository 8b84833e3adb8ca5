// Element symbol case correction: a symbol is a capital letter, optionally
// followed by one lower-case letter, and users type them in any case.
#pragma once

#include <cstddef>

// How a lower-case letter is read: it stays lower case after a capital of
// `firstLetters` (the second letter of a symbol); anywhere else it is raised,
// and then the letters of `raisesNext` that follow it are raised too (so co
// is C O, carbon monoxide, not cobalt).
struct LowerCaseRule {
    char letter;
    const char* firstLetters;
    const char* raisesNext;
};

// One rule for every lower-case letter but j and q (which are never
// changed), ordered by letter.
extern const LowerCaseRule kLowerCaseRules[];
extern const size_t kLowerCaseRuleCount;

// Capitals that are never a symbol by themselves: one of them followed by
// anything but a lower-case letter can only be the second letter of a symbol
// typed in capitals (NA is Na).
inline constexpr char kLoneCapitals[] = "ADEGLMRTXZ";

// Corrects the letter case of element symbols in `text` (a task field, at
// most 510 characters) in place; only the case of letters changes, never the
// length, and digits, operators, brackets and function marks stay as they
// are. An "e" between a digit and a digit or "-" stays the exponent "e".
// Returns the kind, raised from 0 to 2 or from 1 to 3 when a capital letter
// occurs and otherwise unchanged, or 1001 when the text is longer than 510
// characters (text unchanged).
int CorrectSymbolCase(char* text, int kind);
