// Command lines: "#" lines that change settings, work the memory or hand a
// number back to the caller.
#pragma once

#include <cstddef>

struct TaskRecord;

// Executes the cleaned command line in szTask. Returns 9 for an executed
// command, the number for "#" followed by digits, -1 (with "Unknown # command"
// in szResult and szAnswer) for an unknown command, or the raw status code of
// a failed memory addition or subtraction (nothing written then).
//
// Only the first 62 characters are read, at fixed positions: 1 selects the
// command, 2 and 3 refine it (case does not matter), the argument is the
// integer from position 4. `#dig` and `#fun` store 1 for any non-zero
// argument; `#dec` stores the argument as given (the formatter bounds it).
int ExecuteCommand(TaskRecord& record);

// The evaluator a memory join uses; EvaluateFlat's contract.
using FlatEvaluator = int (*)(char* text, size_t capacity, int angleUnit);

// Adds the number in `result` (a szResult) to the memory text `memory` (a
// szMemory, 128 characters), or subtracts it. Both texts are read back as a
// shown number is (digit grouping, decimal comma and an exponent's "+" are
// cleaned away). An empty memory counts as zero and takes the cleaned result,
// or its negative. Returns 0 with the new memory, or on failure leaves the
// memory unchanged and returns: 1011 when the result, or a non-empty memory,
// is not wholly a number text; the evaluator's code when the sum fails; 1001
// when the new memory text would not fit 128 characters.
int CombineMemory(char* memory, const char* result, bool subtract, int angleUnit, FlatEvaluator evaluate);
