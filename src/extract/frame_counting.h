#pragma once

#include <cstdint>
#include <functional>

namespace reelsnap {

class Movie;

// The number of video sample times on the movie's time line: the frames
// that the frame walk visits.
std::int32_t CountVideoFrames(Movie& movie);

// The same, counted beside the caller, which calls `yield` every few
// milliseconds meanwhile: a movie without a sample index is read whole.
// Once `stop` answers true the count is broken off, and is short.
std::int32_t CountVideoFramesResponsively(Movie& movie, const std::function<void()>& yield,
                                          const std::function<bool()>& stop);

}  // namespace reelsnap
