#include "help_address.h"

#include <cstring>

#include "text.h"

namespace {

// RFC 3986: a letter, then letters, digits, "+", "-" or "."; a one-letter
// "scheme" is a drive.
bool HasScheme(const char* address) {
    if (!IsLetter(address[0])) return false;
    size_t n = 1;
    while (IsLetter(address[n]) || IsDigit(address[n]) || address[n] == '+' || address[n] == '-' || address[n] == '.') {
        ++n;
    }
    return address[n] == ':' && n >= 2;
}

bool IsAbsolutePath(const char* address) {
    return address[0] == '\\' || address[0] == '/' || (IsLetter(address[0]) && address[1] == ':');
}

}  // namespace

bool ResolveHelpAddress(const char* configured, const char* programPath, char* out, size_t capacity) {
    TextWriter writer(out, capacity);
    if (!HasScheme(configured) && !IsAbsolutePath(configured)) {
        const char* folderEnd = programPath;
        for (const char* c = programPath; *c; ++c) {
            if (*c == '\\' || *c == '/') folderEnd = c + 1;
        }
        writer.Put(programPath, static_cast<size_t>(folderEnd - programPath));
    }
    writer.Put(configured);
    if (writer.Overflowed()) {
        out[0] = 0;
        return false;
    }
    return true;
}
