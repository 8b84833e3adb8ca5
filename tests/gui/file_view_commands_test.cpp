// The File, View and Help commands on the real window: New, Exit, the window
// size, topmost state and history placement, numbering, Online Help, About.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "command_window.h"
#include "startup.h"

namespace command_tests {
namespace {

using FileCommands = CommandWindow;
using ViewCommands = CommandWindow;
using HelpCommands = CommandWindow;

int CaptionHeight() { return GetSystemMetrics(SM_CYCAPTION); }

TEST_F(FileCommands, NewStartsAfreshButKeepsSettingsAndViews) {
    Enter("#fix");
    Command(IDM_TASK_NUMBERING);
    Enter("2+3");
    ClickKey(IDC_KEY_MEMORY_STORE - IDC_KEY_FIRST);
    ASSERT_EQ(TextColour(IDC_MEMORY_INDICATOR), kIndicatorOn);
    SetInput("9*9");

    PressKey('N', true);
    EXPECT_TRUE(PastTaskList().empty());
    EXPECT_EQ(InputText(), "");
    for (int line : {IDC_PREVIOUS_TASK, IDC_PREVIOUS_ANSWER, IDC_CURRENT_TASK, IDC_CURRENT_ANSWER}) {
        SCOPED_TRACE(line);
        EXPECT_EQ(Text(line), "");
    }
    // The memory is emptied and the indicator turns grey at once.
    EXPECT_EQ(TextColour(IDC_MEMORY_INDICATOR), kIndicatorOff);
    EXPECT_EQ(Tooltip(IDC_MEMORY_INDICATOR), "");
    EXPECT_EQ(Entries(), "");
    EXPECT_EQ(History().find("2+3"), std::string::npos);

    // Fixed mode and numbering stay; the numbers start at 1 again.
    Enter("1+1");
    EXPECT_EQ(Entries(), "\r\n1. \t1+1 = 2.00\r\n");
    Enter("mem+1");
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "No number in memory");
}

// The quadratic panel moves the equation into the upper record; New must not
// move it back into view.
TEST_F(FileCommands, NewAfterAQuadraticEquationShowsEmptyLines) {
    Enter("x^2-5x+6");
    ASSERT_TRUE(Shown(IDC_X1_LABEL));
    Command(IDM_NEW);
    EXPECT_EQ(Text(IDC_PREVIOUS_TASK), "");
    EXPECT_EQ(Text(IDC_PREVIOUS_ANSWER), "");
    EXPECT_EQ(Text(IDC_CURRENT_TASK), "");
    EXPECT_FALSE(Shown(IDC_X1_LABEL));
    EXPECT_FALSE(Shown(IDC_X2_LABEL));
    Enter("7");
    EXPECT_EQ(Text(IDC_PREVIOUS_TASK), "");
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "7");
}

TEST_F(FileCommands, ExitClosesTheWindow) {
    Command(IDM_EXIT);
    EXPECT_TRUE(IsWindow(Main()));
    PumpMessages();
    EXPECT_FALSE(IsWindow(Main()));
    EXPECT_FALSE(IsWindow(HistoryDialog()));
}

TEST_F(ViewCommands, DisplayOnlyShrinksAndRestores) {
    SetWindowPos(Main(), nullptr, 100, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    struct Step {
        const char* how;
        int height;
        bool checked;
    };
    const Step steps[] = {{"F12", 205, true}, {"toolbar", 439, false}, {"menu", 205, true}, {"F12", 439, false}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.how);
        std::string how = step.how;
        if (how == "F12") PressKey(VK_F12);
        if (how == "toolbar") ClickToolbar(IDM_DISPLAY_ONLY);
        if (how == "menu") Command(IDM_DISPLAY_ONLY);
        RECT rect = WindowRect(Main());
        EXPECT_EQ(rect.left, 100);
        EXPECT_EQ(rect.top, 80);
        EXPECT_EQ(rect.right - rect.left, 288);
        EXPECT_EQ(rect.bottom - rect.top, step.height + CaptionHeight());
        EXPECT_EQ(MenuChecked(IDM_DISPLAY_ONLY), step.checked);
    }
}

TEST_F(ViewCommands, AlwaysOnTopToggles) {
    ASSERT_FALSE(Topmost());
    PressKey(VK_F11);
    EXPECT_TRUE(Topmost());
    EXPECT_TRUE(MenuChecked(IDM_ALWAYS_ON_TOP));
    Command(IDM_ALWAYS_ON_TOP);
    EXPECT_FALSE(Topmost());
    EXPECT_FALSE(MenuChecked(IDM_ALWAYS_ON_TOP));
}

BOOL CALLBACK CollectOwnedTooltips(HWND window, LPARAM data) {
    auto* found = reinterpret_cast<std::pair<HWND, std::vector<HWND>>*>(data);
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (GetWindow(window, GW_OWNER) == found->first && lstrcmpiA(className, TOOLTIPS_CLASSA) == 0) {
        found->second.push_back(window);
    }
    return TRUE;
}

bool IsTopmost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// Whether `upper` comes before `lower` in the z-order of their siblings.
bool Above(HWND upper, HWND lower) {
    for (HWND next = GetWindow(upper, GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT)) {
        if (next == lower) return true;
    }
    return false;
}

// The window owns topmost tooltips and the Task History dialog; it becomes
// topmost all the same, every time, with them topmost above it, and they
// leave the topmost windows with it.
TEST_F(ViewCommands, TopmostWindowKeepsWhatItOwnsAbove) {
    std::pair<HWND, std::vector<HWND>> tooltips{Main(), {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectOwnedTooltips, reinterpret_cast<LPARAM>(&tooltips));
    ASSERT_FALSE(tooltips.second.empty());
    for (HWND tooltip : tooltips.second) ASSERT_TRUE(IsTopmost(tooltip));
    std::vector<HWND> owned = tooltips.second;
    owned.push_back(HistoryDialog());
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        PressKey(VK_F11);
        EXPECT_TRUE(Topmost());
        for (HWND window : owned) {
            EXPECT_TRUE(IsTopmost(window));
            EXPECT_TRUE(Above(window, Main()));
            EXPECT_EQ(GetWindow(window, GW_OWNER), Main());
        }
        EXPECT_EQ(Tooltip(IDC_KEY_POWER), "Power (x^y)");
        PressKey(VK_F11);
        EXPECT_FALSE(Topmost());
        EXPECT_FALSE(IsTopmost(HistoryDialog()));
        for (HWND window : owned) EXPECT_TRUE(Above(window, Main()));
    }
}

// Reset clears the flags but leaves the window as it is.
TEST_F(ViewCommands, ResetLeavesATopmostWindowTopmost) {
    PressKey(VK_F11);
    Command(IDM_DISPLAY_ONLY);
    Command(IDM_TASK_NUMBERING);
    Command(IDM_RESET_SETTINGS);
    EXPECT_TRUE(Topmost());
    EXPECT_EQ(WindowRect(Main()).bottom - WindowRect(Main()).top, 205 + CaptionHeight());
    for (int id : {IDM_ALWAYS_ON_TOP, IDM_DISPLAY_ONLY, IDM_TASK_NUMBERING, IDM_VIEW_HISTORY}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(MenuChecked(id));
    }
    // The next F11 only sets the flag again; the one after takes it out.
    PressKey(VK_F11);
    EXPECT_TRUE(Topmost());
    EXPECT_TRUE(MenuChecked(IDM_ALWAYS_ON_TOP));
    PressKey(VK_F11);
    EXPECT_FALSE(Topmost());
    EXPECT_FALSE(MenuChecked(IDM_ALWAYS_ON_TOP));
    // With its flag cleared, Show Display Only shrinks the shrunk window again.
    Command(IDM_DISPLAY_ONLY);
    EXPECT_EQ(WindowRect(Main()).bottom - WindowRect(Main()).top, 205 + CaptionHeight());
    Enter("2+2");
    EXPECT_EQ(Entries(), "\r\n2+2 = 4\r\n");
}

TEST_F(ViewCommands, HistoryBesideTheMainWindow) {
    const int screen = GetSystemMetrics(SM_CXSCREEN);
    const int gap = PlatformMajorVersion() >= 6 ? 10 : 0;
    struct Row {
        int left;  // of the main window
        bool onTheRight;
        const char* how;
    };
    const Row rows[] = {
        {100, true, "F9"},
        // Exactly 288 pixels left on the right is still enough.
        {screen - 288 - 288, true, "menu"},
        // 287 pixels are not: the history goes on the left.
        {screen - 287 - 288, false, "toolbar"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.left);
        SetWindowPos(Main(), nullptr, row.left, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        std::string how = row.how;
        for (int press = 0; press < 2; ++press) {
            if (how == "F9") PressKey(VK_F9);
            if (how == "menu") Command(IDM_VIEW_HISTORY);
            if (how == "toolbar") ClickToolbar(IDM_VIEW_HISTORY);
            if (press == 1) break;
            ASSERT_TRUE(IsWindowVisible(HistoryDialog()));
            EXPECT_TRUE(MenuChecked(IDM_VIEW_HISTORY));
            RECT main = WindowRect(Main());
            RECT history = WindowRect(HistoryDialog());
            EXPECT_EQ(history.left, row.onTheRight ? main.right + gap : main.left - gap - 288);
            EXPECT_EQ(history.top, main.top);
            EXPECT_EQ(history.right - history.left, 288);
            EXPECT_EQ(history.bottom - history.top, 439 + CaptionHeight());
            EXPECT_EQ(GetFocus(), Input());
        }
        // The same command hides it again.
        EXPECT_FALSE(IsWindowVisible(HistoryDialog()));
        EXPECT_FALSE(MenuChecked(IDM_VIEW_HISTORY));
    }
}

// View History looks at the dialog itself, not at the flag that Reset clears.
TEST_F(ViewCommands, ViewHistoryAfterResetHidesTheShownDialog) {
    Command(IDM_VIEW_HISTORY);
    Command(IDM_RESET_SETTINGS);
    ASSERT_TRUE(IsWindowVisible(HistoryDialog()));
    EXPECT_FALSE(MenuChecked(IDM_VIEW_HISTORY));
    Command(IDM_VIEW_HISTORY);
    EXPECT_FALSE(IsWindowVisible(HistoryDialog()));
}

TEST_F(ViewCommands, TaskNumberingToggles) {
    Enter("1+1");
    Command(IDM_TASK_NUMBERING);
    EXPECT_TRUE(MenuChecked(IDM_TASK_NUMBERING));
    Enter("2+2");
    Command(IDM_TASK_NUMBERING);
    EXPECT_FALSE(MenuChecked(IDM_TASK_NUMBERING));
    Enter("3+3");
    EXPECT_EQ(Entries(), "\r\n1+1 = 2\r\n\r\n1. \t2+2 = 4\r\n\r\n3+3 = 6\r\n");
}

TEST_F(HelpCommands, OnlineHelpReportsOne) {
    // Under test the configured page is looked for beside the test program,
    // where there is none: the shell's failure is ignored, without a message.
    ModalCloser closer("Zentrabel");
    EXPECT_EQ(Command(IDM_ONLINE_HELP), 1);
    EXPECT_EQ(Command(IDM_TASK_NUMBERING), 0);
    EXPECT_TRUE(IsWindow(Main()));
}

TEST_F(HelpCommands, HelpPageShipsBesideTheProgram) {
    std::string program = ProgramPath();
    std::string folder = program.substr(0, program.find_last_of("\\") + 1);
    DWORD attributes = GetFileAttributesA((folder + "help.html").c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << folder;
    EXPECT_EQ(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

// The toolbar's Print button reaches the print command: a history too short
// to print answers with its box before any print dialog.
TEST_F(FileCommands, PrintButtonOnTheToolbar) {
    ModalCloser closer("Print History");
    ClickToolbar(IDM_PRINT);
    EXPECT_TRUE(closer.Closed());
    EXPECT_EQ(closer.Text(), "No data available to print!");
}

TEST_F(HelpCommands, AboutRunsModally) {
    ModalCloser closer("About Zentrabel");
    PressKey(VK_F1, false, true);
    EXPECT_TRUE(closer.Closed());
}

}  // namespace
}  // namespace command_tests
