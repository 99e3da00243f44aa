// The extraction run: the first document of PendingDocuments becomes one
// image file per selected video frame in the destination folder.
#pragma once

namespace reelsnap {

// The one-millisecond timer's callback. A run whose timer fires while
// another run is in progress waits, and starts when that run has ended.
void ExtractionRunTimer();

void ExtractionRun();

// Armed one second after a run when QuitWhenDone is set: says goodbye and
// ends the process at once.
void QuitAfterRun();

// Shows the last message and fades the main window out; no run starts after it.
void SayGoodbye();

// Waits for every frame handed to the writers; for the end of the process.
void FinishFrameWriters();

}  // namespace reelsnap
