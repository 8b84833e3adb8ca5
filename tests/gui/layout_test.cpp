// The main window's face: window, controls, keypad, fonts, toolbar, tooltips.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "gui_support.h"
#include "resource_ids.h"

namespace {

using Layout = MainWindowTest;

TEST_F(Layout, MainWindowIsCentredWithFixedSize) {
    int caption = GetSystemMetrics(SM_CYCAPTION);
    RECT rect{};
    GetWindowRect(Main(), &rect);
    EXPECT_EQ(rect.right - rect.left, 288);
    EXPECT_EQ(rect.bottom - rect.top, 439 + caption);
    int height = 439 + caption;
    EXPECT_EQ(rect.left, GetSystemMetrics(SM_CXSCREEN) / 2 - 144);
    EXPECT_EQ(rect.top, GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2);

    LONG style = GetWindowLongA(Main(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX), WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    EXPECT_NE(GetWindowLongA(Main(), GWL_EXSTYLE) & WS_EX_STATICEDGE, 0);
    EXPECT_NE(GetMenu(Main()), nullptr);
}

TEST_F(Layout, ControlsInTheirPlaces) {
    struct Row {
        int id;
        const char* className;
        const char* text;
        Placement place;
        bool visible;
    };
    const Row rows[] = {
        {IDC_EQUALS, "Button", "=", {186, 365, 91, 42}, true},
        {IDC_MEMORY_INDICATOR, "Static", "MEM", {126, 10, 25, 18}, true},
        {IDC_MODE_AUTO, "Static", "AUTO", {12, 10, 25, 18}, true},
        {IDC_MODE_SCI, "Static", "SCI", {41, 10, 25, 18}, true},
        {IDC_MODE_FIX, "Static", "FIX", {70, 10, 25, 18}, true},
        {IDC_ANGLE_RAD, "Static", "RAD", {186, 10, 25, 18}, true},
        {IDC_ANGLE_DEG, "Static", "DEG", {215, 10, 25, 18}, true},
        {IDC_ANGLE_GRAD, "Static", "GRAD", {244, 10, 25, 18}, true},
        {IDC_PREVIOUS_TASK, "Static", "", {14, 32, 259, 18}, true},
        {IDC_CURRENT_TASK, "Static", "", {14, 75, 259, 18}, true},
        {IDC_PREVIOUS_ANSWER, "Static", "", {40, 51, 228, 20}, true},
        {IDC_CURRENT_ANSWER, "Static", "", {40, 94, 228, 20}, true},
        {IDC_X1_LABEL, "Static", "x1 =", {94, 52, 30, 20}, false},
        {IDC_X2_LABEL, "Static", "x2 =", {94, 94, 30, 20}, false},
        {IDC_COPY_BUFFER, "Edit", "", {5, 5, 131, 18}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        HWND control = Control(row.id);
        ASSERT_NE(control, nullptr);
        char className[32];
        GetClassNameA(control, className, sizeof className);
        EXPECT_STRCASEEQ(className, row.className);
        EXPECT_EQ(WindowText(control), row.text);
        EXPECT_EQ(PlacementOf(control), row.place);
        EXPECT_EQ(IsWindowVisible(control) != FALSE, row.visible);
    }
}

// The style bits the layout names: alignment, ellipsis, click reports,
// transparency and scroll bars. Each row checks only the bits in its mask.
TEST_F(Layout, ControlStyles) {
    constexpr DWORD kAlign = SS_TYPEMASK | SS_ENDELLIPSIS | SS_NOTIFY;
    struct Row {
        int id;
        DWORD mask, style;
        bool transparent;
    };
    const Row rows[] = {
        {IDC_MEMORY_INDICATOR, kAlign, SS_CENTER | SS_NOTIFY, true},
        {IDC_MODE_AUTO, kAlign, SS_CENTER | SS_NOTIFY, true},
        {IDC_ANGLE_GRAD, kAlign, SS_CENTER | SS_NOTIFY, true},
        {IDC_PREVIOUS_TASK, kAlign, SS_LEFT | SS_ENDELLIPSIS | SS_NOTIFY, true},
        {IDC_CURRENT_TASK, kAlign, SS_LEFT | SS_ENDELLIPSIS | SS_NOTIFY, true},
        {IDC_PREVIOUS_ANSWER, kAlign, SS_RIGHT | SS_NOTIFY, true},
        {IDC_CURRENT_ANSWER, kAlign, SS_RIGHT | SS_NOTIFY, true},
        {IDC_X1_LABEL, SS_TYPEMASK, SS_LEFT, true},
        {IDC_COPY_BUFFER, ES_AUTOHSCROLL | ES_MULTILINE, ES_AUTOHSCROLL, true},
        // The list hands its scroll bar style on to its drop-down part.
        {IDC_PAST_TASKS, CBS_DROPDOWNLIST, CBS_DROPDOWNLIST, false},
        {IDC_EQUALS, BS_TYPEMASK, BS_PUSHBUTTON, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        const DWORD style = static_cast<DWORD>(GetWindowLongA(Control(row.id), GWL_STYLE));
        const DWORD extended = static_cast<DWORD>(GetWindowLongA(Control(row.id), GWL_EXSTYLE));
        EXPECT_EQ(style & row.mask, row.style);
        EXPECT_EQ((extended & WS_EX_TRANSPARENT) != 0, row.transparent);
    }
    const DWORD inputStyle = static_cast<DWORD>(GetWindowLongA(Input(), GWL_STYLE));
    EXPECT_EQ(inputStyle & (ES_AUTOHSCROLL | ES_MULTILINE), static_cast<DWORD>(ES_AUTOHSCROLL));
    EXPECT_NE(GetWindowLongA(Input(), GWL_EXSTYLE) & WS_EX_TRANSPARENT, 0);

    // The display panel: the one static without an id, sunken, framed and
    // disabled so that it takes no clicks.
    HWND panel = nullptr;
    for (HWND child = GetWindow(Main(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == -1 || GetDlgCtrlID(child) == 0xFFFF) panel = child;
    }
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(PlacementOf(panel), (Placement{0, 0, 283, 150}));
    EXPECT_NE(GetWindowLongA(panel, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_NE(GetWindowLongA(panel, GWL_STYLE) & WS_THICKFRAME, 0);
    EXPECT_FALSE(IsWindowEnabled(panel));
    EXPECT_EQ(GetWindowLongA(panel, GWL_EXSTYLE) & WS_EX_TRANSPARENT, 0);
}

// Colour requests of statics and edits: the light grey background brush and
// a transparent text background.
TEST_F(Layout, ColourRequestsGiveTheBackgroundBrush) {
    struct Row {
        UINT message;
        HWND control;
    };
    const Row rows[] = {
        {WM_CTLCOLORSTATIC, Control(IDC_CURRENT_ANSWER)},
        {WM_CTLCOLORSTATIC, Control(IDC_MODE_SCI)},
        {WM_CTLCOLORSTATIC, Control(IDC_X1_LABEL)},
        {WM_CTLCOLOREDIT, Control(IDC_COPY_BUFFER)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(GetDlgCtrlID(row.control));
        HDC dc = CreateCompatibleDC(nullptr);
        SetBkMode(dc, OPAQUE);
        auto brush = reinterpret_cast<HBRUSH>(
            SendMessageA(Main(), row.message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(row.control)));
        EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
        DeleteDC(dc);
        LOGBRUSH described{};
        ASSERT_EQ(GetObjectA(brush, sizeof described, &described), static_cast<int>(sizeof described));
        EXPECT_EQ(described.lbStyle, static_cast<UINT>(BS_SOLID));
        EXPECT_EQ(described.lbColor, RGB(232, 232, 232));
    }
}

TEST_F(Layout, InputLineSitsInsideThePastTasksList) {
    EXPECT_EQ(PlacementOf(PastTasks()).x, 7);
    EXPECT_EQ(PlacementOf(PastTasks()).y, 120);
    EXPECT_EQ(PlacementOf(PastTasks()).width, 270);
    // Created 222 pixels high, so its list drops well below the field (how the
    // platform splits that height between field and list is its own).
    RECT field{}, dropped{};
    GetWindowRect(PastTasks(), &field);
    SendMessageA(PastTasks(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_GE(dropped.bottom - field.bottom, 150);
    EXPECT_EQ(GetWindowLongA(PastTasks(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);

    ASSERT_NE(Input(), nullptr);
    EXPECT_EQ(GetParent(Input()), PastTasks());
    EXPECT_EQ(PlacementOf(Input()), (Placement{3, 3, 248, 18}));
    EXPECT_NE(GetWindowLongA(Input(), GWL_STYLE) & ES_AUTOHSCROLL, 0);
    EXPECT_EQ(GetFocus(), Input());
}

TEST_F(Layout, KeypadLabelsAndCells) {
    const char* const labels[36] = {
        "a...", "sin", "cos", "tan", "cot", "pi", "ln", "log", "(", ")", "(...)", "1/...",
        "C",    "7",   "8",   "9",   "^",   "_",  "MS", "4",   "5", "6", "*",     "/",
        "MR",   "1",   "2",   "3",   "+",   "-",  "M+", "0",   ".", "E", "=",     "",
    };
    for (int k = 0; k < 36; ++k) {
        SCOPED_TRACE(k);
        HWND key = Control(IDC_KEY_FIRST + k);
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(WindowText(key), labels[k]);
        int row = k / 6, column = k % 6;
        int top = row < 2 ? 182 + 26 * row : 160 + 41 * row;
        EXPECT_EQ(PlacementOf(key), (Placement{6 + 45 * column, top, 46, row < 2 ? 27 : 42}));
        // The "=" key covers the last two cells.
        EXPECT_EQ(IsWindowVisible(key) != FALSE, k < 34);
    }
    LONG inverse = GetWindowLongA(Control(IDC_KEY_INVERSE), GWL_STYLE);
    EXPECT_EQ(inverse & BS_TYPEMASK, BS_CHECKBOX);
    EXPECT_NE(inverse & BS_PUSHLIKE, 0);
    EXPECT_EQ(GetWindowLongA(Control(IDC_KEY_7), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
}

TEST_F(Layout, Fonts) {
    struct Row {
        int id;
        int height;  // 0: no font of its own
        int weight;
        const char* face;
    };
    const Row rows[] = {
        {IDC_KEY_SIN, 13, FW_NORMAL, "San Serif"},
        {IDC_KEY_RECIPROCAL, 13, FW_NORMAL, "San Serif"},
        // Key "C" is given key font 13, then key font 12.
        {IDC_KEY_CLEAR, 12, FW_NORMAL, "San Serif"},
        {IDC_KEY_MEMORY_STORE, 12, FW_NORMAL, "San Serif"},
        {IDC_KEY_MEMORY_RECALL, 12, FW_NORMAL, "San Serif"},
        {IDC_KEY_MEMORY_ADD, 12, FW_NORMAL, "San Serif"},
        {IDC_KEY_MINUS, 20, FW_NORMAL, "San Serif"},
        {IDC_MEMORY_INDICATOR, 8, FW_NORMAL, "San Serif"},
        {IDC_ANGLE_GRAD, 8, FW_NORMAL, "San Serif"},
        {IDC_PREVIOUS_TASK, 12, FW_NORMAL, "San Serif"},
        {IDC_CURRENT_ANSWER, 15, FW_BOLD, "MS Sans Serif"},
        {IDC_PAST_TASKS, 12, FW_NORMAL, "Arial"},
        {IDC_KEY_INVERSE, 0, 0, nullptr},
        {IDC_KEY_7, 0, 0, nullptr},
        {IDC_KEY_PLUS, 0, 0, nullptr},
        {IDC_EQUALS, 0, 0, nullptr},
        {IDC_X1_LABEL, 0, 0, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        auto font = reinterpret_cast<HFONT>(SendMessageA(Control(row.id), WM_GETFONT, 0, 0));
        if (row.height == 0) {
            EXPECT_EQ(font, nullptr);
            continue;
        }
        ASSERT_NE(font, nullptr);
        LOGFONTA description{};
        ASSERT_TRUE(GetObjectA(font, sizeof description, &description));
        EXPECT_EQ(description.lfHeight, -row.height);
        EXPECT_EQ(description.lfWeight, row.weight);
        EXPECT_STREQ(description.lfFaceName, row.face);
        EXPECT_EQ(description.lfPitchAndFamily & 0xF0, FF_SWISS);
    }
    auto inputFont = reinterpret_cast<HFONT>(SendMessageA(Input(), WM_GETFONT, 0, 0));
    LOGFONTA description{};
    ASSERT_TRUE(GetObjectA(inputFont, sizeof description, &description));
    EXPECT_STREQ(description.lfFaceName, "Arial");
}

TEST_F(Layout, Tooltips) {
    struct Row {
        int id;
        const char* text;
    };
    const Row rows[] = {
        {IDC_KEY_POWER, "Power (x^y)"},        {IDC_KEY_ROOT, "Root (y_x)"},
        {IDC_KEY_INVERSE, "Inverse function"}, {IDC_KEY_ENCLOSE, "Enclose expression"},
        {IDC_KEY_RECIPROCAL, "Reciprocal"},    {IDC_KEY_MEMORY_STORE, "Memory store"},
        {IDC_KEY_MEMORY_RECALL, "Memory recall"}, {IDC_KEY_EXPONENT, "Exponent"},
        {IDC_MEMORY_INDICATOR, "Memory"},      {IDC_PREVIOUS_TASK, ""},
        {IDC_CURRENT_TASK, ""},                {IDC_KEY_7, "(no tooltip)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        EXPECT_EQ(Tooltip(row.id), row.text);
    }
}

HWND FindToolbar(HWND main) {
    for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[64];
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, TOOLBARCLASSNAMEA) == 0) return child;
    }
    return nullptr;
}

TEST_F(Layout, ToolbarButtonsAndTips) {
    HWND toolbar = FindToolbar(Main());
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(PlacementOf(toolbar).x, 14);
    EXPECT_EQ(PlacementOf(toolbar).y, 154);
    EXPECT_TRUE(IsWindowVisible(toolbar));

    struct Row {
        int command;  // 0: separator
        int image;    // index among the standard small images
        const char* tip;
    };
    const Row rows[13] = {
        {IDM_DELETE, STD_DELETE, "Delete (Backspace)"},
        {IDM_UNDO, STD_UNDO, "Undo (CTRL+Z)"},
        {0, 0, nullptr},
        {IDM_CUT, STD_CUT, "Cut (CTRL+X)"},
        {IDM_COPY, STD_COPY, "Copy (CTRL+C)"},
        {IDM_PASTE, STD_PASTE, "Paste (CTRL+V)"},
        {0, 0, nullptr},
        {IDM_SAVE_AS, STD_FILESAVE, "Save history (CTRL+S)"},
        // The Print button has no tooltip text.
        {IDM_PRINT, STD_PRINT, ""},
        {0, 0, nullptr},
        {IDM_VIEW_HISTORY, STD_PRINTPRE, "View history (F9)"},
        {IDM_NUMBER_FORMAT, STD_PROPERTIES, "Number format (F10)"},
        {IDM_DISPLAY_ONLY, STD_REPLACE, "Show display only (F12)"},
    };
    ASSERT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 13);
    for (int i = 0; i < 13; ++i) {
        SCOPED_TRACE(i);
        TBBUTTON button{};
        ASSERT_TRUE(SendMessageA(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button)));
        if (rows[i].command == 0) {
            EXPECT_NE(button.fsStyle & BTNS_SEP, 0);
            continue;
        }
        EXPECT_EQ(button.idCommand, rows[i].command);
        EXPECT_EQ(button.iBitmap, rows[i].image);
        EXPECT_NE(button.fsState & TBSTATE_ENABLED, 0);
        // The tooltip asks the main window for the text, as the toolbar does.
        char empty[80] = "";
        NMTTDISPINFOA info{};
        info.hdr.hwndFrom = toolbar;
        info.hdr.idFrom = static_cast<UINT_PTR>(button.idCommand);
        info.hdr.code = TTN_GETDISPINFOA;
        info.lpszText = empty;
        SendMessageA(Main(), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
        EXPECT_STREQ(info.lpszText, rows[i].tip);
    }
}

}  // namespace
