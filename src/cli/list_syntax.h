// What the command line takes as lists: frame indices and ranges, times, and
// list files (the movies of a batch, `@FILE` for frames and times).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace reelsnap::cli {

// A list of indices and ranges ("1,50,100-120"), or of times ("12.5,1:02"):
// nothing, with `bad` set to the first item that is not one, when an item is
// wrong. Items are separated by commas and trimmed of blanks.
std::optional<std::vector<std::pair<std::int32_t, std::int32_t>>> ParseIndexList(
    std::string_view text, std::string& bad);
std::optional<std::vector<std::int64_t>> ParseTimeList(std::string_view text, std::string& bad);

// The largest list file read: a list beyond it is refused, not read into
// memory without end (`@/dev/zero`).
inline constexpr std::size_t kMaxListBytes = std::size_t(64) << 20;

struct ListFile {
    std::vector<std::string> items;
    int error = 0;          // errno why it could not be read (EISDIR for a folder)
    bool tooLarge = false;  // longer than kMaxListBytes
    bool holdsNul = false;  // a NUL byte in a list of lines: a `find -print0` list
};

// The items of a list file ("-": standard input). Lines: a byte-order mark,
// a CR before each LF, blank lines and lines that begin with '#' are left
// out; the rest of each line is taken as it is. With `nulSeparated`, items
// end with NUL bytes (`find -print0`) and only empty ones are left out.
ListFile ReadListFile(const std::filesystem::path& file, bool nulSeparated);

}  // namespace reelsnap::cli
