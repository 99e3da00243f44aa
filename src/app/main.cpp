#include <cstdio>

#include "extract/frame_counting.h"
#include "platform/movie.h"

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        auto movie = reelsnap::Movie::Open(argv[i]);
        if (!movie) continue;
        std::printf("%s: %d frames\n", argv[i], reelsnap::CountVideoFrames(*movie));
    }
    return 0;
}
