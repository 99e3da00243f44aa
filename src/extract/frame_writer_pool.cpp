#include "extract/frame_writer_pool.h"

#include "extract/output_naming.h"

#include <algorithm>
#include <cerrno>
#include <utility>

namespace reelsnap {

// One worker a core, at most eight: with as many frames queued as workers,
// a 4K run then holds at most about half a gigabyte of frames in flight.
unsigned FrameWriterPool::DefaultWorkers() {
    return std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
}

FrameWriterPool::FrameWriterPool(unsigned workers, FrameJobWriter writer)
    : capacity_(std::max(1u, workers)), writer_(std::move(writer)) {
    for (unsigned i = 0; i < std::max(1u, workers); ++i) workers_.emplace_back([this] { Work(); });
}

FrameWriterPool::~FrameWriterPool() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    workers_.clear();  // joins after the queue is drained
}

void FrameWriterPool::Submit(FrameJob job) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queue_.size() < capacity_; });
    job.sequence = submitted_++;
    queue_.push_back(std::move(job));
    changed_.notify_all();
}

void FrameWriterPool::WaitUntilIdle() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queue_.empty() && busy_ == 0; });
}

std::optional<FrameWriteFailure> FrameWriterPool::FirstFailure() const {
    std::lock_guard lock(mutex_);
    return failure_;
}

void FrameWriterPool::ClearFailure() {
    std::lock_guard lock(mutex_);
    failure_.reset();
}

std::vector<std::filesystem::path> FrameWriterPool::TakeSkippedFiles() {
    std::lock_guard lock(mutex_);
    return std::exchange(skipped_, {});
}

void FrameWriterPool::Work() {
    std::unique_lock lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (queue_.empty()) return;  // stopping, and nothing left to do
        FrameJob job = std::move(queue_.front());
        queue_.pop_front();
        ++busy_;
        changed_.notify_all();
        lock.unlock();
        std::optional<FrameWriteFailure> failure = writer_(job);
        if (failure) failure->sequence = job.sequence;
        job.image = Image();
        lock.lock();
        if (failure && failure->error == EEXIST && job.existing == ExistingFiles::Skip) {
            skipped_.push_back(std::move(failure->path));
        } else if (failure && (!failure_ || failure->sequence < failure_->sequence)) {
            failure_ = std::move(failure);
        }
        --busy_;
        changed_.notify_all();
    }
}

std::optional<FrameWriteFailure> WriteFrameJob(const FrameJob& job) {
    if (!job.settings.type) return std::nullopt;
    const char* extension = ImageTypeExtension(*job.settings.type);
    const std::filesystem::path finalPath = FinalFramePath(job.path, extension);
    bool encodingFailed = false;
    const auto data = EncodeFrameImage(job.image, job.settings, encodingFailed);
    if (!data) return FrameWriteFailure{finalPath, 0};
    if (const int error = PlaceFrameFile(job.path, extension, *data, job.existing, job.modified);
        error != 0) {
        return FrameWriteFailure{finalPath, error};
    }
    return std::nullopt;
}

}  // namespace reelsnap
