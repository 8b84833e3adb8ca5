// The calculation driver: the single entry point of the engine.
#pragma once

struct TaskRecord;

// Calculates the line in szTask. Returns -1 on failure (the message in
// szResult and szAnswer), 0 for an empty line or plain arithmetic, 1, 2 or 3
// for a calculated task of that kind, 4 for a solved quadratic equation, 9 for
// an executed command line, the number of a "#" number line, or the raw status
// code of a failed memory command.
int CalculateTask(TaskRecord& record);

// Renders szAnswer from szResult under the current settings when szResult is
// wholly a number text; otherwise copies szResult unchanged.
void UpdateAnswer(TaskRecord& record);
