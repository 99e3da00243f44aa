// The picker's movie: opened, decoded and converted on a thread of its own,
// so that the window never waits for a frame. The window asks for frames;
// only the latest request counts (a key held down skips the frames it cannot
// show in time), and each answer comes back on the window's thread as a
// signal.
#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "app/picker/frame_cache.h"
#include "imaging/image_types.h"

namespace reelsnap {

class Movie;

// What the window knows of the movie once it is open.
struct MovieOutline {
    std::vector<std::int64_t> timesNs;    // frame i's time is [i - 1]
    std::vector<std::int32_t> keyFrames;  // ascending indices
    std::int32_t frameCount() const { return std::int32_t(timesNs.size()); }
    // The key frame at or before `index` (the first frame when none is).
    std::int32_t KeyFrameAtOrBefore(std::int32_t index) const;
    // The frame shown at `timeNs`: the last one whose time is at most it.
    std::int32_t FrameShownAt(std::int64_t timeNs) const;
};

class FrameSource : public QObject {
    Q_OBJECT
  public:
    // Each frame comes no larger than `bound`; the frames decoded lately are
    // kept in `cacheBytes`.
    FrameSource(const std::filesystem::path& movie, QSize bound, std::size_t cacheBytes);
    // Ends a decode in progress and waits for the thread.
    ~FrameSource() override;
    FrameSource(const FrameSource&) = delete;
    FrameSource& operator=(const FrameSource&) = delete;

    // Exactly `index`; or, while the timeline is dragged, the key frame at
    // or before it, which comes without decoding the frames between.
    enum class Precision { Exact, KeyFrame };
    void Show(std::int32_t index, Precision precision = Precision::Exact);
    // Frames at a new size: the kept ones are let go.
    void SetBound(QSize bound);
    // A contact sheet of the frames, each no larger than `bound`, labelled:
    // decoded, composed, encoded and written on the source's thread, and
    // answered by `sheetSaved` (a frame that does not decode leaves its cell
    // empty).
    struct SheetJob {
        std::vector<std::int32_t> indices;
        std::vector<QString> labels;
        QSize bound;
        ImageFileType type = ImageFileType::Jpeg;
        float compressionFactor = 0.7f;
        std::filesystem::path path;
    };
    void SaveSheet(SheetJob job);

    std::size_t cacheBytes() const { return cacheBytes_; }
    std::size_t peakCacheBytes() const { return peakCacheBytes_; }
    std::size_t cacheLimit() const { return cache_.maxBytes(); }
    // The seeks of the window's decoder so far: a step forward takes none.
    int seekCount() const { return seeks_; }

  signals:
    void opened(const reelsnap::MovieOutline& outline);
    void openFailed();
    void frameShown(std::int32_t index, const QImage& image);
    void frameFailed(std::int32_t index);
    // The sheet's file, and why it could not be written (empty once it is).
    void sheetSaved(const std::filesystem::path& path, const QString& failure);

  private:
    struct Request {
        std::int32_t index = 0;
        Precision precision = Precision::Exact;
    };

    // The frames of a group behind a shown one that are being decoded and
    // kept, by a second decoder, so that the one the window shows stays
    // where it is for the steps forward.
    struct Fill {
        std::int32_t next = 0;  // the next to decode
        std::int32_t last = 0;  // the last to keep
    };

    void Work();
    bool Open();
    void Answer(const Request& request);
    // Frame `index` by the window's decoder, kept.
    std::optional<QImage> Decode(std::int32_t index);
    std::optional<QImage> DecodeWith(Movie& movie, std::int32_t index);
    // Frame `index` at the current bound, not kept; nothing when it does not decode.
    std::optional<QImage> Picture(Movie& movie, std::int32_t index) const;
    // Starts keeping the frames up to `last` from its group's key frame (as
    // many of the last as the cache holds), behind the window's back.
    void StartFill(std::int32_t last);
    // Decodes and keeps the fill's next frame.
    void FillStep();
    std::vector<QImage> RenderFrames(const SheetJob& job);
    // The sheet written: why not, or an empty text.
    QString WriteSheet(const SheetJob& job);
    void Keep(std::int32_t index, const QImage& image);
    template <typename F>
    void OnWindowThread(F&& call);

    std::filesystem::path path_;
    std::unique_ptr<Movie> movie_;   // the thread's alone once it runs
    std::unique_ptr<Movie> behind_;  // the fills' decoder, opened when first wanted
    MovieOutline outline_;
    FrameCache cache_;
    std::int32_t decodedUpTo_ = 0;  // the index the window's decoder stands at
    std::int32_t lastShown_ = 0;
    std::optional<Fill> fill_;
    QSize bound_;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Request> request_;
    std::optional<SheetJob> sheetJob_;
    std::optional<QSize> newBound_;
    std::atomic<bool> stopping_{false};
    std::atomic<Movie*> interruptible_{nullptr};
    std::atomic<Movie*> interruptibleBehind_{nullptr};
    std::atomic<std::size_t> cacheBytes_{0};
    std::atomic<std::size_t> peakCacheBytes_{0};
    std::atomic<int> seeks_{0};
    std::thread thread_;  // last: starts once everything above is made
};

// Frame i's time as the picker shows it: "HH:MM:SS.mmm".
QString FrameTimeText(std::int64_t timeNs);

}  // namespace reelsnap
