#include "unix_shell.h"

#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "gui_support.h"

std::string UnixShell::UnixPath(const std::string& windowsPath) {
    using ToUnix = char*(CDECL*)(const WCHAR*);
    auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) return "";
    WCHAR wide[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH)) return "";
    char* unixName = toUnix(wide);
    if (!unixName) return "";
    std::string result = unixName;
    HeapFree(GetProcessHeap(), 0, unixName);
    return result;
}

UnixShell::UnixShell(const std::string& workDir) : workDir_(workDir), unixWorkDir_(UnixPath(workDir)) {}

int UnixShell::Run(const std::string& script, int timeoutSeconds) {
    output_.clear();
    if (!Available()) return -1;
    const std::string name = "shell" + std::to_string(++serial_);
    const std::string done = workDir_ + "\\" + name + ".status";
    DeleteFileA(done.c_str());
    // The status file is written last and renamed into place, so that it is
    // never read half written.
    const std::string wrapped = "cd " + HostDir() + " || exit 1\n(\n" + script + "\n) >" + name + ".out 2>&1\n" +
                                "echo $? >" + name + ".tmp && mv " + name + ".tmp " + name + ".status\n";
    if (!WriteFileBytes(workDir_ + "\\" + name + ".sh", wrapped)) return -1;

    // Wine starts host programs but gives no handle to wait on: the status
    // file tells when the script has ended.
    std::string command = "/bin/sh \"" + unixWorkDir_ + "/" + name + ".sh\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    if (process.hProcess) CloseHandle(process.hProcess);
    if (process.hThread) CloseHandle(process.hThread);

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    while (GetFileAttributesA(done.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (std::chrono::steady_clock::now() > deadline) return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    output_ = ReadFileBytes(workDir_ + "\\" + name + ".out");
    return std::atoi(ReadFileBytes(done).c_str());
}
