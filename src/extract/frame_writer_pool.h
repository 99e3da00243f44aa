// A bounded pool of workers that scale, encode, write and rename the frames
// the run hands out, so that decoding on the main thread goes on meanwhile.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "imaging/frame_image_writer.h"
#include "imaging/image.h"

namespace reelsnap {

struct FrameJob {
    Image image;
    std::filesystem::path path;  // the ".jpg" name the file is first written under
    FrameWriteSettings settings;
    std::int16_t renameType = 4;  // the type whose extension the file then takes
    std::uint64_t sequence = 0;   // the order of handing out, set by the pool
};

struct FrameWriteFailure {
    std::filesystem::path path;
    int error = 0;
    std::uint64_t sequence = 0;
};

class FrameWriterPool {
  public:
    explicit FrameWriterPool(unsigned workers = DefaultWorkers());
    ~FrameWriterPool();
    FrameWriterPool(const FrameWriterPool&) = delete;
    FrameWriterPool& operator=(const FrameWriterPool&) = delete;

    static unsigned DefaultWorkers();

    // Queues the job; waits while as many jobs as workers are already queued.
    void Submit(FrameJob job);
    // Returns once every submitted job is complete.
    void WaitUntilIdle();
    // The failed write of the earliest frame handed out, whichever worker
    // finished first.
    std::optional<FrameWriteFailure> FirstFailure() const;
    void ClearFailure();

  private:
    void Work();
    static void Perform(const FrameJob& job, std::optional<FrameWriteFailure>& failure);

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<FrameJob> queue_;
    std::size_t capacity_;
    unsigned busy_ = 0;
    std::uint64_t submitted_ = 0;
    bool stopping_ = false;
    std::optional<FrameWriteFailure> failure_;
    std::vector<std::jthread> workers_;
};

}  // namespace reelsnap
