// A bounded pool of workers that scale, encode and write the frames the run
// hands out, so that decoding on the main thread goes on meanwhile.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <QString>

#include "extract/output_naming.h"
#include "imaging/frame_image_writer.h"
#include "imaging/image.h"

namespace reelsnap {

// What became of a frame handed out.
enum class FrameOutcome {
    Written,
    Kept,        // its name was taken and ExistingFiles::Skip kept that file
    NotDecoded,  // the movie gave no image of it
    Failed,      // it could not be encoded or written
};

struct FrameJob {
    Image image;
    std::filesystem::path path;  // the frame's ".jpg" name
    FrameWriteSettings settings;
    ExistingFiles existing = ExistingFiles::KeepBeside;
    ModificationTime modified;        // nothing: the time of writing
    std::optional<FrameStory> story;  // written into the file where its type takes one
    std::uint64_t sequence = 0;       // the order of handing out, set by the pool
    // Told on the writer's thread, once the frame is written, kept or
    // failed, with its final name and errno (0 unless it failed), before
    // WaitUntilIdle can return.
    std::function<void(FrameOutcome, const std::filesystem::path&, int error)> finished;
};

struct FrameWriteFailure {
    std::filesystem::path path;      // the frame's final name
    int error = 0;                   // errno of the write; 0 when the image could not be encoded
    std::string encoderReason = {};  // why it could not be encoded, in the library's words
    std::uint64_t sequence = 0;
    // A frame whose name an earlier frame of the run took: both indices.
    std::int32_t frame = 0;
    std::int32_t sameNameAs = 0;
};

// Why the write failed, as a user reads it: the system's words for the
// error, that the image could not be encoded, or that another frame of the
// run has its name.
QString WriteFailureReason(const FrameWriteFailure& failure);

// What became of the frames handed to the pool.
struct WriteCounts {
    std::int32_t written = 0;
    std::int32_t kept = 0;    // not written: their name was taken (ExistingFiles::Skip)
    std::int32_t failed = 0;  // failed writes
};

// Writes one frame's file; the failure, if any.
using FrameJobWriter = std::function<std::optional<FrameWriteFailure>(const FrameJob&)>;

// Scales and encodes the frame by its settings and writes it under its final
// name (PlaceFrameFile). Without a type nothing is written, and that is no failure.
std::optional<FrameWriteFailure> WriteFrameJob(const FrameJob& job);

class FrameWriterPool {
  public:
    // The frames queued and being written hold at most `byteBudget` bytes
    // of images (a single frame larger than that still goes, alone).
    explicit FrameWriterPool(unsigned workers = DefaultWorkers(),
                             FrameJobWriter writer = WriteFrameJob,
                             std::size_t byteBudget = kDefaultByteBudget);

    static constexpr std::size_t kDefaultByteBudget = std::size_t(512) << 20;
    ~FrameWriterPool();
    FrameWriterPool(const FrameWriterPool&) = delete;
    FrameWriterPool& operator=(const FrameWriterPool&) = delete;

    static unsigned DefaultWorkers();

    // Queues the job; waits while as many jobs as workers are already
    // queued, or while the frames held would pass the byte budget.
    void Submit(FrameJob job);
    // The bytes of images queued and being written now.
    std::size_t bytesHeld() const;
    // Returns once every submitted job is complete.
    void WaitUntilIdle();
    // The failed write of the earliest frame handed out, whichever worker
    // finished first.
    std::optional<FrameWriteFailure> FirstFailure() const;
    void ClearFailure();
    // The counts of the frames complete since the last call.
    WriteCounts TakeCounts();

  private:
    void Work();

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<FrameJob> queue_;
    std::size_t capacity_;
    std::size_t byteBudget_;
    std::size_t bytesHeld_ = 0;
    unsigned busy_ = 0;
    std::uint64_t submitted_ = 0;
    bool stopping_ = false;
    std::optional<FrameWriteFailure> failure_;
    WriteCounts counts_;
    FrameJobWriter writer_;
    std::vector<std::jthread> workers_;
};

}  // namespace reelsnap
