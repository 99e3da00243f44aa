#include "cli/interruption.h"

#include <csignal>

namespace reelsnap::cli {
namespace {

volatile std::sig_atomic_t interrupted = 0;

}  // namespace

int InterruptingSignal() {
    return interrupted;
}

extern "C" void NoteInterrupt(int signal) {
    interrupted = signal;
}

}  // namespace reelsnap::cli
