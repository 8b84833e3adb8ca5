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
    // CurrentTask gets the default settings when the main window is created;
    // both records start all zero.
}
