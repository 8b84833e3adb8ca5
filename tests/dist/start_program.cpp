// start_program PATH: starts the calculator at PATH in its own folder, waits
// for its main window, checks the window's title, closes it and waits for the
// program to end. Exit status 0 when all of that happened, 1 otherwise, with
// the reason on standard error. Used by the installer check, which has no
// other way to see a window from the Linux side.
#include <windows.h>

#include <cstdio>
#include <string>

#include "program_window.h"

namespace {

int Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "start_program: %s%s\n", what, detail.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return Fail("usage: start_program PATH", "");
    const std::string program = argv[1];
    const size_t slash = program.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? std::string() : program.substr(0, slash + 1);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const char* workingFolder = folder.empty() ? nullptr : folder.c_str();
    if (!CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, workingFolder, &startup,
                        &process)) {
        return Fail("cannot start ", program);
    }
    WaitForInputIdle(process.hProcess, 10000);
    const HWND main = WaitForMainWindow(process.dwProcessId);

    int status = 0;
    if (!main) {
        status = Fail("no main window appeared within 10 s", "");
    } else {
        char title[64] = "";
        GetWindowTextA(main, title, sizeof title);
        if (lstrcmpA(title, "Zentrabel") != 0) status = Fail("main window title is ", title);
        std::printf("main window \"%s\" shown\n", title);
        PostMessageA(main, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        status = Fail("the program did not end within 10 s of closing its window", "");
    } else {
        DWORD exitCode = 1;
        GetExitCodeProcess(process.hProcess, &exitCode);
        if (exitCode != 0) status = Fail("exit code ", std::to_string(exitCode));
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (status == 0) std::printf("closed; exit code 0\n");
    return status;
}
