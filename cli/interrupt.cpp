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

// The live ClosableInput's descriptors: the input read, /dev/null opened
// beforehand (dup2 may be called in a handler, open is better done outside),
// and a copy of the input. -1 while there is none.
int gInput = -1;
int gEmpty = -1;
int gKept = -1;

// Safe in a handler.
void CloseOffInput() {
    if (gInput >= 0) dup2(gEmpty, gInput);
}

void ReopenInput() {
    if (gInput >= 0 && gEndSignal == 0) dup2(gKept, gInput);
}

void NoteInterrupt(int) {
    const int saved = errno;
    gInterrupted = 1;
    CloseOffInput();
    errno = saved;
}

void NoteEnd(int number) {
    const int saved = errno;
    gEndSignal = number;
    CloseOffInput();
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

InterruptCatcher::InterruptCatcher() {
    gInterrupted = 0;
#ifndef _WIN32
    Catch(SIGINT, NoteInterrupt, &gPrevious);
#endif
}

InterruptCatcher::~InterruptCatcher() {
#ifndef _WIN32
    sigaction(SIGINT, &gPrevious, nullptr);
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
    ReopenInput();
    gInterrupted = 0;
    sigprocmask(SIG_SETMASK, &before, nullptr);
#else
    gInterrupted = 0;
#endif
}

void InterruptCatcher::Raise() { gInterrupted = 1; }

EndCatcher::EndCatcher() {
    gEndSignal = 0;
#ifndef _WIN32
    for (size_t i = 0; i < std::size(kEndSignals); ++i) Catch(kEndSignals[i], NoteEnd, &gPreviousEnd[i]);
#endif
}

EndCatcher::~EndCatcher() {
#ifndef _WIN32
    for (size_t i = 0; i < std::size(kEndSignals); ++i) sigaction(kEndSignals[i], &gPreviousEnd[i], nullptr);
#endif
}

int EndCatcher::Signal() const { return gEndSignal; }

void EndCatcher::Resend() const {
    const int number = gEndSignal;
    if (number == 0) return;
    std::signal(number, SIG_DFL);
    std::raise(number);
}

ClosableInput::ClosableInput(int input) {
#ifndef _WIN32
    if (gInput >= 0 || input < 0) return;
    gEmpty = open("/dev/null", O_RDONLY | O_CLOEXEC);
    gKept = fcntl(input, F_DUPFD_CLOEXEC, 0);
    // Without both, the input is left as it is: reading still works, with
    // the narrow window described above.
    if (gEmpty >= 0 && gKept >= 0) gInput = input;
#else
    (void)input;
#endif
}

ClosableInput::~ClosableInput() {
#ifndef _WIN32
    ReopenInput();
    gInput = -1;
    if (gEmpty >= 0) close(gEmpty);
    if (gKept >= 0) close(gKept);
    gEmpty = gKept = -1;
#endif
}
