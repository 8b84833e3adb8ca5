// The keypad, the memory keys and the clicks on the display lines and the MEM
// indicator, on the real window.
#include <string>
#include <vector>

#include "command_window.h"
#include "keypad_rules.h"

namespace command_tests {
namespace {

using KeypadKeys = CommandWindow;
using MemoryKeys = CommandWindow;
using DisplayClicks = CommandWindow;

constexpr int kInverseKey = 0;
constexpr int kSinKey = 1;
constexpr int kPiKey = 5;
constexpr int kEncloseKey = 10;
constexpr int kReciprocalKey = 11;
constexpr int kClearKey = 12;
constexpr int kSevenKey = 13;
constexpr int kStoreKey = 18;
constexpr int kRecallKey = 24;
constexpr int kAddKey = 30;

TEST_F(KeypadKeys, CaptionsAtStartAreTheNames) {
    for (int cell = 0; cell < kKeypadCells; ++cell) {
        SCOPED_TRACE(cell);
        EXPECT_EQ(WindowText(Key(cell)), kKeypadKeys[cell].name);
    }
}

TEST_F(KeypadKeys, KeysInsertTheirNamesAtTheCaret) {
    struct Row {
        const char* input;
        int start, end;
        int cell;
        const char* text;
        int caret;
    };
    const Row rows[] = {
        {"", 0, 0, kSinKey, "sin", 3},
        {"2+3", 3, 3, kSevenKey, "2+37", 4},
        // The key's name replaces the selection.
        {"2+3", 1, 2, 22, "2*3", 2},
        {"2+3", 0, 0, kPiKey, "pi2+3", 2},
        {"12", 1, 1, 33, "1E2", 2},
        {"", 0, 0, 7, "log", 3},
        {"x", 1, 1, 17, "x_", 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.input << " key " << row.cell);
        SetInput(row.input, row.start, row.end);
        ClickKey(row.cell);
        EXPECT_EQ(InputText(), row.text);
        EXPECT_EQ(InputSelection(), std::make_pair(row.caret, row.caret));
        EXPECT_EQ(GetFocus(), Input());
    }
}

TEST_F(KeypadKeys, InsertedNameIsOneUndoableStep) {
    SetInput("2+", 2, 2);
    ClickKey(kSinKey);
    ASSERT_EQ(InputText(), "2+sin");
    Command(IDM_UNDO);
    EXPECT_EQ(InputText(), "2+");
}

TEST_F(KeypadKeys, InverseModeCaptionsAndOneInverseFunction) {
    const int inverseCells[] = {1, 2, 3, 4, 6, 7};
    ClickKey(kInverseKey);
    EXPECT_TRUE(KeyPressed(kInverseKey));
    const char* const inverse[] = {"asin", "acos", "atan", "acot", "aln", "alog"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(WindowText(Key(inverseCells[i])), inverse[i]);
    EXPECT_EQ(WindowText(Key(kClearKey)), "MC");
    EXPECT_EQ(WindowText(Key(kAddKey)), "M-");
    EXPECT_EQ(WindowText(Key(kPiKey)), "pi");

    // A digit leaves inverse mode on; pi too.
    ClickKey(kSevenKey);
    ClickKey(kPiKey);
    EXPECT_EQ(InputText(), "7pi");
    EXPECT_TRUE(KeyPressed(kInverseKey));
    SetInput("2+");
    ClickKey(kSinKey);
    EXPECT_EQ(InputText(), "2+asin");
    EXPECT_FALSE(KeyPressed(kInverseKey));
    // Leaving inverse mode leaves a space before the names.
    const char* const plain[] = {" sin", " cos", " tan", " cot", " ln", " log"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(WindowText(Key(inverseCells[i])), plain[i]);
    EXPECT_EQ(WindowText(Key(kClearKey)), "C");
    EXPECT_EQ(WindowText(Key(kAddKey)), "M+");
    // The inverse name went in as one step.
    Command(IDM_UNDO);
    EXPECT_EQ(InputText(), "2+");
    // The captions never reach the input: the name does.
    SetInput("");
    ClickKey(6);
    EXPECT_EQ(InputText(), "ln");
}

TEST_F(KeypadKeys, InverseKeyTogglesBackAndForth) {
    for (int press = 1; press <= 4; ++press) {
        SCOPED_TRACE(press);
        ClickKey(kInverseKey);
        bool on = press % 2 == 1;
        EXPECT_EQ(KeyPressed(kInverseKey), on);
        EXPECT_EQ(WindowText(Key(7)), on ? "alog" : " log");
        EXPECT_EQ(GetFocus(), Input());
    }
    EXPECT_EQ(InputText(), "");
}

TEST_F(KeypadKeys, ClearKeyLeavesOneSpace) {
    SetInput("2+3");
    ClickKey(kClearKey);
    EXPECT_EQ(InputText(), " ");
}

TEST_F(KeypadKeys, EncloseKeyAsTheMenuCommand) {
    struct Row {
        const char* input;
        int start, end;
        const char* text;
    };
    const Row rows[] = {{"2+3", 3, 3, "(2+3)"}, {"2+3", 2, 3, "2+(3)"}, {"2+3", 0, 0, "2+3"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.start << "-" << row.end);
        SetInput(row.input, row.start, row.end);
        ClickKey(kEncloseKey);
        EXPECT_EQ(InputText(), row.text);
    }
}

TEST_F(KeypadKeys, ReciprocalKey) {
    Enter("2*2");
    struct Row {
        const char* input;
        int start, end;
        const char* text;
        std::pair<int, int> selection;
    };
    const Row rows[] = {
        // An empty input line takes the last result.
        {"", 0, 0, "1/(4)", {5, 5}},
        {"12+34", 3, 5, "12+1/(34)", {9, 9}},
        {"2+3", 3, 3, "1/(2+3)", {7, 7}},
        {"2+3", 0, 0, "1/(2+3)", {7, 7}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.input << " " << row.start << "-" << row.end);
        SetInput(row.input, row.start, row.end);
        ClickKey(kReciprocalKey);
        EXPECT_EQ(InputText(), row.text);
        EXPECT_EQ(InputSelection(), row.selection);
    }
    // Nothing to take the reciprocal of: nothing happens.
    Command(IDM_NEW);
    ClickKey(kReciprocalKey);
    EXPECT_EQ(InputText(), "");
}

TEST_F(KeypadKeys, HiddenCellsDoNothing) {
    SetInput("2+3", 1, 2);
    Command(IDC_KEY_HIDDEN_EQUALS);
    Command(IDC_KEY_HIDDEN_BLANK);
    EXPECT_EQ(InputText(), "2+3");
    EXPECT_EQ(InputSelection(), std::make_pair(1, 2));
    EXPECT_TRUE(Entries().empty());
}

TEST_F(MemoryKeys, StoreAndRecallWithKeysAndFunctionKeys) {
    Enter("6*7");
    PressKey(VK_F6);
    EXPECT_EQ(TextColour(IDC_MEMORY_INDICATOR), kIndicatorOn);
    EXPECT_EQ(Tooltip(IDC_MEMORY_INDICATOR), "42");
    SetInput("1+", 2, 2);
    PressKey(VK_F7);
    EXPECT_EQ(InputText(), "1+42");
    Enter("5");
    ClickKey(kStoreKey);
    EXPECT_EQ(Tooltip(IDC_MEMORY_INDICATOR), "5");
    SetInput("x", 0, 1);
    ClickKey(kRecallKey);
    EXPECT_EQ(InputText(), "5");
}

TEST_F(MemoryKeys, RecallOfAnEmptyMemoryInsertsNothing) {
    SetInput("1+2", 0, 3);
    ClickKey(kRecallKey);
    EXPECT_EQ(InputText(), "1+2");
    EXPECT_EQ(TextColour(IDC_MEMORY_INDICATOR), kIndicatorOff);
}

TEST_F(MemoryKeys, MemoryClearInInverseMode) {
    Enter("8");
    ClickKey(kStoreKey);
    ClickKey(kInverseKey);
    SetInput("2+3");
    ClickKey(kClearKey);
    EXPECT_EQ(InputText(), "2+3");
    EXPECT_EQ(TextColour(IDC_MEMORY_INDICATOR), kIndicatorOff);
    EXPECT_EQ(Tooltip(IDC_MEMORY_INDICATOR), "");
    EXPECT_FALSE(KeyPressed(kInverseKey));
    EXPECT_EQ(WindowText(Key(kClearKey)), "C");
}

TEST_F(MemoryKeys, AddToEmptyMemoryThenSubtract) {
    Enter("5");
    ClickKey(kAddKey);
    EXPECT_EQ(Tooltip(IDC_MEMORY_INDICATOR), "5");
    EXPECT_EQ(TextColour(IDC_MEMORY_INDICATOR), kIndicatorOn);
    ClickKey(kInverseKey);
    ClickKey(kAddKey);
    EXPECT_EQ(Tooltip(IDC_MEMORY_INDICATOR), "0");
    EXPECT_FALSE(KeyPressed(kInverseKey));
    EXPECT_EQ(WindowText(Key(kAddKey)), "M+");
    // The display and the history are not touched.
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "5");
    EXPECT_EQ(Entries(), "\r\n5 = 5\r\n");
    Enter("mem+1");
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "1");
}

TEST_F(MemoryKeys, AddSmallNegativeAnswersInEveryLayout) {
    struct Row {
        std::vector<int> commands;
        const char* task;
        const char* memory;
    };
    const Row rows[] = {
        {{}, "-0.5", "-0.5"},
        {{IDM_DECIMAL_COMMA}, "-0.5", "-0,5"},
        {{IDM_DIGIT_GROUPING}, "-0.0001234", "-0.000 123 4"},
        {{IDM_DIGIT_GROUPING, IDM_DECIMAL_COMMA}, "-1234.5", "-1 234,5"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.task);
        Command(IDM_NEW);
        Command(IDM_RESET_SETTINGS);
        for (int command : row.commands) Command(command);
        Enter(row.task);
        ClickKey(kAddKey);
        EXPECT_EQ(Tooltip(IDC_MEMORY_INDICATOR), row.memory);
        // A second M+ adds the shown answer again, read back whole.
        ClickKey(kAddKey);
        Enter("mem/ans");
        EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "2");
    }
}

TEST_F(MemoryKeys, AnswerThatIsNoNumberIsRefused) {
    Enter("3");
    ClickKey(kStoreKey);
    Enter("1/0");
    ClickKey(kInverseKey);
    ModalCloser closer("ZBL Error");
    ClickKey(kAddKey);
    ASSERT_TRUE(closer.Closed());
    EXPECT_EQ(closer.Text(), "Previous answer isn't number");
    // Memory and inverse mode stay as they were.
    EXPECT_EQ(Tooltip(IDC_MEMORY_INDICATOR), "3");
    EXPECT_TRUE(KeyPressed(kInverseKey));
}

TEST_F(MemoryKeys, StoredMessageBecomesTheEngineMessage) {
    Enter("1/0");
    ClickKey(kStoreKey);
    EXPECT_EQ(Tooltip(IDC_MEMORY_INDICATOR), "Cannot divide by zero!");
    EXPECT_EQ(TextColour(IDC_MEMORY_INDICATOR), kIndicatorOn);
    Enter("2");
    ClickKey(kAddKey);
    EXPECT_EQ(Tooltip(IDC_MEMORY_INDICATOR), "Unknown element symbol");
}

TEST_F(MemoryKeys, MemIndicatorStoresThenRecalls) {
    Enter("7*6");
    ClickStatic(IDC_MEMORY_INDICATOR);
    EXPECT_EQ(Tooltip(IDC_MEMORY_INDICATOR), "42");
    EXPECT_EQ(InputText(), "");
    ClickStatic(IDC_MEMORY_INDICATOR);
    EXPECT_EQ(InputText(), "42");
    // Any notification acts, a double click's too.
    Command(IDC_MEMORY_INDICATOR, STN_DBLCLK);
    EXPECT_EQ(InputText(), "4242");
}

TEST_F(DisplayClicks, LinesInsertTheirTexts) {
    Command(IDM_DIGIT_GROUPING);
    Command(IDM_DECIMAL_COMMA);
    Enter("2+3");
    Enter("1234.5*2");
    struct Row {
        int line;
        const char* inserted;
    };
    const Row rows[] = {
        {IDC_PREVIOUS_TASK, "2+3"},
        {IDC_PREVIOUS_ANSWER, "5"},
        {IDC_CURRENT_TASK, "1234,5*2"},
        // The shown answer, grouping spaces and comma included.
        {IDC_CURRENT_ANSWER, "2 469"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        SetInput("(", 1, 1);
        ClickStatic(row.line);
        EXPECT_EQ(InputText(), std::string("(") + row.inserted);
        EXPECT_EQ(GetFocus(), Input());
    }
}

TEST_F(DisplayClicks, OnlyPlainClicksCount) {
    Enter("9");
    SetInput("");
    Command(IDC_CURRENT_ANSWER, STN_DBLCLK);
    Command(IDC_CURRENT_TASK, STN_ENABLE);
    EXPECT_EQ(InputText(), "");
    Command(IDC_CURRENT_ANSWER, STN_CLICKED);
    EXPECT_EQ(InputText(), "9");
}

TEST_F(DisplayClicks, EmptyLineLeavesTheSelection) {
    SetInput("2+3", 0, 3);
    ClickStatic(IDC_PREVIOUS_ANSWER);
    EXPECT_EQ(InputText(), "2+3");
}

}  // namespace
}  // namespace command_tests
