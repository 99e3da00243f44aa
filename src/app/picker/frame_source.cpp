#include "app/picker/frame_source.h"

#include "app/picker/contact_sheet.h"

#include <algorithm>

#include "app/picker/image_copies.h"
#include "extract/frame_selection.h"
#include "extract/output_naming.h"
#include "movie/movie.h"

namespace reelsnap {

namespace {

// How far behind the decoder a frame may be and still count as a step back.
constexpr std::int32_t kStepBackReach = 8;

}  // namespace

std::int32_t MovieOutline::KeyFrameAtOrBefore(std::int32_t index) const {
    const auto after = std::upper_bound(keyFrames.begin(), keyFrames.end(), index);
    return after == keyFrames.begin() ? 1 : *std::prev(after);
}

std::int32_t MovieOutline::FrameShownAt(std::int64_t timeNs) const {
    return reelsnap::FrameShownAt(timesNs, timeNs);
}

QString FrameTimeText(std::int64_t timeNs) {
    return QString::fromStdString(ClockTime(timeNs, ':'));
}

FrameSource::FrameSource(const std::filesystem::path& movie, QSize bound, std::size_t cacheBytes)
    : path_(movie), cache_(cacheBytes), bound_(bound), thread_([this] { Work(); }) {}

FrameSource::~FrameSource() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        if (Movie* movie = interruptible_.load()) movie->Interrupt();
        if (Movie* movie = interruptibleBehind_.load()) movie->Interrupt();
    }
    wake_.notify_all();
    thread_.join();
}

void FrameSource::Show(std::int32_t index, Precision precision) {
    {
        const std::lock_guard lock(mutex_);
        request_ = Request{index, precision};  // one not yet taken is dropped
    }
    wake_.notify_all();
}

void FrameSource::SetBound(QSize bound) {
    {
        const std::lock_guard lock(mutex_);
        newBound_ = bound;
    }
    wake_.notify_all();
}

void FrameSource::SaveSheet(SheetJob job) {
    {
        const std::lock_guard lock(mutex_);
        sheetJob_ = std::move(job);
    }
    wake_.notify_all();
}

template <typename F>
void FrameSource::OnWindowThread(F&& call) {
    // Dropped when the source is gone before the window's thread gets to it.
    QMetaObject::invokeMethod(this, std::forward<F>(call), Qt::QueuedConnection);
}

void FrameSource::Work() {
    if (!Open()) {
        OnWindowThread([this] { emit openFailed(); });
        return;
    }
    OnWindowThread([this, outline = outline_] { emit opened(outline); });
    while (true) {
        std::optional<Request> request;
        std::optional<SheetJob> job;
        {
            std::unique_lock lock(mutex_);
            // A fill under way goes on between requests; without one, the
            // thread sleeps until asked.
            if (!fill_) {
                wake_.wait(lock,
                           [this] { return stopping_ || request_ || sheetJob_ || newBound_; });
            }
            if (stopping_) return;
            if (newBound_) {
                bound_ = *newBound_;
                newBound_.reset();
                cache_.Clear();
                cacheBytes_ = 0;
            }
            request.swap(request_);
            job.swap(sheetJob_);
        }
        if (request) Answer(*request);
        if (job) {
            const QString failure = WriteSheet(*job);
            OnWindowThread([this, path = job->path, failure] { emit sheetSaved(path, failure); });
        }
        if (!request && !job && fill_) FillStep();
    }
}

bool FrameSource::Open() {
    movie_ = Movie::Open(path_);
    if (!movie_ || !movie_->hasVideo()) return false;
    {
        const std::lock_guard lock(mutex_);
        if (stopping_) return false;
        interruptible_ = movie_.get();
    }
    const std::vector<std::int64_t>& times = movie_->SampleTimes();
    if (times.empty() || movie_->tooLarge()) return false;
    outline_.timesNs.reserve(times.size());
    for (std::size_t i = 0; i < times.size(); ++i) {
        outline_.timesNs.push_back(movie_->NanosecondsFromStart(times[i]));
        if (movie_->IsKeyFrame(std::int32_t(i + 1)))
            outline_.keyFrames.push_back(std::int32_t(i + 1));
    }
    return true;
}

void FrameSource::Answer(const Request& request) {
    std::int32_t index = std::clamp(request.index, 1, outline_.frameCount());
    const bool exact = request.precision == Precision::Exact;
    if (!exact) index = outline_.KeyFrameAtOrBefore(index);
    std::optional<QImage> image = cache_.Find(index);
    if (!image && exact && index < lastShown_ && lastShown_ - index <= kStepBackReach) {
        // A step back (or a few, with a key held down): the fill under way
        // is headed there, or one starts for it; the steps that follow find
        // their frames kept.
        if (!fill_ || index < fill_->next || index > fill_->last) StartFill(index);
        while (fill_ && fill_->next <= index && !stopping_) FillStep();
        image = cache_.Find(index);
    }
    if (!image) {
        const bool forward = index == decodedUpTo_ + 1;
        image = Decode(index);
        // After a jump, the group behind the frame is filled in while the
        // window shows it, for the steps back to come.
        if (exact && !forward) StartFill(index - 1);
    }
    lastShown_ = index;
    if (image) {
        OnWindowThread([this, index, image = *image] { emit frameShown(index, image); });
    } else {
        OnWindowThread([this, index] { emit frameFailed(index); });
    }
}

std::optional<QImage> FrameSource::Decode(std::int32_t index) {
    std::optional<QImage> image = DecodeWith(*movie_, index);
    decodedUpTo_ = index;
    seeks_ = movie_->seekCount();
    return image;
}

std::optional<QImage> FrameSource::DecodeWith(Movie& movie, std::int32_t index) {
    std::optional<QImage> shown = Picture(movie, index);
    if (shown) Keep(index, *shown);
    return shown;
}

std::optional<QImage> FrameSource::Picture(Movie& movie, std::int32_t index) const {
    const std::size_t i = std::size_t(index) - 1;
    const std::vector<std::int64_t>& times = movie.SampleTimes();
    const std::int64_t next = i + 1 < times.size() ? times[i + 1] : Movie::kNoFrameAfter;
    movie.SetImageBound(bound_.width(), bound_.height());
    const std::optional<Image> image = movie.FrameImageAtTime(times[i], next);
    if (!image || image->layout() != ImageLayout::Rgba) return std::nullopt;
    return QImageOf(*image);
}

void FrameSource::StartFill(std::int32_t last) {
    fill_.reset();
    if (last < 1 || cache_.Holds(last)) return;
    // As many frames as fit are kept; those before them are only decoded.
    const std::size_t frameBytes = std::size_t(std::max(1, bound_.width() * bound_.height())) * 4;
    const std::int32_t fit = std::int32_t(std::max<std::size_t>(1, cache_.maxBytes() / frameBytes));
    fill_ = Fill{std::max(outline_.KeyFrameAtOrBefore(last), last - fit + 1), last};
}

void FrameSource::FillStep() {
    if (!behind_) {
        behind_ = Movie::Open(path_);
        const std::lock_guard lock(mutex_);
        if (!behind_ || stopping_) {
            fill_.reset();
            return;
        }
        interruptibleBehind_ = behind_.get();
    }
    DecodeWith(*behind_, fill_->next);  // one that does not decode is not kept
    if (++fill_->next > fill_->last) fill_.reset();
}

void FrameSource::Keep(std::int32_t index, const QImage& image) {
    cache_.Put(index, image);
    cacheBytes_ = cache_.bytes();
    peakCacheBytes_ = std::max(peakCacheBytes_.load(), cache_.bytes());
}

QString FrameSource::WriteSheet(const SheetJob& job) {
    const std::vector<QImage> images = RenderFrames(job);
    QSize frame(1, 1);
    for (const QImage& image : images) frame = frame.expandedTo(image.size());
    const QImage sheet = ComposeContactSheet(images, job.labels, frame);
    return WriteContactSheet(sheet, job.type, job.compressionFactor, job.path).value_or(QString());
}

std::vector<QImage> FrameSource::RenderFrames(const SheetJob& job) {
    std::vector<QImage> images;
    const QSize viewBound = bound_;
    bound_ = job.bound;
    for (const std::int32_t index : job.indices) {
        if (index < 1 || index > outline_.frameCount()) {
            images.emplace_back();
            continue;
        }
        // Not kept: the cache holds the view's size.
        images.push_back(Picture(*movie_, index).value_or(QImage()));
        decodedUpTo_ = index;
    }
    bound_ = viewBound;
    return images;
}

}  // namespace reelsnap
