// The record of one calculation line: the task as typed, its translation,
// the result, the answer as shown, the memory register and the settings.
// A plain value owned by the caller; the engine keeps nothing between calls.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr size_t kTaskCapacity = 510;
inline constexpr size_t kMathsCapacity = 638;
inline constexpr size_t kResultCapacity = 126;
inline constexpr size_t kAnswerCapacity = 126;
inline constexpr size_t kMemoryCapacity = 128;

// The longest line the window hands over; longer lines are refused before
// they reach the engine.
inline constexpr size_t kInputLineCapacity = 509;

// Task kinds returned by the stages and by CalculateTask.
inline constexpr int kKindPlain = 0;
inline constexpr int kKindFunctions = 1;
inline constexpr int kKindFormula = 2;
inline constexpr int kKindFunctionsAndFormula = 3;
inline constexpr int kKindQuadratic = 4;
inline constexpr int kKindCommand = 9;

// Angle units and display modes.
inline constexpr int32_t kRadians = 0;
inline constexpr int32_t kDegrees = 1;
inline constexpr int32_t kGrads = 2;
inline constexpr int32_t kModeAutomatic = 0;
inline constexpr int32_t kModeScientific = 1;
inline constexpr int32_t kModeFixed = 2;

struct TaskRecord {
    char szTask[kTaskCapacity + 1];
    char szMaths[kMathsCapacity + 1];
    char szResult[kResultCapacity + 1];
    char szAnswer[kAnswerCapacity + 1];
    char szMemory[kMemoryCapacity + 1];
    int32_t iAngleUnit;
    int32_t iNumberMode;
    int32_t iDecimals;
    int32_t bDigitGrouping;
    int32_t bFunctionSeparator;
    int32_t bDecimalComma;
};

// The one place of the default settings, texts untouched: what a new record
// starts with and what Reset to Defaults goes back to (radians, automatic
// format, 2 decimals, no grouping, function separator on, decimal dot).
inline void SetDefaultSettings(TaskRecord& record) {
    record.iAngleUnit = kRadians;
    record.iNumberMode = kModeAutomatic;
    record.iDecimals = 2;
    record.bDigitGrouping = 0;
    record.bFunctionSeparator = 1;
    record.bDecimalComma = 0;
}

// How an answer is written (format, decimals, grouping), texts untouched:
// what the Number Format dialog hands on to the previous answer line.
inline void CopyDisplaySettings(const TaskRecord& from, TaskRecord& to) {
    to.iNumberMode = from.iNumberMode;
    to.iDecimals = from.iDecimals;
    to.bDigitGrouping = from.bDigitGrouping;
}

// Every setting, texts untouched: a scratch record calculates as `from` would.
inline void CopySettings(const TaskRecord& from, TaskRecord& to) {
    CopyDisplaySettings(from, to);
    to.iAngleUnit = from.iAngleUnit;
    to.bFunctionSeparator = from.bFunctionSeparator;
    to.bDecimalComma = from.bDecimalComma;
}

// All texts empty, the default settings (as the main window starts them).
inline void ResetTaskRecord(TaskRecord& record) {
    record = TaskRecord{};
    SetDefaultSettings(record);
}
