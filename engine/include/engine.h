// The calculation engine as the front ends see it: the driver, the one
// reading of its outcome, a formula's composition and the seed of the random
// generator.
//
// This header and the support headers beside it (the record task_record.h,
// the status codes status.h, the bounded texts text.h, the number texts
// number_text.h) are all that a target outside the engine can include; the
// stages behind the driver are private to the engine and its own tests.
#pragma once

#include <cstddef>

#include "status.h"
#include "task_record.h"

// ---- The driver: the single entry point of the calculation.

// Calculates the line in szTask. Returns -1 on failure (the message in
// szResult and szAnswer), 0 for an empty line or plain arithmetic, 1, 2 or 3
// for a calculated task of that kind, 4 for a solved quadratic equation, 9 for
// an executed command line, the number of a "#" number line, or the raw status
// code of a failed memory command.
int CalculateTask(TaskRecord& record);

// Renders szAnswer from szResult under the current settings when szResult is
// wholly a number text; otherwise copies szResult unchanged.
void UpdateAnswer(TaskRecord& record);

// ---- How a calculation's outcome is read for showing it: the one rule both
// front ends follow, so that the window and the console never differ on what
// a line gave.

enum class Outcome {
    kNothing,  // an empty line (or only a comment): nothing to show
    kAnswer,   // a calculation: szTask and szAnswer
    kCommand,  // an executed "#" line, or a "#" number line: szTask and szAnswer
    kRoots,    // a solved quadratic equation: x1 raw in szMaths, x2 in szAnswer
    kDump,     // the "#20" line: the whole record
    kFailure,  // a failed calculation or a refused command line: the message
               // in szAnswer (a refused memory join leaves szAnswer as it was)
};

// Reads what CalculateTask returned (`result`) for the record it worked on.
// A "#" line hands its number back as it stands: "#4" is a command line, not
// an equation, and "#20" asks for the dump.
Outcome ReadOutcome(int result, const TaskRecord& record);

// The refusal of a line longer than the input line holds (the line never
// reaches the engine).
inline constexpr const char* kLineTooLongText = "Expression is too long !";

// The labels of the dump (Outcome::kDump) in the order of the texts it shows,
// szTask, szMaths, szResult, szAnswer and szMemory, quoted exactly with their
// runs of spaces.
inline constexpr const char* kDumpLabels[] = {
    "szTask     = ", "szMaths = ", "szResult   = ", "szAnswer  = ", "szMemory  = ",
};

// The first root of a solved equation (left raw in szMaths) formatted like an
// answer under the record's settings, into `out` (room for `capacity`
// characters).
void FormatFirstRoot(const TaskRecord& record, char* out, size_t capacity);

// ---- A formula's composition: which elements it holds, how many atoms of
// each, what mass each contributes and its share of the whole.
//
// The total is the calculator's own answer for the same text, and each
// element's figures come from the same translated expression, evaluated once
// with that element's mass (or 1) and every other element as 0; so the
// breakdown agrees with the calculator by construction. Nothing here
// allocates or writes past a field.

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

// ---- The random generator behind rand and ran: integers from 0 to 32767,
// the same sequence for the same seed on every platform (that of the Windows
// C runtime's rand). Before the first SeedRandom the seed is 1.
void SeedRandom(unsigned seed);
