#include "view_commands.h"

#include <shellapi.h>

#include "app.h"
#include "build_config.h"
#include "help_address.h"
#include "layout.h"

namespace {

constexpr int kWindowWidth = 288;
constexpr int kFullHeight = 439;
// The display and the toolbar under it; the keypad is cut off.
constexpr int kDisplayOnlyHeight = 205;

}  // namespace

LRESULT DoDisplayOnly(const Command& command) {
    AppState& app = App();
    int height = (app.bDisplayOnly ? kFullHeight : kDisplayOnlyHeight) + CaptionHeight();
    SetWindowPos(command.window, nullptr, 0, 0, kWindowWidth, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    app.bDisplayOnly = !app.bDisplayOnly;
    return 0;
}

LRESULT DoAlwaysOnTop(const Command& command) {
    AppState& app = App();
    SetWindowPos(command.window, app.bAlwaysOnTop ? HWND_NOTOPMOST : HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
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
