// The Format menu's rules: each setting command on a pair of calculated
// records, Reset to Defaults, and the check marks the menu shows.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine.h"
#include "format_rules.h"
#include "resource_ids.h"
#include "task_record.h"
#include "test_support.h"
#include "text.h"

namespace {

// One command after another on the same two records.
TEST(SettingCommands, SequenceOnBothRecords) {
    struct Step {
        int command;
        unsigned refresh;
        SixSettings current;
        SixSettings previous;
        const char* currentAnswer;
        const char* previousAnswer;
        const char* previousTask;
    };
    // Each step: the command and what it asks to refresh, then the settings,
    // answers and previous task it leaves.
    // clang-format off
    const Step steps[] = {
        // The angle unit changes CurrentTask only and redraws no answer.
        {IDM_ANGLE_DEG, kRepaintAngleIndicators,
         {1, 0, 2, 0, 1, 0}, {0, 0, 2, 0, 1, 0}, "0.666666666666667", "2469", "1234.5*2"},
        {IDC_ANGLE_GRAD, kRepaintAngleIndicators,
         {2, 0, 2, 0, 1, 0}, {0, 0, 2, 0, 1, 0}, "0.666666666666667", "2469", "1234.5*2"},
        {IDM_MODE_FIX, kRepaintModeIndicators | kShowAnswers,
         {2, 2, 2, 0, 1, 0}, {0, 2, 2, 0, 1, 0}, "0.67", "2469.00", "1234.5*2"},
        {IDM_DECIMALS_FIRST + 7, kShowAnswers,
         {2, 2, 7, 0, 1, 0}, {0, 2, 7, 0, 1, 0}, "0.6666667", "2469.0000000", "1234.5*2"},
        {IDM_DECIMALS_FIRST, kShowAnswers,
         {2, 2, 0, 0, 1, 0}, {0, 2, 0, 0, 1, 0}, "1", "2469", "1234.5*2"},
        {IDC_MODE_SCI, kRepaintModeIndicators | kShowAnswers,
         {2, 1, 0, 0, 1, 0}, {0, 1, 0, 0, 1, 0}, "7e-01", "2e+03", "1234.5*2"},
        {IDC_MODE_AUTO, kRepaintModeIndicators | kShowAnswers,
         {2, 0, 0, 0, 1, 0}, {0, 0, 0, 0, 1, 0}, "0.666666666666667", "2469", "1234.5*2"},
        {IDM_DIGIT_GROUPING, kShowAnswers,
         {2, 0, 0, 1, 1, 0}, {0, 0, 0, 1, 1, 0}, "0.666 666 666 666 667", "2 469", "1234.5*2"},
        // The function separator acts on the next calculation only.
        {IDM_FUNCTION_SEPARATOR, kRefreshNothing,
         {2, 0, 0, 1, 0, 0}, {0, 0, 0, 1, 1, 0}, "0.666 666 666 666 667", "2 469", "1234.5*2"},
        // The comma reaches the task lines too.
        {IDM_DECIMAL_COMMA, kShowAnswers | kShowTaskLines | kMarkDecimalSeparator,
         {2, 0, 0, 1, 0, 1}, {0, 0, 0, 1, 1, 1}, "0,666 666 666 666 667", "2 469", "1234,5*2"},
        {IDM_DECIMAL_DOT, kShowAnswers | kShowTaskLines | kMarkDecimalSeparator,
         {2, 0, 0, 1, 0, 0}, {0, 0, 0, 1, 1, 0}, "0.666 666 666 666 667", "2 469", "1234,5*2"},
        {IDM_DIGIT_GROUPING, kShowAnswers,
         {2, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 1, 0}, "0.666666666666667", "2469", "1234,5*2"},
        {IDM_FUNCTION_SEPARATOR, kRefreshNothing,
         {2, 0, 0, 0, 1, 0}, {0, 0, 0, 0, 1, 0}, "0.666666666666667", "2469", "1234,5*2"},
        // Commands of other menus leave the records alone.
        {IDM_SAVE_SETTINGS, kRefreshNothing,
         {2, 0, 0, 0, 1, 0}, {0, 0, 0, 0, 1, 0}, "0.666666666666667", "2469", "1234,5*2"},
        {IDM_DECIMALS_LAST + 1, kRefreshNothing,
         {2, 0, 0, 0, 1, 0}, {0, 0, 0, 0, 1, 0}, "0.666666666666667", "2469", "1234,5*2"},
    };
    // clang-format on
    TaskRecord current = Calculated("2/3");
    TaskRecord previous = Calculated("1234.5*2");
    for (const Step& step : steps) {
        SCOPED_TRACE(step.command);
        EXPECT_EQ(ApplySettingCommand(step.command, current, previous), step.refresh);
        ExpectSettings(current, step.current);
        ExpectSettings(previous, step.previous);
        EXPECT_STREQ(current.szAnswer, step.currentAnswer);
        EXPECT_STREQ(previous.szAnswer, step.previousAnswer);
        EXPECT_STREQ(previous.szTask, step.previousTask);
    }
}

TEST(SettingCommands, GroupingFollowsCurrentRecord) {
    // The records disagree (the previous one was calculated before a "#dig"):
    // both take the opposite of CurrentTask's setting.
    TaskRecord current = Calculated("12345");
    TaskRecord previous = Calculated("67890");
    current.bDigitGrouping = 1;
    ApplySettingCommand(IDM_DIGIT_GROUPING, current, previous);
    EXPECT_EQ(current.bDigitGrouping, 0);
    EXPECT_EQ(previous.bDigitGrouping, 0);
    EXPECT_STREQ(previous.szAnswer, "67890");
}

TEST(ResetSettings, BothRecordsBackToDefaults) {
    TaskRecord current = Calculated("2/3");
    TaskRecord previous = Calculated("1234.5*2");
    for (TaskRecord* record : {&current, &previous}) {
        SetSettings(*record, {kGrads, kModeFixed, 20, 1, 0, 1});
        UpdateAnswer(*record);
    }
    ResetRecordSettings(current, previous);
    ExpectSettings(current, {0, 0, 2, 0, 1, 0});
    ExpectSettings(previous, {0, 0, 2, 0, 1, 0});
    EXPECT_STREQ(current.szAnswer, "0.666666666666667");
    EXPECT_STREQ(previous.szAnswer, "2469");
}

TEST(FormatMarks, ExactlyTheItemsOfTheSettings) {
    struct Row {
        SixSettings settings;
        std::set<int> checked;
    };
    const Row rows[] = {
        {{0, 0, 2, 0, 1, 0}, {IDM_ANGLE_RAD, IDM_MODE_AUTO, 2512, IDM_FUNCTION_SEPARATOR, IDM_DECIMAL_DOT}},
        {{1, 2, 7, 1, 0, 1}, {IDM_ANGLE_DEG, IDM_MODE_FIX, 2517, IDM_DIGIT_GROUPING, IDM_DECIMAL_COMMA}},
        {{2, 1, 0, 0, 0, 0}, {IDM_ANGLE_GRAD, IDM_MODE_SCI, 2510, IDM_DECIMAL_DOT}},
        {{0, 0, 15, 0, 0, 0}, {IDM_ANGLE_RAD, IDM_MODE_AUTO, 2525, IDM_DECIMAL_DOT}},
        // Decimal places outside 0-15 (a "#dec 20" line) mark no item.
        {{0, 0, 20, 0, 0, 0}, {IDM_ANGLE_RAD, IDM_MODE_AUTO, IDM_DECIMAL_DOT}},
        {{0, 0, -1, 0, 0, 0}, {IDM_ANGLE_RAD, IDM_MODE_AUTO, IDM_DECIMAL_DOT}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.settings.decimals);
        TaskRecord record;
        ResetTaskRecord(record);
        SetSettings(record, row.settings);
        std::set<int> checked;
        for (int id = 2400; id <= 2600; ++id) {
            if (FormatItemChecked(record, id)) checked.insert(id);
        }
        EXPECT_EQ(checked, row.checked);
    }
}

}  // namespace
