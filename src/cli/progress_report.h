// The command line's progress: a line on standard error that rewrites
// itself on a terminal, and a record per frame.
#pragma once

#include <chrono>
#include <filesystem>

#include "cli/options.h"
#include "extract/extraction_run.h"

namespace reelsnap::cli {

// Progress on standard error: a line that rewrites itself on a terminal,
// cleared when the movie is done; nothing when quiet or not a terminal.
class ProgressReport : public RunObserver {
  public:
    ProgressReport(ExtractionRun& run, const Options& options, std::filesystem::path movie);

    void RunBusy() override {}
    void StatusMessage(const char*) override {}
    void ProgressShown() override;
    void FrameHandled(std::int32_t done, std::int32_t expected) override;
    void ProgressHidden() override;
    // On a writer's thread for frames written: nothing here but a record.
    void FrameFinished(const FrameRecord& frame) override;
    void RunFinished(const RunResult&) override {}
    void Yield() override;

  private:
    ExtractionRun& run_;
    bool shown_;
    bool json_;
    bool lineShown_ = false;
    std::filesystem::path movie_;
    std::chrono::steady_clock::time_point start_;
};

}  // namespace reelsnap::cli
