#include "view_commands.h"

#include <shellapi.h>

#include <vector>

#include "app.h"
#include "build_config.h"
#include "help_address.h"
#include "layout.h"

namespace {

struct OwnedWindows {
    HWND owner;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectOwned(HWND window, LPARAM data) {
    auto* owned = reinterpret_cast<OwnedWindows*>(data);
    if (GetWindow(window, GW_OWNER) == owned->owner) owned->windows.push_back(window);
    return TRUE;
}

void SetOwner(HWND window, HWND owner) {
    SetWindowLongPtrA(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
}

}  // namespace

// Wine makes a window topmost only when nothing it owns lies above it: it
// links the window in below the windows it owns (the tooltips, the Task
// History dialog) and then leaves it without the topmost style, so that it
// stays behind other programs. The owned windows are therefore let go while
// the window becomes topmost, then owned again and raised above it as topmost
// windows, which is what Windows does with them in one step.
void MakeTopmost(HWND window, UINT flags) {
    OwnedWindows owned{window, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectOwned, reinterpret_cast<LPARAM>(&owned));
    for (HWND popup : owned.windows) SetOwner(popup, nullptr);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | flags);
    for (HWND popup : owned.windows) {
        SetOwner(popup, window);
        SetWindowPos(popup, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

namespace {

// Windows takes the windows that a window owns out of the topmost windows
// with it; Wine leaves them there, where the Task History dialog would stay
// above every other program, and will not move an owned window that sits
// just above its owner, so each is let go while it moves. A tooltip makes
// itself topmost again whenever it shows a tip.
void TakeOutOfTopmost(HWND window) {
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    OwnedWindows owned{window, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectOwned, reinterpret_cast<LPARAM>(&owned));
    for (HWND popup : owned.windows) {
        SetOwner(popup, nullptr);
        SetWindowPos(popup, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        SetOwner(popup, window);
    }
}

}  // namespace

LRESULT DoDisplayOnly(const Command& command) {
    AppState& app = command.app;
    SIZE size = MainWindowSize(app.dpi, !app.bDisplayOnly);
    SetWindowPos(command.window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    app.bDisplayOnly = !app.bDisplayOnly;
    return 0;
}

LRESULT DoAlwaysOnTop(const Command& command) {
    AppState& app = command.app;
    if (app.bAlwaysOnTop) {
        TakeOutOfTopmost(command.window);
    } else {
        MakeTopmost(command.window, SWP_NOACTIVATE);
    }
    app.bAlwaysOnTop = !app.bAlwaysOnTop;
    return 0;
}

LRESULT DoOnlineHelp(const Command&) {
    char program[MAX_PATH + 1] = "";
    DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) program[0] = 0;
    char address[2 * MAX_PATH + 1];
    if (ResolveHelpAddress(ZBL_HELP_ADDRESS, program, address, sizeof address - 1)) {
        ShellExecuteA(nullptr, "open", address, nullptr, nullptr, SW_SHOWNORMAL);
    }
    return 1;
}
