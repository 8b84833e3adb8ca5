#include <gtest/gtest.h>

#include "engine.h"
#include "test_support.h"

namespace {

TEST(Outcome, ReadsWhatALineGave) {
    struct Row {
        const char* previousAnswer;
        const char* typed;
        Outcome outcome;
    };
    const Row rows[] = {
        {"", "2+3", Outcome::kAnswer},
        {"", "H2O", Outcome::kAnswer},
        {"", "x^2-5x+6", Outcome::kRoots},
        {"", "#4", Outcome::kCommand},  // a "#" number line is no equation
        {"", "#0", Outcome::kCommand},  // nor plain arithmetic
        {"", "#99", Outcome::kCommand},
        {"", "#20", Outcome::kDump},
        {"", "#fix 4", Outcome::kCommand},
        {"", "", Outcome::kNothing},
        {"", "=only a comment", Outcome::kNothing},
        {"", "5/0", Outcome::kFailure},
        {"", "#xyz", Outcome::kFailure},
        {"Cannot divide by zero!", "#mem+", Outcome::kFailure},  // a refused memory join
        {"Cannot divide by zero!", "*2", Outcome::kFailure},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        TaskRecord record = MakeRecord(row.typed);
        CopyText(record.szAnswer, row.previousAnswer);
        CopyText(record.szResult, row.previousAnswer);
        EXPECT_EQ(ReadOutcome(CalculateTask(record), record), row.outcome);
    }
}

TEST(Outcome, FirstRootIsShownUnderTheRecordsSettings) {
    struct Row {
        const char* settings;
        const char* equation;
        const char* first;
    };
    const Row rows[] = {
        {"", "x^2-5x+6", "2"},
        {"#fix 2", "x^2-5x+6", "2.00"},
        {"#comma", "2x^2-5x+2", "0,5"},
        {"#sci", "x^2-3x", "3.00e+00"},  // the solver gives the larger root first here
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.equation);
        TaskRecord record = MakeRecord(row.settings);
        CalculateTask(record);
        CopyText(record.szTask, row.equation);
        ASSERT_EQ(ReadOutcome(CalculateTask(record), record), Outcome::kRoots);
        char first[kAnswerCapacity + 1];
        FormatFirstRoot(record, first, kAnswerCapacity);
        EXPECT_NUMBER_TEXT(first, row.first);
    }
}

}  // namespace
