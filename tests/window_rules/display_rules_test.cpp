// The quadratic panel's moves between the records and the indicator states,
// with the records that the engine itself produces.
#include <gtest/gtest.h>

#include <string>

#include "display_rules.h"
#include "engine.h"
#include "resource_ids.h"
#include "task_record.h"
#include "text.h"

namespace {

TaskRecord Calculated(const char* task, int& result, int decimalComma = 0) {
    TaskRecord record;
    ResetTaskRecord(record);
    record.bDecimalComma = decimalComma;
    CopyText(record.szTask, task);
    result = CalculateTask(record);
    return record;
}

TEST(QuadraticPanel, OpensAndRestores) {
    struct Row {
        const char* task;
        int decimalComma;
        const char* equation;  // previous.szTask while the panel is open
        const char* x1Result;  // previous.szResult: x1 with a decimal point
        const char* x1Answer;  // previous.szAnswer
        const char* x2Answer;  // current.szAnswer
        const char* x1Maths;   // current.szMaths once restored
    };
    const Row rows[] = {
        {"x^2-5x+6", 0, "x^2-5x+6 = 0", "2", "2", "3", "2"},
        {"2x^2-5x+3", 0, "2x^2-5x+3 = 0", "1", "1", "1.5", "1"},
        // The solver writes x1 with a comma; the panel reads it back with a
        // point, and the restored szMaths keeps the point.
        {"2x^2-5x+2", 1, "2x^2-5x+2 = 0", "0.5", "0,5", "2", "0.5"},
        {"x^2+1", 0, "x^2+1 = 0", "<Complex number>", "<Complex number>", "<Complex number>", "<Complex number>"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.task);
        int result = 0;
        TaskRecord previous;
        ResetTaskRecord(previous);
        previous.bDecimalComma = row.decimalComma;
        TaskRecord current = Calculated(row.task, result, row.decimalComma);
        ASSERT_EQ(result, kKindQuadratic);
        const TaskRecord solved = current;

        OpenQuadraticPanel(current, previous);
        EXPECT_STREQ(previous.szTask, row.equation);
        EXPECT_STREQ(previous.szResult, row.x1Result);
        EXPECT_STREQ(previous.szAnswer, row.x1Answer);
        EXPECT_STREQ(previous.szMaths, "Quadratic Equation");
        EXPECT_STREQ(current.szTask, "");
        EXPECT_STREQ(current.szAnswer, row.x2Answer);

        RestoreQuadraticOutput(current, previous);
        EXPECT_STREQ(current.szTask, solved.szTask);
        EXPECT_STREQ(current.szMaths, row.x1Maths);
        EXPECT_STREQ(current.szResult, solved.szResult);
        EXPECT_STREQ(current.szAnswer, solved.szAnswer);
    }
}

TEST(QuadraticPanel, RootIsRenderedByThePreviousRecordsSettings) {
    int result = 0;
    TaskRecord current = Calculated("2x^2-5x+3", result);
    ASSERT_EQ(result, kKindQuadratic);
    TaskRecord previous;
    ResetTaskRecord(previous);
    previous.iNumberMode = kModeFixed;
    previous.iDecimals = 3;
    OpenQuadraticPanel(current, previous);
    EXPECT_STREQ(previous.szAnswer, "1.000");
}

TEST(Indicators, FollowTheRecord) {
    struct Row {
        const char* name;
        int angleUnit;
        int numberMode;
        const char* memory;
        int controlId;
        bool lit;
    };
    const Row rows[] = {
        {"memory empty", 0, 0, "", IDC_MEMORY_INDICATOR, false},
        {"memory stored", 0, 0, "5", IDC_MEMORY_INDICATOR, true},
        {"auto in auto", 0, kModeAutomatic, "", IDC_MODE_AUTO, true},
        {"sci in auto", 0, kModeAutomatic, "", IDC_MODE_SCI, false},
        {"sci in sci", 0, kModeScientific, "", IDC_MODE_SCI, true},
        {"fix in fix", 0, kModeFixed, "", IDC_MODE_FIX, true},
        {"auto in fix", 0, kModeFixed, "", IDC_MODE_AUTO, false},
        {"rad in rad", kRadians, 0, "", IDC_ANGLE_RAD, true},
        {"deg in rad", kRadians, 0, "", IDC_ANGLE_DEG, false},
        {"deg in deg", kDegrees, 0, "", IDC_ANGLE_DEG, true},
        {"grad in grad", kGrads, 0, "", IDC_ANGLE_GRAD, true},
        {"rad in grad", kGrads, 0, "", IDC_ANGLE_RAD, false},
        // Settings outside their range light none of the row.
        {"mode 3", 0, 3, "", IDC_MODE_FIX, false},
        {"not an indicator", 0, 0, "5", IDC_CURRENT_TASK, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TaskRecord record;
        ResetTaskRecord(record);
        record.iAngleUnit = row.angleUnit;
        record.iNumberMode = row.numberMode;
        CopyText(record.szMemory, row.memory);
        EXPECT_EQ(IsIndicatorOn(record, row.controlId), row.lit);
    }
}

}  // namespace
