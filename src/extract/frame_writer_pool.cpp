#include "extract/frame_writer_pool.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <utility>

#include "platform/translations.h"

namespace reelsnap {
namespace {

const char* const kNotEncodedReason =
    QT_TRANSLATE_NOOP("LocalizedStrings", "the image could not be encoded");

const char* const kNotEncodedBecause =
    QT_TRANSLATE_NOOP("LocalizedStrings", "the image could not be encoded: %1");

const char* const kSameNameReason = QT_TRANSLATE_NOOP(
    "LocalizedStrings", "frame %1 has the same name as frame %2, written before it");

FrameWriteFailure FailedWrite(const std::filesystem::path& path, int error,
                              std::string encoderReason = {}) {
    FrameWriteFailure failure;
    failure.path = path;
    failure.error = error;
    failure.encoderReason = std::move(encoderReason);
    return failure;
}

}  // namespace

QString WriteFailureReason(const FrameWriteFailure& failure) {
    if (failure.sameNameAs > 0) {
        return LocalizedString(kSameNameReason).arg(failure.frame).arg(failure.sameNameAs);
    }
    if (failure.error == 0 && !failure.encoderReason.empty()) {
        return LocalizedString(kNotEncodedBecause)
            .arg(QString::fromStdString(failure.encoderReason));
    }
    if (failure.error == 0) return LocalizedString(kNotEncodedReason);
    return QString::fromLocal8Bit(std::strerror(failure.error));
}

// One worker a core, at most eight; the byte budget bounds what they hold.
unsigned FrameWriterPool::DefaultWorkers() {
    return std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
}

FrameWriterPool::FrameWriterPool(unsigned workers, FrameJobWriter writer, std::size_t byteBudget)
    : capacity_(std::max(1u, workers)), byteBudget_(byteBudget), writer_(std::move(writer)) {
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
    const std::size_t bytes = job.image.byteCount();
    std::unique_lock lock(mutex_);
    // A 16K frame weighs what sixty-four 1080p frames do: the bound is in bytes.
    changed_.wait(lock, [&] {
        return queue_.size() < capacity_ && (bytesHeld_ == 0 || bytesHeld_ + bytes <= byteBudget_);
    });
    job.sequence = submitted_++;
    bytesHeld_ += bytes;
    queue_.push_back(std::move(job));
    changed_.notify_all();
}

std::size_t FrameWriterPool::bytesHeld() const {
    std::lock_guard lock(mutex_);
    return bytesHeld_;
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

WriteCounts FrameWriterPool::TakeCounts() {
    std::lock_guard lock(mutex_);
    return std::exchange(counts_, {});
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
        const std::size_t bytes = job.image.byteCount();
        std::optional<FrameWriteFailure> failure;
        try {
            failure = writer_(job);
        } catch (const std::bad_alloc&) {
            // Memory ran out for this frame: a failed write, not an abort.
            failure = FailedWrite(job.path, ENOMEM);
        }
        if (failure) failure->sequence = job.sequence;
        job.image = Image();
        const FrameOutcome outcome =
            !failure ? FrameOutcome::Written
            : failure->error == EEXIST && job.existing == ExistingFiles::Skip
                ? FrameOutcome::Kept
                : FrameOutcome::Failed;
        if (job.finished) {
            const char* extension = job.settings.type ? ImageTypeExtension(*job.settings.type) : "";
            job.finished(outcome, failure ? failure->path : FinalFramePath(job.path, extension),
                         outcome == FrameOutcome::Failed ? failure->error : 0);
        }
        lock.lock();
        bytesHeld_ -= bytes;
        if (outcome == FrameOutcome::Written) {
            ++counts_.written;
        } else if (outcome == FrameOutcome::Kept) {
            ++counts_.kept;
        } else {
            ++counts_.failed;
            if (!failure_ || failure->sequence < failure_->sequence) failure_ = std::move(failure);
        }
        --busy_;
        changed_.notify_all();
    }
}

std::optional<FrameWriteFailure> WriteFrameJob(const FrameJob& job) {
    if (!job.settings.type) return std::nullopt;
    const char* extension = ImageTypeExtension(*job.settings.type);
    const std::filesystem::path finalPath = FinalFramePath(job.path, extension);
    try {
        const EncodeResult data = EncodeFrameImage(job.image, job.settings, job.story);
        if (!data) return FailedWrite(finalPath, 0, data.reason());
        if (const int error =
                PlaceFrameFile(job.path, extension, *data, job.existing, job.modified);
            error != 0) {
            return FailedWrite(finalPath, error);
        }
    } catch (const std::bad_alloc&) {
        return FailedWrite(finalPath, ENOMEM);  // no memory for the scaled or encoded image
    }
    return std::nullopt;
}

}  // namespace reelsnap
