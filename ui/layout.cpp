#include "layout.h"

#include <commctrl.h>

#include "answer_fit.h"
#include "app.h"
#include "control_fonts.h"
#include "display_rules.h"
#include "input_keys.h"
#include "keypad_rules.h"
#include "layout_rules.h"
#include "resource_ids.h"
#include "screen_scale.h"

namespace {

// The controls' places at 96 DPI, in the client area (the input line's in the
// past-tasks list); every other DPI scales them.
constexpr Place kPanelPlace{0, 0, 283, 150};
constexpr Place kEqualsPlace = EqualsKeyPlace();
// 222 is the list's height when dropped down.
constexpr Place kPastTasksPlace{7, 120, 270, 222};
constexpr Place kInputPlace{3, 3, 248, 18};
constexpr Place kCopyBufferPlace{5, 5, 131, 18};
// Where the toolbar is made (a caption height wider than this), and where
// start-up moves it (under the display).
constexpr Place kToolbarMade{10, 0, 205, 20};
constexpr POINT kToolbarPlace{14, 154};
// The standard toolbar images come in these two sizes.
constexpr int kSmallImage = 16;
constexpr int kLargeImage = 24;

struct KeyTip {
    int id;
    const char* text;
};

constexpr KeyTip kKeyTips[] = {
    {IDC_KEY_POWER, "Power (x^y)"},           {IDC_KEY_ROOT, "Root (y_x)"},
    {IDC_KEY_INVERSE, "Inverse function"},    {IDC_KEY_ENCLOSE, "Enclose expression"},
    {IDC_KEY_RECIPROCAL, "Reciprocal"},       {IDC_KEY_MEMORY_STORE, "Memory store"},
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

    Place place() const { return {x, y, width, height}; }
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

constexpr int kToolbarButtonCount = 13;
constexpr ToolbarButton kToolbar[kToolbarButtonCount] = {
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

HWND MakeControl(const AppState& app, DWORD exStyle, const char* className, const char* text, DWORD style,
                 const Place& place, int dpi, HWND parent, int id) {
    return CreateWindowExA(exStyle, className, text, WS_CHILD | style, ScalePixels(place.x, dpi),
                           ScalePixels(place.y, dpi), ScalePixels(place.width, dpi), ScalePixels(place.height, dpi),
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), app.instance, nullptr);
}

void PlaceControl(HWND control, const Place& place, int dpi) {
    if (!control) return;
    SetWindowPos(control, nullptr, ScalePixels(place.x, dpi), ScalePixels(place.y, dpi), ScalePixels(place.width, dpi),
                 ScalePixels(place.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetFont(const AppState& app, HWND control, int slot, BOOL redraw = FALSE) {
    if (!control) return;
    HFONT font = slot == kNoFont ? app.systemFontForDpi : app.fonts[slot];
    if (font || slot == kNoFont) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

void DeleteFont(HFONT& font) {
    if (font) DeleteObject(font);
    font = nullptr;
}

void AddTool(const AppState& app, HWND control, const char* text) {
    if (!app.tooltip || !control) return;
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = app.mainWindow;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(app.tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

// Gives the toolbar the standard images in the size the DPI calls for: the
// large ones once the small ones would be scaled to their size or more.
void SetToolbarImages(AppState& app, int dpi) {
    HWND toolbar = app.toolbar;
    bool large = ScalePixels(kSmallImage, dpi) >= kLargeImage;
    int size = large ? kLargeImage : kSmallImage;
    // 32-bit colour: the standard images come with an alpha channel on some
    // systems (Wine), and a 4-bit list would lose their mask to black.
    HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, kToolbarButtonCount, 0);
    SendMessageA(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(size, size));
    SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    SendMessageA(toolbar, TB_LOADIMAGES, large ? IDB_STD_LARGE_COLOR : IDB_STD_SMALL_COLOR,
                 reinterpret_cast<LPARAM>(HINST_COMMCTRL));
    if (app.toolbarImages) ImageList_Destroy(app.toolbarImages);
    app.toolbarImages = images;
}

void CreateToolbar(AppState& app, HWND window, int dpi) {
    // CCS_NOPARENTALIGN keeps the bar where it is put instead of at the
    // window's top edge.
    app.toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                                  WS_CHILD | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NOPARENTALIGN | CCS_NODIVIDER,
                                  ScalePixels(kToolbarMade.x, dpi), ScalePixels(kToolbarMade.y, dpi),
                                  CaptionHeightForDpi(dpi) + ScalePixels(kToolbarMade.width, dpi),
                                  ScalePixels(kToolbarMade.height, dpi), window, nullptr, app.instance, nullptr);
    if (!app.toolbar) {
        MessageBoxA(window, "Could not create toolbar.", "Error", MB_OK | MB_ICONERROR);
        return;
    }
    SendMessageA(app.toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SetToolbarImages(app, dpi);
    TBBUTTON buttons[kToolbarButtonCount]{};
    for (int i = 0; i < kToolbarButtonCount; ++i) {
        const ToolbarButton& button = kToolbar[i];
        buttons[i].iBitmap = button.image < 0 ? 0 : button.image;
        buttons[i].idCommand = button.command;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = button.image < 0 ? BTNS_SEP : BTNS_BUTTON;
    }
    SendMessageA(app.toolbar, TB_ADDBUTTONSA, kToolbarButtonCount, reinterpret_cast<LPARAM>(buttons));
    SendMessageA(app.toolbar, TB_AUTOSIZE, 0, 0);
    ShowWindow(app.toolbar, SW_SHOW);
}

// Where a display static's handle is kept, or nullptr.
HWND* KeptHandle(AppState& app, int id) {
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

void CreateKeypad(const AppState& app, HWND window, int dpi) {
    for (int k = 0; k < kKeypadCells; ++k) {
        // Key "a..." stays pressed while inverse mode is on; the keypad sets
        // its check state itself.
        DWORD style = k == 0 ? (BS_CHECKBOX | BS_PUSHLIKE) : BS_PUSHBUTTON;
        HWND key = MakeControl(app, 0, "button", kKeypadKeys[k].name, WS_VISIBLE | style, KeyCell(k), dpi, window,
                               IDC_KEY_FIRST + k);
        SetFont(app, key, kKeypadKeys[k].font);
    }
    // The "=" key covers the last two cells.
    ShowWindow(GetDlgItem(window, IDC_KEY_HIDDEN_EQUALS), SW_HIDE);
    ShowWindow(GetDlgItem(window, IDC_KEY_HIDDEN_BLANK), SW_HIDE);
}

}  // namespace

SIZE MainWindowSize(int dpi, bool displayOnly) {
    // The designed sizes are those of the whole window at 96 DPI; what is
    // scaled is the client area they leave inside the frame at 96 DPI, and
    // the frame at `dpi` goes round it, so the face inside scales exactly.
    RECT designFrame = WindowFrameForDpi(kMainWindowStyle, kMainWindowExStyle, true, kDesignDpi);
    RECT frame = WindowFrameForDpi(kMainWindowStyle, kMainWindowExStyle, true, dpi);
    int designHeight =
        (displayOnly ? kMainWindowDisplayOnlyHeight : kMainWindowFullHeight) + CaptionHeightForDpi(kDesignDpi);
    int clientWidth = kMainWindowWidth - designFrame.left - designFrame.right;
    int clientHeight = designHeight - designFrame.top - designFrame.bottom;
    return {ScalePixels(clientWidth, dpi) + frame.left + frame.right,
            ScalePixels(clientHeight, dpi) + frame.top + frame.bottom};
}

void ShowBesideMainWindow(HWND window, HWND mainWindow, int gap, int dpi) {
    RECT main{};
    GetWindowRect(mainWindow, &main);
    SIZE size = MainWindowSize(dpi, false);
    int scaledGap = ScalePixels(gap, dpi);
    int left = GetSystemMetrics(SM_CXSCREEN) - main.right > size.cx - 1 ? main.right + scaledGap
                                                                        : main.left - scaledGap - size.cx;
    SetWindowPos(window, nullptr, left, main.top, size.cx, size.cy, SWP_NOZORDER);
    ShowWindow(window, SW_SHOW);
}

const char* ToolbarTooltip(int command) {
    for (const ToolbarButton& button : kToolbar) {
        if (button.image >= 0 && button.command == command) return button.tip;
    }
    return nullptr;
}

namespace {

// Makes the fonts of the font table, and the system font copies where they
// are needed, for `dpi`; the fonts made for the previous DPI are deleted
// once no control uses them (the caller gives the controls the new ones).
void MakeFonts(AppState& app, int dpi, HFONT (&previous)[kFontSlotCount + 2]) {
    for (int slot = 0; slot < kFontSlotCount; ++slot) {
        previous[slot] = app.fonts[slot];
        LOGFONTA description = FontDescription(slot, dpi);
        app.fonts[slot] = CreateFontIndirectA(&description);
    }
    previous[kFontSlotCount] = app.systemFontForDpi;
    previous[kFontSlotCount + 1] = app.tooltipFontForDpi;
    app.systemFontForDpi = nullptr;
    app.tooltipFontForDpi = nullptr;
    if (dpi != ScreenDpi()) {
        app.systemFontForDpi = MakeFontForDpi(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)), dpi);
        app.tooltipFontForDpi = MakeFontForDpi(app.tooltipFontAtSystemDpi, dpi);
    }
}

void GiveFonts(const AppState& app, HWND window, BOOL redraw) {
    for (int k = 0; k < kKeypadCells; ++k) {
        SetFont(app, GetDlgItem(window, IDC_KEY_FIRST + k), kKeypadKeys[k].font, redraw);
    }
    SetFont(app, GetDlgItem(window, IDC_EQUALS), kNoFont, redraw);
    for (const StaticRow& entry : kDisplayStatics) SetFont(app, GetDlgItem(window, entry.id), entry.font, redraw);
    SetFont(app, app.pastTasks, kInputFont, redraw);
    SetFont(app, app.inputLine, kInputFont, redraw);
    // The keys' tooltips and the toolbar's own.
    HFONT tooltipFont = app.tooltipFontForDpi ? app.tooltipFontForDpi : app.tooltipFontAtSystemDpi;
    HWND toolbarTips = app.toolbar ? reinterpret_cast<HWND>(SendMessageA(app.toolbar, TB_GETTOOLTIPS, 0, 0)) : nullptr;
    for (HWND tooltip : {app.tooltip, toolbarTips}) {
        if (tooltip && tooltipFont) SendMessageA(tooltip, WM_SETFONT, reinterpret_cast<WPARAM>(tooltipFont), FALSE);
    }
}

}  // namespace

void MoveToolbarUnderDisplay(const AppState& app) {
    if (!app.toolbar) return;
    SetWindowPos(app.toolbar, nullptr, ScalePixels(kToolbarPlace.x, app.dpi), ScalePixels(kToolbarPlace.y, app.dpi), 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CreateMainControls(AppState& app, HWND window) {
    SetDefaultSettings(app.CurrentTask);
    app.backgroundBrush = CreateSolidBrush(kBackground);
    const int dpi = WindowDpi(window);
    app.dpi = dpi;

    // The common controls must be ready before the toolbar is made.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    CreateToolbar(app, window, dpi);

    app.tooltip =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, app.instance, nullptr);
    if (app.tooltip) {
        SetWindowPos(app.tooltip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        // A copy, since the tooltip may delete its own font when given another.
        auto own = reinterpret_cast<HFONT>(SendMessageA(app.tooltip, WM_GETFONT, 0, 0));
        app.tooltipFontAtSystemDpi = MakeFontForDpi(own, ScreenDpi());
    }

    app.panel =
        MakeControl(app, WS_EX_CLIENTEDGE, "static", "", WS_VISIBLE | WS_THICKFRAME, kPanelPlace, dpi, window, -1);
    EnableWindow(app.panel, FALSE);

    HFONT unused[kFontSlotCount + 2] = {};
    MakeFonts(app, dpi, unused);
    CreateKeypad(app, window, dpi);
    for (const KeyTip& tip : kKeyTips) AddTool(app, GetDlgItem(window, tip.id), tip.text);
    MakeControl(app, 0, "button", "=", WS_VISIBLE | BS_PUSHBUTTON, kEqualsPlace, dpi, window, IDC_EQUALS);

    for (const StaticRow& entry : kDisplayStatics) {
        HWND line = MakeControl(app, WS_EX_TRANSPARENT, "static", entry.text,
                                (entry.visible ? WS_VISIBLE : 0) | entry.style, entry.place(), dpi, window, entry.id);
        SetFont(app, line, entry.font);
        if (entry.tip) AddTool(app, line, entry.tip);
        if (HWND* kept = KeptHandle(app, entry.id)) *kept = line;
    }
    WatchAnswerLine(app, app.previousAnswerLine);
    WatchAnswerLine(app, app.currentAnswerLine);

    app.pastTasks = MakeControl(app, 0, "combobox", nullptr, WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL,
                                kPastTasksPlace, dpi, window, IDC_PAST_TASKS);
    SetFont(app, app.pastTasks, kInputFont);
    // The input line covers the list's selection field, leaving its arrow free.
    app.inputLine = MakeControl(app, WS_EX_TRANSPARENT, "edit", "", WS_VISIBLE | ES_AUTOHSCROLL, kInputPlace, dpi,
                                app.pastTasks, IDC_INPUT_LINE);
    SetFont(app, app.inputLine, kInputFont);
    WatchInputKeys(app, app.inputLine);
    app.copyBuffer =
        MakeControl(app, WS_EX_TRANSPARENT, "edit", "", ES_AUTOHSCROLL, kCopyBufferPlace, dpi, window, IDC_COPY_BUFFER);
    // Controls without a font of their own, and the tooltips, take a copy of
    // the system font at this DPI when it is not the system DPI.
    if (dpi != ScreenDpi()) GiveFonts(app, window, FALSE);

    BringWindowToTop(app.inputLine);
    SetFocus(app.inputLine);
}

void LayOutMainControls(AppState& app, HWND window, int dpi) {
    app.dpi = dpi;
    HFONT previous[kFontSlotCount + 2] = {};
    MakeFonts(app, dpi, previous);
    GiveFonts(app, window, TRUE);
    ReleaseMeasuringFont(app.answerFonts);
    for (HFONT& font : previous) DeleteFont(font);

    PlaceControl(app.panel, kPanelPlace, dpi);
    for (int k = 0; k < kKeypadCells; ++k) PlaceControl(GetDlgItem(window, IDC_KEY_FIRST + k), KeyCell(k), dpi);
    PlaceControl(GetDlgItem(window, IDC_EQUALS), kEqualsPlace, dpi);
    for (const StaticRow& entry : kDisplayStatics) PlaceControl(GetDlgItem(window, entry.id), entry.place(), dpi);
    PlaceControl(app.pastTasks, kPastTasksPlace, dpi);
    PlaceControl(app.inputLine, kInputPlace, dpi);
    PlaceControl(app.copyBuffer, kCopyBufferPlace, dpi);
    if (app.toolbar) {
        SetToolbarImages(app, dpi);
        SendMessageA(app.toolbar, TB_AUTOSIZE, 0, 0);
        MoveToolbarUnderDisplay(app);
    }
    // The answers are measured again in their new font.
    FitAnswerFont(app, app.previousAnswerLine);
    FitAnswerFont(app, app.currentAnswerLine);
    InvalidateRect(window, nullptr, TRUE);
}

void DestroyBackgroundBrush(AppState& app) {
    if (app.backgroundBrush) DeleteObject(app.backgroundBrush);
    app.backgroundBrush = nullptr;
}

void DestroyControlFonts(AppState& app) {
    ReleaseMeasuringFont(app.answerFonts);
    for (HFONT& font : app.fonts) DeleteFont(font);
    DeleteFont(app.systemFontForDpi);
    DeleteFont(app.tooltipFontForDpi);
    DeleteFont(app.tooltipFontAtSystemDpi);
    DestroyAnswerFonts(app.answerFonts);
    if (app.toolbarImages) ImageList_Destroy(app.toolbarImages);
    app.toolbarImages = nullptr;
    app.panel = nullptr;
}

HBRUSH ColorControl(const AppState& app, HDC dc, HWND control) {
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

void SetLineTooltip(const AppState& app, HWND line, const char* text) {
    if (!app.tooltip) return;
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = app.mainWindow;
    tool.uId = reinterpret_cast<UINT_PTR>(line);
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(app.tooltip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void RepaintIndicators(HWND mainWindow, int firstId, int lastId) {
    for (int id = firstId; id <= lastId; ++id) InvalidateRect(GetDlgItem(mainWindow, id), nullptr, TRUE);
}

void RepaintIndicatorRow(HWND mainWindow) {
    RepaintIndicators(mainWindow, IDC_MEMORY_INDICATOR, IDC_MEMORY_INDICATOR);
    RepaintIndicators(mainWindow, IDC_MODE_AUTO, IDC_MODE_FIX);
    RepaintIndicators(mainWindow, IDC_ANGLE_RAD, IDC_ANGLE_GRAD);
}
