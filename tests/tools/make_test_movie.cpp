// Writes an H.264 MP4 test movie whose frames carry their index; with
// "hevc-main10" an HEVC Main10 movie (BT.709), with "hevc-hlg" one tagged
// BT.2020 HLG:
//   make-test-movie OUT SECONDS WIDTH HEIGHT GOP BFRAMES [hevc-main10|hevc-hlg]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/test_movies.h"

extern "C" {
#include <libavutil/log.h>
}

int main(int argc, char** argv) {
    const std::string variant = argc == 8 ? argv[7] : "";
    const bool hlg = variant == "hevc-hlg";
    const bool main10 = hlg || variant == "hevc-main10";
    if (argc < 7 || argc > 8 || (argc == 8 && !main10)) {
        std::fprintf(stderr,
                     "usage: make-test-movie OUT SECONDS WIDTH HEIGHT GOP BFRAMES "
                     "[hevc-main10|hevc-hlg]\n");
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
    if (main10) {
        spec.codec = "libx265";
        spec.pixelFormat = AV_PIX_FMT_YUV420P10LE;
        spec.colorSpace = AVCOL_SPC_BT709;
        spec.tagColorSpace = true;
    }
    if (hlg) {
        spec.colorSpace = AVCOL_SPC_BT2020_NCL;
        spec.primaries = AVCOL_PRI_BT2020;
        spec.transfer = AVCOL_TRC_ARIB_STD_B67;
    }
    const std::string error = reelsnap::testing::WriteTestMovie(argv[1], spec);
    if (!error.empty()) {
        std::fprintf(stderr, "make-test-movie: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
