// How zentrabel-cli shows a formula's composition: an aligned table for a
// person, or one JSON object a formula for a program.
#pragma once

#include <cstddef>
#include <string>

// Appends the composition of `formula` as a table ending in a line feed, or
// its refusal (with a caret under an unknown symbol). True when the formula
// was broken down.
bool AppendCompositionTable(std::string& out, const char* formula);

// Appends the composition of `formula` as one JSON object and a line feed:
//   {"formula":F,"mass":M,"elements":[{"symbol":S,"atoms":A,"mass":M,"percent":P},...]}
// or {"formula":F,"error":MESSAGE} and, for an unknown symbol, "at" (0-based
// character position in the formula) and "symbol". Numbers in full double
// precision; a percent of a formula that weighs nothing is null. True when
// the formula was broken down.
bool AppendCompositionJson(std::string& out, const char* formula);

// The line that puts a caret under character `at` of a text shown from the
// start of a line (no line feed).
std::string CaretLine(size_t at);

// A double in its shortest text that reads back to the same value.
void AppendShortest(std::string& out, double value);
