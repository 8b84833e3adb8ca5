// Times the real main window on the platform it runs on (Wine or Windows):
//   start-up: from entering main to the first painted window, through the
//             program's own start-up code, in fresh processes (the first
//             window of a process pays for loading fonts, themes and classes);
//   append:   one task through the "=" road with 10,000 entries already in
//             the history and the past-tasks list, with the Task History
//             dialog hidden and shown.
// Prints the times; asserts nothing.
//   scripts/wine-run.sh build/mingw/ui/ui_timing.exe [STARTS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app.h"
#include "resource_ids.h"
#include "startup.h"
#include "window_timing.h"

namespace {

using window_timing::Milliseconds;
using window_timing::Now;
using window_timing::ProcessorMilliseconds;
using window_timing::Pump;

void Enter(HWND main, HWND input, const char* task) {
    SetWindowTextA(input, task);
    SendMessageA(main, WM_COMMAND, IDC_EQUALS, 0);
}

void PrintSpread(const char* label, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%s: fastest %.1f ms, median %.1f ms, slowest %.1f ms over %zu\n", label, times.front(),
                times[times.size() / 2], times.back(), times.size());
}

// Times `count` appends one by one: the whole road through the "=" key, the
// same until the window has painted it, and the insertion into the history
// edit control alone.
void TimeAppends(const char* label, HWND main, HWND input, int count) {
    std::vector<double> times;
    std::vector<double> painted;  // until the window has painted the result
    double processor = ProcessorMilliseconds();
    for (int i = 0; i < count; ++i) {
        LARGE_INTEGER before = Now();
        Enter(main, input, "CuSO4*5H2O+sin(30)");
        times.push_back(Milliseconds(before, Now()));
        Pump();
        painted.push_back(Milliseconds(before, Now()));
    }
    processor = (ProcessorMilliseconds() - processor) / count;
    PrintSpread(label, times);
    PrintSpread("  until painted", painted);
    std::printf("  processor time of this process: %.1f ms per task\n", processor);

    HWND history = GetDlgItem(App().historyDialog, IDC_HISTORY_TEXT);
    times.clear();
    for (int i = 0; i < count; ++i) {
        LARGE_INTEGER before = Now();
        SendMessageA(history, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("\r\n2H2O = 36.03056\r\n"));
        times.push_back(Milliseconds(before, Now()));
        Pump();
    }
    PrintSpread("  of which the history edit control's insertion alone", times);
}

// A child run: starts the window once and hands the time back in tenths of
// a millisecond as its exit code.
int StartOnce(LARGE_INTEGER entered) {
    if (!StartZentrabel(GetModuleHandleA(nullptr), SW_SHOWNORMAL)) return 0;
    return static_cast<int>(10.0 * Milliseconds(entered, Now()));
}

double TimeFreshStart() {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string command = std::string("\"") + self + "\" --start-once";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return -1;
    }
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code / 10.0;
}

}  // namespace

int main(int argc, char** argv) {
    LARGE_INTEGER entered = Now();
    if (argc > 1 && std::strcmp(argv[1], "--start-once") == 0) return StartOnce(entered);

    int starts = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    std::vector<double> fresh;
    for (int i = 0; i < starts; ++i) fresh.push_back(TimeFreshStart());
    PrintSpread("start-up to first painted window, fresh process", fresh);

    if (!StartZentrabel(GetModuleHandleA(nullptr), SW_SHOWNORMAL)) return 1;
    HWND main = App().mainWindow;
    HWND input = App().inputLine;
    LARGE_INTEGER fillStart = Now();
    for (int i = 0; i < 10000; ++i) Enter(main, input, (i % 2) ? "2H2O" : "x^2-5x+6");
    Pump();
    std::printf("filled 10,000 entries in %.1f s; history text %d characters\n",
                Milliseconds(fillStart, Now()) / 1000.0,
                GetWindowTextLengthA(GetDlgItem(App().historyDialog, IDC_HISTORY_TEXT)));

    TimeAppends("append, history hidden", main, input, 50);
    SendMessageA(main, WM_COMMAND, IDM_VIEW_HISTORY, 0);
    Pump();
    TimeAppends("append, history shown", main, input, 50);

    DestroyWindow(main);
    Pump();
    return 0;
}
