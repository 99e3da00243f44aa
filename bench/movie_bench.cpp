// Benchmark driver for the movie layer and the image writers. Prints one
// line of key=value pairs per measurement, for the scripts in bench/.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" {
#include <libavutil/log.h>
}

#include "extract/frame_counting.h"
#include "platform/movie.h"
#include "support/test_movies.h"

using namespace reelsnap;
using Clock = std::chrono::steady_clock;

namespace {

long PeakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

int Usage() {
    std::fprintf(stderr,
                 "usage: reelsnap-bench make-movie OUT SECONDS WIDTH HEIGHT GOP BFRAMES\n"
                 "       reelsnap-bench count MOVIE\n"
                 "       reelsnap-bench walk MOVIE STEP\n");
    return 2;
}

int MakeMovie(char** argv) {
    testing::MovieSpec spec;
    spec.width = std::atoi(argv[4]);
    spec.height = std::atoi(argv[5]);
    spec.frames = std::atoi(argv[3]) * 25;
    spec.gop = std::atoi(argv[6]);
    spec.bFrames = std::atoi(argv[7]);
    spec.noise = 12;
    spec.crf = 23;
    const std::string error = testing::WriteTestMovie(argv[2], spec);
    if (!error.empty()) {
        std::fprintf(stderr, "make-movie: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

int Count(const char* path) {
    const auto start = Clock::now();
    auto movie = Movie::Open(path);
    if (!movie) return 1;
    const int frames = CountVideoFrames(*movie);
    std::printf("seconds=%.4f frames=%d peak_kib=%ld\n", Since(start), frames, PeakKiB());
    return 0;
}

int Walk(const char* path, int step) {
    const auto start = Clock::now();
    auto movie = Movie::Open(path);
    if (!movie) return 1;
    int index = 0, images = 0;
    for (std::int64_t t = movie->NextVideoSampleTime(0, true); t >= 0;
         t = movie->NextVideoSampleTime(t, false)) {
        if (++index % step != 0 && step != 1) continue;
        if (movie->FrameImageAtTime(t)) ++images;
    }
    std::printf("seconds=%.4f frames=%d images=%d seeks=%d peak_kib=%ld\n", Since(start), index,
                images, movie->seekCount(), PeakKiB());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    av_log_set_level(AV_LOG_QUIET);
    if (argc >= 8 && !std::strcmp(argv[1], "make-movie")) return MakeMovie(argv);
    if (argc == 3 && !std::strcmp(argv[1], "count")) return Count(argv[2]);
    if (argc == 4 && !std::strcmp(argv[1], "walk")) return Walk(argv[2], std::atoi(argv[3]));
    return Usage();
}
