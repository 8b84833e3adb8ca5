// Ctrl+C in the interactive calculator. While an InterruptCatcher lives,
// SIGINT only sets a flag, and a read that is waiting for input returns
// (EINTR: the handler is installed without SA_RESTART), so the reader can
// look at the flag and decide: drop the line being typed, or end after
// writing what was answered. On Windows nothing is installed and the flag
// stays clear: the console keeps its own Ctrl+C.
#pragma once

#include <csignal>

class InterruptCatcher {
public:
    InterruptCatcher();
    ~InterruptCatcher();  // puts back the action found at construction
    InterruptCatcher(const InterruptCatcher&) = delete;
    InterruptCatcher& operator=(const InterruptCatcher&) = delete;

    // The flag the handler sets, for LineReader::StopOn.
    const volatile std::sig_atomic_t* Flag() const;
    bool Raised() const { return *Flag() != 0; }
    // Clears the flag, and opens a closed-off input again unless an end
    // signal came (see ClosableInput).
    void Clear();
    // Sets the flag as Ctrl+C does, for a reason of the caller's own to stop
    // reading.
    void Raise();
};

// The end of a session from outside: SIGHUP (the terminal was closed) and
// SIGTERM. While an EndCatcher lives they only note which came, and a read
// that is waiting returns, so the session can keep what it must (its history)
// before it ends by that signal after all (Resend), as its parent expects.
// On Windows nothing is installed.
class EndCatcher {
public:
    EndCatcher();
    ~EndCatcher();  // puts back the actions found at construction
    EndCatcher(const EndCatcher&) = delete;
    EndCatcher& operator=(const EndCatcher&) = delete;

    // The signal that came, 0 while none has.
    int Signal() const;
    // Ends the process by that signal with its default action; returns only
    // when none came.
    void Resend() const;
};

// A signal can come after the reader looked at its note and before its read
// starts waiting, where no EINTR will wake that read. While a ClosableInput
// lives, the catchers' handlers also close off `input`: an always-empty input
// takes its descriptor, and that read finds the end of input at once. The
// input itself stays open under a copy, with whatever was typed ahead:
// InterruptCatcher::Clear opens it again after a Ctrl+C; after an end signal
// it stays closed off. One at a time; nothing is done on Windows.
class ClosableInput {
public:
    explicit ClosableInput(int input);
    ~ClosableInput();  // opens the input again unless an end signal came
    ClosableInput(const ClosableInput&) = delete;
    ClosableInput& operator=(const ClosableInput&) = delete;
};
