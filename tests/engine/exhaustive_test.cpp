// Every short task over chosen alphabets through CalculateTask, each on
// several starting records, checked against the record invariants. Under the
// sanitizers this also proves that no such task reads or writes out of bounds.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "engine.h"
#include "record_invariants.h"
#include "task_record.h"
#include "test_support.h"
#include "text.h"

namespace {

using record_invariants::CheckCalculation;
using record_invariants::Printable;

// 30 characters: digits, the point and comma, every operator and bracket kind
// that changes cleaning, "#" and "=", the exponent letters, x for equations,
// letters of function names and element symbols, a blank and the code-page
// multiplication sign.
constexpr char kThirty[] = "012.,+-*/^_!()[#=eExXsamCHOn \xD7";
// 60 characters: the 30 above and the other brackets, the mark characters,
// the remaining command letters, more symbol letters, dropped punctuation,
// control characters and bytes of the upper half.
constexpr char kSixty[] =
    "012.,+-*/^_!()[#=eExXsamCHOn \xD7"
    "9]{}:;cdfgiloprtuKFNS%@\t\"|\x7F\x80\xF7\xFF";

static_assert(sizeof kThirty - 1 == 30);
static_assert(sizeof kSixty - 1 == 60);

bool AllDistinct(const char* text) {
    std::set<char> seen(text, text + std::strlen(text));
    return seen.size() == std::strlen(text);
}

struct Start {
    const char* name;
    TaskRecord record;
};

// A fresh record, one with every setting and text changed the way a session
// leaves them, one with settings outside what the menus offer and messages
// where numbers would be, and one with every text at its capacity.
std::vector<Start> Starts() {
    std::vector<Start> starts(4);
    starts[0].name = "fresh";
    starts[0].record = MakeRecord();

    starts[1].name = "session";
    TaskRecord& s = starts[1].record = MakeRecord();
    SetSettings(s, {kDegrees, kModeFixed, 4, 1, 0, 1});
    CopyText(s.szMaths, "1234,5");
    CopyText(s.szResult, "1234.5");
    CopyText(s.szAnswer, "1 234,5000");
    CopyText(s.szMemory, "-2.5e-3");

    starts[2].name = "odd";
    TaskRecord& o = starts[2].record = MakeRecord();
    SetSettings(o, {-7, 5, 1000, 2, 3, -1});
    CopyText(o.szMaths, ":22;(30)");
    CopyText(o.szResult, "Incorrect syntax");
    CopyText(o.szAnswer, "Incorrect syntax");
    CopyText(o.szMemory, "5+3");

    starts[3].name = "full";
    TaskRecord& f = starts[3].record = MakeRecord();
    f.iNumberMode = kModeScientific;
    f.iDecimals = 88;
    f.bDigitGrouping = 1;
    CopyText(f.szMaths, std::string(kMathsCapacity, '7').c_str());
    CopyText(f.szResult, ("-" + std::string(kResultCapacity - 1, '1')).c_str());
    CopyText(f.szAnswer, std::string(kAnswerCapacity, '9').c_str());
    CopyText(f.szMemory, ("9." + std::string(kMemoryCapacity - 2, '9')).c_str());
    return starts;
}

// Runs tasks on copies of every starting record and reports the first few
// broken invariants; counts the results seen.
class Runner {
public:
    void Run(const char* task, size_t length) {
        for (const Start& start : starts_) {
            TaskRecord before = start.record;
            std::memcpy(before.szTask, task, length);
            before.szTask[length] = 0;
            TaskRecord record = before;
            const int result = CalculateTask(record);
            results_.insert(result);
            ++runs_;
            const std::string problem = CheckCalculation(before, record, result);
            if (!problem.empty() && ++failures_ <= kReportedFailures) {
                ADD_FAILURE() << "task \"" << Printable(task, length) << "\" on the " << start.name
                              << " record: " << problem << " (result " << result << ", szTask \""
                              << Printable(record.szTask) << "\", szAnswer \"" << Printable(record.szAnswer)
                              << "\", szMemory \"" << Printable(record.szMemory) << "\")";
            }
        }
    }

    const std::set<int>& Results() const { return results_; }
    long Runs() const { return runs_; }
    long Failures() const { return failures_; }

private:
    static constexpr long kReportedFailures = 20;
    const std::vector<Start> starts_ = Starts();
    std::set<int> results_;
    long runs_ = 0;
    long failures_ = 0;
};

TEST(ExhaustiveTasks, AlphabetsAreDistinct) {
    EXPECT_TRUE(AllDistinct(kThirty));
    EXPECT_TRUE(AllDistinct(kSixty));
    EXPECT_EQ(std::string(kSixty).substr(0, 30), kThirty);
}

TEST(ExhaustiveTasks, EverySingleByte) {
    Runner runner;
    for (int byte = 1; byte <= 255; ++byte) {
        const char task[] = {static_cast<char>(byte)};
        runner.Run(task, 1);
    }
    EXPECT_EQ(runner.Failures(), 0);
    EXPECT_EQ(runner.Runs(), 255 * 4);
}

TEST(ExhaustiveTasks, EveryPairOfSixtyCharacters) {
    Runner runner;
    for (char first : std::string(kSixty)) {
        for (char second : std::string(kSixty)) {
            const char task[] = {first, second};
            runner.Run(task, 2);
        }
    }
    EXPECT_EQ(runner.Failures(), 0);
    // "pi", "Na" and "#c" among the pairs: functions, formulas, commands.
    for (int result : {-1, 0, 1, 2, 9}) {
        SCOPED_TRACE(result);
        EXPECT_EQ(runner.Results().count(result), 1u);
    }
}

TEST(ExhaustiveTasks, EveryTaskUpToThreeOfThirtyCharacters) {
    Runner runner;
    const std::string alphabet = kThirty;
    char task[3];
    for (char a : alphabet) {
        task[0] = a;
        runner.Run(task, 1);
        for (char b : alphabet) {
            task[1] = b;
            runner.Run(task, 2);
            for (char c : alphabet) {
                task[2] = c;
                runner.Run(task, 3);
            }
        }
    }
    EXPECT_EQ(runner.Failures(), 0);
    EXPECT_EQ(runner.Runs(), (30 + 30 * 30 + 30 * 30 * 30) * 4);
    // "ans" and "mem" are the function values within reach, "x^2" solves and
    // "#s" is a command: every kind but functions mixed with a formula.
    for (int result : {-1, 0, 1, 2, 4, 9}) {
        SCOPED_TRACE(result);
        EXPECT_EQ(runner.Results().count(result), 1u);
    }
}

}  // namespace
