// The View menu's window commands and the Help menu's Online Help. View
// History and Task Numbering are the main window's own; Number Format is the
// Number Format dialog's.
#pragma once

#include "command.h"

// Shrinks the window to its display and toolbar, or gives it its full height
// again; the position stays.
LRESULT DoDisplayOnly(const Command&);

// Makes the window topmost, or takes it out of the topmost windows.
LRESULT DoAlwaysOnTop(const Command&);

// Makes `window` topmost where it stands, with the windows it owns (tooltips,
// dialogs) topmost above it, under Wine as on Windows. `flags` are added to
// the SetWindowPos flags of the window itself (SWP_NOACTIVATE, say).
void MakeTopmost(HWND window, UINT flags);

// Opens the help page through the shell; a failure is ignored. Reports 1.
LRESULT DoOnlineHelp(const Command&);
