// The invariant checker the exhaustive tests and the fuzzers rely on: it
// accepts what CalculateTask really leaves and names each kind of damage.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine.h"
#include "record_invariants.h"
#include "task_record.h"
#include "test_support.h"
#include "text.h"

namespace {

using record_invariants::CheckCalculation;

struct Row {
    const char* task;
    void (*damage)(TaskRecord& after, int& result);  // nullptr: the record as calculated
    const char* problem;                             // "" when the record must pass
};

TEST(RecordInvariants, AcceptRealCalculationsAndNameEachDamage) {
    const Row rows[] = {
        {"2+3", nullptr, ""},
        {"sin(30)+NaCl", nullptr, ""},
        {"x^2-5x+6", nullptr, ""},
        {"5/0", nullptr, ""},
        {"#fix 6", nullptr, ""},
        {"#dig 5", nullptr, ""},
        {"#mem", nullptr, ""},
        {"#mem+", nullptr, ""},
        {"#1034", nullptr, ""},  // a number line may return a number above 1000
        {"   ", nullptr, ""},
        {"2+3", [](TaskRecord& r, int&) { std::memset(r.szAnswer, '5', sizeof r.szAnswer); },
         "a text field is not terminated within its capacity"},
        {"2+3", [](TaskRecord&, int& result) { result = 5; }, "the result is none of the documented values"},
        {"2+3", [](TaskRecord&, int& result) { result = 1011; },
         "a status code came back from something other than a memory join"},
        {"#mem+",
         [](TaskRecord& r, int& result) {
             result = 1002;
             CopyText(r.szMemory, "1");
         },
         "a failed memory join changed the record"},
        {"#501", [](TaskRecord&, int& result) { result = 502; }, "a number line returned another number than its own"},
        {"#501", [](TaskRecord& r, int&) { r.iDecimals = 3; }, "a number line changed the record"},
        {"2+3", [](TaskRecord& r, int&) { r.iDecimals = 7; }, "settings changed on a line that is no command"},
        {"#deg", [](TaskRecord& r, int&) { r.iNumberMode = kModeFixed; },
         "a command line set other settings than it names"},
        // Flags are stored as 0 or 1 whatever the argument.
        {"#dig 5", [](TaskRecord& r, int&) { r.bDigitGrouping = 5; },
         "a command line set other settings than it names"},
        {"#deg", [](TaskRecord& r, int&) { CopyText(r.szResult, "1"); }, "a command line changed szResult"},
        {"2+3", [](TaskRecord& r, int&) { CopyText(r.szMemory, "5"); },
         "szMemory changed on a line that is no memory command"},
        {"#mem", [](TaskRecord& r, int&) { CopyText(r.szMemory, "6"); }, "a memory store did not copy szResult"},
        {"#mem+", [](TaskRecord& r, int&) { CopyText(r.szMemory, "Incorrect syntax"); },
         "a memory join left no number in szMemory"},
        {"5/0", [](TaskRecord& r, int&) { CopyText(r.szAnswer, "5"); }, "after a failure szResult and szAnswer differ"},
        {"5/0",
         [](TaskRecord& r, int&) {
             CopyText(r.szResult, "Division by zero");
             CopyText(r.szAnswer, "Division by zero");
         },
         "after a failure szResult is no status message"},
        {"   ", [](TaskRecord& r, int&) { CopyText(r.szAnswer, "5"); },
         "an empty task left text in szMaths, szResult or szAnswer"},
        {"x^2-5x+6", [](TaskRecord& r, int&) { CopyText(r.szTask, "x^2-5x+6"); },
         "a solved equation does not end in \" = 0\""},
        {"2+3", [](TaskRecord& r, int&) { CopyText(r.szResult, "<Complex number>"); },
         "a calculated task left no number in szResult"},
        {"2+3", [](TaskRecord& r, int&) { CopyText(r.szAnswer, "6"); },
         "szAnswer is not the rendering of szResult under the settings"},
        {"2+3", [](TaskRecord& r, int&) { CopyText(r.szTask, "2+a"); }, "a plain task holds letters"},
        {"NaCl", [](TaskRecord& r, int&) { CopyText(r.szMaths, "Na+35.453"); },
         "a formula left letters in the evaluated expression"},
        {"sin(30)", [](TaskRecord& r, int&) { CopyText(r.szTask, "(30)"); },
         "a task of functions holds no function letter"},
        {"x^2-5x+6", [](TaskRecord& r, int&) { CopyText(r.szTask, "y^2-5y+6 = 0"); }, "an equation holds no x"},
        {"Xx", [](TaskRecord& r, int&) { CopyText(r.szTask, "XX"); },
         "an unknown symbol did not bring back the task as typed"},
        // Memory 2 and result 5 make 7.
        {"#mem+", [](TaskRecord& r, int&) { CopyText(r.szMemory, "3"); },
         "a memory join stored another value than the sum"},
        {"#mem-", [](TaskRecord& r, int&) { CopyText(r.szMemory, "7"); },
         "a memory join stored another value than the sum"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.task) + " -> " + row.problem);
        TaskRecord before = MakeRecord(row.task);
        CopyText(before.szResult, "5");
        CopyText(before.szAnswer, "5");
        CopyText(before.szMemory, "2");
        TaskRecord after = before;
        int result = CalculateTask(after);
        if (row.damage) row.damage(after, result);
        EXPECT_EQ(CheckCalculation(before, after, result), row.problem);
    }
}

TEST(RecordInvariants, ShownAnswerIsTheResultInItsLayout) {
    using record_invariants::CheckShownAnswer;
    struct Row {
        const char* result;
        const char* answer;
        int mode, decimals, grouping, comma;
        const char* problem;
    };
    const Row rows[] = {
        {"1234.5", "1234.5", kModeAutomatic, 2, 0, 0, ""},
        {"1234.5", "1 234.5", kModeAutomatic, 2, 1, 0, ""},
        {"1234.5", "1 234,5", kModeAutomatic, 2, 1, 1, ""},
        {"-1234567.1234567", "-1 234 567.123 456 7", kModeAutomatic, 2, 1, 0, ""},
        {"1.23456789012345e+20", "1.234 567 890 123 45e+20", kModeAutomatic, 2, 1, 0, ""},
        {"0.666666666666667", "0.67", kModeFixed, 2, 0, 0, ""},
        {"1.5e+20", "1.50e+20", kModeScientific, 2, 0, 0, ""},
        {"2/3", "whatever", kModeAutomatic, 2, 0, 0, ""},  // no number: nothing to render
        {"2", "5", 7, 2, 0, 0, ""},                        // an unknown mode keeps the old answer
        {"1234.5", "Incorrect syntax", kModeAutomatic, 2, 0, 0, "the shown answer is no number"},
        {"1234.5", "1235", kModeAutomatic, 2, 0, 0, "the shown answer is another value than szResult"},
        {"0.666666666666667", "0.66", kModeFixed, 2, 0, 0, "the shown answer is another value than szResult"},
        {"1234.5", "1234.5", kModeAutomatic, 2, 1, 0, "the shown answer is not laid out in digit groups"},
        {"1234.5", "12 34.5", kModeAutomatic, 2, 1, 0, "the shown answer is not laid out in digit groups"},
        {"0.1234", "0.12 34", kModeAutomatic, 2, 1, 0, "the shown answer is not laid out in digit groups"},
        {"1234.5", "1 234.5", kModeAutomatic, 2, 1, 1, "the shown answer is not laid out in digit groups"},
        {"1234.5", "1 234.5", kModeAutomatic, 2, 0, 0, "the shown answer has a space without digit grouping"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.result) + " shown as " + row.answer);
        TaskRecord record = MakeRecord();
        CopyText(record.szResult, row.result);
        CopyText(record.szAnswer, row.answer);
        record.iNumberMode = row.mode;
        record.iDecimals = row.decimals;
        record.bDigitGrouping = row.grouping;
        record.bDecimalComma = row.comma;
        EXPECT_EQ(CheckShownAnswer(record), row.problem);
    }
}

}  // namespace
