// The movies of a batch: read from a list, shared out among the jobs of an
// array, and given folders that do not depend on how the work was split.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace reelsnap::cli {

// The K-th of N interleaved shares, 1 <= K <= N.
struct Shard {
    int k = 1;
    int n = 1;
};
// "K/N", or nothing when it is not one.
std::optional<Shard> ParseShard(std::string_view text);
// Items K, K+N, K+2N ... (from 1): the shares of 1/N ... N/N never overlap
// and together hold every item.
std::vector<std::filesystem::path> ShareOf(const std::vector<std::filesystem::path>& items,
                                           Shard shard);

// The movie's folder below the output: its path below `base` without its
// extension ("a/clip.mp4" -> "a/clip"), taken lexically from the absolute
// paths, so that it never climbs out. Nothing when the movie is not below `base`.
std::optional<std::filesystem::path> TreeFolder(const std::filesystem::path& movie,
                                                const std::filesystem::path& base);

// Each movie's own folder under the output: named after the movie, and
// "clip (2)", "clip (3)" ... for later movies of the same name, in the
// order given.
std::vector<std::filesystem::path> MovieFolders(const std::vector<std::filesystem::path>& movies);

}  // namespace reelsnap::cli
