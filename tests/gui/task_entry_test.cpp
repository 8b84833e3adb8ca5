// The road of a task through the main window: display lines, history
// entries, the past-tasks list, the quadratic panel, numbering and refusals.
#include <string>
#include <vector>

#include "gui_support.h"
#include "resource_ids.h"

namespace {

// What the display shows after one task was entered.
struct Step {
    const char* input;
    const char* previousTask;
    const char* previousAnswer;
    const char* currentTask;
    const char* currentAnswer;
    const char* entry;  // what the history gained
};

class TaskEntry : public MainWindowTest {
protected:
    // Enters each step's input with the "=" key and checks the display lines,
    // the history's new entry and the emptied input line.
    void ExpectSteps(const std::vector<Step>& steps) {
        for (const Step& step : steps) {
            SCOPED_TRACE(step.input);
            std::string before = Entries();
            Enter(step.input);
            EXPECT_EQ(Text(IDC_PREVIOUS_TASK), step.previousTask);
            EXPECT_EQ(Text(IDC_PREVIOUS_ANSWER), step.previousAnswer);
            EXPECT_EQ(Text(IDC_CURRENT_TASK), step.currentTask);
            EXPECT_EQ(Text(IDC_CURRENT_ANSWER), step.currentAnswer);
            std::string after = Entries();
            ASSERT_EQ(after.substr(0, before.size()), before);
            EXPECT_EQ(after.substr(before.size()), step.entry);
            EXPECT_EQ(InputText(), "");
        }
    }
};

TEST_F(TaskEntry, RoadOfSuccessiveTasks) {
    ExpectSteps({
        {"2+3", "", "", "2+3", "5", "\r\n2+3 = 5\r\n"},
        // The task line shows the task as the engine left it.
        {"ans*2", "2+3", "5", ":ans*2", "10", "\r\n:ans*2 = 10\r\n"},
        {"5/0", ":ans*2", "10", "5/0", "Cannot divide by zero!", "\r\n5/0 = Cannot divide by zero!\r\n"},
        // An empty task empties the lower lines and records a line end.
        {"", "5/0", "Cannot divide by zero!", "", "", "\r\n"},
        {"2H2O", "", "", "2H2O", "36.03056", "\r\n2H2O = 36.03056\r\n"},
        // A command line is recorded like a task, with the answer in its new format.
        {"#sci", "2H2O", "36.03056", "#sci", "3.60e+01", "\r\n#sci = 3.60e+01\r\n"},
        // Numbers from "#" lines change no view here.
        {"#501", "#sci", "3.60e+01", "#501", "3.60e+01", "\r\n#501 = 3.60e+01\r\n"},
    });
    EXPECT_EQ(GetFocus(), Input());
}

TEST_F(TaskEntry, TaskLineTooltipsShowTheExpression) {
    Enter("2H2O");
    EXPECT_EQ(Tooltip(IDC_CURRENT_TASK), "2*(1.00794*2+15.9994)");
    Enter("1+1");
    EXPECT_EQ(Tooltip(IDC_PREVIOUS_TASK), "2*(1.00794*2+15.9994)");
    EXPECT_EQ(Tooltip(IDC_CURRENT_TASK), "1+1");
}

TEST_F(TaskEntry, EnterKeyCalculatesThroughTheAccelerators) {
    Type("6*7");
    SetFocus(Input());
    PostMessageA(Input(), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    Pump();
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "42");
    EXPECT_EQ(InputText(), "");
}

TEST_F(TaskEntry, QuadraticPanelAcrossTasks) {
    ExpectSteps({
        {"x^2-5x+6", "x^2-5x+6 = 0", "2", "", "3", "\r\nx^2-5x+6 = 0\r\nx1 = \t2\r\nx2 = \t3\r\n"},
        // The next task restores the solver's record: the upper pair
        // shows the equation with x2.
        {"1+1", "x^2-5x+6 = 0", "3", "1+1", "2", "\r\n1+1 = 2\r\n"},
    });
    EXPECT_FALSE(Visible(IDC_X1_LABEL));
    EXPECT_FALSE(Visible(IDC_X2_LABEL));
    EXPECT_EQ(Tooltip(IDC_PREVIOUS_TASK), "2");
}

TEST_F(TaskEntry, QuadraticLabelsAndTooltip) {
    EXPECT_FALSE(Visible(IDC_X1_LABEL));
    Enter("x^2-5x+6");
    EXPECT_TRUE(Visible(IDC_X1_LABEL));
    EXPECT_TRUE(Visible(IDC_X2_LABEL));
    EXPECT_EQ(Text(IDC_X1_LABEL), "x1 =");
    EXPECT_EQ(Text(IDC_X2_LABEL), "x2 =");
    EXPECT_EQ(Tooltip(IDC_PREVIOUS_TASK), "Quadratic Equation");
    EXPECT_EQ(PastTaskList(), std::vector<std::string>{"x^2-5x+6 = 0"});

    // Two equations in a row: the labels stay for the second.
    Enter("2x^2-5x+3");
    EXPECT_TRUE(Visible(IDC_X1_LABEL));
    EXPECT_EQ(Text(IDC_PREVIOUS_TASK), "2x^2-5x+3 = 0");
    EXPECT_EQ(Text(IDC_PREVIOUS_ANSWER), "1");
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "1.5");
}

TEST_F(TaskEntry, CommandLineNumberFourIsNoEquation) {
    ExpectSteps({
        {"2+3", "", "", "2+3", "5", "\r\n2+3 = 5\r\n"},
        // "#4" gives back 4 like a solved equation, yet it is only recorded.
        {"#4", "2+3", "5", "#4", "5", "\r\n#4 = 5\r\n"},
        // Nor are other numbers: #0 is no empty line, #99 no command.
        {"#0", "#4", "5", "#0", "5", "\r\n#0 = 5\r\n"},
        {"#99", "#0", "5", "#99", "5", "\r\n#99 = 5\r\n"},
        {"1+1", "#99", "5", "1+1", "2", "\r\n1+1 = 2\r\n"},
    });
    EXPECT_FALSE(Visible(IDC_X1_LABEL));
    EXPECT_FALSE(Visible(IDC_X2_LABEL));
}

TEST_F(TaskEntry, ThrownAwayLineLeavesTheRecordAlone) {
    Enter("2+3");
    Enter("=junk");
    // The thrown-away line never becomes the task shown with 2+3's answer.
    Enter("4");
    EXPECT_EQ(Text(IDC_PREVIOUS_TASK), "2+3");
    EXPECT_EQ(Text(IDC_PREVIOUS_ANSWER), "5");
    EXPECT_EQ(Tooltip(IDC_PREVIOUS_TASK), "2+3");
}

TEST_F(TaskEntry, ThrownAwayLineAfterQuadraticKeepsTheRoots) {
    Enter("x^2-5x+6");
    Enter("=junk");
    EXPECT_FALSE(Visible(IDC_X1_LABEL));
    // The panel is undone once only: x1 stays the expression behind the
    // equation instead of being overwritten by x2.
    Enter("1+1");
    EXPECT_EQ(Text(IDC_PREVIOUS_TASK), "x^2-5x+6 = 0");
    EXPECT_EQ(Text(IDC_PREVIOUS_ANSWER), "3");
    EXPECT_EQ(Tooltip(IDC_PREVIOUS_TASK), "2");
}

TEST_F(TaskEntry, NumberedEntries) {
    Command(IDM_TASK_NUMBERING);
    ExpectSteps({
        {"2+3", "", "", "2+3", "5", "\r\n1. \t2+3 = 5\r\n"},
        // An empty task uses no number.
        {"", "2+3", "5", "", "", "\r\n"},
        {"x^2-5x+6", "x^2-5x+6 = 0", "2", "", "3", "\r\n2. \tx^2-5x+6 = 0\r\nx1 = \t2\r\nx2 = \t3\r\n"},
        // The dump uses up number 3 without showing it.
        {"#20", "x^2-5x+6 = 0", "3", "#20", "3",
         "\r\nszTask     = #20\r\nszMaths = 2\r\nszResult   = 3\r\nszAnswer  = 3\r\nszMemory  = \r\n"},
        {"4", "#20", "3", "4", "4", "\r\n4. \t4 = 4\r\n"},
    });
    // A thrown-away line uses no number either.
    Enter("=9");
    Enter("5");
    EXPECT_TRUE(Entries().ends_with("\r\n4. \t4 = 4\r\n\r\n5. \t5 = 5\r\n")) << Entries();
    Command(IDM_TASK_NUMBERING);
    Enter("6");
    EXPECT_TRUE(Entries().ends_with("\r\n5. \t5 = 5\r\n\r\n6 = 6\r\n")) << Entries();
}

TEST_F(TaskEntry, DebugDumpOfTheRecord) {
    Enter("2+3");
    Enter("#mem");
    std::string before = Entries();
    Enter("#20");
    EXPECT_EQ(Entries().substr(before.size()),
              "\r\nszTask     = #20\r\nszMaths = 2+3\r\nszResult   = 5\r\nszAnswer  = 5\r\nszMemory  = 5\r\n");
    EXPECT_EQ(PastTaskList().front(), "#20");
}

TEST_F(TaskEntry, LongestTaskIsTakenOneMoreIsRefused) {
    std::string longest = "1";
    while (longest.size() < 509) longest += "+1";
    ASSERT_EQ(longest.size(), 509u);
    Enter(longest);
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "255");

    std::string tooLong = longest + "0";
    std::string history = History();
    Enter(tooLong);
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "Expression is too long !");
    // Nothing else changes: the input keeps the line, nothing is recorded.
    EXPECT_EQ(InputText(), tooLong);
    EXPECT_EQ(Text(IDC_CURRENT_TASK), longest);
    EXPECT_EQ(History(), history);
    EXPECT_EQ(PastTaskList().size(), 1u);
}

TEST_F(TaskEntry, LeadingEqualsSignThrowsTheLineAway) {
    Enter("2+3");
    std::string history = History();
    Enter("=2*4");
    EXPECT_EQ(InputText(), "");
    EXPECT_EQ(History(), history);
    EXPECT_EQ(Text(IDC_CURRENT_TASK), "2+3");
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "5");
    EXPECT_EQ(PastTaskList(), std::vector<std::string>{"2+3"});
    EXPECT_EQ(GetFocus(), Input());
}

TEST_F(TaskEntry, PastTasksNewestFirstWithRepeats) {
    for (const char* task : {"2+3", "4*5", "", "2+3", "#deg"}) Enter(task);
    EXPECT_EQ(PastTaskList(), (std::vector<std::string>{"#deg", "2+3", "4*5", "2+3"}));
}

TEST_F(TaskEntry, PastTaskIsCopiedWithoutCalculating) {
    Enter("2+3");
    Enter("4*5");
    std::string history = History();
    SendMessageA(PastTasks(), CB_SETCURSEL, 1, 0);
    SendMessageA(Main(), WM_COMMAND, MAKEWPARAM(IDC_PAST_TASKS, CBN_SELENDOK), reinterpret_cast<LPARAM>(PastTasks()));
    EXPECT_EQ(InputText(), "2+3");
    DWORD start = 0, end = 0;
    SendMessageA(Input(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 3u);
    EXPECT_EQ(end, 3u);
    EXPECT_EQ(GetFocus(), Input());
    EXPECT_TRUE(IsWindowEnabled(PastTasks()));
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "20");
    EXPECT_EQ(History(), history);

    Click(Control(IDC_EQUALS));
    EXPECT_EQ(Text(IDC_CURRENT_TASK), "2+3");
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "5");
}

// The past-tasks list worked with the mouse as a user does: a click is sent
// where the system sends it, to the window that holds the mouse capture (the
// open list) or else to the list box.
class PastTasksMouse : public TaskEntry {
protected:
    void TearDown() override {
        SendMessageA(PastTasks(), CB_SHOWDROPDOWN, FALSE, 0);
        TaskEntry::TearDown();
    }

    bool ListOpen() const { return SendMessageA(PastTasks(), CB_GETDROPPEDSTATE, 0, 0) != 0; }

    void ClickAt(POINT screen) {
        for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP}) {
            HWND target = GetCapture() ? GetCapture() : PastTasks();
            POINT point = screen;
            ScreenToClient(target, &point);
            SendMessageA(target, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(point.x, point.y));
            Pump();
        }
    }

    // The list box's arrow, at the right end of its selection field.
    void ClickArrow() {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(PastTasks(), &info));
        POINT point{(info.rcButton.left + info.rcButton.right) / 2, (info.rcButton.top + info.rcButton.bottom) / 2};
        ClientToScreen(PastTasks(), &point);
        ClickAt(point);
    }

    // A click on entry `index` of the open list.
    void ClickEntry(int index) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(PastTasks(), &info));
        RECT item{};
        ASSERT_NE(SendMessageA(info.hwndList, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)), LB_ERR);
        POINT point{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
        ClientToScreen(info.hwndList, &point);
        ClickAt(point);
    }
};

TEST_F(PastTasksMouse, APickedEntryFillsTheInputLine) {
    Enter("1+1");
    Enter("2+2");
    Type("7*");
    ClickArrow();
    ASSERT_TRUE(ListOpen());
    ClickEntry(1);
    EXPECT_FALSE(ListOpen());
    EXPECT_EQ(InputText(), "1+1");
    EXPECT_EQ(GetFocus(), Input());
    EXPECT_EQ(Text(IDC_CURRENT_TASK), "2+2");
}

// Opening and closing the list without a pick keeps what is being typed,
// also after an earlier pick. On a desktop under Wine the open list can lose
// the mouse capture, and the closing click on the arrow then reaches the list
// box itself, which reports it as an accepted selection.
TEST_F(PastTasksMouse, OpeningAndClosingKeepsTheTypedText) {
    Enter("1+1");
    Enter("2+2");
    ClickArrow();
    ClickEntry(1);
    ASSERT_EQ(InputText(), "1+1");
    struct Row {
        const char* typed;
        bool captureLost;
    };
    const Row rows[] = {{"7*", true}, {"", true}, {"8-", false}, {"", false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "\"" << row.typed << "\"" << (row.captureLost ? " capture lost" : ""));
        Type(row.typed);
        ClickArrow();
        EXPECT_TRUE(ListOpen());
        if (row.captureLost) ReleaseCapture();
        ClickArrow();
        EXPECT_FALSE(ListOpen());
        EXPECT_EQ(InputText(), row.typed);
        EXPECT_EQ(GetFocus(), Input());
    }
    // A pick still works after that, and Enter calculates it.
    ClickArrow();
    ClickEntry(0);
    EXPECT_EQ(InputText(), "2+2");
    Click(Control(IDC_EQUALS));
    EXPECT_EQ(Text(IDC_CURRENT_TASK), "2+2");
    EXPECT_EQ(Text(IDC_PREVIOUS_TASK), "2+2");
}

TEST_F(TaskEntry, OtherListNotificationsOnlyReturnTheFocus) {
    Enter("2+3");
    Type("7");
    SetFocus(PastTasks());
    SendMessageA(PastTasks(), CB_SETCURSEL, 0, 0);
    SendMessageA(Main(), WM_COMMAND, MAKEWPARAM(IDC_PAST_TASKS, CBN_SELENDCANCEL),
                 reinterpret_cast<LPARAM>(PastTasks()));
    EXPECT_EQ(InputText(), "7");
    EXPECT_EQ(GetFocus(), Input());
}

TEST_F(TaskEntry, IndicatorsFollowCommandLines) {
    const COLORREF on = RGB(1, 1, 1);
    const COLORREF off = RGB(192, 192, 192);
    struct Row {
        const char* input;
        COLORREF mem, autoMode, sci, fix, rad, deg, grad;
    };
    const Row rows[] = {
        {nullptr, off, on, off, off, on, off, off}, {"#sci", off, off, on, off, on, off, off},
        {"#grad", off, off, on, off, off, off, on}, {"2+3", off, off, on, off, off, off, on},
        {"#mem", on, off, on, off, off, off, on},   {"#fix", on, off, off, on, off, off, on},
        {"#deg", on, off, off, on, off, on, off},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.input ? row.input : "at start");
        if (row.input) {
            Pump();  // everything painted
            Enter(row.input);
            // A command line asks the whole indicator row to be painted again.
            if (row.input[0] == '#') {
                for (int id : {IDC_MEMORY_INDICATOR, IDC_MODE_AUTO, IDC_MODE_FIX, IDC_ANGLE_RAD, IDC_ANGLE_GRAD}) {
                    SCOPED_TRACE(id);
                    EXPECT_TRUE(GetUpdateRect(Control(id), nullptr, FALSE));
                }
            }
        }
        EXPECT_EQ(TextColour(IDC_MEMORY_INDICATOR), row.mem);
        EXPECT_EQ(TextColour(IDC_MODE_AUTO), row.autoMode);
        EXPECT_EQ(TextColour(IDC_MODE_SCI), row.sci);
        EXPECT_EQ(TextColour(IDC_MODE_FIX), row.fix);
        EXPECT_EQ(TextColour(IDC_ANGLE_RAD), row.rad);
        EXPECT_EQ(TextColour(IDC_ANGLE_DEG), row.deg);
        EXPECT_EQ(TextColour(IDC_ANGLE_GRAD), row.grad);
    }
    EXPECT_EQ(TextColour(IDC_PREVIOUS_TASK), RGB(0, 128, 0));
    EXPECT_EQ(TextColour(IDC_CURRENT_TASK), RGB(0, 128, 0));
    // Other statics keep the colour they had.
    EXPECT_EQ(TextColour(IDC_CURRENT_ANSWER), RGB(10, 20, 30));
}

}  // namespace
