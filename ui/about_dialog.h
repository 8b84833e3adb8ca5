// The modal About dialog (template 601).
#pragma once

#include <windows.h>

// Runs the dialog owned by `owner` until "&Close", Escape or the close box
// ends it; returns the ending command (1 or 2).
INT_PTR RunAboutDialog(HINSTANCE instance, HWND owner);
