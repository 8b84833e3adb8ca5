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

// The input an end signal closes off, and an always-empty input opened
// beforehand to put in its place (dup2 may be called in a handler, open is
// better done outside).
int gEndInput = -1;
int gEmptyInput = -1;

void NoteInterrupt(int) { gInterrupted = 1; }

// A signal can come after the reader looked at the note and before its read
// starts waiting, where no EINTR will come. With the input replaced, that
// read finds the end of input at once.
void NoteEnd(int number) {
    const int saved = errno;
    gEndSignal = number;
    if (gEndInput >= 0 && gEmptyInput >= 0) dup2(gEmptyInput, gEndInput);
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

void InterruptCatcher::Clear() { gInterrupted = 0; }

void InterruptCatcher::Raise() { gInterrupted = 1; }

EndCatcher::EndCatcher(int input) {
    gEndSignal = 0;
#ifndef _WIN32
    gEndInput = input;
    gEmptyInput = open("/dev/null", O_RDONLY | O_CLOEXEC);
    for (size_t i = 0; i < std::size(kEndSignals); ++i) Catch(kEndSignals[i], NoteEnd, &gPreviousEnd[i]);
#else
    (void)input;
#endif
}

EndCatcher::~EndCatcher() {
#ifndef _WIN32
    for (size_t i = 0; i < std::size(kEndSignals); ++i) sigaction(kEndSignals[i], &gPreviousEnd[i], nullptr);
    if (gEmptyInput >= 0) close(gEmptyInput);
    gEmptyInput = -1;
    gEndInput = -1;
#endif
}

int EndCatcher::Signal() const { return gEndSignal; }

void EndCatcher::Resend() const {
    const int number = gEndSignal;
    if (number == 0) return;
    std::signal(number, SIG_DFL);
    std::raise(number);
}
