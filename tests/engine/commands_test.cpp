#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <cstdlib>
#include <string>
#include <vector>

#include "commands.h"
#include "engine.h"
#include "task_record.h"
#include "test_support.h"
#include "text.h"

namespace {

// Settings no command ever writes, so that every change shows.
constexpr int kUntouched = 77;

constexpr SixSettings kUntouchedSettings{kUntouched, kUntouched, kUntouched, kUntouched, kUntouched, kUntouched};

TaskRecord RecordWith(const char* task) {
    TaskRecord r;
    ResetTaskRecord(r);
    SetSettings(r, kUntouchedSettings);
    CopyText(r.szTask, task);
    CopyText(r.szMemory, "12");
    return r;
}

SixSettings Angle(int v) {
    SixSettings s = kUntouchedSettings;
    s.angle = v;
    return s;
}
SixSettings Mode(int v, int decimals = kUntouched) {
    SixSettings s = kUntouchedSettings;
    s.mode = v;
    s.decimals = decimals;
    return s;
}
SixSettings Decimals(int v) {
    SixSettings s = kUntouchedSettings;
    s.decimals = v;
    return s;
}
SixSettings Grouping(int v) {
    SixSettings s = kUntouchedSettings;
    s.grouping = v;
    return s;
}
SixSettings Separator(int v) {
    SixSettings s = kUntouchedSettings;
    s.separator = v;
    return s;
}
SixSettings Comma(int v) {
    SixSettings s = kUntouchedSettings;
    s.comma = v;
    return s;
}
SixSettings Nothing() { return kUntouchedSettings; }

// Lines as cleaning leaves them: no blanks, nothing from the first "=" on.
TEST(CommandLines, LetterCommandsSetTheirSetting) {
    struct Row {
        const char* task;
        SixSettings expected;
    };
    const Row rows[] = {
        {"#auto", Mode(kModeAutomatic)},
        {"#A", Mode(kModeAutomatic)},
        {"#comma", Comma(1)},
        {"#cos", Comma(1)},  // only the characters the table names count
        {"#dig1", Grouping(1)},
        {"#Dig1", Grouping(1)},
        {"#DIG1", Grouping(1)},
        {"#dig", Grouping(0)},
        {"#dig0", Grouping(0)},
        {"#dig-3", Grouping(1)},  // a flag: any non-zero argument stores 1
        {"#dec4", Decimals(4)},
        {"#DEC4", Decimals(4)},
        {"#dec", Decimals(0)},
        {"#dec+5", Decimals(5)},
        {"#dec-3", Decimals(-3)},
        {"#dec999999999", Decimals(999999999)},
        {"#dec99999999999", Decimals(INT_MAX)},  // clamped, not overflowed
        {"#decimal5", Decimals(0)},              // the argument starts at position 4 exactly
        {"#dec4x7", Decimals(4)},
        {"#deg", Angle(kDegrees)},
        {"#DEG", Angle(kDegrees)},
        {"#degrees", Angle(kDegrees)},
        {"#dot", Comma(0)},
        {"#do", Comma(0)},
        {"#d", Nothing()},
        {"#di", Nothing()},  // "dig" needs position 3
        {"#dex5", Nothing()},
        {"#dz", Nothing()},
        {"#fix", Mode(kModeFixed)},
        {"#fix6", Mode(kModeFixed, 6)},
        {"#FIX12", Mode(kModeFixed, 12)},
        {"#fixed", Mode(kModeFixed)},
        {"#fix-3", Mode(kModeFixed)},  // decimals only when a digit stands at position 4
        {"#fi", Mode(kModeFixed)},
        {"#fun0", Separator(0)},
        {"#fun1", Separator(1)},
        {"#FUN", Separator(0)},
        {"#fun7", Separator(1)},
        {"#fun-1", Separator(1)},
        {"#f", Nothing()},
        {"#fx9", Nothing()},
        {"#grad", Angle(kGrads)},
        {"#g", Angle(kGrads)},
        {"#rad", Angle(kRadians)},
        {"#rational", Angle(kRadians)},
        {"#sci", Mode(kModeScientific)},
        {"#sci12", Mode(kModeScientific, 12)},
        {"#SCI3", Mode(kModeScientific, 3)},
        {"#scientific", Mode(kModeScientific)},
        {"1a#", Mode(kModeAutomatic)},  // fixed positions, wherever the "#" stands
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.task);
        TaskRecord r = RecordWith(row.task);
        CopyText(r.szResult, "Incorrect syntax");
        EXPECT_EQ(ExecuteCommand(r), kKindCommand);
        ExpectSettings(r, row.expected);
        EXPECT_STREQ(r.szTask, row.task);
        EXPECT_STREQ(r.szResult, "Incorrect syntax");
        EXPECT_STREQ(r.szMemory, "12");
    }
}

TEST(CommandLines, OnlyTheFirst62CharactersAreRead) {
    std::string argument(57, '0');
    struct Row {
        std::string task;
        int decimals;
    };
    const Row rows[] = {
        {"#dec" + argument + "7", 7},   // the 7 at position 61
        {"#dec" + argument + "07", 0},  // the 7 at position 62
        {"#dec" + std::string(200, '9'), INT_MAX},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.task);
        TaskRecord r = RecordWith(row.task.c_str());
        EXPECT_EQ(ExecuteCommand(r), kKindCommand);
        EXPECT_EQ(r.iDecimals, row.decimals);
    }
}

TEST(CommandLines, NumberLinesHandTheNumberBackAndChangeNothing) {
    struct Row {
        const char* task;
        int expected;
    };
    const Row rows[] = {
        {"#501", 501}, {"#505", 505}, {"#20", 20},     {"#9", 9},  // indistinguishable from an executed command
        {"#0", 0},     {"#5abc", 5},  {"#1034", 1034}, {"#99999999999", INT_MAX},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.task);
        TaskRecord r = RecordWith(row.task);
        CopyText(r.szResult, "5");
        CopyText(r.szAnswer, "5.00");
        TaskRecord before = r;
        EXPECT_EQ(ExecuteCommand(r), row.expected);
        EXPECT_EQ(std::memcmp(&r, &before, sizeof r), 0);
    }
}

TEST(CommandLines, UnknownCommandsFailWithTheirMessage) {
    const char* rows[] = {"#", "#x", "#b", "#-5", "#(", "#+", "#_", "5#", "##dec4", "x#auto"};
    for (const char* task : rows) {
        SCOPED_TRACE(task);
        TaskRecord r = RecordWith(task);
        CopyText(r.szResult, "5");
        CopyText(r.szAnswer, "5");
        EXPECT_EQ(ExecuteCommand(r), -1);
        EXPECT_STREQ(r.szResult, "Unknown # command");
        EXPECT_STREQ(r.szAnswer, "Unknown # command");
        EXPECT_STREQ(r.szMemory, "12");
        ExpectSettings(r, Nothing());
    }
}

// An evaluator double: records the joined text it is handed and answers
// with a chosen status and text, so the join is seen apart from the sum.
struct EvaluatorDouble {
    static inline std::string seen;
    static inline int calls = 0;
    static inline int status = 0;
    static inline std::string answer;

    static int Evaluate(char* text, size_t capacity, int) {
        ++calls;
        seen = text;
        if (status != 0) return status;
        TextWriter out(text, capacity);
        out.Put(answer.c_str());
        return 0;
    }
    static void Reset(int withStatus, std::string withAnswer) {
        seen.clear();
        calls = 0;
        status = withStatus;
        answer = std::move(withAnswer);
    }
};

TEST(MemoryJoin, CleanedTextsAreJoined) {
    struct Row {
        const char* memory;
        const char* result;
        bool subtract;
        const char* joined;  // what the evaluator is handed
    };
    const Row rows[] = {
        {"5", "3", false, "5+3"},
        {"5", "3", true, "5+-3"},
        {"5", "-3", true, "5+3"},             // minus a negative adds its magnitude
        {"1 234,5", "3", false, "1234.5+3"},  // a memory stored from a shown answer
        {"1.23e+03", "5", false, "1.23e03+5"},
        {"5", "1.5e+20", false, "5+1.5e20"},  // a root keeps the "+" of its exponent
        {"-0,5", "0.25", true, "-0.5+-0.25"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.memory) + (row.subtract ? " - " : " + ") + row.result);
        EvaluatorDouble::Reset(0, "8");
        TaskRecord r = RecordWith("");
        CopyText(r.szMemory, row.memory);
        EXPECT_EQ(CombineMemory(r.szMemory, row.result, row.subtract, 0, EvaluatorDouble::Evaluate), 0);
        EXPECT_EQ(EvaluatorDouble::seen, row.joined);
        EXPECT_STREQ(r.szMemory, "8");
    }
}

TEST(MemoryJoin, FailuresLeaveTheMemoryAlone) {
    const std::string tooLong(kMemoryCapacity + 1, '9');
    struct Row {
        const char* memory;
        const char* result;
        int evaluatorStatus;
        std::string evaluatorAnswer;
        int expected;
    };
    const Row rows[] = {
        {"5", "Cannot divide by zero!", 0, "8", 1011},  // once read as the factorial 6
        {"5", "", 0, "8", 1011},
        {"5", "3x", 0, "8", 1011},
        {"5", "3+4", 0, "8", 1011},
        {"", "Incorrect syntax", 0, "8", 1011},
        {"Incorrect syntax", "3", 0, "8", 1011},
        {"5+3", "3", 0, "8", 1011},
        {"5", "3", 1031, "", 1031},    // the evaluator's own code, unchanged
        {"5", "3", 0, tooLong, 1001},  // a sum text that would not fit the memory
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.memory) + " + " + row.result);
        EvaluatorDouble::Reset(row.evaluatorStatus, row.evaluatorAnswer);
        TaskRecord r = RecordWith("");
        CopyText(r.szMemory, row.memory);
        EXPECT_EQ(CombineMemory(r.szMemory, row.result, false, 0, EvaluatorDouble::Evaluate), row.expected);
        EXPECT_STREQ(r.szMemory, row.memory);
        ExpectSettings(r, Nothing());
    }
}

TEST(MemoryJoin, LongTextsJoinBeyondTheMemoryCapacity) {
    // A full memory and the longest result: the joined text is longer than the
    // memory field, and the settings after the field must not see it.
    std::string memory = "1." + std::string(kMemoryCapacity - 2, '1');
    std::string result = std::string(kResultCapacity, '2');
    EvaluatorDouble::Reset(0, "3");
    TaskRecord r = RecordWith("");
    CopyText(r.szMemory, memory.c_str());
    CopyText(r.szResult, result.c_str());
    EXPECT_EQ(CombineMemory(r.szMemory, r.szResult, true, 0, EvaluatorDouble::Evaluate), 0);
    EXPECT_EQ(EvaluatorDouble::seen, memory + "+-" + result);
    EXPECT_STREQ(r.szMemory, "3");
    ExpectSettings(r, Nothing());
}

// Lines typed one after another into one record, as the window does.
struct Step {
    const char* line;
    int result;
    const char* answer;
    const char* memory;
};

struct Sequence {
    const char* name;
    const char* memory;  // the register before the first line
    const char* result;  // the last raw result before the first line
    std::vector<Step> steps;
};

void RunSequence(const Sequence& sequence) {
    SCOPED_TRACE(sequence.name);
    TaskRecord r;
    ResetTaskRecord(r);
    CopyText(r.szMemory, sequence.memory);
    CopyText(r.szResult, sequence.result);
    CopyText(r.szAnswer, sequence.result);
    for (const Step& step : sequence.steps) {
        SCOPED_TRACE(step.line);
        CopyText(r.szTask, step.line);
        EXPECT_EQ(CalculateTask(r), step.result);
        EXPECT_NUMBER_TEXT(r.szAnswer, step.answer);
        EXPECT_NUMBER_TEXT(r.szMemory, step.memory);
    }
}

TEST(CommandSequences, SettingsShowThePreviousAnswerAnew) {
    RunSequence({"display settings",
                 "",
                 "",
                 {
                     {"1234567.891", 0, "1234567.891", ""},
                     {"#dig 1", 9, "1 234 567.891", ""},
                     {"#comma", 9, "1 234 567,891", ""},
                     {"#fix 3", 9, "1 234 567,891", ""},
                     {"#fix 1", 9, "1 234 567,9", ""},
                     {"#fixed", 9, "1 234 567,9", ""},
                     {"#sci 3", 9, "1,235e+6", ""},
                     {"#dot = Decimal point", 9, "1.235e+6", ""},
                     {"#AUTO", 9, "1 234 567.891", ""},
                     {"#Dig 0", 9, "1234567.891", ""},
                     {"#dig -3", 9, "1 234 567.891", ""},
                     {"#dig", 9, "1234567.891", ""},
                     {"#501", 501, "1234567.891", ""},
                     {"#x", -1, "Unknown # command", ""},
                     {"#", -1, "Unknown # command", ""},
                     {"5#", -1, "Unknown # command", ""},
                 }});
}

TEST(CommandSequences, MemoryAddsAndSubtractsNumbersOnly) {
    RunSequence({"store, add, subtract",
                 "",
                 "",
                 {
                     {"1234567.891", 0, "1234567.891", ""},
                     {"#mem", 9, "1234567.891", "1234567.891"},
                     {"#mem+", 9, "1234567.891", "2469135.782"},
                     {"5", 0, "5", "2469135.782"},
                     {"#mem", 9, "5", "5"},
                     {"5/0", -1, "Cannot divide by zero!", "5"},
                     {"#mem+", 1011, "Cannot divide by zero!", "5"},  // was read as the factorial 6
                     {"#mem-", 1011, "Cannot divide by zero!", "5"},
                     {"3", 0, "3", "5"},
                     {"#mem+", 9, "3", "8"},
                     {"#mem-", 9, "3", "5"},
                     {"-3", 0, "-3", "5"},
                     {"#mem-", 9, "-3", "8"},
                     {"#mem+", 9, "-3", "5"},
                     {"#mem + = add the answer", 9, "-3", "2"},
                     {"1/0", -1, "Cannot divide by zero!", "2"},
                     {"#mem", 9, "Cannot divide by zero!", "Cannot divide by zero!"},
                     {"4", 0, "4", "Cannot divide by zero!"},
                     {"#mem+", 1011, "4", "Cannot divide by zero!"},
                     {"#mem", 9, "4", "4"},
                     {"", 0, "", "4"},
                     {"#mem+", 1011, "", "4"},  // an empty result is no number either
                 }});
    RunSequence({"subtract from an empty memory",
                 "",
                 "",
                 {
                     {"7", 0, "7", ""},
                     {"#mem-", 9, "7", "-7"},
                     {"2", 0, "2", "-7"},
                     {"#mem-", 9, "2", "-9"},
                     {"#MEM+", 9, "2", "-7"},
                 }});
    RunSequence({"memory as the window shows it",
                 "1 234,5",
                 "",
                 {
                     {"3", 0, "3", "1 234,5"},
                     {"#mem+", 9, "3", "1237.5"},
                 }});
    RunSequence({"memory in exponent form",
                 "1.23e+03",
                 "",
                 {
                     {"5", 0, "5", "1.23e+03"},
                     {"#mem+", 9, "5", "1235"},
                 }});
    RunSequence({"a root keeps the + of its exponent",
                 "5",
                 "1.5e+20",
                 {
                     {"#mem+", 9, "1.5e+20", "1.5e20"},
                     {"#mem-", 9, "1.5e+20", "0"},
                 }});
    RunSequence({"a sum beyond the doubles",
                 "1e308",
                 "",
                 {
                     {"1e308", 0, "1e+308", "1e308"},
                     {"#mem+", 1031, "1e+308", "1e308"},  // the evaluator's code, nothing written
                     {"#mem-", 9, "1e+308", "0"},
                 }});
}

TEST(CommandSequences, LongMemoryJoinsAgainAndAgain) {
    TaskRecord r;
    ResetTaskRecord(r);
    const std::string big = "9" + std::string(kMemoryCapacity - 1, '0');     // 9e127
    const std::string addend = "1" + std::string(kResultCapacity - 1, '0');  // 1e125
    CopyText(r.szMemory, big.c_str());
    CopyText(r.szResult, addend.c_str());
    for (int i = 0; i < 100; ++i) {
        SCOPED_TRACE(i);
        CopyText(r.szTask, "#mem+");
        ASSERT_EQ(CalculateTask(r), kKindCommand);
        EXPECT_DOUBLE_EQ(std::atof(r.szMemory), 9e127 + (i + 1) * 1e125);
        EXPECT_EQ(r.iAngleUnit, kRadians);
        EXPECT_EQ(r.iNumberMode, kModeAutomatic);
        EXPECT_EQ(r.iDecimals, 2);
    }
    for (int i = 0; i < 100; ++i) {
        CopyText(r.szTask, "#mem-");
        ASSERT_EQ(CalculateTask(r), kKindCommand);
    }
    EXPECT_DOUBLE_EQ(std::atof(r.szMemory), 9e127);
    EXPECT_EQ(r.bDigitGrouping, 0);
    EXPECT_EQ(r.bFunctionSeparator, 1);
    EXPECT_EQ(r.bDecimalComma, 0);
}

TEST(CommandSequences, DecimalsOutsideTheOfferedRange) {
    // Whatever the decimals, the shown answer stays inside its field and
    // still shows the value.
    TaskRecord r;
    ResetTaskRecord(r);
    const char* lines[] = {"2/3", "#fix", "#dec 999999999", "#sci", "#dig 1", "#dec -2147483648"};
    for (const char* line : lines) {
        SCOPED_TRACE(line);
        CopyText(r.szTask, line);
        EXPECT_GE(CalculateTask(r), 0);
        EXPECT_LE(std::strlen(r.szAnswer), kAnswerCapacity);
        std::string shown = r.szAnswer;
        std::erase(shown, ' ');
        EXPECT_NEAR(std::atof(shown.c_str()), 2.0 / 3, 0.005);
    }
}

}  // namespace

// A record given another record's settings calculates and writes its lines
// as that one does;
// given its display settings only, it writes answers alike and keeps its
// own angle unit and decimal sign.
TEST(CopySettings, ACopyCalculatesAsTheOriginal) {
    TaskRecord from;
    ResetTaskRecord(from);
    for (const char* command : {"#deg", "#fix 4", "#dig 1", "#comma", "#fu 0"}) {
        CopyText(from.szTask, command);
        ASSERT_EQ(CalculateTask(from), kKindCommand) << command;
    }
    const auto answer = [](TaskRecord record, const char* task) {
        CopyText(record.szTask, task);
        CalculateTask(record);
        return std::string(record.szAnswer) + " | " + record.szTask + " | " + record.szMaths;
    };
    TaskRecord all;
    ResetTaskRecord(all);
    CopySettings(from, all);
    TaskRecord display;
    ResetTaskRecord(display);
    CopyDisplaySettings(from, display);
    for (const char* task : {"sin(30)", "12345.678", "2,5*3", "max(2;5)", "asin(1)"}) {
        SCOPED_TRACE(task);
        EXPECT_EQ(answer(all, task), answer(from, task));
    }
    std::string written = answer(from, "12345.678");  // but with its own decimal dot
    std::replace(written.begin(), written.end(), ',', '.');
    EXPECT_EQ(answer(display, "12345.678"), written);
    EXPECT_NE(answer(display, "sin(30)"), answer(from, "sin(30)"));
}
