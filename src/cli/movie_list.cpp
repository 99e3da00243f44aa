#include "cli/movie_list.h"

#include <charconv>
#include <map>
#include <set>
#include <string>

namespace reelsnap::cli {
namespace {

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The absolute path, "." and ".." taken out, without a trailing separator.
std::filesystem::path Normal(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::path normal = std::filesystem::absolute(path, ec).lexically_normal();
    if (!normal.has_filename() && normal.has_relative_path()) normal = normal.parent_path();
    return normal;
}

}  // namespace

std::optional<Shard> ParseShard(std::string_view text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    const auto k = WholeNumber(text.substr(0, slash));
    const auto n = WholeNumber(text.substr(slash + 1));
    if (!k || !n || *k < 1 || *k > *n) return std::nullopt;
    return Shard{*k, *n};
}

std::vector<std::filesystem::path> ShareOf(const std::vector<std::filesystem::path>& items,
                                           Shard shard) {
    std::vector<std::filesystem::path> share;
    for (std::size_t i = std::size_t(shard.k - 1); i < items.size(); i += std::size_t(shard.n)) {
        share.push_back(items[i]);
    }
    return share;
}

std::optional<std::filesystem::path> TreeFolder(const std::filesystem::path& movie,
                                                const std::filesystem::path& base) {
    std::filesystem::path relative = Normal(movie).lexically_relative(Normal(base));
    if (relative.empty() || relative == "." || *relative.begin() == "..") return std::nullopt;
    relative.replace_extension();
    return relative;
}

std::vector<std::filesystem::path> MovieFolders(const std::vector<std::filesystem::path>& movies) {
    std::vector<std::filesystem::path> folders;
    std::set<std::string> taken;
    // The next number to try for each stem: a list of a million clip.mp4
    // files numbers them in one pass, not in a square of them.
    std::map<std::string, int> nextNumber;
    for (const std::filesystem::path& movie : movies) {
        const std::string stem = movie.stem().native();
        std::string name = stem.empty() ? std::string("movie") : stem;
        if (taken.contains(name)) {
            int& n = nextNumber.try_emplace(stem, 2).first->second;
            do {
                name = stem + " (" + std::to_string(n++) + ")";
            } while (taken.contains(name));
        }
        taken.insert(name);
        folders.emplace_back(name);
    }
    return folders;
}

}  // namespace reelsnap::cli
