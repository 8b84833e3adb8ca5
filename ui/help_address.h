// Where "Online Help" points: the configured help address, or the help page
// shipped beside the program. Platform-free.
#pragma once

#include <cstddef>

// Resolves the configured help address against the program's path. An
// address with a scheme ("https://...", "file:..."), a drive ("C:\...") or a
// leading "\" or "/" is used as it stands; any other text names a file in the
// program's folder (the part of `programPath` up to its last "\" or "/").
// Writes the result into `out` (room for `capacity` characters); returns
// false, with `out` empty, when it does not fit.
bool ResolveHelpAddress(const char* configured, const char* programPath, char* out, size_t capacity);
