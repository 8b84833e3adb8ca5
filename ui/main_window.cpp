#include "main_window.h"

#include <commctrl.h>

#include "about_dialog.h"
#include "app.h"
#include "command.h"
#include "edit_commands.h"
#include "engine.h"
#include "file_commands.h"
#include "format_commands.h"
#include "history_dialog.h"
#include "history_file_commands.h"
#include "insert_menu.h"
#include "insert_table.h"
#include "keypad.h"
#include "layout.h"
#include "menu_state.h"
#include "number_format_dialog.h"
#include "printing.h"
#include "resource_ids.h"
#include "settings_io.h"
#include "task_entry.h"
#include "view_commands.h"

namespace {

LRESULT DoEquals(const Command& command) {
    EnterTask(command.app);
    return 0;
}

LRESULT DoPastTasks(const Command& command) {
    TakePastTask(command.app, command.notification);
    return 0;
}

LRESULT DoExit(const Command& command) {
    PostMessageA(command.window, WM_CLOSE, 0, 0);
    return 0;
}

LRESULT DoViewHistory(const Command& command) {
    AppState& app = command.app;
    if (IsWindowVisible(app.historyDialog)) {
        ShowWindow(app.historyDialog, SW_HIDE);
        app.bHistoryVisible = 0;
        return 0;
    }
    ShowBesideMainWindow(app.historyDialog, app.mainWindow, app.iWindowGap, app.dpi);
    app.bHistoryVisible = 1;
    SetFocus(app.inputLine);
    return 0;
}

LRESULT DoTaskNumbering(const Command& command) {
    command.app.bTaskNumbering = !command.app.bTaskNumbering;
    return 0;
}

LRESULT DoSaveSettings(const Command& command) {
    WriteSettingsFile(command.app);
    return 0;
}

// OK or Cancel, the previous answer line then follows the display settings
// that the dialog leaves in CurrentTask.
LRESULT DoNumberFormat(const Command& command) {
    AppState& app = command.app;
    RunNumberFormatDialog(app.instance, command.window, app.CurrentTask, app.iWindowGap, app.dpi);
    CopyDisplaySettings(app.CurrentTask, app.PreviousTask);
    UpdateAnswer(app.PreviousTask);
    SetDlgItemTextA(command.window, IDC_PREVIOUS_ANSWER, app.PreviousTask.szAnswer);
    return 0;
}

LRESULT DoAbout(const Command& command) {
    RunAboutDialog(command.app.instance, command.window);
    return 0;
}

HWND HistoryText(const AppState& app) { return GetDlgItem(app.historyDialog, IDC_HISTORY_TEXT); }

LRESULT DoOpenHistory(const Command& command) {
    OpenHistory(command.window, command.app.inputLine, HistoryText(command.app));
    return 0;
}

LRESULT DoSaveHistory(const Command& command) {
    SaveHistory(command.window, HistoryText(command.app));
    return 0;
}

LRESULT DoPrintHistory(const Command& command) {
    PrintHistory(command.window, HistoryText(command.app));
    return 0;
}

LRESULT DoCopyHistory(const Command& command) {
    CopyHistory(command.window, HistoryText(command.app));
    return 0;
}

struct CommandEntry {
    int first;
    int last;
    CommandHandler handler;
};

// Command numbers without an entry are ignored.
constexpr CommandEntry kCommands[] = {
    {IDC_KEY_FIRST, IDC_KEY_LAST, DoKey},
    {IDC_EQUALS, IDC_EQUALS, DoEquals},
    {IDC_PREVIOUS_TASK, IDC_CURRENT_TASK, DoDisplayLineClick},
    {IDC_PREVIOUS_ANSWER, IDC_CURRENT_ANSWER, DoDisplayLineClick},
    {IDC_MEMORY_INDICATOR, IDC_MEMORY_INDICATOR, DoMemoryIndicator},
    {IDC_MODE_AUTO, IDC_MODE_FIX, DoSettingCommand},
    {IDC_ANGLE_RAD, IDC_ANGLE_GRAD, DoSettingCommand},
    {IDC_PAST_TASKS, IDC_PAST_TASKS, DoPastTasks},
    {IDM_NEW, IDM_NEW, DoNew},
    {IDM_EXIT, IDM_EXIT, DoExit},
    {IDM_UNDO, IDM_UNDO, DoUndo},
    {IDM_CUT, IDM_CUT, DoCut},
    {IDM_COPY, IDM_COPY, DoCopy},
    {IDM_PASTE, IDM_PASTE, DoPaste},
    {IDM_DELETE, IDM_DELETE, DoDelete},
    {IDM_COPY_MATHS, IDM_COPY_MATHS, DoCopyMaths},
    {IDM_COPY_RESULT, IDM_COPY_RESULT, DoCopyResult},
    {IDM_COPY_TASK, IDM_COPY_TASK, DoCopyTask},
    {IDM_SELECT_ALL, IDM_SELECT_ALL, DoSelectAll},
    {IDM_ENCLOSE, IDM_ENCLOSE, DoEnclose},
    {IDM_CLEAR_INPUT, IDM_CLEAR_INPUT, DoClearInput},
    {IDM_CLEAR_DISPLAY, IDM_CLEAR_DISPLAY, DoClearDisplay},
    {IDM_CLEAR_HISTORY, IDM_CLEAR_HISTORY, DoClearHistory},
    {kFirstInsertId, kLastInsertId, DoInsert},
    {IDM_DISPLAY_ONLY, IDM_DISPLAY_ONLY, DoDisplayOnly},
    {IDM_ALWAYS_ON_TOP, IDM_ALWAYS_ON_TOP, DoAlwaysOnTop},
    {IDM_VIEW_HISTORY, IDM_VIEW_HISTORY, DoViewHistory},
    {IDM_TASK_NUMBERING, IDM_TASK_NUMBERING, DoTaskNumbering},
    {IDM_ABOUT, IDM_ABOUT, DoAbout},
    {IDM_ONLINE_HELP, IDM_ONLINE_HELP, DoOnlineHelp},
    {IDM_MODE_AUTO, IDM_ANGLE_GRAD, DoSettingCommand},
    {IDM_DIGIT_GROUPING, IDM_DIGIT_GROUPING, DoSettingCommand},
    {IDM_DECIMALS_FIRST, IDM_DECIMALS_LAST, DoSettingCommand},
    {IDM_DECIMAL_DOT, IDM_FUNCTION_SEPARATOR, DoSettingCommand},
    {IDM_RESET_SETTINGS, IDM_RESET_SETTINGS, DoResetSettings},
    {IDM_OPEN, IDM_OPEN, DoOpenHistory},
    {IDM_SAVE_AS, IDM_SAVE_AS, DoSaveHistory},
    {IDM_PRINT, IDM_PRINT, DoPrintHistory},
    {IDM_COPY_HISTORY, IDM_COPY_HISTORY, DoCopyHistory},
    {IDM_SAVE_SETTINGS, IDM_SAVE_SETTINGS, DoSaveSettings},
    {IDM_NUMBER_FORMAT, IDM_NUMBER_FORMAT, DoNumberFormat},
};

LRESULT OnCreate(AppState& app, HWND window) {
    app.mainWindow = window;
    CreateMainControls(app, window);
    return 0;
}

LRESULT OnCommand(AppState& app, HWND window, int id, int notification, HWND control) {
    for (const CommandEntry& entry : kCommands) {
        if (id >= entry.first && id <= entry.last) {
            return entry.handler(Command{app, window, id, notification, control});
        }
    }
    return 0;
}

LRESULT OnNotify(const NMHDR* header) {
    if (header->code == TTN_GETDISPINFOA) {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(const_cast<NMHDR*>(header));
        if (const char* tip = ToolbarTooltip(static_cast<int>(header->idFrom))) info->lpszText = const_cast<char*>(tip);
    }
    return 0;
}

// The window has moved to a screen of another DPI (or that screen's scaling
// has changed): it takes the place and size the system suggests and lays its
// face out again; a Task History dialog beside it follows its new size.
LRESULT OnDpiChanged(AppState& app, HWND window, int dpi, const RECT& suggested) {
    // Sized first, so that the toolbar sizes itself to the new client area.
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    LayOutMainControls(app, window, dpi);
    if (app.historyDialog && IsWindowVisible(app.historyDialog)) {
        ShowBesideMainWindow(app.historyDialog, window, app.iWindowGap, dpi);
    }
    return 0;
}

LRESULT OnSetFocus(const AppState& app) {
    SetFocus(app.inputLine);
    return 0;
}

LRESULT OnDestroy(AppState& app) {
    DestroyBackgroundBrush(app);
    if (app.historyDialog) DestroyWindow(app.historyDialog);
    app.historyDialog = nullptr;
    PostQuitMessage(0);
    return 0;
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        AttachAppState(window, static_cast<AppState*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams));
        return DefWindowProcA(window, message, wParam, lParam);
    }
    // The few messages that come before WM_NCCREATE need nothing of the state.
    AppState* state = AppStateOf(window);
    if (!state) return DefWindowProcA(window, message, wParam, lParam);
    AppState& app = *state;
    switch (message) {
    case WM_CREATE:
        return OnCreate(app, window);
    case WM_COMMAND:
        return OnCommand(app, window, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_INITMENUPOPUP:
        return OnInitMenuPopup(app, reinterpret_cast<HMENU>(wParam), HIWORD(lParam) != 0);
    case WM_NOTIFY:
        return OnNotify(reinterpret_cast<const NMHDR*>(lParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        return reinterpret_cast<LRESULT>(
            ColorControl(app, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_DPICHANGED:
        return OnDpiChanged(app, window, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
    case WM_SETFOCUS:
        return OnSetFocus(app);
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        return OnDestroy(app);
    case WM_NCDESTROY:
        // The children are gone by now, so nothing draws with the fonts.
        DestroyControlFonts(app);
        return DefWindowProcA(window, message, wParam, lParam);
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
