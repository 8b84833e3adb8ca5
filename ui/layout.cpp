#include "layout.h"

#include <commctrl.h>

#include "app.h"
#include "display_rules.h"
#include "input_keys.h"
#include "resource_ids.h"
#include "startup.h"

namespace {

constexpr int kNoFont = -1;

struct FontRow {
    int height;  // character height in pixels
    int weight;
    const char* face;
};

constexpr FontRow kFonts[kFontSlotCount] = {
    /* kKeyFont13 */ {13, FW_NORMAL, "San Serif"},
    /* kKeyFont12 */ {12, FW_NORMAL, "San Serif"},
    /* kKeyFont20 */ {20, FW_NORMAL, "San Serif"},
    /* kIndicatorFont */ {8, FW_NORMAL, "San Serif"},
    /* kTaskFont */ {12, FW_NORMAL, "San Serif"},
    /* kAnswerFont */ {15, FW_BOLD, "MS Sans Serif"},
    /* kInputFont */ {12, FW_NORMAL, "Arial"},
};

struct KeyRow {
    const char* label;
    int font;
};

// Cell k is control 1000 + k in row k / 6, column k % 6. Keys without a font
// of their own keep the system's control font.
constexpr KeyRow kKeypad[36] = {
    /* row 0 */ {"a...", kNoFont}, {"sin", kKeyFont13}, {"cos", kKeyFont13},
                {"tan", kKeyFont13}, {"cot", kKeyFont13}, {"pi", kKeyFont13},
    /* row 1 */ {"ln", kKeyFont13}, {"log", kKeyFont13}, {"(", kKeyFont13},
                {")", kKeyFont13}, {"(...)", kKeyFont13}, {"1/...", kKeyFont13},
    /* row 2 */ {"C", kKeyFont12}, {"7", kNoFont}, {"8", kNoFont},
                {"9", kNoFont}, {"^", kNoFont}, {"_", kNoFont},
    /* row 3 */ {"MS", kKeyFont12}, {"4", kNoFont}, {"5", kNoFont},
                {"6", kNoFont}, {"*", kNoFont}, {"/", kNoFont},
    /* row 4 */ {"MR", kKeyFont12}, {"1", kNoFont}, {"2", kNoFont},
                {"3", kNoFont}, {"+", kNoFont}, {"-", kKeyFont20},
    /* row 5 */ {"M+", kKeyFont12}, {"0", kNoFont}, {".", kNoFont},
                {"E", kNoFont}, {"=", kNoFont}, {"", kNoFont},
};

struct KeyTip {
    int id;
    const char* text;
};

constexpr KeyTip kKeyTips[] = {
    {IDC_KEY_POWER, "Power (x^y)"},        {IDC_KEY_ROOT, "Root (y_x)"},
    {IDC_KEY_INVERSE, "Inverse function"}, {IDC_KEY_ENCLOSE, "Enclose expression"},
    {IDC_KEY_RECIPROCAL, "Reciprocal"},    {IDC_KEY_MEMORY_STORE, "Memory store"},
    {IDC_KEY_MEMORY_RECALL, "Memory recall"}, {IDC_KEY_EXPONENT, "Exponent"},
};

constexpr DWORD kIndicatorStyle = SS_CENTER | SS_NOTIFY;
constexpr DWORD kTaskLineStyle = SS_LEFT | SS_ENDELLIPSIS | SS_NOTIFY;
constexpr DWORD kAnswerLineStyle = SS_RIGHT | SS_NOTIFY;

struct StaticRow {
    int id;
    const char* text;
    int x, y, width, height;
    DWORD style;
    int font;
    bool visible;
    const char* tip;  // nullptr: no tooltip; "": a tooltip that is empty at first
};

// The statics drawn over the display panel, in creation order.
constexpr StaticRow kDisplayStatics[] = {
    {IDC_MEMORY_INDICATOR, "MEM", 126, 10, 25, 18, kIndicatorStyle, kIndicatorFont, true, "Memory"},
    {IDC_MODE_AUTO, "AUTO", 12, 10, 25, 18, kIndicatorStyle, kIndicatorFont, true, nullptr},
    {IDC_MODE_SCI, "SCI", 41, 10, 25, 18, kIndicatorStyle, kIndicatorFont, true, nullptr},
    {IDC_MODE_FIX, "FIX", 70, 10, 25, 18, kIndicatorStyle, kIndicatorFont, true, nullptr},
    {IDC_ANGLE_RAD, "RAD", 186, 10, 25, 18, kIndicatorStyle, kIndicatorFont, true, nullptr},
    {IDC_ANGLE_DEG, "DEG", 215, 10, 25, 18, kIndicatorStyle, kIndicatorFont, true, nullptr},
    {IDC_ANGLE_GRAD, "GRAD", 244, 10, 25, 18, kIndicatorStyle, kIndicatorFont, true, nullptr},
    {IDC_PREVIOUS_TASK, "", 14, 32, 259, 18, kTaskLineStyle, kTaskFont, true, ""},
    {IDC_CURRENT_TASK, "", 14, 75, 259, 18, kTaskLineStyle, kTaskFont, true, ""},
    {IDC_PREVIOUS_ANSWER, "", 40, 51, 228, 20, kAnswerLineStyle, kAnswerFont, true, nullptr},
    {IDC_CURRENT_ANSWER, "", 40, 94, 228, 20, kAnswerLineStyle, kAnswerFont, true, nullptr},
    {IDC_X1_LABEL, "x1 =", 94, 52, 30, 20, SS_LEFT, kNoFont, false, nullptr},
    {IDC_X2_LABEL, "x2 =", 94, 94, 30, 20, SS_LEFT, kNoFont, false, nullptr},
};

struct ToolbarButton {
    int image;  // standard small colour image; -1 for a separator
    int command;
    const char* tip;
};

constexpr ToolbarButton kToolbar[13] = {
    {STD_DELETE, IDM_DELETE, "Delete (Backspace)"},
    {STD_UNDO, IDM_UNDO, "Undo (CTRL+Z)"},
    {-1, 0, nullptr},
    {STD_CUT, IDM_CUT, "Cut (CTRL+X)"},
    {STD_COPY, IDM_COPY, "Copy (CTRL+C)"},
    {STD_PASTE, IDM_PASTE, "Paste (CTRL+V)"},
    {-1, 0, nullptr},
    {STD_FILESAVE, IDM_SAVE_AS, "Save history (CTRL+S)"},
    {STD_PRINT, IDM_PRINT, nullptr},
    {-1, 0, nullptr},
    {STD_PRINTPRE, IDM_VIEW_HISTORY, "View history (F9)"},
    {STD_PROPERTIES, IDM_NUMBER_FORMAT, "Number format (F10)"},
    {STD_REPLACE, IDM_DISPLAY_ONLY, "Show display only (F12)"},
};

constexpr COLORREF kBackground = RGB(232, 232, 232);
constexpr COLORREF kTaskText = RGB(0, 128, 0);
constexpr COLORREF kIndicatorOn = RGB(1, 1, 1);
constexpr COLORREF kIndicatorOff = RGB(192, 192, 192);

HIMAGELIST gToolbarImages;

HWND MakeControl(DWORD exStyle, const char* className, const char* text, DWORD style, int x, int y, int width,
                 int height, HWND parent, int id) {
    return CreateWindowExA(exStyle, className, text, WS_CHILD | style, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), App().instance, nullptr);
}

void SetFont(HWND control, int slot) {
    if (slot == kNoFont || !control) return;
    HFONT font = App().fonts[slot];
    if (font) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void MakeFont(int slot) {
    LOGFONTA description{};
    description.lfHeight = -kFonts[slot].height;
    description.lfWeight = kFonts[slot].weight;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    lstrcpynA(description.lfFaceName, kFonts[slot].face, LF_FACESIZE);
    App().fonts[slot] = CreateFontIndirectA(&description);
}

void AddTool(HWND control, const char* text) {
    AppState& app = App();
    if (!app.tooltip || !control) return;
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = app.mainWindow;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(app.tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CreateToolbar(HWND window) {
    AppState& app = App();
    // CCS_NOPARENTALIGN keeps the bar where it is put instead of at the
    // window's top edge.
    app.toolbar = MakeControl(0, TOOLBARCLASSNAMEA, nullptr,
                              TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NOPARENTALIGN | CCS_NODIVIDER, 10, 0,
                              CaptionHeight() + 205, 20, window, 0);
    if (!app.toolbar) {
        MessageBoxA(window, "Could not create toolbar.", "Error", MB_OK | MB_ICONERROR);
        return;
    }
    SendMessageA(app.toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    // 32-bit colour: the standard images come with an alpha channel on some
    // systems (Wine), and a 4-bit list would lose their mask to black.
    gToolbarImages = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 13, 0);
    SendMessageA(app.toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(gToolbarImages));
    SendMessageA(app.toolbar, TB_LOADIMAGES, IDB_STD_SMALL_COLOR, reinterpret_cast<LPARAM>(HINST_COMMCTRL));
    TBBUTTON buttons[13]{};
    for (int i = 0; i < 13; ++i) {
        const ToolbarButton& button = kToolbar[i];
        buttons[i].iBitmap = button.image < 0 ? 0 : button.image;
        buttons[i].idCommand = button.command;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = button.image < 0 ? BTNS_SEP : BTNS_BUTTON;
    }
    SendMessageA(app.toolbar, TB_ADDBUTTONSA, 13, reinterpret_cast<LPARAM>(buttons));
    SendMessageA(app.toolbar, TB_AUTOSIZE, 0, 0);
    ShowWindow(app.toolbar, SW_SHOW);
}

// Where a display static's handle is kept, or nullptr.
HWND* KeptHandle(int id) {
    AppState& app = App();
    switch (id) {
    case IDC_PREVIOUS_TASK:
        return &app.previousTaskLine;
    case IDC_CURRENT_TASK:
        return &app.currentTaskLine;
    case IDC_PREVIOUS_ANSWER:
        return &app.previousAnswerLine;
    case IDC_CURRENT_ANSWER:
        return &app.currentAnswerLine;
    case IDC_X1_LABEL:
        return &app.x1Label;
    case IDC_X2_LABEL:
        return &app.x2Label;
    default:
        return nullptr;
    }
}

void CreateKeypad(HWND window) {
    for (int k = 0; k < 36; ++k) {
        int row = k / 6;
        int column = k % 6;
        int top = row < 2 ? 182 + 26 * row : 160 + 41 * row;
        int height = row < 2 ? 27 : 42;
        // Key "a..." stays pressed while inverse mode is on; the keypad sets
        // its check state itself.
        DWORD style = k == 0 ? (BS_CHECKBOX | BS_PUSHLIKE) : BS_PUSHBUTTON;
        HWND key = MakeControl(0, "button", kKeypad[k].label, WS_VISIBLE | style, 6 + 45 * column, top, 46, height,
                               window, IDC_KEY_FIRST + k);
        SetFont(key, kKeypad[k].font);
    }
    // The "=" key covers the last two cells.
    ShowWindow(GetDlgItem(window, IDC_KEY_HIDDEN_EQUALS), SW_HIDE);
    ShowWindow(GetDlgItem(window, IDC_KEY_HIDDEN_BLANK), SW_HIDE);
}

}  // namespace

int CaptionHeight() { return GetSystemMetrics(SM_CYCAPTION); }

const char* ToolbarTooltip(int command) {
    for (const ToolbarButton& button : kToolbar) {
        if (button.image >= 0 && button.command == command) return button.tip;
    }
    return nullptr;
}

void CreateMainControls(HWND window) {
    AppState& app = App();
    app.CurrentTask.iDecimals = 2;
    app.CurrentTask.bFunctionSeparator = 1;
    app.backgroundBrush = CreateSolidBrush(kBackground);
    if (PlatformMajorVersion() >= 6.0) app.iWindowGap = 10;

    // The common controls must be ready before the toolbar is made.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    CreateToolbar(window);

    app.tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                                  app.instance, nullptr);
    if (app.tooltip) SetWindowPos(app.tooltip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    HWND panel = MakeControl(WS_EX_CLIENTEDGE, "static", "", WS_VISIBLE | WS_THICKFRAME, 0, 0, 283, 150, window, -1);
    EnableWindow(panel, FALSE);

    for (int slot = 0; slot < kFontSlotCount; ++slot) MakeFont(slot);
    CreateKeypad(window);
    for (const KeyTip& tip : kKeyTips) AddTool(GetDlgItem(window, tip.id), tip.text);
    MakeControl(0, "button", "=", WS_VISIBLE | BS_PUSHBUTTON, 186, 365, 91, 42, window, IDC_EQUALS);

    for (const StaticRow& entry : kDisplayStatics) {
        HWND line = MakeControl(WS_EX_TRANSPARENT, "static", entry.text, (entry.visible ? WS_VISIBLE : 0) | entry.style,
                                entry.x, entry.y, entry.width, entry.height, window, entry.id);
        SetFont(line, entry.font);
        if (entry.tip) AddTool(line, entry.tip);
        if (HWND* kept = KeptHandle(entry.id)) *kept = line;
    }

    app.pastTasks = MakeControl(0, "combobox", nullptr, WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, 7, 120, 270,
                                222, window, IDC_PAST_TASKS);
    SetFont(app.pastTasks, kInputFont);
    // The input line covers the list's selection field, leaving its arrow free.
    app.inputLine = MakeControl(WS_EX_TRANSPARENT, "edit", "", WS_VISIBLE | ES_AUTOHSCROLL, 3, 3, 248, 18,
                                app.pastTasks, IDC_INPUT_LINE);
    SetFont(app.inputLine, kInputFont);
    WatchInputKeys(app.inputLine);
    app.copyBuffer = MakeControl(WS_EX_TRANSPARENT, "edit", "", ES_AUTOHSCROLL, 5, 5, 131, 18, window,
                                 IDC_COPY_BUFFER);

    BringWindowToTop(app.inputLine);
    SetFocus(app.inputLine);
}

void DestroyBackgroundBrush() {
    AppState& app = App();
    if (app.backgroundBrush) DeleteObject(app.backgroundBrush);
    app.backgroundBrush = nullptr;
}

void DestroyControlFonts() {
    AppState& app = App();
    for (HFONT& font : app.fonts) {
        if (font) DeleteObject(font);
        font = nullptr;
    }
    if (gToolbarImages) ImageList_Destroy(gToolbarImages);
    gToolbarImages = nullptr;
}

HBRUSH ColorControl(HDC dc, HWND control) {
    const AppState& app = App();
    SetBkMode(dc, TRANSPARENT);
    int id = GetDlgCtrlID(control);
    if (id == IDC_PREVIOUS_TASK || id == IDC_CURRENT_TASK) {
        SetTextColor(dc, kTaskText);
    } else if (id == IDC_MEMORY_INDICATOR || (id >= IDC_MODE_AUTO && id <= IDC_MODE_FIX) ||
               (id >= IDC_ANGLE_RAD && id <= IDC_ANGLE_GRAD)) {
        SetTextColor(dc, IsIndicatorOn(app.CurrentTask, id) ? kIndicatorOn : kIndicatorOff);
    }
    return app.backgroundBrush;
}

void SetLineTooltip(HWND line, const char* text) {
    AppState& app = App();
    if (!app.tooltip) return;
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = app.mainWindow;
    tool.uId = reinterpret_cast<UINT_PTR>(line);
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(app.tooltip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void RepaintIndicators(int firstId, int lastId) {
    for (int id = firstId; id <= lastId; ++id) InvalidateRect(GetDlgItem(App().mainWindow, id), nullptr, TRUE);
}

void RepaintIndicatorRow() {
    RepaintIndicators(IDC_MEMORY_INDICATOR, IDC_MEMORY_INDICATOR);
    RepaintIndicators(IDC_MODE_AUTO, IDC_MODE_FIX);
    RepaintIndicators(IDC_ANGLE_RAD, IDC_ANGLE_GRAD);
}
