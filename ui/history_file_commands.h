// The history file commands, which take the history in and out of the
// program as plain 8-bit text: "Save As..." (2003) writes it to a file with
// the footer, "Open..." (2002) replays a file's lines as tasks through the "="
// key, "Copy History" (2106) puts it on the clipboard. The history text is the
// text of the history edit control; the file content and the line splitting
// come from io/history_file.h, the dialogs' texts and the proposed name from
// window_texts.h.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>

// The whole text of the history edit control, NUL-terminated, with its
// length (without the NUL) in `length`; nullptr when the memory cannot be had.
std::unique_ptr<char[]> ReadHistoryText(HWND history, size_t& length);

enum class HistoryFileResult {
    kWritten,  // the history text and the footer are in the file
    kEmpty,    // the history is empty: the file was created and left empty
    kFailed,   // the file could not be created, written or closed
};

// Creates (or replaces) the file `path`, not shared, and writes the history
// text of `history` unchanged followed by the footer. Nothing is reported to
// the user. A file that was created stays on disk, empty or partly written,
// when a later step fails.
HistoryFileResult WriteHistoryFile(const char* path, HWND history);

// Save As: shows the save dialog (the text-file filter, default extension
// "txt", the proposed name "zbl_<ddmmyyyy>" of today, asking before
// overwriting) and writes the history there. Returns 0 when the history was
// written, 1 otherwise. Cancel is silent; a failure to create, write or close
// the file shows an error box owned by `owner`, since the user would
// otherwise believe the history was kept.
int SaveHistory(HWND owner, HWND history);

// Reads the whole file `path` and replays every line of it (cut by
// ReplaySplitter: at each CR, the LF beginning the next line, a last line
// without a line end included, lines cut at 650 characters): each line is set
// into `inputLine` and the "=" key (1075) of `owner`, the main window, is
// pressed, which calculates it and appends its entry to the history edit
// control `history`. The entries reach the control together when the last line
// is done, and the owner does not paint meanwhile: appending to a long history
// one entry at a time grows slower with its length. The main window's state
// knows a replay is running, so the display lines wait for its end. Returns 0
// when the file was read, 1 when it cannot be opened, sized, held in memory or
// read; nothing is replayed then.
int ReplayHistoryFile(const char* path, HWND owner, HWND inputLine, HWND history);

// Open: shows the open dialog (the text-file filter, default extension "txt",
// the file must exist) and replays the chosen file. Returns 0 when the file
// was read, 1 when the user cancelled or the file could not be read. Never
// reports anything to the user.
int OpenHistory(HWND owner, HWND inputLine, HWND history);

// Copy History: places the whole history text on the clipboard as CF_TEXT in
// a movable global block that the clipboard then owns. An empty history, or a
// block that cannot be had, leaves the clipboard untouched.
void CopyHistory(HWND owner, HWND history);
