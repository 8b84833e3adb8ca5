// Element symbol case correction.
#pragma once

// Corrects the letter case of element symbols in `text` (a task field, at
// most 510 characters) in place; the length never changes.
// Returns the kind, raised from 0 to 2 or from 1 to 3 when a capital letter
// occurs and otherwise unchanged, or 1001 when the text is longer than 510
// characters (text unchanged).
int CorrectSymbolCase(char* text, int kind);
