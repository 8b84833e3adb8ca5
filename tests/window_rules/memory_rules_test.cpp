// The memory keys' arithmetic: which answers count as numbers, the scratch
// task, and sequences of M+ and M- on records the engine calculated.
#include <gtest/gtest.h>

#include <string>

#include "engine.h"
#include "memory_rules.h"
#include "task_record.h"
#include "text.h"

namespace {

TEST(AnswerIsNumber, ShownAnswers) {
    struct Row {
        const char* answer;
        bool number;
    };
    const Row rows[] = {
        {"5", true},
        {"0", true},
        {"0.5", true},
        {"-0.5", true},
        // A decimal comma is read as the point.
        {"-0,5", true},
        // Digit groups are read as one number.
        {"-0.000 123 4", true},
        {"1 234 567,25", true},
        {"1e+20", true},
        {"1,5e+20", true},
        {"-3.00e-05", true},
        // A negative sum rounded away in fixed mode is still a number.
        {"-0.00", true},
        {"", false},
        {"Incorrect syntax", false},
        {"<Complex number>", false},
        {"Previous answer isn't number", false},
        {"Cannot divide by zero!", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.answer);
        EXPECT_EQ(IsAnswerNumber(row.answer), row.number);
    }
}

TEST(MemoryTask, JoinsMemoryAndAnswer) {
    struct Row {
        const char* memory;
        const char* answer;
        bool subtract;
        const char* task;
    };
    const Row rows[] = {
        {"3", "5", false, "3+5"},
        {"3", "5", true, "3-5"},
        {"3", "-5", true, "3--5"},
        {"1 234,5", "2,5", false, "1 234,5+2,5"},
        // An empty memory counts as 0, so the task never begins with an operator.
        {"", "5", false, "0+5"},
        {"", "5", true, "0-5"},
        {"", "-0,5", true, "0--0,5"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.task);
        char task[kTaskCapacity + 1];
        BuildMemoryTask(row.memory, row.answer, row.subtract, task);
        EXPECT_STREQ(task, row.task);
    }
}

TEST(MemoryTask, LongestPartsFit) {
    std::string memory(kMemoryCapacity, '1');
    std::string answer(kAnswerCapacity, '2');
    char task[kTaskCapacity + 1];
    BuildMemoryTask(memory.c_str(), answer.c_str(), false, task);
    EXPECT_EQ(std::string(task), memory + "+" + answer);
}

struct Settings {
    int mode;
    int decimals;
    int grouping;
    int comma;
};

// One step of a sequence: calculate `task` (when given), then press M+ or M-.
struct Step {
    const char* task;
    bool subtract;
    bool accepted;
    const char* memory;  // memory after the key
};

void RunSequence(const Settings& settings, const char* startMemory, const Step* steps, size_t count) {
    TaskRecord current;
    ResetTaskRecord(current);
    current.iNumberMode = settings.mode;
    current.iDecimals = settings.decimals;
    current.bDigitGrouping = settings.grouping;
    current.bDecimalComma = settings.comma;
    CopyText(current.szMemory, startMemory);
    for (size_t i = 0; i < count; ++i) {
        const Step& step = steps[i];
        SCOPED_TRACE(testing::Message() << "step " << i << " " << step.task);
        if (step.task[0]) {
            CopyText(current.szTask, step.task);
            CalculateTask(current);
        }
        EXPECT_EQ(AddAnswerToMemory(current, step.subtract), step.accepted) << current.szAnswer;
        EXPECT_STREQ(current.szMemory, step.memory);
    }
}

TEST(MemoryAdd, EmptyMemoryTakesTheAnswer) {
    // The answer 5: M+ stores 5 itself, M- then takes it away again.
    const Step steps[] = {{"5", false, true, "5"}, {"", true, true, "0"}};
    RunSequence({0, 2, 0, 0}, "", steps, std::size(steps));
}

TEST(MemoryAdd, SubtractFromEmptyMemoryStoresTheNegative) {
    const Step steps[] = {{"5", true, true, "-5"}, {"-2", true, true, "-3"}, {"-2", false, true, "-5"}};
    RunSequence({0, 2, 0, 0}, "", steps, std::size(steps));
}

TEST(MemoryAdd, SmallNegativeAnswersInEveryLayout) {
    struct Row {
        Settings settings;
        const char* task;
        const char* memory;
    };
    const Row rows[] = {
        {{0, 2, 0, 0}, "-0.5", "-0.5"},
        {{0, 2, 0, 1}, "-0.5", "-0,5"},
        {{0, 2, 1, 0}, "-0.0001234", "-0.000 123 4"},
        // "-0.00" is taken as a number; the sum rounds to 0.
        {{2, 2, 0, 0}, "-0.001", "0.00"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.task);
        const Step steps[] = {{row.task, false, true, row.memory}};
        RunSequence(row.settings, "", steps, 1);
    }
}

TEST(MemoryAdd, SumsInTheCurrentFormat) {
    // Grouped answers with a decimal comma are read back whole.
    const Step grouped[] = {
        {"1234.5", false, true, "1 234,5"}, {"", false, true, "2 469"}, {"0.5", true, true, "2 468,5"}};
    RunSequence({0, 2, 1, 1}, "", grouped, std::size(grouped));
    const Step fixed[] = {{"1/3", false, true, "0.33"}, {"1/3", false, true, "0.66"}};
    RunSequence({2, 2, 0, 0}, "", fixed, std::size(fixed));
}

TEST(MemoryAdd, AnswerThatIsNoNumberLeavesTheMemory) {
    const Step steps[] = {{"1/0", false, false, "7"}, {"sqrt(-1)", true, false, "7"}, {"2", false, true, "9"}};
    RunSequence({0, 2, 0, 0}, "7", steps, std::size(steps));
}

TEST(MemoryAdd, MemoryHoldingAMessageBecomesTheEngineMessage) {
    // MS after an error stored the message; adding to it gives a new message.
    const Step steps[] = {{"2", false, true, "Unknown element symbol"}};
    RunSequence({0, 2, 0, 0}, "Cannot divide by zero!", steps, 1);
}

TEST(MemoryAdd, ScientificModeFormatsTheSum) {
    TaskRecord current;
    ResetTaskRecord(current);
    current.iNumberMode = kModeScientific;
    CopyText(current.szTask, "5");
    CalculateTask(current);
    ASSERT_TRUE(AddAnswerToMemory(current, false));
    std::string memory = current.szMemory;
    EXPECT_TRUE(memory == "5.00e+00" || memory == "5.00e+000") << memory;
    ASSERT_TRUE(AddAnswerToMemory(current, false));
    memory = current.szMemory;
    EXPECT_TRUE(memory == "1.00e+01" || memory == "1.00e+001") << memory;
}

}  // namespace
