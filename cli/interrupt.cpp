#include "interrupt.h"

#ifndef _WIN32
#include <cstring>
#endif

namespace {

volatile std::sig_atomic_t gInterrupted = 0;

#ifndef _WIN32
struct sigaction gPrevious;

void NoteInterrupt(int) { gInterrupted = 1; }
#endif

}  // namespace

InterruptCatcher::InterruptCatcher() {
    gInterrupted = 0;
#ifndef _WIN32
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = NoteInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a waiting read must return
    sigaction(SIGINT, &action, &gPrevious);
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
