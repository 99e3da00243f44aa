#include "cli/list_syntax.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string_view>

#include "platform/time_syntax.h"

namespace reelsnap::cli {
namespace {

// Calls `item` with each comma-separated item, trimmed; false once it does.
template <typename Item>
bool ForEachItem(std::string_view text, std::string& bad, Item item) {
    while (true) {
        const auto comma = text.find(',');
        const std::string_view piece = TrimBlanks(text.substr(0, comma));
        if (!item(piece)) {
            bad = std::string(piece);
            return false;
        }
        if (comma == std::string_view::npos) return true;
        text.remove_prefix(comma + 1);
    }
}

// The bytes of the file, or of standard input, up to one past the bound. A
// file that says it is larger is not read.
std::string ReadBytes(const std::filesystem::path& file, int& error, bool& tooLarge) {
    const bool standardInput = file == "-";
    const int fd = standardInput ? STDIN_FILENO : ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    std::string bytes;
    if (fd < 0) {
        error = errno;
        return bytes;
    }
    struct stat status {};
    tooLarge = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
               std::uint64_t(status.st_size) > kMaxListBytes;
    char buffer[65536];
    while (!tooLarge && bytes.size() <= kMaxListBytes) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) error = errno;  // EISDIR for a folder
        if (n <= 0) break;
        bytes.append(buffer, std::size_t(n));
    }
    if (!standardInput) ::close(fd);
    return bytes;
}

}  // namespace

std::optional<std::vector<std::pair<std::int32_t, std::int32_t>>> ParseIndexList(
    std::string_view text, std::string& bad) {
    std::vector<std::pair<std::int32_t, std::int32_t>> ranges;
    const bool good = ForEachItem(text, bad, [&](std::string_view item) {
        const auto dash = item.find('-');
        const auto from = ParseDigits(TrimBlanks(item.substr(0, dash)), INT32_MAX);
        const auto to = dash == std::string_view::npos
                            ? from
                            : ParseDigits(TrimBlanks(item.substr(dash + 1)), INT32_MAX);
        if (!from || !to || *from < 1 || *to < *from) return false;
        ranges.emplace_back(std::int32_t(*from), std::int32_t(*to));
        return true;
    });
    if (!good) return std::nullopt;
    return ranges;
}

std::optional<std::vector<std::int64_t>> ParseTimeList(std::string_view text, std::string& bad) {
    std::vector<std::int64_t> times;
    const bool good = ForEachItem(text, bad, [&](std::string_view item) {
        const auto ns = ParseTime(item);
        if (ns) times.push_back(*ns);
        return ns.has_value();
    });
    if (!good) return std::nullopt;
    return times;
}

ListFile ReadListFile(const std::filesystem::path& file, bool nulSeparated) {
    ListFile list;
    std::string bytes = ReadBytes(file, list.error, list.tooLarge);
    if (list.error != 0 || list.tooLarge) return list;
    if (bytes.size() > kMaxListBytes) {
        list.tooLarge = true;
        return list;
    }
    if (!nulSeparated && bytes.find('\0') != std::string::npos) {
        list.holdsNul = true;
        return list;
    }
    std::string_view rest = bytes;
    if (!nulSeparated && rest.starts_with("\xEF\xBB\xBF")) rest.remove_prefix(3);
    const char separator = nulSeparated ? '\0' : '\n';
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find(separator), rest.size());
        std::string_view item = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (!nulSeparated) {
            if (item.ends_with('\r')) item.remove_suffix(1);
            if (item.find_first_not_of(" \t") == std::string_view::npos || item.front() == '#') {
                continue;
            }
        }
        if (!item.empty()) list.items.emplace_back(item);
    }
    return list;
}

}  // namespace reelsnap::cli
