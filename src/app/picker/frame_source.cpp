#include "app/picker/frame_source.h"

#include <algorithm>

#include "movie/movie.h"

namespace reelsnap {

namespace {

// How far behind the decoder a frame may be and still count as a step back.
constexpr std::int32_t kStepBackReach = 8;

QImage QImageOf(const Image& image) {
    QImage copy(image.width(), image.height(), QImage::Format_RGBA8888);
    for (int y = 0; y < image.height(); ++y) {
        std::copy_n(image.pixels() + std::size_t(y) * image.stride(), image.stride(),
                    copy.scanLine(y));
    }
    return copy;
}

}  // namespace

std::int32_t MovieOutline::KeyFrameAtOrBefore(std::int32_t index) const {
    const auto after = std::upper_bound(keyFrames.begin(), keyFrames.end(), index);
    return after == keyFrames.begin() ? 1 : *std::prev(after);
}

std::int32_t MovieOutline::FrameShownAt(std::int64_t timeNs) const {
    const auto after = std::upper_bound(timesNs.begin(), timesNs.end(), timeNs);
    return std::max<std::int32_t>(1, std::int32_t(after - timesNs.begin()));
}

QString FrameTimeText(std::int64_t timeNs) {
    const std::int64_t ms = std::max<std::int64_t>(timeNs, 0) / 1'000'000;
    return QString::asprintf("%02lld:%02lld:%02lld.%03lld", (long long)(ms / 3'600'000),
                             (long long)(ms / 60'000 % 60), (long long)(ms / 1000 % 60),
                             (long long)(ms % 1000));
}

FrameSource::FrameSource(const std::filesystem::path& movie, QSize bound, std::size_t cacheBytes)
    : cache_(cacheBytes), bound_(bound), thread_([this, movie] { Work(movie); }) {}

FrameSource::~FrameSource() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        if (Movie* movie = interruptible_.load()) movie->Interrupt();
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

void FrameSource::Render(const std::vector<std::int32_t>& indices, QSize bound) {
    {
        const std::lock_guard lock(mutex_);
        renderJob_ = RenderJob{indices, bound};
    }
    wake_.notify_all();
}

template <typename F>
void FrameSource::OnWindowThread(F&& call) {
    // Dropped when the source is gone before the window's thread gets to it.
    QMetaObject::invokeMethod(this, std::forward<F>(call), Qt::QueuedConnection);
}

void FrameSource::Work(std::filesystem::path path) {
    if (!Open(path)) {
        OnWindowThread([this] { emit openFailed(); });
        return;
    }
    OnWindowThread([this, outline = outline_] { emit opened(outline); });
    while (true) {
        std::optional<Request> request;
        std::optional<RenderJob> job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || request_ || renderJob_ || newBound_; });
            if (stopping_) return;
            if (newBound_) {
                bound_ = *newBound_;
                newBound_.reset();
                cache_.Clear();
                cacheBytes_ = 0;
            }
            request.swap(request_);
            job.swap(renderJob_);
        }
        if (request) Answer(*request);
        if (job) {
            std::vector<QImage> images = RenderFrames(*job);
            OnWindowThread([this, indices = job->indices, images = std::move(images)] {
                emit rendered(indices, images);
            });
        }
    }
}

bool FrameSource::Open(const std::filesystem::path& path) {
    movie_ = Movie::Open(path);
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
        outline_.timesNs.push_back(movie_->NanosecondsOfTicks(times[i]));
        if (movie_->IsKeyFrame(std::int32_t(i + 1)))
            outline_.keyFrames.push_back(std::int32_t(i + 1));
    }
    return true;
}

void FrameSource::Answer(const Request& request) {
    std::int32_t index = std::clamp(request.index, 1, outline_.frameCount());
    if (request.precision == Precision::KeyFrame) index = outline_.KeyFrameAtOrBefore(index);
    std::optional<QImage> image = cache_.Find(index);
    if (!image) {
        // A step back (or a few, with a key held down): the group is
        // decoded again from its key frame, and kept for the steps that
        // follow. A jump shows its frame alone.
        const bool stepBack = index <= decodedUpTo_ && decodedUpTo_ - index <= kStepBackReach &&
                              request.precision == Precision::Exact;
        image = stepBack ? FillBackTo(index) : Decode(index);
    }
    if (image) {
        OnWindowThread([this, index, image = *image] { emit frameShown(index, image); });
    } else {
        OnWindowThread([this, index] { emit frameFailed(index); });
    }
}

std::optional<QImage> FrameSource::Decode(std::int32_t index) {
    const std::size_t i = std::size_t(index) - 1;
    const std::int64_t next =
        i + 1 < movie_->SampleTimes().size() ? movie_->SampleTimes()[i + 1] : Movie::kNoFrameAfter;
    movie_->SetImageBound(bound_.width(), bound_.height());
    const std::optional<Image> image = movie_->FrameImageAtTime(movie_->SampleTimes()[i], next);
    decodedUpTo_ = index;
    if (!image || image->layout() != ImageLayout::Rgba) return std::nullopt;
    QImage shown = QImageOf(*image);
    Keep(index, shown);
    return shown;
}

std::optional<QImage> FrameSource::FillBackTo(std::int32_t index) {
    const std::int32_t key = outline_.KeyFrameAtOrBefore(index);
    // As many frames as fit are kept; those before are only decoded.
    const std::size_t frameBytes = std::size_t(std::max(1, bound_.width() * bound_.height())) * 4;
    const std::int32_t fit = std::int32_t(std::max<std::size_t>(1, cache_.maxBytes() / frameBytes));
    const std::int32_t from = std::max(key, index - fit + 1);
    std::optional<QImage> last;
    for (std::int32_t i = from; i <= index && !stopping_; ++i) last = Decode(i);
    return last;
}

void FrameSource::Keep(std::int32_t index, const QImage& image) {
    cache_.Put(index, image);
    cacheBytes_ = cache_.bytes();
    peakCacheBytes_ = std::max(peakCacheBytes_.load(), cache_.bytes());
}

std::vector<QImage> FrameSource::RenderFrames(const RenderJob& job) {
    std::vector<QImage> images;
    const QSize viewBound = bound_;
    bound_ = job.bound;
    for (const std::int32_t index : job.indices) {
        if (index < 1 || index > outline_.frameCount()) {
            images.emplace_back();
            continue;
        }
        // Not kept: the cache holds the view's size.
        const std::size_t i = std::size_t(index) - 1;
        movie_->SetImageBound(bound_.width(), bound_.height());
        const std::optional<Image> image = movie_->FrameImageAtTime(movie_->SampleTimes()[i]);
        decodedUpTo_ = index;
        images.push_back(image && image->layout() == ImageLayout::Rgba ? QImageOf(*image)
                                                                       : QImage());
    }
    bound_ = viewBound;
    return images;
}

}  // namespace reelsnap
