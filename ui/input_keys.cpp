#include "input_keys.h"

#include <commctrl.h>

#include <optional>
#include <string>

#include "app.h"
#include "input_line.h"

namespace {

// Bit 29 of a key message: Alt was held.
constexpr LPARAM kAltHeld = LPARAM{1} << 29;

std::string PastTask(HWND list, int index) {
    LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return {};
    std::string task(static_cast<size_t>(length) + 1, '\0');
    LRESULT got = SendMessageA(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(task.data()));
    task.resize(got == CB_ERR ? 0 : static_cast<size_t>(got));
    return task;
}

void Recall(AppState& app, bool older) {
    HWND list = app.pastTasks;
    const int count = static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0));
    const std::string line = InputText(app.inputLine);
    const PastTaskReader read = [list](int index) { return PastTask(list, index); };
    std::optional<std::string> shown =
        older ? app.recall.Older(line, count, read) : app.recall.Newer(line, count, read);
    if (shown) SetInputText(app.inputLine, shown->c_str());
}

bool IsListKey(UINT message, WPARAM key, LPARAM flags) {
    if (message == WM_SYSKEYDOWN) return (flags & kAltHeld) && (key == VK_UP || key == VK_DOWN);
    if (message != WM_KEYDOWN) return false;
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_F4:
        return true;
    default:
        return false;
    }
}

// Returns true when the key was taken.
bool OnKey(AppState& app, UINT message, WPARAM key, LPARAM flags) {
    HWND list = app.pastTasks;
    if (PastTasksOpen(list)) {
        if (!IsListKey(message, key, flags)) return false;
        // The list box moves its selection, picks with Enter and closes with
        // Escape, F4 or Alt+arrow, as it does when it has the focus itself.
        SendMessageA(list, message, key, flags);
        return true;
    }
    const bool openKey =
        (message == WM_KEYDOWN && key == VK_F4) || (message == WM_SYSKEYDOWN && (flags & kAltHeld) && key == VK_DOWN);
    if (openKey) {
        SendMessageA(list, CB_SHOWDROPDOWN, TRUE, 0);
        return true;
    }
    if (message == WM_KEYDOWN && (key == VK_UP || key == VK_DOWN)) {
        Recall(app, key == VK_UP);
        return true;
    }
    return false;
}

// The line's user data is the state of the main window.
LRESULT CALLBACK InputKeysProc(HWND input, UINT message, WPARAM wParam, LPARAM lParam) {
    AppState& app = *AppStateOf(input);
    switch (message) {
    case WM_KEYDOWN:
        if (OnKey(app, message, wParam, lParam)) return 0;
        break;
    case WM_SYSKEYDOWN:
        // Passed on even when taken: the default handling must see that a key
        // came with Alt, or releasing Alt would open the menu.
        OnKey(app, message, wParam, lParam);
        break;
    case WM_CHAR:
        // Enter and Escape picked or closed the list; their characters have
        // no place in a one-line edit.
        if (wParam == '\r' || wParam == 0x1b) return 0;
        break;
    default:
        break;
    }
    return CallWindowProcA(app.inputLineProc, input, message, wParam, lParam);
}

}  // namespace

void WatchInputKeys(AppState& app, HWND inputLine) {
    if (!inputLine) return;
    ReplaceControlProcedure(app, inputLine, InputKeysProc, app.inputLineProc);
}

bool PastTasksOpen(HWND pastTasks) { return pastTasks && SendMessageA(pastTasks, CB_GETDROPPEDSTATE, 0, 0) != 0; }
