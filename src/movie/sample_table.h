// A video stream's samples: decode order, the display-order time line and
// the key frames to seek to, built by one demuxing pass.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

extern "C" {
#include <libavformat/avformat.h>
}

namespace reelsnap {

// One video packet of the stream, in decode order.
struct Sample {
    std::int64_t pts = AV_NOPTS_VALUE;
    std::int64_t dts = AV_NOPTS_VALUE;
    std::int64_t pos = -1;
    std::int64_t duration = 0;  // in ticks; 0 when the container does not say
    bool key = false;
};

class SampleTable {
  public:
    // Reads every packet of the stream from `input`. Where the container's
    // index lists more samples (`listedSamples`) than the file still holds,
    // the missing ones stay on the time line without images.
    void Build(AVFormatContext* input, int streamIndex, std::int64_t listedSamples);

    // The presentation times of the samples that are shown, ascending:
    // samples that an edit list drops or that begin before 0 are not on it.
    // Without presentation times (untimed()) they are 0, 1, 2...: the
    // decoder's frames in the order it gives them out.
    const std::vector<std::int64_t>& times() const { return times_; }
    // The sample shown at `time`, or -1 when none is or the file no longer
    // holds it.
    std::int32_t SampleShownAt(std::int64_t time) const;
    const Sample& sample(std::int32_t index) const { return samples_[std::size_t(index)]; }
    // True when the sample at times()[i] is a key frame.
    bool KeyAt(std::size_t i) const {
        return timeSample_[i] >= 0 && samples_[std::size_t(timeSample_[i])].key;
    }
    // The end of the time line: its last time plus that sample's duration
    // (the time between the last two where the container gives none).
    std::int64_t EndTime() const;

    // Time-line times are stream ticks times this division (1 unless frames
    // share a presentation time): a frame presented at tick p, the k-th of
    // those presented at p in the decoder's order, is at p * division + k.
    int tickDivision() const { return division_; }
    std::int64_t StreamTicksOf(std::int64_t time) const;
    std::int64_t TimeOfFrame(std::int64_t pts, int shared) const;

    // The stream holds more than kMaxMovieSamples packets: reading stopped there.
    bool tooLarge() const { return tooLarge_; }

    // Some packet of the stream carries no presentation time (AVI, program
    // streams, raw elementary streams): decode order says nothing of the
    // display order, so only the decoder can tell which frame is which.
    bool untimed() const { return untimed_; }

    // The key frame from which decoding reaches the sample: the last one
    // before it in decode order that is not presented after it.
    std::int32_t SeekSampleFor(std::int32_t sample) const;

    // True when every sample from `sample` on in decode order is presented
    // after `time`: the frame at `time` needs none of them.
    bool AllShownAfter(std::int32_t sample, std::int64_t time) const;

    // The decode index of a packet just read, where `expected` is the index
    // the reading should have reached; -1 when the packet is not known.
    std::int32_t Identify(const AVPacket& packet, std::int32_t expected) const;

  private:
    // The most frames given one presentation time each.
    static constexpr int kMaxTickDivision = 1024;
    void ChooseTickDivision(const std::vector<std::pair<std::int64_t, std::int32_t>>& onTimeLine);

    int division_ = 1;
    std::vector<Sample> samples_;             // decode order
    std::vector<std::int64_t> times_;         // the time line, ascending
    std::vector<std::int32_t> timeSample_;    // times_[i]'s sample, -1 where unreadable
    std::vector<std::int32_t> keySamples_;    // key frame samples, ascending
    std::vector<std::int64_t> earliestFrom_;  // [i]: the least pts of samples i..end
    std::unordered_map<std::int64_t, std::int32_t> sampleAtPos_;
    std::unordered_map<std::int64_t, std::int32_t> sampleAtPts_;
    bool untimed_ = false;
    bool tooLarge_ = false;
};

}  // namespace reelsnap
