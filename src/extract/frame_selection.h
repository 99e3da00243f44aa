// Which frames a run hands out: every Nth index (the default), one frame
// every few seconds, the key frames, N frames spread evenly, a list of
// indices or of times, or the first frame of each scene.
//
// Frame i is the i-th frame of the movie's time line, from 1. Its time is its
// presentation time on the time line, in seconds from 0. The frame shown at
// time t is the last frame whose time is at or before t (the first frame for
// a t before it); times are compared in the stream's own ticks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/time_syntax.h"

namespace reelsnap {

class Movie;

// The stored SelectionMode numbers; lists are the command line's alone.
enum class SelectionMode : std::int16_t {
    Step = 1,
    Seconds = 2,
    KeyFrames = 3,
    Spread = 4,
    Scenes = 5,
    Frames = 6,
    Times = 7,
};

struct FrameSelection {
    SelectionMode mode = SelectionMode::Step;
    std::int16_t step = 1;  // Step: at least 1
    std::int32_t first = 1;
    std::int32_t last = 0;
    std::int64_t intervalNs = 0;   // Seconds: the interval, in nanoseconds
    std::int32_t spread = 1;       // Spread: how many frames
    double sceneThreshold = 10.0;  // Scenes: the least score of a cut, 0 to 100
    // Frames: the listed indices, as ranges from..to (a single index is a
    // range of one), in the order given.
    std::vector<std::pair<std::int32_t, std::int32_t>> ranges;
    std::vector<std::int64_t> timesNs;  // Times: as given, in nanoseconds
};

// The frames of a selection on one movie, in ascending index order, each once.
struct SelectedFrames {
    std::vector<std::int32_t> indices;
    // Listed indices or times past the movie's last frame or its end.
    std::int64_t beyondEnd = 0;
};

// The frames the selection takes from the movie's time line of `frameCount`
// frames, between first and last. Not for Step nor Scenes, which the walk
// takes as it goes.
SelectedFrames SelectFrames(const FrameSelection& selection, Movie& movie, std::int32_t frameCount);

// The index (from 1) of the frame shown at `time` on a time line of
// ascending times: the last one at or before it, the first for a time
// before every frame.
std::int32_t FrameShownAt(const std::vector<std::int64_t>& times, std::int64_t time);

// `count` indices spread evenly over first..last: the middle frame of each of
// `count` equal stretches (every frame when there are fewer).
std::vector<std::int32_t> SpreadIndices(std::int32_t first, std::int32_t last, std::int32_t count);

}  // namespace reelsnap
