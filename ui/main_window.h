// The main window's procedure: dispatches each message to one handler and
// each command number to one small function.
#pragma once

#include <windows.h>

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
