#include "startup.h"

#include "app.h"
#include "history_dialog.h"
#include "input_keys.h"
#include "layout.h"
#include "layout_rules.h"
#include "main_window.h"
#include "resource_ids.h"
#include "screen_scale.h"
#include "settings_io.h"

namespace {

constexpr char kClassName[] = "myWindowClass";

void ShowFailure(const char* text) { MessageBoxA(nullptr, text, "Error!", MB_ICONEXCLAMATION | MB_OK); }

}  // namespace

double PlatformMajorVersion() {
    OSVERSIONINFOA info{};
    static_assert(sizeof info == 148);
    info.dwOSVersionInfoSize = sizeof info;
    GetVersionExA(&info);
    return info.dwMajorVersion;
}

bool StartZentrabel(HINSTANCE instance, int showCommand) {
    // The history edit control keeps a small record per line and walks them
    // on every insertion; the low-fragmentation heap (the default on Windows)
    // keeps those records close together, so appends stay quick under Wine.
    ULONG lowFragmentation = 2;
    HeapSetInformation(GetProcessHeap(), HeapCompatibilityInformation, &lowFragmentation, sizeof lowFragmentation);
    ResetAppState(instance);
    AppState& app = App();
    if (PlatformMajorVersion() >= 6.0) app.iWindowGap = kBesideGap;

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_ZENTRABEL));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN_MENU);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass)) {
        ShowFailure("Window Registration Failed!");
        return false;
    }

    // The window comes up in the middle of the primary screen, at its DPI.
    SIZE size = MainWindowSize(ScreenDpi(), false);
    int left = GetSystemMetrics(SM_CXSCREEN) / 2 - size.cx / 2;
    int top = GetSystemMetrics(SM_CYSCREEN) / 2 - size.cy / 2;
    app.mainWindow = CreateWindowExA(kMainWindowExStyle, kClassName, "Zentrabel", kMainWindowStyle, left, top, size.cx,
                                     size.cy, nullptr, nullptr, instance, &app);
    if (!app.mainWindow) {
        ShowFailure("Window Creation Failed!");
        return false;
    }
    // The primary screen's scaling may have changed since the system DPI was
    // fixed at logon; the face is laid out at the window's own DPI, and the
    // window takes the size that goes with it.
    if (app.dpi != ScreenDpi()) {
        size = MainWindowSize(app.dpi, false);
        SetWindowPos(app.mainWindow, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    app.historyDialogData = HistoryDialogData{app.mainWindow, &app.bHistoryVisible};
    app.historyDialog = CreateHistoryDialog(instance, app.mainWindow, &app.historyDialogData);
    if (!app.historyDialog) {
        ShowFailure("Dialog Creation Failed!");
        DestroyWindow(app.mainWindow);
        return false;
    }
    app.historyText = GetDlgItem(app.historyDialog, IDC_HISTORY_TEXT);

    WriteBanner(app.historyText);
    ReadSettingsFile(app);
    MoveToolbarUnderDisplay(app);
    ShowWindow(app.mainWindow, showCommand);
    UpdateWindow(app.mainWindow);
    app.accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    return true;
}

namespace {

void Route(const AppState& app, MSG& message) {
    if (app.historyDialog && IsDialogMessageA(app.historyDialog, &message)) return;
    // While the past-tasks list is open, Enter and Escape pick from it and
    // close it (the input line hands them on) instead of calculating.
    if (app.accelerators && !PastTasksOpen(app.pastTasks) &&
        TranslateAcceleratorA(app.mainWindow, app.accelerators, &message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

}  // namespace

void RouteMessage(MSG& message) { Route(App(), message); }

int RunMessageLoop() {
    const AppState& app = App();
    MSG message{};
    BOOL got;
    while ((got = GetMessageA(&message, nullptr, 0, 0)) > 0) Route(app, message);
    return got == 0 ? static_cast<int>(message.wParam) : 0;
}

int RunZentrabel(HINSTANCE instance, int showCommand) {
    if (!StartZentrabel(instance, showCommand)) return 0;
    return RunMessageLoop();
}
