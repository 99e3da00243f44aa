#include "cli/progress_report.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "cli/cli_texts.h"
#include "cli/interruption.h"
#include "cli/json_records.h"
#include "imaging/image.h"
#include "platform/path_text.h"

namespace reelsnap::cli {

using Clock = std::chrono::steady_clock;

ProgressReport::ProgressReport(ExtractionRun& run, const Options& options,
                               std::filesystem::path movie)
    : run_(run),
      shown_(!options.quiet && ::isatty(STDERR_FILENO) == 1),
      json_(options.json),
      movie_(std::move(movie)) {}

void ProgressReport::ProgressShown() {
    start_ = Clock::now();
}

void ProgressReport::FrameHandled(std::int32_t done, std::int32_t expected) {
    if (!shown_) return;
    const double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
    const double rate = seconds > 0 ? done / seconds : 0;
    const double left = rate > 0 ? std::max(0, expected - done) / rate : 0;
    const QString line = CommandLine::tr("%1: frame %2 of %3, %4 frames/s, %5 s left")
                             .arg(DisplayPath(movie_.filename()))
                             .arg(done)
                             .arg(expected)
                             .arg(rate, 0, 'f', 1)
                             .arg(left, 0, 'f', 0);
    std::fprintf(stderr, "\r%s\033[K", line.toUtf8().constData());
    lineShown_ = true;
}

void ProgressReport::ProgressHidden() {
    if (lineShown_) std::fputs("\r\033[K", stderr);
    lineShown_ = false;
}

void ProgressReport::FrameFinished(const FrameRecord& frame) {
    if (frame.outcome == FrameOutcome::NotDecoded) {
        if (lineShown_) std::fputs("\r\033[K", stderr);
        const QString movie = DisplayPath(movie_);
        Say(Text(frame.tooLarge ? CommandLine::tr("%1: frame %2 is larger than %3 pixels a "
                                                  "side, the most Reelsnap takes")
                                      .arg(movie)
                                      .arg(frame.index)
                                      .arg(Image::kMaxSide)
                                : CommandLine::tr("%1: frame %2 could not be decoded")
                                      .arg(movie)
                                      .arg(frame.index)));
    } else if (json_ && frame.outcome != FrameOutcome::Failed) {
        WriteRecord(FrameRecordLine(movie_, frame));
    }
}

void ProgressReport::Yield() {
    if (InterruptingSignal() != 0) run_.RequestQuit();
}

}  // namespace reelsnap::cli
