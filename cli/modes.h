// The console calculator's modes; each returns the program's exit status.
#pragma once

#include <vector>

#include "options.h"
#include "task_record.h"

// Every mode that calculates works on a record handed to it, which carries
// the settings it starts from.

// Calculates the tasks in order, one answer line each. 0, or 1 when any
// task failed (its message is still that task's line).
int RunArguments(TaskRecord& record, const std::vector<const char*>& tasks);

// --batch (one answer line per input line) and --trace (one JSON record per
// input line) over standard input. 0, or 1 when reading or writing failed.
int RunStream(TaskRecord& record, bool trace);

// Each formula's breakdown, as a table or as JSON lines. 0, or 1 when any
// formula was refused.
int RunComposition(const std::vector<const char*>& formulas, bool json);

// Tasks from standard input, each answered as the window's history shows it,
// on `record` (which carries the settings it starts from and ends with);
// `terminal` when standard input is a terminal. 0, or 1 when reading or
// writing failed.
int RunInteractive(TaskRecord& record, bool terminal);
