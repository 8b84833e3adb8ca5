// Line handling shared by the console front end's modes: handing lines to
// the engine as the window does, and the machine-readable trace format (one
// JSON object per input line).
#pragma once

#include <cstddef>
#include <string>

#include "engine.h"
#include "task_record.h"

// Hands one line to CalculateTask as the window does: a line longer than
// kInputLineCapacity is refused (record untouched, `refused` set); otherwise
// the text up to the first NUL becomes szTask. Returns CalculateTask's result.
int CalculateLine(TaskRecord& record, const char* line, size_t length, bool& refused);

// Appends the trace object of one line (no line end). `result` is null for a
// refused line.
void AppendTraceJson(std::string& out, const char* input, size_t inputLength, const TaskRecord& record,
                     const int* result);

// Appends a JSON string of raw bytes: 0x20-0x7E as themselves (with quote and backslash
// escaped), every other byte as \u00XX.
void AppendJsonString(std::string& out, const char* bytes, size_t length);
