#include "app.h"

namespace {
AppState gApp;
}

AppState& App() { return gApp; }

void ResetAppState(HINSTANCE instance) {
    gApp = AppState{};
    gApp.instance = instance;
    gApp.iTaskNumber = 1;
    gApp.cInversePrefix = ' ';
    // CurrentTask gets its creation defaults (2 decimals, function separator
    // on) when the main window is created; both start all zero.
}
