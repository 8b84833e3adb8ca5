// The main window's face: window, controls, keypad, fonts, toolbar, tooltips.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "gui_support.h"
#include "resource_ids.h"

namespace {

using Layout = MainWindowTest;

// The display panel: the one static without an id.
HWND DisplayPanel(HWND main) {
    HWND panel = nullptr;
    for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == -1 || GetDlgCtrlID(child) == 0xFFFF) panel = child;
    }
    return panel;
}

HWND FindToolbar(HWND main) {
    for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (lstrcmpiA(ClassNameOf(child).c_str(), TOOLBARCLASSNAMEA) == 0) return child;
    }
    return nullptr;
}

// A rectangle in the coordinates of a child's parent.
RECT RectOf(const Placement& place) { return RECT{place.x, place.y, place.x + place.width, place.y + place.height}; }

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::string Show(const RECT& rect) {
    return (testing::Message() << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom
                               << "}")
        .GetString();
}

TEST_F(Layout, MainWindowIsCentredWithFixedSizeAndHoldsItsControls) {
    RECT rect{};
    GetWindowRect(Main(), &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    EXPECT_EQ(rect.left, GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2);
    EXPECT_EQ(rect.top, GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2);

    LONG style = GetWindowLongA(Main(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX), WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    EXPECT_NE(GetWindowLongA(Main(), GWL_EXSTYLE) & WS_EX_STATICEDGE, 0);
    EXPECT_NE(GetMenu(Main()), nullptr);

    // Nothing shown is cut off by the window's edge; of the toolbar, whose
    // window may reach past it, its buttons.
    RECT client{};
    GetClientRect(Main(), &client);
    for (HWND child = GetWindow(Main(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        SCOPED_TRACE(testing::Message() << GetDlgCtrlID(child) << " " << ClassNameOf(child));
        RECT shown = RectOf(PlacementOf(child));
        if (child == FindToolbar(Main())) {
            RECT last{};
            const LRESULT count = SendMessageA(child, TB_BUTTONCOUNT, 0, 0);
            ASSERT_TRUE(SendMessageA(child, TB_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&last)));
            shown.right = shown.left + last.right;
        }
        EXPECT_TRUE(Inside(shown, client)) << Show(shown) << " in " << Show(client);
    }
}

TEST_F(Layout, ControlsAndTheirTexts) {
    struct Row {
        int id;
        const char* className;
        const char* text;
        bool visible;
    };
    const Row rows[] = {
        {IDC_EQUALS, "Button", "=", true},         {IDC_MEMORY_INDICATOR, "Static", "MEM", true},
        {IDC_MODE_AUTO, "Static", "AUTO", true},   {IDC_MODE_SCI, "Static", "SCI", true},
        {IDC_MODE_FIX, "Static", "FIX", true},     {IDC_ANGLE_RAD, "Static", "RAD", true},
        {IDC_ANGLE_DEG, "Static", "DEG", true},    {IDC_ANGLE_GRAD, "Static", "GRAD", true},
        {IDC_PREVIOUS_TASK, "Static", "", true},   {IDC_CURRENT_TASK, "Static", "", true},
        {IDC_PREVIOUS_ANSWER, "Static", "", true}, {IDC_CURRENT_ANSWER, "Static", "", true},
        {IDC_X1_LABEL, "Static", "x1 =", false},   {IDC_X2_LABEL, "Static", "x2 =", false},
        {IDC_COPY_BUFFER, "Edit", "", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        HWND control = Control(row.id);
        ASSERT_NE(control, nullptr);
        EXPECT_STRCASEEQ(ClassNameOf(control).c_str(), row.className);
        EXPECT_EQ(WindowText(control), row.text);
        EXPECT_EQ(IsWindowVisible(control) != FALSE, row.visible);
    }
}

// The display reads from top to bottom: the indicators in one row, then the
// previous task and its answer, then the current ones, each line inside the
// panel; a root label stands at the start of its answer line.
TEST_F(Layout, DisplayLinesInReadingOrder) {
    HWND panel = DisplayPanel(Main());
    ASSERT_NE(panel, nullptr);
    const RECT display = RectOf(PlacementOf(panel));

    const int indicators[] = {IDC_MODE_AUTO, IDC_MODE_SCI,  IDC_MODE_FIX,  IDC_MEMORY_INDICATOR,
                              IDC_ANGLE_RAD, IDC_ANGLE_DEG, IDC_ANGLE_GRAD};
    RECT previous{};
    for (int id : indicators) {
        SCOPED_TRACE(id);
        const RECT rect = RectOf(PlacementOf(Control(id)));
        EXPECT_TRUE(Inside(rect, display)) << Show(rect);
        if (id != indicators[0]) {
            EXPECT_EQ(rect.top, previous.top);
            EXPECT_EQ(rect.bottom, previous.bottom);
            EXPECT_GE(rect.left, previous.right);  // left to right, apart
        }
        previous = rect;
    }
    const int lines[] = {IDC_PREVIOUS_TASK, IDC_PREVIOUS_ANSWER, IDC_CURRENT_TASK, IDC_CURRENT_ANSWER};
    int above = previous.bottom;
    for (int id : lines) {
        SCOPED_TRACE(id);
        const RECT rect = RectOf(PlacementOf(Control(id)));
        EXPECT_TRUE(Inside(rect, display)) << Show(rect);
        EXPECT_GE(rect.top, above);
        EXPECT_GT(rect.right - rect.left, (display.right - display.left) * 3 / 4);  // most of the width
        above = rect.bottom;
    }
    const struct {
        int label, answer;
    } roots[] = {{IDC_X1_LABEL, IDC_PREVIOUS_ANSWER}, {IDC_X2_LABEL, IDC_CURRENT_ANSWER}};
    for (const auto& root : roots) {
        SCOPED_TRACE(root.label);
        const RECT label = RectOf(PlacementOf(Control(root.label)));
        const RECT answer = RectOf(PlacementOf(Control(root.answer)));
        EXPECT_LT(label.top, answer.bottom);
        EXPECT_GT(label.bottom, answer.top);
        EXPECT_GE(label.left, answer.left);
        EXPECT_LT(label.right, answer.right);
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
    HWND panel = DisplayPanel(Main());
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(PlacementOf(panel).x, 0);
    EXPECT_EQ(PlacementOf(panel).y, 0);
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
    // The list is the display's last line, under the current answer.
    const RECT list = RectOf(PlacementOf(PastTasks()));
    EXPECT_TRUE(Inside(list, RectOf(PlacementOf(DisplayPanel(Main()))))) << Show(list);
    EXPECT_GE(list.top, RectOf(PlacementOf(Control(IDC_CURRENT_ANSWER))).bottom);
    // Created 222 pixels high, so its list drops well below the field (how the
    // platform splits that height between field and list is its own).
    RECT field{}, dropped{};
    GetWindowRect(PastTasks(), &field);
    SendMessageA(PastTasks(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_GE(dropped.bottom - field.bottom, 150);
    EXPECT_EQ(GetWindowLongA(PastTasks(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);

    ASSERT_NE(Input(), nullptr);
    EXPECT_EQ(GetParent(Input()), PastTasks());
    RECT inner{};
    GetClientRect(PastTasks(), &inner);
    EXPECT_TRUE(Inside(RectOf(PlacementOf(Input())), inner)) << Show(RectOf(PlacementOf(Input())));
    EXPECT_NE(GetWindowLongA(Input(), GWL_STYLE) & ES_AUTOHSCROLL, 0);
    EXPECT_EQ(GetFocus(), Input());
}

TEST_F(Layout, KeypadLabelsAndCells) {
    const char* const labels[36] = {
        "a...", "sin", "cos", "tan", "cot", "pi", "ln", "log", "(", ")", "(...)", "1/...",
        "C",    "7",   "8",   "9",   "^",   "_",  "MS", "4",   "5", "6", "*",     "/",
        "MR",   "1",   "2",   "3",   "+",   "-",  "M+", "0",   ".", "E", "=",     "",
    };
    // Six rows of six cells, below the toolbar: the cells of a row share top
    // and height, those of a column left and width; rows and columns follow
    // each other in order, neighbours sharing at most their border line; the
    // two rows of function keys are lower than the rows of digits.
    RECT toolbar{};
    GetWindowRect(FindToolbar(Main()), &toolbar);
    MapWindowPoints(nullptr, Main(), reinterpret_cast<POINT*>(&toolbar), 2);
    RECT cells[36];
    for (int k = 0; k < 36; ++k) {
        SCOPED_TRACE(k);
        HWND key = Control(IDC_KEY_FIRST + k);
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(WindowText(key), labels[k]);
        cells[k] = RectOf(PlacementOf(key));
        const int row = k / 6, column = k % 6;
        const RECT& cell = cells[k];
        if (column > 0) {
            const RECT& left = cells[k - 1];
            EXPECT_EQ(cell.top, left.top);
            EXPECT_EQ(cell.bottom, left.bottom);
            EXPECT_GE(cell.left, left.right - 1);
            EXPECT_EQ(cell.left - left.left, cells[1].left - cells[0].left);  // one pitch
        }
        if (row > 0) {
            const RECT& up = cells[k - 6];
            EXPECT_EQ(cell.left, up.left);
            EXPECT_EQ(cell.right, up.right);
            EXPECT_GE(cell.top, up.bottom - 1);
        } else {
            EXPECT_GE(cell.top, toolbar.bottom);
        }
        // The "=" key covers the last two cells.
        EXPECT_EQ(IsWindowVisible(key) != FALSE, k < 34);
    }
    EXPECT_LT(cells[6].bottom - cells[6].top, cells[12].bottom - cells[12].top);
    EXPECT_EQ(RectOf(PlacementOf(Control(IDC_EQUALS))).left, cells[34].left);
    EXPECT_EQ(RectOf(PlacementOf(Control(IDC_EQUALS))).top, cells[34].top);
    EXPECT_EQ(RectOf(PlacementOf(Control(IDC_EQUALS))).right, cells[35].right);
    EXPECT_EQ(RectOf(PlacementOf(Control(IDC_EQUALS))).bottom, cells[35].bottom);
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
        {IDC_KEY_POWER, "Power (x^y)"},
        {IDC_KEY_ROOT, "Root (y_x)"},
        {IDC_KEY_INVERSE, "Inverse function"},
        {IDC_KEY_ENCLOSE, "Enclose expression"},
        {IDC_KEY_RECIPROCAL, "Reciprocal"},
        {IDC_KEY_MEMORY_STORE, "Memory store"},
        {IDC_KEY_MEMORY_RECALL, "Memory recall"},
        {IDC_KEY_EXPONENT, "Exponent"},
        {IDC_MEMORY_INDICATOR, "Memory"},
        {IDC_PREVIOUS_TASK, ""},
        {IDC_CURRENT_TASK, ""},
        {IDC_KEY_7, "(no tooltip)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        EXPECT_EQ(Tooltip(row.id), row.text);
    }
}

TEST_F(Layout, ToolbarButtonsAndTips) {
    HWND toolbar = FindToolbar(Main());
    ASSERT_NE(toolbar, nullptr);
    // Under the display, above the keypad.
    EXPECT_GE(PlacementOf(toolbar).y, RectOf(PlacementOf(DisplayPanel(Main()))).bottom);
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
