// How a calculation's outcome is read for showing it: the one rule both
// front ends follow, so that the window and the console never differ on
// what a line gave.
#pragma once

#include <cstddef>

struct TaskRecord;

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

// The first root of a solved equation (left raw in szMaths) formatted like an
// answer under the record's settings, into `out` (room for `capacity`
// characters).
void FormatFirstRoot(const TaskRecord& record, char* out, size_t capacity);
