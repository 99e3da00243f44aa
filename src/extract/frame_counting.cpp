#include "extract/frame_counting.h"

#include <algorithm>
#include <chrono>
#include <future>
#include <limits>

#include "movie/movie.h"

namespace reelsnap {

// Counting by next-sample lookups from time 0 until none is left gives the
// same number; the movie answers from its sample index where the container
// has one, so a long movie is counted without reading its media data.
std::int32_t CountVideoFrames(Movie& movie) {
    const std::int64_t count = movie.CountTimeLineSamples();
    return std::int32_t(std::min<std::int64_t>(count, std::numeric_limits<std::int32_t>::max()));
}

std::int32_t CountVideoFramesResponsively(Movie& movie, const std::function<void()>& yield,
                                          const std::function<bool()>& stop) {
    std::future<std::int32_t> count =
        std::async(std::launch::async, [&movie] { return CountVideoFrames(movie); });
    while (count.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
        yield();
        if (stop()) movie.Interrupt();
    }
    return count.get();
}

}  // namespace reelsnap
