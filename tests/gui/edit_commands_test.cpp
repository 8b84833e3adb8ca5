// The Edit menu's commands on the real window, from the menu, the keyboard and
// the toolbar alike.
#include <string>

#include "command_window.h"

namespace command_tests {
namespace {

using EditCommands = CommandWindow;

// How a command reaches the window.
enum class Source { kMenu, kAccelerator, kToolbar };

const char* SourceName(Source source) {
    return source == Source::kMenu ? "menu" : source == Source::kAccelerator ? "accelerator" : "toolbar";
}

TEST_F(EditCommands, CopyTakesSelectionOrAnswer) {
    struct Row {
        const char* input;
        int start, end;
        Source source;
        const char* clipboard;
    };
    const Row rows[] = {
        {"", 0, 0, Source::kMenu, "5"},
        {"", 0, 0, Source::kAccelerator, "5"},
        {"", 0, 0, Source::kToolbar, "5"},
        {"12345", 1, 3, Source::kMenu, "23"},
        {"12345", 1, 3, Source::kToolbar, "23"},
        // Nothing selected and the caret after the start: nothing is copied.
        {"12345", 3, 3, Source::kMenu, "marker"},
        {"12345", 3, 3, Source::kToolbar, "marker"},
        // Nothing selected at position 0 counts as an empty line.
        {"12345", 0, 0, Source::kMenu, "5"},
    };
    Enter("2+3");
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.input << " " << row.start << "-" << row.end << " "
                                        << SourceName(row.source));
        SetClipboardText("marker");
        SetInput(row.input, row.start, row.end);
        if (row.source == Source::kMenu) Command(IDM_COPY);
        if (row.source == Source::kAccelerator) PressKey('C', true);
        if (row.source == Source::kToolbar) ClickToolbar(IDM_COPY);
        EXPECT_EQ(ClipboardText(), row.clipboard);
        EXPECT_EQ(InputText(), row.input);
    }
}

TEST_F(EditCommands, DeleteSelectionOrCharacterBeforeCaret) {
    struct Row {
        int start, end;
        Source source;
        const char* text;
        int caret;
    };
    const Row rows[] = {
        {0, 0, Source::kMenu, "12345", 0},   {0, 0, Source::kToolbar, "12345", 0}, {3, 3, Source::kMenu, "1245", 2},
        {3, 3, Source::kToolbar, "1245", 2}, {5, 5, Source::kMenu, "1234", 4},     {1, 4, Source::kMenu, "15", 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.start << "-" << row.end << " " << SourceName(row.source));
        SetInput("12345", row.start, row.end);
        if (row.source == Source::kMenu) Command(IDM_DELETE);
        if (row.source == Source::kToolbar) ClickToolbar(IDM_DELETE);
        EXPECT_EQ(InputText(), row.text);
        EXPECT_EQ(InputSelection(), std::make_pair(row.caret, row.caret));
    }
}

TEST_F(EditCommands, CutPasteAndUndo) {
    SetInput("12345", 1, 3);
    PressKey('X', true);
    EXPECT_EQ(InputText(), "145");
    EXPECT_EQ(ClipboardText(), "23");
    SendMessageA(Input(), EM_SETSEL, 3, 3);
    ClickToolbar(IDM_PASTE);
    EXPECT_EQ(InputText(), "14523");
    Command(IDM_UNDO);
    EXPECT_EQ(InputText(), "145");
    SendMessageA(Input(), EM_SETSEL, 0, 0);
    Command(IDM_PASTE);
    EXPECT_EQ(InputText(), "23145");
    ClickToolbar(IDM_UNDO);
    EXPECT_EQ(InputText(), "145");
    SetInput("12345", 0, 1);
    ClickToolbar(IDM_CUT);
    EXPECT_EQ(InputText(), "2345");
    EXPECT_EQ(ClipboardText(), "1");
    PressKey('Z', true);
    EXPECT_EQ(InputText(), "12345");
}

TEST_F(EditCommands, CopyRecordTextsThroughTheBuffer) {
    Enter("2H2O");
    const std::string maths = Tooltip(IDC_CURRENT_TASK);
    ASSERT_EQ(maths, "2*(1.00794*2+15.9994)");
    struct Row {
        int command;
        WORD key;
        std::string clipboard;
    };
    const Row rows[] = {
        {IDM_COPY_MATHS, 'E', maths},
        {IDM_COPY_RESULT, 'R', Text(IDC_CURRENT_ANSWER)},
        {IDM_COPY_TASK, 'T', "2H2O"},
    };
    SetInput("7+8", 0, 3);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        SetClipboardText("marker");
        Command(row.command);
        EXPECT_EQ(ClipboardText(), row.clipboard);
        SetClipboardText("marker");
        PressKey(row.key, true);
        EXPECT_EQ(ClipboardText(), row.clipboard);
        // The input line and its selection are not involved.
        EXPECT_EQ(InputText(), "7+8");
        EXPECT_EQ(InputSelection(), std::make_pair(0, 3));
    }
}

TEST_F(EditCommands, SelectAll) {
    SetInput("2+3*4", 2, 2);
    PressKey('A', true);
    EXPECT_EQ(InputSelection(), std::make_pair(0, 5));
    SetInput("2+3*4", 1, 1);
    Command(IDM_SELECT_ALL);
    EXPECT_EQ(InputSelection(), std::make_pair(0, 5));
}

TEST_F(EditCommands, EncloseSelectionOrWholeText) {
    struct Row {
        int start, end;
        bool accelerator;
        const char* text;
        std::pair<int, int> selection;
    };
    const Row rows[] = {
        {3, 3, false, "(2+3)", {5, 5}},
        {3, 3, true, "(2+3)", {5, 5}},
        {2, 3, false, "2+(3)", {5, 5}},
        {0, 3, true, "(2+3)", {5, 5}},
        // Caret at the start, nothing selected: nothing happens.
        {0, 0, false, "2+3", {0, 0}},
        {1, 1, false, "(2+3)", {5, 5}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.start << "-" << row.end << (row.accelerator ? " Ctrl+Y" : ""));
        SetInput("2+3", row.start, row.end);
        if (row.accelerator) {
            PressKey('Y', true);
        } else {
            Command(IDM_ENCLOSE);
        }
        EXPECT_EQ(InputText(), row.text);
        EXPECT_EQ(InputSelection(), row.selection);
    }
}

TEST_F(EditCommands, EnclosedSelectionIsOneUndoableStep) {
    SetInput("2+3", 2, 3);
    Command(IDM_ENCLOSE);
    ASSERT_EQ(InputText(), "2+(3)");
    Command(IDM_UNDO);
    EXPECT_EQ(InputText(), "2+3");
}

TEST_F(EditCommands, EncloseKeepsALongLineWhole) {
    std::string task(700, '1');
    SetInput(task);
    Command(IDM_ENCLOSE);
    EXPECT_EQ(InputText(), "(" + task + ")");
}

TEST_F(EditCommands, ClearInputLineEmptiesIt) {
    SetInput("2+3");
    PressKey(VK_ESCAPE);
    EXPECT_EQ(InputText(), "");
    SetInput("4*5");
    Command(IDM_CLEAR_INPUT);
    EXPECT_EQ(InputText(), "");
}

TEST_F(EditCommands, ClearDisplayKeepsTheRecords) {
    Enter("1+1");
    Enter("20*2");
    PressKey('D', true);
    for (int line : {IDC_PREVIOUS_TASK, IDC_PREVIOUS_ANSWER, IDC_CURRENT_TASK, IDC_CURRENT_ANSWER}) {
        SCOPED_TRACE(line);
        EXPECT_EQ(Text(line), "");
    }
    EXPECT_EQ(Tooltip(IDC_PREVIOUS_TASK), " ");
    EXPECT_EQ(Tooltip(IDC_CURRENT_TASK), " ");
    EXPECT_EQ(GetFocus(), Input());
    Enter("ans+2");
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "42");
    EXPECT_EQ(Text(IDC_PREVIOUS_TASK), "20*2");
}

TEST_F(EditCommands, ClearHistoryKeepsAnswerAndMemory) {
    Command(IDM_TASK_NUMBERING);
    Enter("6*7");
    ClickKey(IDC_KEY_MEMORY_STORE - IDC_KEY_FIRST);
    Enter("10+11");
    ASSERT_EQ(Entries(), "\r\n1. \t6*7 = 42\r\n\r\n2. \t10+11 = 21\r\n");
    Command(IDM_CLEAR_HISTORY);
    EXPECT_EQ(Entries(), "");
    EXPECT_TRUE(PastTaskList().empty());
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "");
    EXPECT_EQ(Text(IDC_PREVIOUS_TASK), "");
    // ans and mem keep their values; the numbering goes on.
    Enter("ans*2");
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "42");
    EXPECT_EQ(Text(IDC_PREVIOUS_TASK), "");
    Enter("mem+1");
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "43");
    // The names come back with the function separator, as calculated.
    EXPECT_EQ(Entries(), "\r\n3. \t:ans*2 = 42\r\n\r\n4. \t:mem+1 = 43\r\n");
}

// Rows in order: the answer of an entered task stays for the rows after it.
TEST_F(EditCommands, EnabledStatesWhenTheMenuOpens) {
    struct Row {
        const char* task;  // entered first, unless empty
        const char* input;
        int start, end;
        bool clipboardText;
        bool undo;
        bool cut;
        bool copy;
    };
    const Row rows[] = {
        {"", "", 0, 0, false, false, false, false},
        {"", "", 0, 0, true, false, false, false},
        // Copy of an empty line copies the answer, so it stays enabled.
        {"2+3", "", 0, 0, true, false, false, true},
        {"", "2+3", 1, 3, false, false, true, true},
        {"", "2+3", 3, 3, false, false, false, false},
        {"", "2+3", 0, 0, false, false, false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.task << " " << row.input << " " << row.start << "-" << row.end);
        if (row.task[0]) Enter(row.task);
        if (row.clipboardText) {
            SetClipboardText("9");
        } else {
            ASSERT_TRUE(OpenClipboard(nullptr));
            EmptyClipboard();
            CloseClipboard();
        }
        SetInput(row.input, row.start, row.end);
        EXPECT_EQ(MenuGrayed(IDM_UNDO), !row.undo);
        EXPECT_EQ(MenuGrayed(IDM_PASTE), !row.clipboardText);
        EXPECT_EQ(MenuGrayed(IDM_CUT), !row.cut);
        EXPECT_EQ(MenuGrayed(IDM_COPY), !row.copy);
        // The other items stay enabled.
        EXPECT_FALSE(MenuGrayed(IDM_DELETE));
        EXPECT_FALSE(MenuGrayed(IDM_CLEAR_HISTORY));
    }
    // An insertion can be undone.
    SetInput("2+3", 3, 3);
    Command(IDM_FUNCTION_SIN);
    EXPECT_FALSE(MenuGrayed(IDM_UNDO));
}

// The accelerator of a greyed item is dropped by the platform: Ctrl+V with no
// text on the clipboard and Ctrl+X without a selection do nothing.
TEST_F(EditCommands, AcceleratorsFollowTheEnabledStates) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    SetInput("2+3", 1, 1);
    PressKey('V', true);
    PressKey('X', true);
    EXPECT_EQ(InputText(), "2+3");
    SetClipboardText("7");
    PressKey('V', true);
    EXPECT_EQ(InputText(), "27+3");
}

}  // namespace
}  // namespace command_tests
