#include "history_dialog.h"

#include <shellapi.h>

#include <ctime>

#include "build_config.h"
#include "engine.h"
#include "history_text.h"
#include "resource_ids.h"

namespace {

// The link control's window procedure: the hand cursor over it, everything
// else as before. The previous procedure is kept in the link's user data.
LRESULT CALLBACK LinkProc(HWND link, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEMOVE) SetCursor(LoadCursorA(nullptr, IDC_HAND));
    auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(link, GWLP_USERDATA));
    return CallWindowProcA(previous, link, message, wParam, lParam);
}

void Hide(HWND dialog, const HistoryDialogData& data) {
    *data.visibleFlag = 0;
    ShowWindow(dialog, SW_HIDE);
}

// Keeps the caret at the end of the text, where the next entry goes and the
// newest entry stays in view.
void MoveCaretToEnd(HWND dialog) {
    HWND history = GetDlgItem(dialog, IDC_HISTORY_TEXT);
    LRESULT end = GetWindowTextLengthA(history);
    SendMessageA(history, EM_SETSEL, end, end);
    SendMessageA(history, EM_SCROLLCARET, 0, 0);
}

void OnCommand(HWND dialog, const HistoryDialogData& data, int id, int notification) {
    switch (id) {
    case IDC_WEB_LINK:
        if (notification == STN_CLICKED) ShellExecuteA(nullptr, "open", ZBL_WEB_ADDRESS, nullptr, nullptr, 0);
        break;
    case IDC_HISTORY_SAVE:
        SendMessageA(data.owner, WM_COMMAND, IDM_SAVE_AS, 0);
        break;
    case IDC_HISTORY_PRINT:
        SendMessageA(data.owner, WM_COMMAND, IDM_PRINT, 0);
        break;
    case IDC_HISTORY_COPY:
        SendMessageA(data.owner, WM_COMMAND, IDM_COPY_HISTORY, 0);
        break;
    case IDC_HISTORY_HIDE:
        Hide(dialog, data);
        break;
    default:
        break;
    }
}

INT_PTR CALLBACK HistoryDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        HWND link = GetDlgItem(dialog, IDC_WEB_LINK);
        LONG_PTR previous = SetWindowLongPtrA(link, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LinkProc));
        SetWindowLongPtrA(link, GWLP_USERDATA, previous);
        return TRUE;
    }
    auto* data = reinterpret_cast<HistoryDialogData*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    if (!data) return FALSE;
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) MoveCaretToEnd(dialog);
        return FALSE;
    case WM_CLOSE:
        Hide(dialog, *data);
        return TRUE;
    case WM_COMMAND:
        OnCommand(dialog, *data, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

HWND CreateHistoryDialog(HINSTANCE instance, HWND owner, HistoryDialogData* data) {
    return CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_HISTORY), owner, HistoryDialogProc,
                              reinterpret_cast<LPARAM>(data));
}

void WriteBanner(HWND history) {
    std::time_t now = std::time(nullptr);
    SeedRandom(static_cast<unsigned>(now));
    std::tm local{};
    if (const std::tm* converted = std::localtime(&now)) local = *converted;
    char banner[kBannerCapacity + 1];
    BuildBanner(local, banner);

    SendMessageA(history, EM_SETLIMITTEXT, 0, 0);
    SetWindowTextA(history, banner);
    LRESULT end = GetWindowTextLengthA(history);
    SendMessageA(history, EM_SETSEL, end, end);
}
