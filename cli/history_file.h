// The interactive calculator's history between sessions: a plain text file,
// one typed line a line, oldest first, that a person can read and edit.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <utility>
#include <vector>

// How many lines the history keeps. Far more than anyone steps back through
// with Up or searches with Ctrl+R, and as a typed task is at most
// kInputLineCapacity characters, the file stays under half a megabyte and is
// read in a blink at every start.
inline constexpr size_t kHistoryLines = 1000;

// Where the history lives: $XDG_STATE_HOME/zentrabel/history when that is an
// absolute path (the XDG rules ignore a relative one), otherwise
// $HOME/.local/state/zentrabel/history; empty when neither is usable.
std::string HistoryPath(const char* stateHome, const char* home);

class HistoryFile {
public:
    // `path` empty keeps no history. At most `bound` lines are kept.
    explicit HistoryFile(std::string path, size_t bound = kHistoryLines) : path_(std::move(path)), bound_(bound) {}

    // Reads the last `bound` lines of the file into `lines` (a missing file is
    // an empty history) and makes sure its folder exists, parents included,
    // and can be written. False, with `error` saying why, when the history
    // cannot be kept; Add and Save then do nothing.
    bool Open(std::vector<std::string>& lines, std::string& error);

    // A line typed in this session, to be saved.
    void Add(const std::string& line);

    // Appends this session's lines to those now in the file (another session
    // may have saved meanwhile), keeps the last `bound`, and replaces the file
    // through a temporary one, so a failed write never leaves half a history.
    // True when there was nothing to do; false, with `error`, when it failed.
    bool Save(std::string& error);

private:
    std::string path_;
    size_t bound_;
    bool usable_ = false;
    std::deque<std::string> added_;
};

// A line worth keeping in the file: not empty, no longer than a task can be,
// and without a line break (which would split it in two when read back).
bool IsHistoryLine(const std::string& line);
