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
    void Clear();
    // Sets the flag as Ctrl+C does, for a reason of the caller's own to stop
    // reading.
    void Raise();
};

// The end of a session from outside: SIGHUP (the terminal was closed) and
// SIGTERM. While an EndCatcher lives they only note which came and put an
// empty input (/dev/null) in place of `input`, so a read of it that is
// waiting returns, and so does one that was about to start; the session can
// then keep what it must (its history) before it ends by that signal after
// all (Resend), as its parent expects. Nothing more is read from `input`.
// On Windows nothing is installed.
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
};
