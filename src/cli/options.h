// reelsnap-cli's options: the extraction engine without a window. It reads
// its settings from its options, never from the preferences file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/movie_list.h"
#include "extract/extraction_run.h"

namespace reelsnap::cli {

// Exit statuses.
inline constexpr int kAllDone = 0;
inline constexpr int kSomeFailed = 1;
inline constexpr int kUsageError = 2;
// After a signal: this plus its number (SIGINT 130, SIGTERM 143).
inline constexpr int kSignalled = 128;

struct Options {
    std::filesystem::path output = ".";
    std::optional<std::int32_t> first;
    std::optional<std::int32_t> last;
    FrameSelection selection;  // the mode and its values; first and last are above
    std::int16_t scalePercent = 100;
    ImageFileType type = ImageFileType::Jpeg;
    float compressionFactor = 0.7f;
    bool keepDeepFrames = false;  // --depth 16
    bool keepHdr = false;         // --hdr keep
    FrameNaming naming;
    bool preserveDates = false;
    bool writeMetadata = false;  // --metadata
    bool overwrite = false;
    bool countOnly = false;
    bool quiet = false;
    unsigned jobs = 0;  // 0: one writer a core
    // The movies given, then those of --from, then only --shard's share of them.
    std::vector<std::filesystem::path> movies;
    std::optional<std::filesystem::path> from;  // --from: the list file
    bool nulSeparated = false;                  // --null
    std::optional<Shard> shard;
    bool folderPerMovie = false;  // several movies, --from or --shard: a folder each
    // --tree BASE: each movie's folder is its path below BASE.
    std::optional<std::filesystem::path> tree;
    bool json = false;  // records on standard output
};

}  // namespace reelsnap::cli
