// The signal that ends a run: SIGINT, SIGTERM or SIGHUP, or SIGPIPE when
// standard output's reader went away. The run ends after the frame in
// progress, every file complete.
#pragma once

namespace reelsnap::cli {

// The number of the signal that came, 0 while none did.
int InterruptingSignal();
// Notes a signal; safe in a signal handler.
extern "C" void NoteInterrupt(int signal);

}  // namespace reelsnap::cli
