// Lists given in files: the movies of a batch, frames and times to take.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace reelsnap {

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

}  // namespace reelsnap
