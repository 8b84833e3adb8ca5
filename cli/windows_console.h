// The Windows console's own wide-character reading and writing, so that a
// "×" typed or pasted arrives whatever the console's code page is. Text
// crosses as UTF-8 on the program's side. Elsewhere these report that the
// descriptor is no console and do nothing.
#pragma once

#include <cstddef>

// When `fd` is a console: reads what the user entered (the console's own line
// editing and recall included) as UTF-8 into `buffer`, sets `got` (0 at the
// end of input: Ctrl+Z alone on a line) and returns true. False when `fd` is
// no console; then nothing was read.
bool ReadConsoleText(int fd, char* buffer, size_t capacity, size_t& got);

// When `fd` is a console: writes the UTF-8 `bytes` and returns true, with
// `ok` telling whether the console took them; a character cut off at the end
// waits for the next call. False when `fd` is no console.
bool WriteConsoleText(int fd, const char* bytes, size_t length, bool& ok);
