// Reading and saving the settings file with the C library's files only.
//
// Reading goes through SettingsLineCollector; saving writes a complete new
// file beside the old one and only then puts it in the old one's place, so a
// save that fails at any step leaves the previous settings file as it was.
#pragma once

#include <cstddef>

struct TaskRecord;
struct ViewFlags;

// Receives one command line of the settings file (at most kInputLineCapacity
// characters, NUL-terminated, first character "#").
using SettingsCommandSink = void (*)(const char* line, void* context);

// Opens `path` in binary mode and hands each command line to `sink`, in file
// order, while the file is read. False, and no call, when the file cannot be
// opened; a read error ends the lines early like the end of the file.
bool ReadSettingsCommands(const char* path, SettingsCommandSink sink, void* context);

// Moves the finished file `from` over `to`, replacing `to` if it exists; true
// on success. Replacing an existing file in one step is platform business (the
// C library's rename refuses an existing target on some platforms).
using ReplaceFileFn = bool (*)(const char* from, const char* to);

// Writes `size` bytes to `tempPath` (created or truncated, binary), checks
// every write, the flush and the close, then calls `replace(tempPath, path)`.
// True only when all of it succeeded. On any failure the temporary file is
// removed and `path` is left untouched by this function.
bool SaveFileReplacing(const char* path, const char* tempPath, const char* bytes, size_t size, ReplaceFileFn replace);

// WriteSettingsText for `settings` and `view`, saved with SaveFileReplacing.
bool SaveSettingsFile(const char* path, const char* tempPath, const TaskRecord& settings, const ViewFlags& view,
                      ReplaceFileFn replace);
