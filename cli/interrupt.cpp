#include "interrupt.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iterator>
#endif

namespace {

volatile std::sig_atomic_t gInterrupted = 0;
volatile std::sig_atomic_t gEndSignal = 0;

#ifndef _WIN32
constexpr int kEndSignals[] = {SIGHUP, SIGTERM};
struct sigaction gPrevious;
struct sigaction gPreviousEnd[std::size(kEndSignals)];

// A signal can come after the reader looked at its note and before its read
// starts waiting, where no EINTR will come. So the handlers also close off
// the input being read: an always-empty input (/dev/null, opened beforehand:
// dup2 may be called in a handler, open is better done outside) takes its
// descriptor, and that read finds the end of input at once. The terminal
// itself stays open under a copy, with whatever was typed ahead, for the
// input to be opened again when reading goes on after a Ctrl+C.
struct ClosableInput {
    int input = -1;  // the descriptor read
    int empty = -1;  // /dev/null
    int kept = -1;   // a copy of the input

    void Take(int descriptor) {
        if (input >= 0 || descriptor < 0) return;  // the first catcher's
        empty = open("/dev/null", O_RDONLY | O_CLOEXEC);
        kept = fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
        if (empty >= 0 && kept >= 0) {
            input = descriptor;
            return;
        }
        Let();
    }
    // Safe in a handler.
    void CloseOff() const {
        if (input >= 0) dup2(empty, input);
    }
    void Reopen() const {
        if (input >= 0) dup2(kept, input);
    }
    void Let() {
        if (empty >= 0) close(empty);
        if (kept >= 0) close(kept);
        *this = ClosableInput{};
    }
};

// The catchers that took it; the input goes back when the last one goes.
ClosableInput gInput;
int gInputTakers = 0;

void TakeInput(int descriptor) {
    if (descriptor < 0) return;
    gInput.Take(descriptor);
    ++gInputTakers;
}

void LetInput(int descriptor) {
    if (descriptor < 0 || --gInputTakers > 0) return;
    if (gEndSignal == 0) gInput.Reopen();
    gInput.Let();
}

void NoteInterrupt(int) {
    const int saved = errno;
    gInterrupted = 1;
    gInput.CloseOff();
    errno = saved;
}

void NoteEnd(int number) {
    const int saved = errno;
    gEndSignal = number;
    gInput.CloseOff();
    errno = saved;
}

// A handler without SA_RESTART: a waiting read must return.
void Catch(int number, void (*handler)(int), struct sigaction* previous) {
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    sigaction(number, &action, previous);
}
#endif

}  // namespace

InterruptCatcher::InterruptCatcher(int input) : input_(input) {
    gInterrupted = 0;
#ifndef _WIN32
    TakeInput(input_);
    Catch(SIGINT, NoteInterrupt, &gPrevious);
#endif
}

InterruptCatcher::~InterruptCatcher() {
#ifndef _WIN32
    sigaction(SIGINT, &gPrevious, nullptr);
    LetInput(input_);
#endif
}

const volatile std::sig_atomic_t* InterruptCatcher::Flag() const { return &gInterrupted; }

void InterruptCatcher::Clear() {
#ifndef _WIN32
    // A Ctrl+C (or an end signal) during the clearing is held back until the
    // input is open again and the flag clear, and then counts.
    sigset_t held;
    sigset_t before;
    sigemptyset(&held);
    sigaddset(&held, SIGINT);
    for (const int number : kEndSignals) sigaddset(&held, number);
    sigprocmask(SIG_BLOCK, &held, &before);
    if (gEndSignal == 0) gInput.Reopen();
    gInterrupted = 0;
    sigprocmask(SIG_SETMASK, &before, nullptr);
#else
    gInterrupted = 0;
#endif
}

void InterruptCatcher::Raise() { gInterrupted = 1; }

EndCatcher::EndCatcher(int input) : input_(input) {
    gEndSignal = 0;
#ifndef _WIN32
    TakeInput(input_);
    for (size_t i = 0; i < std::size(kEndSignals); ++i) Catch(kEndSignals[i], NoteEnd, &gPreviousEnd[i]);
#endif
}

EndCatcher::~EndCatcher() {
#ifndef _WIN32
    for (size_t i = 0; i < std::size(kEndSignals); ++i) sigaction(kEndSignals[i], &gPreviousEnd[i], nullptr);
    LetInput(input_);
#endif
}

int EndCatcher::Signal() const { return gEndSignal; }

void EndCatcher::Resend() const {
    const int number = gEndSignal;
    if (number == 0) return;
    std::signal(number, SIG_DFL);
    std::raise(number);
}
