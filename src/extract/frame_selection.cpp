#include "extract/frame_selection.h"

#include <algorithm>

#include "movie/movie.h"

namespace reelsnap {

std::int32_t FrameShownAt(const std::vector<std::int64_t>& times, std::int64_t time) {
    const auto it = std::upper_bound(times.begin(), times.end(), time);
    return it == times.begin() ? 1 : std::int32_t(it - times.begin());
}

namespace {

// The selected indices sorted, each once, within [first, last].
void KeepInRange(std::vector<std::int32_t>& indices, std::int32_t first, std::int32_t last) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    std::erase_if(indices, [&](std::int32_t i) { return i < first || i > last; });
}

SelectedFrames EverySeconds(const FrameSelection& s, Movie& movie, std::int32_t last) {
    SelectedFrames selected;
    const std::vector<std::int64_t>& times = movie.SampleTimes();
    const std::int64_t interval = std::max<std::int64_t>(s.intervalNs, 1);
    const std::int64_t start = times[std::size_t(s.first) - 1];
    const std::int64_t end =
        last < std::int32_t(times.size()) ? times[std::size_t(last)] : movie.EndTime();
    for (std::int64_t k = 0;;) {
        const std::int64_t t = start + movie.TicksOfNanoseconds(k * interval);
        if (t >= end) break;
        const std::int32_t index = FrameShownAt(times, t);
        if (selected.indices.empty() || selected.indices.back() != index) {
            selected.indices.push_back(index);
        }
        // Until the range's end every later time shows its last frame.
        if (index >= last) break;
        // On to the first multiple of the interval that can reach the next
        // frame: an interval far shorter than a frame costs nothing.
        const std::int64_t toNext = movie.NanosecondsOfTicks(times[std::size_t(index)] - start);
        k = std::max(k + 1, toNext / interval);
    }
    return selected;
}

}  // namespace

std::vector<std::int32_t> SpreadIndices(std::int32_t first, std::int32_t last, std::int32_t count) {
    std::vector<std::int32_t> indices;
    const std::int64_t n = std::int64_t(last) - first + 1;
    const std::int64_t taken = std::min<std::int64_t>(count, n);
    for (std::int64_t k = 0; k < taken; ++k) {
        indices.push_back(std::int32_t(first + (2 * k + 1) * n / (2 * taken)));
    }
    return indices;
}

SelectedFrames SelectFrames(const FrameSelection& s, Movie& movie, std::int32_t frameCount) {
    // The frames on the time line, where the container's index counted others.
    frameCount = std::int32_t(std::min<std::size_t>(frameCount, movie.SampleTimes().size()));
    const std::int32_t last = std::min(s.last, frameCount);
    SelectedFrames selected;
    if (s.mode == SelectionMode::Frames) {
        // A range is taken up to the last frame of the range at most. Ranges
        // are merged before they are counted out, so that a list that names
        // the same range a million times takes no more than the range.
        std::vector<std::pair<std::int32_t, std::int32_t>> ranges = s.ranges;
        for (const auto& [from, to] : ranges) {
            if (to > frameCount) {
                selected.beyondEnd += to - std::max(from - 1, frameCount);
            }
        }
        std::sort(ranges.begin(), ranges.end());
        std::int64_t next = s.first;  // the first index not taken yet
        for (const auto& [from, to] : ranges) {
            for (std::int64_t i = std::max<std::int64_t>(from, next); i <= std::min(to, last);
                 ++i) {
                selected.indices.push_back(std::int32_t(i));
            }
            next = std::max<std::int64_t>(next, std::int64_t(to) + 1);
        }
    } else if (s.mode == SelectionMode::Times) {
        const std::vector<std::int64_t>& times = movie.SampleTimes();
        for (const std::int64_t ns : s.timesNs) {
            const std::int64_t t = movie.TimeFromStart(ns);
            if (times.empty() || t >= movie.EndTime()) {
                ++selected.beyondEnd;
            } else {
                selected.indices.push_back(FrameShownAt(times, t));
            }
        }
    }
    if (last < s.first || frameCount <= 0) {
        selected.indices.clear();
        return selected;
    }
    switch (s.mode) {
        case SelectionMode::Seconds:
            selected = EverySeconds(s, movie, last);
            break;
        case SelectionMode::KeyFrames:
            for (std::int32_t i = s.first; i <= last; ++i) {
                if (movie.IsKeyFrame(i)) selected.indices.push_back(i);
            }
            break;
        case SelectionMode::Spread:
            selected.indices = SpreadIndices(s.first, last, s.spread);
            break;
        default:
            break;
    }
    KeepInRange(selected.indices, s.first, last);
    return selected;
}

}  // namespace reelsnap
