#include "windows_console.h"

#ifdef _WIN32

#include <io.h>
#include <windows.h>

#include <cstring>

namespace {

HANDLE ConsoleOf(int fd) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode)) return nullptr;
    return handle;
}

// Bytes of a UTF-8 character cut off at the end of a write.
char pendingBytes[4];
size_t pendingCount = 0;

}  // namespace

bool ReadConsoleText(int fd, char* buffer, size_t capacity, size_t& got) {
    HANDLE console = ConsoleOf(fd);
    if (!console) return false;
    got = 0;
    // A UTF-16 unit becomes at most three UTF-8 bytes.
    wchar_t wide[4096];
    const DWORD want = static_cast<DWORD>(capacity / 3 < 4096 ? capacity / 3 : 4096);
    DWORD read = 0;
    if (!ReadConsoleW(console, wide, want, &read, nullptr)) return true;  // an error ends the input
    // Ctrl+Z at the start of a line is the end of the input, as the C
    // library's text mode has it.
    if (read > 0 && wide[0] == 0x1A) return true;
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(read), buffer, static_cast<int>(capacity),
                                          nullptr, nullptr);
    got = bytes > 0 ? static_cast<size_t>(bytes) : 0;
    return true;
}

bool WriteConsoleText(int fd, const char* bytes, size_t length, bool& ok) {
    HANDLE console = ConsoleOf(fd);
    if (!console) return false;
    ok = true;
    while (length > 0 || pendingCount > 0) {
        char chunk[4096 + 4];
        size_t n = pendingCount;
        std::memcpy(chunk, pendingBytes, pendingCount);
        pendingCount = 0;
        const size_t take = length < 4096 ? length : 4096;
        std::memcpy(chunk + n, bytes, take);
        n += take;
        bytes += take;
        length -= take;
        // Keep back a character cut off at the end.
        size_t whole = n;
        size_t back = 0;
        while (back < 3 && back < whole && (static_cast<unsigned char>(chunk[whole - 1 - back]) & 0xC0) == 0x80) ++back;
        if (back < whole) {
            const auto lead = static_cast<unsigned char>(chunk[whole - 1 - back]);
            const size_t size = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            if (lead >= 0xC0 && size > back + 1) {
                pendingCount = back + 1;
                whole -= pendingCount;
                std::memcpy(pendingBytes, chunk + whole, pendingCount);
            }
        }
        wchar_t wide[4096 + 4];
        const int units = MultiByteToWideChar(CP_UTF8, 0, chunk, static_cast<int>(whole), wide, 4096 + 4);
        DWORD written = 0;
        if (units > 0 && !WriteConsoleW(console, wide, static_cast<DWORD>(units), &written, nullptr)) ok = false;
        if (length == 0) break;  // what is kept back waits for the next write
    }
    return true;
}

#else

bool ReadConsoleText(int, char*, size_t, size_t&) { return false; }
bool WriteConsoleText(int, const char*, size_t, bool&) { return false; }

#endif
