// Ctrl+C in the interactive calculator. While an InterruptCatcher lives,
// SIGINT only sets a flag, and a read that is waiting for input returns
// (EINTR: the handler is installed without SA_RESTART), so the reader can
// look at the flag and decide: drop the line being typed, or end after
// writing what was answered. Given the `input` being read, the handler also
// closes it off (an empty input takes its descriptor), so a read that was
// about to start when Ctrl+C came returns too; Clear opens it again, with
// what was typed ahead. On Windows nothing is installed and the flag stays
// clear: the console keeps its own Ctrl+C.
#pragma once

#include <csignal>

class InterruptCatcher {
public:
    explicit InterruptCatcher(int input = -1);
    ~InterruptCatcher();  // puts back the action and the input found at construction
    InterruptCatcher(const InterruptCatcher&) = delete;
    InterruptCatcher& operator=(const InterruptCatcher&) = delete;

    // The flag the handler sets, for LineReader::StopOn.
    const volatile std::sig_atomic_t* Flag() const;
    bool Raised() const { return *Flag() != 0; }
    // Clears the flag and opens the input again (unless an end signal came).
    void Clear();
    // Sets the flag as Ctrl+C does, for a reason of the caller's own to stop
    // reading.
    void Raise();

private:
    int input_;
};

// The end of a session from outside: SIGHUP (the terminal was closed) and
// SIGTERM. While an EndCatcher lives they only note which came and put an
// empty input in place of `input` as Ctrl+C does, for good: a read of it
// that is waiting returns, and so does one that was about to start; the
// session can then keep what it must (its history) before it ends by that
// signal after all (Resend), as its parent expects. Both catchers of one
// session are given the same input. On Windows nothing is installed.
class EndCatcher {
public:
    explicit EndCatcher(int input);
    ~EndCatcher();  // puts back the actions found at construction
    EndCatcher(const EndCatcher&) = delete;
    EndCatcher& operator=(const EndCatcher&) = delete;

    // The signal that came, 0 while none has.
    int Signal() const;
    // Ends the process by that signal with its default action; returns only
    // when none came.
    void Resend() const;

private:
    int input_;
};
