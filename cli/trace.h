// Line handling shared by the console front end's modes: handing lines to
// the engine as the window does, and the machine-readable trace format (one
// JSON object per input line).
#pragma once

#include <cstddef>
#include <string>

#include "task_record.h"

// The window's refusal text for a line longer than it hands over.
inline constexpr const char* kLineTooLongText = "Expression is too long !";

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

// The first root of a solved equation (left raw in szMaths) formatted like an
// answer under the record's settings.
void FormatFirstRoot(const TaskRecord& record, char* out, size_t capacity);
