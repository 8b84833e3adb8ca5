#include "app.h"

namespace {
AppState gApp;
}

AppState& App() { return gApp; }

void AttachAppState(HWND mainWindow, AppState* state) {
    SetWindowLongPtrA(mainWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
}

AppState* AppStateOf(HWND mainWindow) {
    return reinterpret_cast<AppState*>(GetWindowLongPtrA(mainWindow, GWLP_USERDATA));
}

void ResetAppState(HINSTANCE instance) {
    gApp = AppState{};
    gApp.instance = instance;
    gApp.iTaskNumber = 1;
    gApp.cInversePrefix = ' ';
    // CurrentTask gets its creation defaults (2 decimals, function separator
    // on) when the main window is created; both start all zero.
}
