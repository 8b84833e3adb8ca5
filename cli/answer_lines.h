// The lines the console calculator writes for a calculated task, built from
// the one reading of its outcome (ReadOutcome) that the window uses too.
#pragma once

#include "console_io.h"
#include "engine.h"
#include "task_record.h"

// The one-line answer of argument and --batch mode, without its line feed:
//   an answer, a command's answer or a message:  szAnswer
//   roots:                                       "x1 = A; x2 = B"
//   the dump:                                    "szTask = T; szMaths = M; szResult = R; szAnswer = A; szMemory = Y"
//   nothing:                                     an empty line
void PutAnswerLine(OutputBuffer& out, Outcome outcome, const TaskRecord& record);

// The interactive form, as the window's history shows it, ending in a line
// feed: "task = answer"; an equation and its roots on three lines; the dump
// on five; a line feed alone for nothing.
void PutHistoryEntry(OutputBuffer& out, Outcome outcome, const TaskRecord& record);

// The refusal of a line longer than the input line, as an answer line
// (without its line feed).
void PutRefusal(OutputBuffer& out);
