// Command lines: "#" lines that change settings, work the memory or hand a
// number back to the caller.
#pragma once

struct TaskRecord;

// Executes the cleaned command line in szTask. Returns 9 for an executed
// command, the number for "#" followed by digits, -1 (with "Unknown # command"
// in szResult and szAnswer) for an unknown command, or the raw status code of
// a failed memory addition or subtraction (nothing written then).
int ExecuteCommand(TaskRecord& record);
