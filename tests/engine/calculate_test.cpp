#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine.h"
#include "status.h"
#include "task_record.h"
#include "test_support.h"
#include "text.h"

namespace {

// One line of a sequence on one record, with what the record shows after it.
struct Step {
    const char* task;
    int result;
    const char* szTask;
    const char* szMaths;  // nullptr: not checked
    const char* szAnswer;
};

void RunSequence(const std::vector<Step>& steps, TaskRecord record = MakeRecord()) {
    for (const Step& step : steps) {
        SCOPED_TRACE(step.task);
        EXPECT_EQ(Calculate(record, step.task), step.result);
        EXPECT_STREQ(record.szTask, step.szTask);
        if (step.szMaths) {
            EXPECT_STREQ(record.szMaths, step.szMaths);
        }
        EXPECT_NUMBER_TEXT(record.szAnswer, step.szAnswer);
    }
}

TEST(CalculateTask, PlainArithmetic) {
    RunSequence({
        {"2^10/3", 0, "2^10/3", "2^10/3", "341.333333333333"},
        {"3+4 = whatever", 0, "3+4", "3+4", "7"},
        {"5--3", 0, "5-1*-3", "5+-1*1*-3", "8"},
        {"(5)-3", 0, "(5)-3", "(5)+-1*3", "2"},
        {"[2+3]-1", 0, "[2+3]-1", "(2+3)+-1*1", "4"},
        {"{1}-[2]", 0, "{1}-[2]", "(1)+-1*(2)", "-1"},
        {" 1 000 000 000 ", 0, "1000000000", "1000000000", "1000000000"},
        {"1e20*1.5", 0, "1e20*1.5", "1e20*1.5", "1.5e+20"},
    });
}

TEST(CalculateTask, EmptyLinesKeepTheMemory) {
    TaskRecord record = MakeRecord();
    CopyText(record.szMemory, "42");
    for (const char* line : {"", "   ", "=", "= 2+3", "\t\r"}) {
        SCOPED_TRACE(line);
        CopyText(record.szMaths, "old");
        CopyText(record.szResult, "old");
        CopyText(record.szAnswer, "old");
        EXPECT_EQ(Calculate(record, line), 0);
        EXPECT_STREQ(record.szTask, "");
        EXPECT_STREQ(record.szMaths, "");
        EXPECT_STREQ(record.szResult, "");
        EXPECT_STREQ(record.szAnswer, "");
        EXPECT_STREQ(record.szMemory, "42");
    }
}

TEST(CalculateTask, ContinuesFromTheAnswer) {
    RunSequence({
        {"12", 0, "12", "12", "12"},
        {"*2", 0, "12*2", "12*2", "24"},
        {"5-", 0, "5-24", "5+-1*24", "-19"},
        {"+", 0, "-19+-19", "-19+-1*19", "-38"},
        {"_", -1, "2_-38", "2_-1*38", "<Indeterminate number>"},
        {"*2", -1, "*2", "2_-1*38", "Previous answer isn't number"},  // maths of the task before
        {"", 0, "", "", ""},
        {"+1", -1, "+1", "", "Previous answer isn't number"},
    });
}

TEST(CalculateTask, ShownAnswerContinuesAsANumber) {
    TaskRecord record = MakeRecord();
    record.bDigitGrouping = 1;
    record.bDecimalComma = 1;
    RunSequence(
        {
            {"1234.5", 0, "1234,5", "1234,5", "1 234,5"},
            {"+1", 0, "1234,5+1", "1234,5+1", "1 235,5"},
        },
        record);
}

TEST(CalculateTask, FailuresCarryTheirMessage) {
    struct Row {
        const char* task;
        const char* message;
    };
    const Row rows[] = {
        {"5/0", "Cannot divide by zero!"},      {"(2+3", "Missing right bracket ')'"},
        {"2+3)", "Missing left bracket '('"},   {"(2)(3)", "No operator between bracket"},
        {"2(3)", "No operator before bracket"}, {"(2)3", "No operator after bracket"},
        {"2+*3", "Incorrect syntax"},           {"1e999", "<Indeterminate number>"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.task);
        TaskRecord record = MakeRecord();
        EXPECT_EQ(Calculate(record, row.task), -1);
        EXPECT_STREQ(record.szResult, row.message);
        EXPECT_STREQ(record.szAnswer, row.message);
    }
}

TEST(CalculateTask, LongLines) {
    TaskRecord record = MakeRecord();
    std::string sum;
    while (sum.size() < 507) sum += "1+";
    sum += "1";  // 509 characters
    ASSERT_EQ(sum.size(), 509u);
    EXPECT_EQ(Calculate(record, sum.c_str()), 0);
    EXPECT_STREQ(record.szAnswer, "255");

    // 510 characters still fit the field; the window never hands more.
    sum = "1" + sum;
    EXPECT_EQ(Calculate(record, sum.c_str()), 0);
    EXPECT_STREQ(record.szAnswer, "265");

    // Cleaning that grows the line beyond the field is refused.
    const std::string commas(300, ',');
    EXPECT_EQ(Calculate(record, commas.c_str()), -1);
    EXPECT_STREQ(record.szAnswer, "Expression is too long");
    EXPECT_EQ(std::string(record.szTask), commas);
}

TEST(CalculateTask, SettingsFollowWithoutRecalculation) {
    TaskRecord record = MakeRecord();
    EXPECT_EQ(Calculate(record, "2/3"), 0);
    EXPECT_STREQ(record.szAnswer, "0.666666666666667");
    record.iNumberMode = kModeFixed;
    UpdateAnswer(record);
    EXPECT_STREQ(record.szAnswer, "0.67");
    EXPECT_STREQ(record.szResult, "0.666666666666667");
}

}  // namespace

namespace {

// A message that happens to end in a digit is still no number.
TEST(CalculateTask, MessagesAreNeverReadAsNumbers) {
    RunSequence({
        {"-3!", -1, "-3!", nullptr, "n! must be from 0 to 170"},
        {"*2", -1, "*2", nullptr, "Previous answer isn't number"},  // taken literally this gave 0
        {"5/0", -1, "5/0", nullptr, "Cannot divide by zero!"},
        {"#mem", 9, "#mem", nullptr, "Cannot divide by zero!"},
        {"2*mem", -1, "2*:mem", nullptr, "No number in memory"},
        {"ans+1", -1, ":ans+1", nullptr, "Previous answer isn't number"},
    });
}

TEST(CalculateTask, LongRunsOfOneCharacter) {
    struct Row {
        char c;
        const char* answer;
    };
    const Row rows[] = {
        {'(', "Missing right bracket ')'"},
        {')', "Missing left bracket '('"},
        {'+', "Previous answer isn't number"},  // an operator at either end continues
        {'*', "Previous answer isn't number"},
        {'^', "Previous answer isn't number"},
        {'9', "<Indeterminate number>"},  // far beyond the largest double
        {'!', "1"},                       // "!" alone: 0! read from nothing
        {'.', "Expression is too long"},  // every "." becomes "0."
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.c);
        for (size_t length : {509u, 510u}) {
            TaskRecord record = MakeRecord();
            const std::string task(length, row.c);
            Calculate(record, task.c_str());
            EXPECT_STREQ(record.szAnswer, row.answer);
            EXPECT_LE(std::strlen(record.szTask), kTaskCapacity);
            EXPECT_LE(std::strlen(record.szMaths), kMathsCapacity);
        }
    }
}

}  // namespace
