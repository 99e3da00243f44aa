// Writes the movie fuzzer's seeds: every named test movie, a few frames
// small, so that the fuzzer starts from each container and codec the tests
// know. `make-fuzz-seeds DIR`
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "support/fixtures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-fuzz-seeds DIR\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    int failures = 0;
    for (auto [name, entry] : reelsnap::testing::FixtureCatalog()) {
        if (name == "not_a_movie" || name == "long_mkv") continue;
        auto& spec = entry.spec;
        spec.frames = std::min(spec.frames, 5);
        spec.gop = std::min(spec.gop, 3);
        // libx265 writes past its buffers below one 64x64 block.
        const int smallest = spec.codec == "libx265" ? 64 : 16;
        spec.width = std::clamp(spec.width, smallest, 48 + smallest / 2);
        spec.height = std::clamp(spec.height, smallest, 32 + smallest);
        spec.noise = 0;
        const auto extension = std::filesystem::path(entry.file).extension().string();
        const auto path = dir / ("seed-" + name + extension);
        if (const auto error = reelsnap::testing::WriteTestMovie(path, spec); !error.empty()) {
            std::fprintf(stderr, "make-fuzz-seeds: %s: %s\n", name.c_str(), error.c_str());
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
