// A formula's composition: which elements it holds, how many atoms of each,
// what mass each contributes and its share of the whole.
//
// The total is the calculator's own answer for the same text, and each
// element's figures come from the same translated expression, evaluated once
// with that element's mass (or 1) and every other element as 0; so the
// breakdown agrees with the calculator by construction. Nothing here
// allocates or writes past a field.
#pragma once

#include <cstddef>

#include "status.h"

// A text that is not one formula (arithmetic, functions, values, commands,
// equations): refused with kNotAFormulaText.
inline constexpr int kStatusNotAFormula = 1101;
inline constexpr const char* kNotAFormulaText = "Not a chemical formula";

// No formula can hold more distinct elements than the mass table has.
inline constexpr size_t kMaxCompositionElements = 111;

struct ElementShare {
    char symbol[3];
    double atoms;    // fractional where the formula says so (CaSO4*0.5H2O: 4.5 O)
    double mass;     // the mass this element contributes, g/mol
    double percent;  // its share of the total; 0 when the total is 0
};

struct Composition {
    double mass;  // the total, as the calculator answers the same text
    size_t count;
    ElementShare elements[kMaxCompositionElements];  // in order of first appearance
};

// What went wrong with a formula: the status, its message, and for an
// unknown element symbol (1013) the symbol and where it stands in the text as
// given (0-based, counted in characters of that text).
struct CompositionError {
    int status;
    char message[kStatusMessageCapacity + 1];
    size_t at;
    char symbol[3];
};

// Breaks one formula down (brackets of every kind, coefficients, addition
// compounds, any letter case; at most 509 characters).
// Returns 0 with `composition` filled, or a status with `error` filled:
// kStatusNotAFormula, 1013 (unknown symbol, with its place), 1001 (too long),
// or the calculator's own failure for the text (for example 1032 for a mass
// too large for a number).
int ComposeFormula(const char* formula, Composition& composition, CompositionError& error);

// The message of a composition status: kNotAFormulaText or the engine's.
void GetCompositionMessage(int status, char* text, size_t capacity);

// Finds the first element symbol of a typed task that is not in the mass
// table (the one that makes the calculation fail with 1013): its place in
// `typed` (0-based) and the symbol as the calculator reads it. False when
// the task has none.
bool LocateUnknownSymbol(const char* typed, size_t& at, char symbol[3]);
