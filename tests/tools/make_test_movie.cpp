// Writes an H.264 MP4 test movie whose frames carry their index:
//   make-test-movie OUT SECONDS WIDTH HEIGHT GOP BFRAMES
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/test_movies.h"

extern "C" {
#include <libavutil/log.h>
}

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fprintf(stderr, "usage: make-test-movie OUT SECONDS WIDTH HEIGHT GOP BFRAMES\n");
        return 2;
    }
    av_log_set_level(AV_LOG_ERROR);
    reelsnap::testing::MovieSpec spec;
    spec.frames = std::atoi(argv[2]) * 25;
    spec.width = std::atoi(argv[3]);
    spec.height = std::atoi(argv[4]);
    spec.gop = std::atoi(argv[5]);
    spec.bFrames = std::atoi(argv[6]);
    spec.noise = 12;
    spec.crf = 23;
    const std::string error = reelsnap::testing::WriteTestMovie(argv[1], spec);
    if (!error.empty()) {
        std::fprintf(stderr, "make-test-movie: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
