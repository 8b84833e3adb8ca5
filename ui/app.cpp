#include "app.h"

namespace {
AppState gApp;
}

AppState& App() { return gApp; }

void AttachAppState(HWND window, AppState* state) {
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
}

AppState* AppStateOf(HWND window) { return reinterpret_cast<AppState*>(GetWindowLongPtrA(window, GWLP_USERDATA)); }

void ReplaceControlProcedure(AppState& state, HWND control, WNDPROC procedure, WNDPROC& previous) {
    AttachAppState(control, &state);
    const auto before =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    // Controls of one class share the procedure they had: a second control
    // replaced keeps the one found first.
    if (before != procedure) previous = before;
}

void ResetAppState(HINSTANCE instance) {
    gApp = AppState{};
    gApp.instance = instance;
    gApp.iTaskNumber = 1;
    gApp.cInversePrefix = ' ';
    // CurrentTask gets the default settings when the main window is created;
    // both records start all zero.
}
