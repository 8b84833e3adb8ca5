// Keyboard recall of past tasks in the input line, as a console recalls its
// commands: Up steps to older tasks, Down back to newer ones and then to the
// text that was being typed before the first Up. Platform-free; the window
// hands in the input line's text and the past-tasks list and shows what comes
// back. Recall never calculates.
#pragma once

#include <functional>
#include <optional>
#include <string>

// The past task at `index`, 0 the newest.
using PastTaskReader = std::function<std::string(int index)>;

class TaskRecall {
public:
    // Up: the next older past task, or nothing when the line keeps its text
    // (no past tasks, or the oldest is already shown). The first Up of a
    // session keeps `line` as the typed text.
    std::optional<std::string> Older(const std::string& line, int count, const PastTaskReader& read);

    // Down: the next newer past task, then the typed text; nothing when no
    // recall is under way.
    std::optional<std::string> Newer(const std::string& line, int count, const PastTaskReader& read);

private:
    // A line that no longer shows what recall put there was edited (typed
    // over, cleared, calculated): the session is over and the next Up starts
    // a new one from that text.
    void EndIfEdited(const std::string& line);

    int index_ = -1;  // the past task shown; -1: no session
    std::string typed_;
    std::string shown_;
};
