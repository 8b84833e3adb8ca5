// Helpers shared by the engine tests, and by the tests of the settings file
// and of the window.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine.h"
#include "task_record.h"
#include "text.h"

// The exponent of a number text with its leading zeros dropped, so that texts
// from C runtimes that print two or three exponent digits compare equal:
// "1.5e+015" and "1.5e+15" both become "1.5e+15".
inline std::string CanonicalExponent(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        out.push_back(text[i]);
        if ((text[i] == 'e' || text[i] == 'E') && i > 0 && text[i - 1] >= '0' && text[i - 1] <= '9') {
            size_t j = i + 1;
            if (j < text.size() && (text[j] == '+' || text[j] == '-')) out.push_back(text[j++]);
            size_t digits = j;
            while (digits < text.size() && text[digits] == '0' && digits + 1 < text.size() && text[digits + 1] >= '0' &&
                   text[digits + 1] <= '9')
                ++digits;
            i = digits - 1;
        }
    }
    return out;
}

#define EXPECT_NUMBER_TEXT(actual, expected) EXPECT_EQ(CanonicalExponent(actual), CanonicalExponent(expected))

// A record with the main window's defaults and `task` in szTask.
inline TaskRecord MakeRecord(const char* task = "") {
    TaskRecord record;
    ResetTaskRecord(record);
    CopyText(record.szTask, task);
    return record;
}

// Calculates `task` on `record` and returns CalculateTask's result.
inline int Calculate(TaskRecord& record, const char* task) {
    CopyText(record.szTask, task);
    return CalculateTask(record);
}

// The record of `task` calculated on a record with the main window's defaults.
inline TaskRecord Calculated(const char* task) {
    TaskRecord record = MakeRecord();
    Calculate(record, task);
    return record;
}

// The six settings of a record in the record's order, for tables of settings.
struct SixSettings {
    int angle, mode, decimals, grouping, separator, comma;
};

inline SixSettings SettingsOf(const TaskRecord& record) {
    return {record.iAngleUnit,     record.iNumberMode,        record.iDecimals,
            record.bDigitGrouping, record.bFunctionSeparator, record.bDecimalComma};
}

inline void SetSettings(TaskRecord& record, const SixSettings& settings) {
    record.iAngleUnit = settings.angle;
    record.iNumberMode = settings.mode;
    record.iDecimals = settings.decimals;
    record.bDigitGrouping = settings.grouping;
    record.bFunctionSeparator = settings.separator;
    record.bDecimalComma = settings.comma;
}

inline void ExpectSettings(const TaskRecord& record, const SixSettings& expected) {
    EXPECT_EQ(record.iAngleUnit, expected.angle);
    EXPECT_EQ(record.iNumberMode, expected.mode);
    EXPECT_EQ(record.iDecimals, expected.decimals);
    EXPECT_EQ(record.bDigitGrouping, expected.grouping);
    EXPECT_EQ(record.bFunctionSeparator, expected.separator);
    EXPECT_EQ(record.bDecimalComma, expected.comma);
}
