// The memory keys' arithmetic, which needs no window: when an answer may be
// added to the memory, the scratch task that adds it, and the addition itself
// on a scratch record. Platform-free.
#pragma once

#include "task_record.h"

// Whether a shown answer counts as a number for "M+" and "M-": it begins with
// the digit "0" (or "-0"), or its leading decimal number is not 0 once the
// digit-group spaces are removed and a decimal comma is read as the point.
// Messages such as "Incorrect syntax" and "<Complex number>" do not count;
// nor does an empty answer. Reads at most kAnswerCapacity characters.
bool IsAnswerNumber(const char* answer);

// The scratch task: the memory, "+" (or "-" to subtract), the answer. An empty
// memory counts as 0, so the task is "0+5" rather than "+5": a task that
// begins with an operator would continue from the scratch record's empty
// previous answer and fail. The parts always fit a task field.
void BuildMemoryTask(const char* memory, const char* answer, bool subtract, char (&task)[kTaskCapacity + 1]);

// "M+" (or "M-" with `subtract`) on `current`: when current.szAnswer is a
// number, calculates the scratch task on a record with current's settings and
// makes its answer, a message included, the new current.szMemory; returns
// true. Otherwise leaves `current` as it was and returns false.
bool AddAnswerToMemory(TaskRecord& current, bool subtract);
