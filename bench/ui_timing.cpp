// Times the real main window under the platform it runs on (Wine or Windows):
//   start-up: from entering main to the first painted window, through the
//             program's own start-up code;
//   append:   one task through the "=" road with 10,000 entries already in
//             the history and the past-tasks list, hidden and shown history.
// Prints the times; asserts nothing. Run: scripts/wine-run.sh ui_timing.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app.h"
#include "resource_ids.h"
#include "startup.h"

namespace {

LARGE_INTEGER Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) return;
        RouteMessage(message);
    }
}

void Enter(HWND main, HWND input, const char* task) {
    SetWindowTextA(input, task);
    SendMessageA(main, WM_COMMAND, IDC_EQUALS, 0);
}

// Times `count` appends; prints the median and the slowest.
void TimeAppends(const char* label, HWND main, HWND input, int count) {
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        LARGE_INTEGER before = Now();
        Enter(main, input, "CuSO4*5H2O+sin(30)");
        LARGE_INTEGER after = Now();
        times.push_back(Milliseconds(before, after));
        Pump();
    }
    std::sort(times.begin(), times.end());
    std::printf("append (%s): median %.3f ms, slowest %.3f ms over %d tasks\n", label, times[times.size() / 2],
                times.back(), count);
}

}  // namespace

int main() {
    LARGE_INTEGER entered = Now();
    if (!StartZentrabel(GetModuleHandleA(nullptr), SW_SHOWNORMAL)) return 1;
    LARGE_INTEGER painted = Now();
    Pump();
    LARGE_INTEGER settled = Now();
    std::printf("start-up: first painted window %.1f ms after entering main (queue empty at %.1f ms)\n",
                Milliseconds(entered, painted), Milliseconds(entered, settled));

    HWND main = App().mainWindow;
    HWND input = App().inputLine;
    LARGE_INTEGER fillStart = Now();
    for (int i = 0; i < 10000; ++i) Enter(main, input, (i % 2) ? "2H2O" : "x^2-5x+6");
    Pump();
    std::printf("filled 10,000 entries in %.0f ms; history text %d characters\n", Milliseconds(fillStart, Now()),
                GetWindowTextLengthA(GetDlgItem(App().historyDialog, IDC_HISTORY_TEXT)));

    TimeAppends("history hidden", main, input, 50);
    SendMessageA(main, WM_COMMAND, IDM_VIEW_HISTORY, 0);
    Pump();
    TimeAppends("history shown", main, input, 50);

    DestroyWindow(main);
    Pump();
    return 0;
}
