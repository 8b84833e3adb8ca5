// The Task History dialog: banner, showing beside the main window, its
// buttons and close box, the caret, the link; and the About dialog.
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "app.h"
#include "gui_support.h"
#include "resource_ids.h"

namespace {

using TaskHistory = MainWindowTest;

TEST_F(TaskHistory, StartsHiddenWithTheBanner) {
    EXPECT_FALSE(IsWindowVisible(HistoryDialog()));
    EXPECT_EQ(WindowText(HistoryDialog()), "Task History");
    EXPECT_EQ(GetWindow(HistoryDialog(), GW_OWNER), Main());
    const std::regex banner(
        "\r\n\t== Zentrabel ==\r\n\t(January|February|March|April|May|June|July|August|September|October|November|"
        "December) [0-3][0-9], [0-9]{4}  [0-2][0-9]:[0-5][0-9]:[0-6][0-9]\r\n\r\n");
    EXPECT_TRUE(std::regex_match(History(), banner)) << History();
    DWORD start = 0, end = 0;
    SendMessageA(HistoryEdit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, History().size());
    EXPECT_EQ(end, History().size());
    // The text limit is lifted: far more than the default 30,000 characters fit.
    EXPECT_GT(SendMessageA(HistoryEdit(), EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
}

TEST_F(TaskHistory, ControlsOfTheTemplate) {
    struct Row {
        int id;
        const char* text;
    };
    const Row rows[] = {
        {IDC_HISTORY_SAVE, "&Save"}, {IDC_HISTORY_PRINT, "&Print"}, {IDC_HISTORY_COPY, "&Copy"},
        {IDC_HISTORY_HIDE, "&Hide"}, {IDC_HISTORY_TEXT, nullptr},   {IDC_WEB_LINK, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        HWND control = GetDlgItem(HistoryDialog(), row.id);
        ASSERT_NE(control, nullptr);
        if (row.text) {
            EXPECT_EQ(WindowText(control), row.text);
        }
    }
    LONG style = GetWindowLongA(HistoryEdit(), GWL_STYLE);
    for (LONG bit : {LONG(ES_MULTILINE), LONG(ES_READONLY), LONG(WS_VSCROLL)}) {
        EXPECT_NE(style & bit, 0) << bit;
    }
    // The dialog manager draws a border as a sunken client edge.
    EXPECT_TRUE((style & WS_BORDER) || (GetWindowLongA(HistoryEdit(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
    EXPECT_EQ(WindowText(GetDlgItem(HistoryDialog(), IDC_WEB_LINK)).rfind("https://", 0), 0u);
}

TEST_F(TaskHistory, ShownBesideTheMainWindow) {
    const int screen = GetSystemMetrics(SM_CXSCREEN);
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    struct Row {
        const char* name;
        int mainLeft;
        bool onTheRight;
    };
    const Row rows[] = {
        {"room on the right", 100, true},
        // Exactly 288 pixels left on the right is still enough.
        {"288 pixels left", screen - 288 - 288, true},
        {"287 pixels left", screen - 287 - 288, false},
        {"at the right edge", screen - 300, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SetWindowPos(Main(), nullptr, row.mainLeft, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        RECT main{};
        GetWindowRect(Main(), &main);
        Command(IDM_VIEW_HISTORY);
        ASSERT_TRUE(IsWindowVisible(HistoryDialog()));
        EXPECT_EQ(App().bHistoryVisible, 1);
        RECT dialog{};
        GetWindowRect(HistoryDialog(), &dialog);
        // The platform reports version 6 or more, so the gap is 10 pixels.
        EXPECT_EQ(dialog.left, row.onTheRight ? main.right + 10 : main.left - 10 - 288);
        EXPECT_EQ(dialog.top, main.top);
        EXPECT_EQ(dialog.right - dialog.left, 288);
        EXPECT_EQ(dialog.bottom - dialog.top, 439 + caption);
        EXPECT_EQ(GetFocus(), Input());

        // The same command hides it again.
        Command(IDM_VIEW_HISTORY);
        EXPECT_FALSE(IsWindowVisible(HistoryDialog()));
        EXPECT_EQ(App().bHistoryVisible, 0);
    }
}

TEST_F(TaskHistory, HideButtonAndCloseBoxClearTheFlag) {
    Enter("2+3");
    const std::string text = History();
    struct Row {
        const char* name;
        void (*close)(HWND dialog);
    };
    const Row rows[] = {
        {"Hide", [](HWND dialog) { SendMessageA(GetDlgItem(dialog, IDC_HISTORY_HIDE), BM_CLICK, 0, 0); }},
        {"close box", [](HWND dialog) { SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Command(IDM_VIEW_HISTORY);
        ASSERT_EQ(App().bHistoryVisible, 1);
        row.close(HistoryDialog());
        Pump();
        EXPECT_FALSE(IsWindowVisible(HistoryDialog()));
        EXPECT_EQ(App().bHistoryVisible, 0);
        // The dialog lives on with its text.
        ASSERT_TRUE(IsWindow(HistoryDialog()));
        EXPECT_EQ(History(), text);
    }
}

std::vector<int> gCommands;
WNDPROC gMainProc = nullptr;

LRESULT CALLBACK RecordCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        const int id = LOWORD(wParam);
        gCommands.push_back(id);
        // Only the forwarding is under test here: the commands themselves open
        // modal dialogs, which the history file tests drive.
        if (id == IDM_SAVE_AS || id == IDM_PRINT || id == IDM_COPY_HISTORY) return 0;
    }
    return CallWindowProcA(gMainProc, window, message, wParam, lParam);
}

TEST_F(TaskHistory, ButtonsForwardTheirCommandsToTheMainWindow) {
    gCommands.clear();
    gMainProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(Main(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordCommands)));
    Command(IDM_VIEW_HISTORY);
    gCommands.clear();
    for (int id : {IDC_HISTORY_SAVE, IDC_HISTORY_PRINT, IDC_HISTORY_COPY}) {
        Click(GetDlgItem(HistoryDialog(), id));
    }
    Pump();
    SetWindowLongPtrA(Main(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gMainProc));
    EXPECT_EQ(gCommands, (std::vector<int>{IDM_SAVE_AS, IDM_PRINT, IDM_COPY_HISTORY}));
    EXPECT_TRUE(IsWindowVisible(HistoryDialog()));
}

TEST_F(TaskHistory, CaretReturnsToTheEndWhenInactive) {
    Enter("2+3");
    Command(IDM_VIEW_HISTORY);
    SetActiveWindow(HistoryDialog());
    Pump();
    ASSERT_EQ(GetActiveWindow(), HistoryDialog());
    SendMessageA(HistoryEdit(), EM_SETSEL, 0, 4);
    SetActiveWindow(Main());
    Pump();
    ASSERT_EQ(GetActiveWindow(), Main());
    DWORD start = 0, end = 0;
    SendMessageA(HistoryEdit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, History().size());
    EXPECT_EQ(end, History().size());
    // So the next entry goes to the end.
    Enter("4*5");
    EXPECT_EQ(Entries(), "\r\n2+3 = 5\r\n\r\n4*5 = 20\r\n");
}

// Entries added while the history is shown scroll it so that the newest
// entry is in view.
TEST_F(TaskHistory, NewestEntryStaysInView) {
    Command(IDM_VIEW_HISTORY);
    SetActiveWindow(Main());
    Pump();
    for (int i = 0; i < 60; ++i) Enter(std::to_string(i) + "+1");
    Pump();
    RECT area{};
    SendMessageA(HistoryEdit(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    const LRESULT lines = SendMessageA(HistoryEdit(), EM_GETLINECOUNT, 0, 0);
    const LRESULT first = SendMessageA(HistoryEdit(), EM_GETFIRSTVISIBLELINE, 0, 0);
    // The last line ("59+1 = 60", then the empty line after its line end)
    // lies inside the edit's formatting rectangle.
    const LRESULT lastEntry = SendMessageA(HistoryEdit(), EM_LINEINDEX, lines - 2, 0);
    const LRESULT where = SendMessageA(HistoryEdit(), EM_POSFROMCHAR, lastEntry, 0);
    EXPECT_GT(first, 0);
    EXPECT_LT(static_cast<short>(HIWORD(where)), area.bottom);
    EXPECT_GE(static_cast<short>(HIWORD(where)), area.top);
}

TEST_F(TaskHistory, KeysGoToTheDialogWhileItIsActive) {
    Command(IDM_VIEW_HISTORY);
    SetActiveWindow(HistoryDialog());
    SetFocus(HistoryEdit());
    Type("2+3");
    PostMessageA(HistoryEdit(), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    Pump();
    // Enter did not reach the main window's accelerators.
    EXPECT_EQ(InputText(), "2+3");
    EXPECT_EQ(Entries(), "");
}

TEST_F(TaskHistory, LinkShowsTheHandCursor) {
    HWND link = GetDlgItem(HistoryDialog(), IDC_WEB_LINK);
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
}

// Runs `act` on a helper thread once a window with this title belongs to the
// GUI thread, while the GUI thread runs a modal loop started by `command`.
void WhileModal(HWND main, int command, const char* title, void (*act)(HWND dialog, std::string& seen),
                std::string& seen) {
    DWORD gui = GetCurrentThreadId();
    std::thread helper([&] {
        HWND dialog = nullptr;
        for (int i = 0; i < 500 && !dialog; ++i) {
            dialog = FindThreadWindow(gui, "#32770", title);
            if (!dialog) Sleep(10);
        }
        if (dialog) act(dialog, seen);
    });
    PostMessageA(main, WM_COMMAND, command, 0);
    Pump();
    helper.join();
}

TEST_F(TaskHistory, AboutDialogOpensAndCloses) {
    struct Row {
        const char* name;
        void (*act)(HWND dialog, std::string& seen);
    };
    const Row rows[] = {
        {"Close button",
         [](HWND dialog, std::string& seen) {
             seen = WindowText(GetDlgItem(dialog, IDOK)) + "|";
             for (const std::string& text : ChildTexts(dialog, "Static")) seen += text + "|";
             SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
         }},
        {"close box",
         [](HWND dialog, std::string& seen) {
             seen = WindowText(GetDlgItem(dialog, IDOK)) + "|";
             SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string seen;
        WhileModal(Main(), IDM_ABOUT, "About Zentrabel", row.act, seen);
        EXPECT_EQ(seen.substr(0, 7), "&Close|");
        EXPECT_EQ(FindThreadWindow(GetCurrentThreadId(), "#32770", "About Zentrabel"), nullptr);
        if (&row == &rows[0]) {
            EXPECT_NE(seen.find("|Zentrabel|"), std::string::npos) << seen;
            // The version line shows the project's version and nothing else.
            EXPECT_NE(seen.find("|Version: " ZBL_PROJECT_VERSION "|"), std::string::npos) << seen;
        }
    }
}

}  // namespace
