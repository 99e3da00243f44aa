#include "movie/sample_table.h"

#include <algorithm>

#include "movie/movie.h"
#include "movie/movie_input.h"
#include "platform/ffmpeg_raii.h"

namespace reelsnap {

std::int64_t SampleTable::EndTime() const {
    if (times_.empty()) return 0;
    const std::int32_t last = timeSample_.back();
    std::int64_t duration = last >= 0 ? samples_[std::size_t(last)].duration * division_ : 0;
    if (duration <= 0 && times_.size() > 1) duration = times_.back() - times_[times_.size() - 2];
    return times_.back() + std::max<std::int64_t>(duration, 1);
}

void SampleTable::Build(AVFormatContext* input, int streamIndex, std::int64_t listedSamples) {
    std::vector<std::pair<std::int64_t, std::int32_t>> onTimeLine;
    ff::Packet pkt = ff::MakePacket();
    while (ReadStreamPacket(input, streamIndex, pkt.get()) == 0) {
        ff::PacketRef unref(pkt.get());
        if (std::int64_t(samples_.size()) >= kMaxMovieSamples) {
            tooLarge_ = true;
            break;
        }
        if (pkt->pts == AV_NOPTS_VALUE) untimed_ = true;
        Sample s;
        s.dts = pkt->dts;
        s.pts = pkt->pts != AV_NOPTS_VALUE ? pkt->pts : pkt->dts;
        s.pos = pkt->pos;
        s.duration = pkt->duration;
        s.key = (pkt->flags & AV_PKT_FLAG_KEY) != 0;
        const auto index = std::int32_t(samples_.size());
        samples_.push_back(s);
        if (s.key) keySamples_.push_back(index);
        if (s.pos >= 0) sampleAtPos_.emplace(s.pos, index);
        if (s.pts != AV_NOPTS_VALUE) sampleAtPts_.emplace(s.pts, index);
        const bool dropped = (pkt->flags & AV_PKT_FLAG_DISCARD) != 0;
        if (!dropped && s.pts != AV_NOPTS_VALUE && s.pts >= 0) {
            onTimeLine.emplace_back(s.pts, index);
        }
    }
    earliestFrom_.resize(samples_.size());
    std::int64_t earliest = INT64_MAX;
    for (std::size_t i = samples_.size(); i-- > 0;) {
        if (samples_[i].pts != AV_NOPTS_VALUE) earliest = std::min(earliest, samples_[i].pts);
        earliestFrom_[i] = earliest;
    }
    if (untimed_) {
        // One frame a packet, in the order the decoder gives them out.
        for (std::int32_t i = 0; i < std::int32_t(samples_.size()); ++i) {
            times_.push_back(i);
            timeSample_.push_back(i);
        }
        return;
    }
    std::stable_sort(onTimeLine.begin(), onTimeLine.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    ChooseTickDivision(onTimeLine);
    std::int64_t previous = AV_NOPTS_VALUE;
    int shared = 0;
    for (const auto& [pts, index] : onTimeLine) {
        shared = pts == previous ? shared + 1 : 0;
        previous = pts;
        // Beyond the division (a time too far out to divide): one frame a time.
        if (shared >= division_) continue;
        times_.push_back(pts * division_ + shared);
        timeSample_.push_back(index);
    }
    std::int64_t t = times_.empty() ? 0 : times_.back();
    while (std::int64_t(times_.size()) < std::min(listedSamples, kMaxMovieSamples)) {
        times_.push_back(++t);
        timeSample_.push_back(-1);
    }
}

// Frames that share a presentation time (a muxer bumped their decode times,
// or a time scale too coarse for the frame rate) are each a frame of their
// own: the time line counts in a division of the stream's tick large enough
// to give each its own time, in the order the decoder gives them out.
void SampleTable::ChooseTickDivision(
    const std::vector<std::pair<std::int64_t, std::int32_t>>& onTimeLine) {
    std::int64_t most = 1, run = 0, previous = AV_NOPTS_VALUE, largest = 0;
    for (const auto& [pts, index] : onTimeLine) {
        run = pts == previous ? run + 1 : 1;
        previous = pts;
        most = std::max(most, run);
        largest = std::max(largest, pts);
    }
    division_ = int(std::min<std::int64_t>(most, kMaxTickDivision));
    while (division_ > 1 && largest > (INT64_MAX / 4) / division_) division_ /= 2;
}

std::int32_t SampleTable::SeekSampleFor(std::int32_t sample) const {
    const std::int64_t pts = samples_[std::size_t(sample)].pts;
    // Frames of one presentation time come out of the decoder in its order:
    // decoding begins before the first of them.
    if (division_ > 1) {
        if (auto first = sampleAtPts_.find(pts); first != sampleAtPts_.end()) {
            sample = std::min(sample, first->second);
        }
    }
    auto it = std::upper_bound(keySamples_.begin(), keySamples_.end(), sample);
    while (it != keySamples_.begin()) {
        --it;
        if (samples_[std::size_t(*it)].pts <= pts) return *it;
    }
    return 0;
}

std::int32_t SampleTable::SampleShownAt(std::int64_t time) const {
    const auto it = std::lower_bound(times_.begin(), times_.end(), time);
    if (it == times_.end() || *it != time) return -1;
    return timeSample_[std::size_t(it - times_.begin())];
}

bool SampleTable::AllShownAfter(std::int32_t sample, std::int64_t time) const {
    if (untimed_ || sample < 0 || std::size_t(sample) >= samples_.size()) return false;
    return earliestFrom_[std::size_t(sample)] > StreamTicksOf(time);
}

std::int64_t SampleTable::StreamTicksOf(std::int64_t time) const {
    // Down, also below 0: a time of the division inside tick t is in t.
    return time >= 0 ? time / division_ : -((-time + division_ - 1) / division_);
}

std::int64_t SampleTable::TimeOfFrame(std::int64_t pts, int shared) const {
    if (untimed_ || pts == AV_NOPTS_VALUE) return pts;
    return pts * division_ + std::min(shared, division_ - 1);
}

std::int32_t SampleTable::Identify(const AVPacket& pkt, std::int32_t expected) const {
    if (expected >= 0 && std::size_t(expected) < samples_.size()) {
        const Sample& s = samples_[std::size_t(expected)];
        if (pkt.pos >= 0 ? s.pos == pkt.pos : s.dts == pkt.dts) return expected;
    }
    if (pkt.pos >= 0) {
        if (auto it = sampleAtPos_.find(pkt.pos); it != sampleAtPos_.end()) return it->second;
    } else if (pkt.pts != AV_NOPTS_VALUE) {
        if (auto it = sampleAtPts_.find(pkt.pts); it != sampleAtPts_.end()) return it->second;
    }
    return -1;
}

}  // namespace reelsnap
