// The movie layer: a movie file's video samples on its time line, lookups of
// the next sample time, and the image of the frame at a sample time.
//
// Sample times are 64-bit presentation times in the video stream's time base.
// The time line holds every video sample that is presented: samples that an
// edit list drops and samples that begin before time 0 are not on it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "imaging/image.h"

namespace reelsnap {

// The most video samples a movie may have: the memory its tables take grows
// with them (about 200 bytes a sample), and a header may declare billions.
// Five million are 23 hours at 60 frames a second.
inline constexpr std::int64_t kMaxMovieSamples = 5'000'000;

// Why a file did not open as a movie: the system's reason (no such file, no
// permission, a folder), or a header that lists more than kMaxMovieSamples
// samples; neither for a file that is no movie.
struct MovieOpenFailure {
    int systemError = 0;
    bool tooLarge = false;
};

class Movie {
  public:
    // Nothing when the file is not a movie (a text file, an empty file, a
    // folder); `failure` then says why where it can. A file without a video
    // stream is a movie without samples.
    static std::unique_ptr<Movie> Open(const std::filesystem::path& path,
                                       MovieOpenFailure* failure = nullptr);
    ~Movie();
    Movie(const Movie&) = delete;
    Movie& operator=(const Movie&) = delete;

    bool hasVideo() const;
    // Units per second of the sample times (the video stream's time base).
    double timeScale() const;
    // The time base itself: a sample time of t ticks is t * num / den seconds.
    struct TimeBase {
        int num = 1;
        int den = 600;
    };
    TimeBase timeBase() const;

    // The time of the first sample that begins after `time` (at or after it
    // with `edgeOk`), or -1 when there is none.
    std::int64_t NextVideoSampleTime(std::int64_t time, bool edgeOk);

    // True once the walk or count found more than kMaxMovieSamples samples:
    // the time line then ends there, and the movie is too large to take.
    bool tooLarge() const;

    // The time line's sample times, ascending; frame i is at [i - 1].
    const std::vector<std::int64_t>& SampleTimes();
    // The end of the time line: its last frame's time plus that frame's duration.
    std::int64_t EndTime();
    // True when frame `index` (from 1) is a key frame: decoding can begin there.
    bool IsKeyFrame(std::int32_t index);
    // The time of the first frame: times that a user sees or gives count
    // from it, as players count (a transport stream's clock may start at
    // 1.4 s, an edit list may begin the movie late).
    std::int64_t StartTime();
    // Nanoseconds from the start to the sample at `time` (down), and the
    // time that many nanoseconds after the start (to the nearest tick).
    std::int64_t NanosecondsFromStart(std::int64_t time);
    std::int64_t TimeFromStart(std::int64_t ns);
    // Nanoseconds as sample-time ticks, to the nearest tick, and back (down).
    std::int64_t TicksOfNanoseconds(std::int64_t ns) const;
    std::int64_t NanosecondsOfTicks(std::int64_t ticks) const;

    // The scene score of the frame at `time` against the frame shown before
    // it (libavfilter's scdet: the change of the mean absolute difference of
    // their luma, 0 to 100; 0 for the first frame decoded after a seek). The
    // frame is decoded and held, so that FrameImageAtTime at the same time
    // only converts it. Meant for a walk over every frame in order. Nothing
    // when the frame does not decode.
    std::optional<double> SceneScoreAt(std::int64_t time);

    // The number of sample times on the time line. Where the container's
    // index lists every sample this reads no media data.
    std::int64_t CountTimeLineSamples();

    // The decoded frame of the sample at `time` as RGBA at its display size
    // (pixel aspect ratio and rotation applied), or nothing when that sample
    // does not decode. Decoding goes forward from where it stands and seeks
    // only when the sample lies behind it or beyond the next key frame.
    //
    // `nextTime`, where the caller knows it, is the sample that will be asked
    // for next (kNoFrameAfter when none is): when reaching that one takes a
    // seek anyway, the packets after this frame's are not decoded.
    //
    // With `layout` Ycbcr420 the image comes in the JPEG's YCbCr planes
    // where the frame needs no turn, mirror or change of pixel aspect and
    // its matrix allows; as RGBA otherwise. With Rgba64 it comes at 16 bits
    // a channel where the frame has more than 8 bits a sample, as RGBA
    // otherwise.
    static constexpr std::int64_t kNoFrameAfter = -1;
    std::optional<Image> FrameImageAtTime(std::int64_t time,
                                          std::optional<std::int64_t> nextTime = std::nullopt,
                                          ImageLayout layout = ImageLayout::Rgba);

    // The date at which the sample at `time` is shown, in nanoseconds since
    // 1970: the movie's creation time (its file's modification time when it
    // records none) plus the sample's time from the start.
    std::int64_t PresentationDate(std::int64_t time) const;
    // True when the movie records its creation time (not only its file's).
    bool RecordsCreationTime() const;
    // True when the container has a creation time tag, whether or not it
    // holds a date (one outside 1677 to 2262 is none).
    bool TagsCreationTime() const;
    // The place the movie was recorded, as its container gives it: an ISO
    // 6709 string ("+37.3349-122.0090+010.000/"), or empty.
    std::string LocationTag() const;

    // Makes every read of the file fail from now on, so that a count or a
    // decode in progress ends soon; safe from any thread.
    void Interrupt();

    // True when the frame last asked for decoded but is larger than the
    // largest image (Image::kMaxSide a side, as displayed): it has no image.
    bool lastFrameTooLarge() const;

    // How many seeks the decoder has made, and how many packets it has
    // read; for tests and benchmarks.
    int seekCount() const;
    std::int64_t packetsRead() const;
    // How many frames the decoder has given out (those decoded only to
    // reach another included), and how many packets or frames failed to
    // decode.
    std::int64_t framesDecoded() const;
    std::int64_t decodeErrors() const;

    // From now on images come at most this large (as displayed), scaled
    // down with their shape kept: a viewer's, which wants no more pixels
    // than it shows. 0 by 0, the default, for the display size.
    void SetImageBound(int maxWidth, int maxHeight);

    // From now on only key frames are decoded: a frame asked for that is
    // not one has no image.
    void DecodeOnlyKeyFrames(bool only);

    struct State;  // defined where the movie is opened; no one else can make one
    explicit Movie(std::unique_ptr<State> state);

  private:
    std::unique_ptr<State> state_;
};

// A container's creation_time tag in nanoseconds since 1970; nothing for a
// tag that is no date, or one that nanoseconds cannot hold (before 1677 or
// after 2262).
std::optional<std::int64_t> CreationTimeOfTag(const char* tag);

}  // namespace reelsnap
