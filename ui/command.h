// One command as the main window receives it, with the state it acts on, and
// the type of the small functions that carry out one command each (listed in
// the main window's command table).
#pragma once

#include <windows.h>

#include "app.h"

struct Command {
    AppState& app;     // the state of the main window
    HWND window;       // the main window
    int id;            // the command number
    int notification;  // the control's notification code, 0 for a menu, 1 for an accelerator
    HWND control;      // the control that sent it, or nullptr
};

using CommandHandler = LRESULT (*)(const Command&);
