// Finding the main window of a started copy of the program, for the tests
// that run zentrabel.exe as a process of its own.
#pragma once

#include <windows.h>

namespace program_window {

struct Search {
    DWORD process;
    HWND found;
};

inline BOOL CALLBACK MatchMainWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (process != search->process || lstrcmpA(className, "myWindowClass") != 0 || !IsWindowVisible(window)) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

}  // namespace program_window

// The shown main window of `process`, waiting up to 10 s for it; nullptr
// when none appeared.
inline HWND WaitForMainWindow(DWORD process) {
    program_window::Search search{process, nullptr};
    for (int i = 0; i < 500 && !search.found; ++i) {
        EnumWindows(program_window::MatchMainWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.found) Sleep(20);
    }
    return search.found;
}
