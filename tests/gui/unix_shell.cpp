#include "unix_shell.h"

#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

std::string ReadAll(const std::string& path) {
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

bool WriteAll(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    return ok;
}

}  // namespace

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
    if (!WriteAll(workDir_ + "\\" + name + ".sh", wrapped)) return -1;

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
    output_ = ReadAll(workDir_ + "\\" + name + ".out");
    return std::atoi(ReadAll(done).c_str());
}
