#pragma once

#include <cstdint>

namespace reelsnap {

class Movie;

// The number of video sample times on the movie's time line: the frames
// that the frame walk visits.
std::int32_t CountVideoFrames(Movie& movie);

}  // namespace reelsnap
