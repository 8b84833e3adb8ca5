// Start-up failures, the start-up time, the program itself end to end, and the
// version information that the program and the console calculator carry.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "gui_support.h"
#include "program_window.h"
#include "resource_ids.h"
#include "startup.h"

namespace {

TEST(Startup, RegistrationFailureIsReported) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA taken{};
    taken.lpfnWndProc = DefWindowProcA;
    taken.hInstance = instance;
    taken.lpszClassName = "myWindowClass";
    ASSERT_TRUE(RegisterClassA(&taken));

    DWORD gui = GetCurrentThreadId();
    std::string caption, texts;
    std::thread helper([&] {
        for (int i = 0; i < 500; ++i) {
            if (HWND box = FindThreadWindow(gui, "#32770", "Error!")) {
                caption = WindowText(box);
                for (const std::string& text : ChildTexts(box, "Static")) texts += text + "|";
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(10);
        }
    });
    bool started = StartZentrabel(instance, SW_SHOWNORMAL);
    helper.join();
    UnregisterClassA("myWindowClass", instance);

    EXPECT_FALSE(started);
    EXPECT_EQ(caption, "Error!");
    EXPECT_NE(texts.find("Window Registration Failed!|"), std::string::npos) << texts;
    EXPECT_EQ(FindThreadWindow(gui, "myWindowClass", nullptr), nullptr);
}

// The window whose creation the hook below refuses: its class (a name, or
// the atom of the dialog class) and, when given, its title.
struct Refusal {
    const char* className;
    const char* title;
};
Refusal gRefused;

bool IsClass(LPCSTR given, const char* wanted) {
    if (IS_INTRESOURCE(given)) {
        std::string atom = "#";
        atom += std::to_string(reinterpret_cast<ULONG_PTR>(given));
        return atom == wanted;
    }
    return lstrcmpiA(given, wanted) == 0;
}

LRESULT CALLBACK RefuseCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        if (IsClass(create->lpszClass, gRefused.className) &&
            (!gRefused.title || (create->lpszName && std::string(create->lpszName) == gRefused.title)))
            return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A window that cannot be made: the main window and the history dialog stop
// the start-up with their box; without the toolbar the window works on.
TEST(Startup, CreationFailuresAreReported) {
    struct Row {
        Refusal refused;
        const char* caption;
        const char* text;
        bool started;
    };
    const Row rows[] = {
        {{"myWindowClass", "Zentrabel"}, "Error!", "Window Creation Failed!", false},
        {{"#32770", "Task History"}, "Error!", "Dialog Creation Failed!", false},
        {{TOOLBARCLASSNAMEA, nullptr}, "Error", "Could not create toolbar.", true},
    };
    HINSTANCE instance = GetModuleHandleA(nullptr);
    DWORD gui = GetCurrentThreadId();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        gRefused = row.refused;
        std::string texts;
        std::thread helper([&] {
            for (int i = 0; i < 500; ++i) {
                if (HWND box = FindThreadWindow(gui, "#32770", row.caption)) {
                    for (const std::string& text : ChildTexts(box, "Static")) texts += text + "|";
                    PostMessageA(box, WM_COMMAND, IDOK, 0);
                    return;
                }
                Sleep(10);
            }
        });
        HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseCreation, nullptr, gui);
        ASSERT_NE(hook, nullptr);
        const bool started = StartZentrabel(instance, SW_HIDE);
        UnhookWindowsHookEx(hook);
        helper.join();

        EXPECT_EQ(started, row.started);
        EXPECT_NE(texts.find(std::string(row.text) + "|"), std::string::npos) << texts;
        HWND main = FindThreadWindow(gui, "myWindowClass", nullptr);
        if (row.started) {
            ASSERT_NE(main, nullptr);
            SetWindowTextA(GetDlgItem(GetDlgItem(main, IDC_PAST_TASKS), IDC_INPUT_LINE), "6*7");
            SendMessageA(main, WM_COMMAND, IDC_EQUALS, 0);
            EXPECT_EQ(WindowText(GetDlgItem(main, IDC_CURRENT_ANSWER)), "42");
            DestroyWindow(main);
        } else {
            EXPECT_EQ(main, nullptr);
        }
        EXPECT_EQ(FindThreadWindow(gui, "#32770", "Task History"), nullptr);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {}
        UnregisterClassA("myWindowClass", instance);
    }
}

// Reports the time from the start-up call to the painted window; the program
// enters the same call first thing in WinMain.
TEST(Startup, TimeToFirstPaintedWindow) {
    LARGE_INTEGER frequency, before, after;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&before);
    ASSERT_TRUE(StartZentrabel(GetModuleHandleA(nullptr), SW_SHOWNORMAL));
    QueryPerformanceCounter(&after);
    double ms =
        1000.0 * static_cast<double>(after.QuadPart - before.QuadPart) / static_cast<double>(frequency.QuadPart);
    std::printf("start-up to first painted window: %.1f ms\n", ms);
    RecordProperty("startup_ms", static_cast<int>(ms + 0.5));
    HWND main = FindThreadWindow(GetCurrentThreadId(), "myWindowClass", "Zentrabel");
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(IsWindowVisible(main));
    RECT update{};
    EXPECT_FALSE(GetUpdateRect(main, &update, FALSE));
    DestroyWindow(main);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {}
    UnregisterClassA("myWindowClass", GetModuleHandleA(nullptr));
}

using Lifetime = MainWindowTest;

TEST_F(Lifetime, ExitEndsTheMessageLoop) {
    PostMessageA(Main(), WM_COMMAND, IDM_EXIT, 0);
    EXPECT_EQ(RunMessageLoop(), 0);
    // The close request destroyed the main window, and with it the dialog.
    EXPECT_FALSE(IsWindow(Main()));
    EXPECT_FALSE(IsWindow(HistoryDialog()));
}

TEST_F(Lifetime, FocusGoesToTheInputLine) {
    SetFocus(Control(IDC_EQUALS));
    ASSERT_EQ(GetFocus(), Control(IDC_EQUALS));
    SetFocus(Main());
    EXPECT_EQ(GetFocus(), Input());
}

TEST(Program, CalculatesATaskEndToEnd) {
    std::string program = ProgramPath();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(
        CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        << program;
    WaitForInputIdle(process.hProcess, 10000);
    HWND main = WaitForMainWindow(process.dwProcessId);
    EXPECT_NE(main, nullptr);
    if (main) {
        EXPECT_EQ(WindowText(main), "Zentrabel");
        HWND input = GetDlgItem(GetDlgItem(main, IDC_PAST_TASKS), IDC_INPUT_LINE);
        ASSERT_NE(input, nullptr);
        SendMessageA(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("2H2O+3"));
        SendMessageA(GetDlgItem(main, IDC_EQUALS), BM_CLICK, 0, 0);
        EXPECT_EQ(WindowText(GetDlgItem(main, IDC_CURRENT_TASK)), "2H2O+3");
        EXPECT_EQ(WindowText(GetDlgItem(main, IDC_CURRENT_ANSWER)), "39.03056");
        EXPECT_EQ(WindowText(input), "");
        PostMessageA(main, WM_CLOSE, 0, 0);
    }
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    if (exitCode == STILL_ACTIVE) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// One string of a file's version resource, in its US English, Windows Latin-1
// block ("" when missing).
std::string VersionString(const std::vector<char>& info, const char* name) {
    std::string key = std::string("\\StringFileInfo\\040904E4\\") + name;
    char* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) || !value) return "";
    return std::string(value, length > 0 ? length - 1 : 0);
}

// Both executables carry the project's version, the number the About dialog
// and "zentrabel-cli --version" show.
TEST(Version, ResourceOfEachExecutableCarriesTheProjectVersion) {
    struct Row {
        const char* fromTests;
        const char* file;
        const char* description;
    };
    const Row rows[] = {
        {ZBL_PROGRAM_FROM_TESTS, "zentrabel.exe", "Zentrabel scientific calculator"},
        {ZBL_CLI_FROM_TESTS, "zentrabel-cli.exe", "Zentrabel console calculator"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        std::string path = BuildFilePath(row.fromTests);
        DWORD ignored = 0;
        DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
        ASSERT_GT(size, 0u) << path;
        std::vector<char> info(size);
        ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));

        EXPECT_EQ(VersionString(info, "ProductName"), "Zentrabel");
        EXPECT_EQ(VersionString(info, "ProductVersion"), ZBL_PROJECT_VERSION);
        EXPECT_EQ(VersionString(info, "FileVersion"), ZBL_PROJECT_VERSION);
        EXPECT_EQ(VersionString(info, "FileDescription"), row.description);
        EXPECT_EQ(VersionString(info, "OriginalFilename"), row.file);

        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
        ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
        EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
        EXPECT_EQ(fixed->dwFileVersionMS,
                  static_cast<DWORD>(MAKELONG(ZBL_PROJECT_VERSION_MINOR, ZBL_PROJECT_VERSION_MAJOR)));
        EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(MAKELONG(0, ZBL_PROJECT_VERSION_PATCH)));
        EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
        EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
        EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    }
}

}  // namespace
