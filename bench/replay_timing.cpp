// Times the replay of a history file of 10,000 tasks through the real main
// window under the platform it runs on (Wine or Windows): each line set into
// the input line and calculated through the "=" key into the history, with
// the Task History dialog hidden and then shown.
// Prints the times; asserts nothing. Run: scripts/wine-run.sh replay_timing.exe
#include <windows.h>

#include <cstdio>
#include <string>

#include "app.h"
#include "history_dialog.h"
#include "history_file_commands.h"
#include "resource_ids.h"
#include "startup.h"
#include "window_timing.h"

namespace {

using window_timing::Now;
using window_timing::Pump;

constexpr int kTasks = 10000;

// A file of `count` tasks of every kind, CR LF line ends, no final line end.
bool WriteTaskFile(const char* path, int count) {
    static const char* const kTasks[] = {"2H2O", "x^2-5x+6", "sin(30)+ln(2)", "CuSO4*5H2O", "12/7", "#fix 3", "#auto"};
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i) text += "\r\n";
        text += kTasks[i % (sizeof kTasks / sizeof kTasks[0])];
    }
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != 0;
    CloseHandle(file);
    return ok && written == text.size();
}

void TimeReplay(const char* label, const char* path) {
    const AppState& app = App();
    HWND history = GetDlgItem(app.historyDialog, IDC_HISTORY_TEXT);
    WriteBanner(history);
    const double cpuBefore = window_timing::ProcessorMilliseconds() / 1000.0;
    LARGE_INTEGER before = Now();
    const int result = ReplayHistoryFile(path, app.mainWindow, app.inputLine, history);
    LARGE_INTEGER after = Now();
    const double cpu = window_timing::ProcessorMilliseconds() / 1000.0 - cpuBefore;
    Pump();
    std::printf("replay of %d tasks (%s): %.2f s (%.2f s CPU of this process), result %d, history %d characters\n",
                kTasks, label, window_timing::Milliseconds(before, after) / 1000.0, cpu, result,
                GetWindowTextLengthA(history));
}

}  // namespace

int main() {
    if (!StartZentrabel(GetModuleHandleA(nullptr), SW_SHOWNORMAL)) return 1;
    Pump();
    char folder[MAX_PATH];
    const DWORD length = GetTempPathA(sizeof folder, folder);
    if (length == 0 || length >= sizeof folder) return 1;
    std::string path(folder, length);
    path += "zbl_replay_timing.txt";
    if (!WriteTaskFile(path.c_str(), kTasks)) return 1;

    TimeReplay("history hidden", path.c_str());
    SendMessageA(App().mainWindow, WM_COMMAND, IDM_VIEW_HISTORY, 0);
    Pump();
    TimeReplay("history shown", path.c_str());

    DeleteFileA(path.c_str());
    DestroyWindow(App().mainWindow);
    Pump();
    return 0;
}
