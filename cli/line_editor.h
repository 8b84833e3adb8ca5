// Lines typed at a terminal, edited by libedit through its readline
// interface where the build found the library (ZBL_HAVE_LIBEDIT): the arrow
// keys move and recall, Ctrl+R searches earlier lines, Ctrl+C drops the line
// being typed. Where the library is missing, Available() is false and the
// caller reads lines plainly (on Windows the console edits them itself).
#pragma once

#include <string>

#include "interrupt.h"

class LineEditor {
public:
    enum class Got {
        kLine,       // a line was entered
        kCancelled,  // Ctrl+C dropped the line being typed
        kEnd,        // Ctrl+D at an empty line, or the terminal is gone
    };

    // True when this build edits lines.
    static bool Available();

    // Takes over the terminal on standard input and output. Ctrl+C is seen
    // through `interrupt`, which must outlive the editor.
    explicit LineEditor(InterruptCatcher& interrupt);
    LineEditor(const LineEditor&) = delete;
    LineEditor& operator=(const LineEditor&) = delete;

    // Shows `prompt` and reads one line into `line`. Whatever else is to be
    // seen before the prompt must have been written (and flushed) already.
    Got Next(const char* prompt, std::string& line);

    // Makes `line` one that Up and Ctrl+R find; the in-memory list keeps the
    // last kHistoryLines. Empty lines and a repeat of the latest line are left
    // out; returns whether the line was added.
    bool Remember(const std::string& line);

private:
    InterruptCatcher& interrupt_;
    std::string latest_;
};
