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
