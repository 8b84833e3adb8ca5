// The invariant checker the exhaustive tests and the fuzzers rely on: it
// accepts what CalculateTask really leaves and names each kind of damage.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "calculate.h"
#include "record_invariants.h"
#include "task_record.h"
#include "test_support.h"
#include "text.h"

namespace {

using record_invariants::CheckCalculation;

struct Row {
    const char* task;
    void (*damage)(TaskRecord& after, int& result);  // nullptr: the record as calculated
    const char* problem;                              // "" when the record must pass
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
        {"#mem+", [](TaskRecord& r, int& result) {
             result = 1002;
             CopyText(r.szMemory, "1");
         }, "a failed memory join changed the record"},
        {"#501", [](TaskRecord&, int& result) { result = 502; },
         "a number line returned another number than its own"},
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
        {"5/0", [](TaskRecord& r, int&) { CopyText(r.szAnswer, "5"); },
         "after a failure szResult and szAnswer differ"},
        {"5/0", [](TaskRecord& r, int&) {
             CopyText(r.szResult, "Division by zero");
             CopyText(r.szAnswer, "Division by zero");
         }, "after a failure szResult is no status message"},
        {"   ", [](TaskRecord& r, int&) { CopyText(r.szAnswer, "5"); },
         "an empty task left text in szMaths, szResult or szAnswer"},
        {"x^2-5x+6", [](TaskRecord& r, int&) { CopyText(r.szTask, "x^2-5x+6"); },
         "a solved equation does not end in \" = 0\""},
        {"2+3", [](TaskRecord& r, int&) { CopyText(r.szResult, "<Complex number>"); },
         "a calculated task left no number in szResult"},
        {"2+3", [](TaskRecord& r, int&) { CopyText(r.szAnswer, "6"); },
         "szAnswer is not the rendering of szResult under the settings"},
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

}  // namespace
