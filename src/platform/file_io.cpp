#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>

namespace reelsnap {

int RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    const int error = errno;
    if (error != EINVAL && error != ENOSYS) return error;
    // File systems without RENAME_NOREPLACE: link refuses an existing name.
    if (::link(from.c_str(), to.c_str()) != 0) return errno;
    if (::unlink(from.c_str()) != 0) {
        const int unlinkError = errno;
        ::unlink(to.c_str());
        return unlinkError;
    }
    return 0;
}

namespace {

constexpr std::string_view kTemporaryMark = ".part-";

// ".NAME.part-PID-N", as TemporarySibling makes it.
std::filesystem::path TemporarySibling(const std::filesystem::path& path);

// The process that wrote a temporary file of ours, or 0 for another file.
pid_t WriterOfTemporary(const std::string& name) {
    if (name.empty() || name[0] != '.') return 0;
    const std::size_t mark = name.rfind(kTemporaryMark);
    if (mark == std::string::npos) return 0;
    const std::size_t from = mark + kTemporaryMark.size();
    const std::size_t dash = name.find('-', from);
    if (dash == std::string::npos || dash == from || dash + 1 == name.size()) return 0;
    const auto digits = [&](std::size_t a, std::size_t b) {
        return std::all_of(name.begin() + long(a), name.begin() + long(b),
                           [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!digits(from, dash) || !digits(dash + 1, name.size()) || dash - from > 9) return 0;
    return pid_t(std::stol(name.substr(from, dash - from)));
}

std::filesystem::path TemporarySibling(const std::filesystem::path& path) {
    static std::atomic<unsigned> counter{0};
    std::string name = "." + path.filename().string() + std::string(kTemporaryMark) +
                       std::to_string(::getpid()) + "-" + std::to_string(counter.fetch_add(1));
    return path.parent_path() / name;
}

int WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes = bytes.subspan(std::size_t(n));
    }
    return 0;
}

// Writes the bytes to a new temporary file beside `path`; 0 or an errno value.
int WriteTemporarySibling(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                          ModificationTime modified, std::filesystem::path& temporary) {
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = TemporarySibling(path);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return errno;
    }
    if (fd < 0) return EEXIST;
    int error = WriteAll(fd, bytes);
    if (error == 0 && modified) {
        constexpr std::int64_t kNanoseconds = 1'000'000'000;
        const timespec times[2] = {
            {0, UTIME_OMIT}, {time_t(*modified / kNanoseconds), long(*modified % kNanoseconds)}};
        if (::futimens(fd, times) != 0) error = errno;
    }
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) ::unlink(temporary.c_str());
    return error;
}

// Writes through a temporary file and moves it into place with `place`,
// which answers 0 or an errno value; the temporary file never outlives a failure.
template <typename Place>
int WriteThroughTemporary(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                          ModificationTime modified, Place place) {
    std::filesystem::path temporary;
    if (const int error = WriteTemporarySibling(path, bytes, modified, temporary); error != 0) {
        return error;
    }
    const int error = place(temporary);
    if (error != 0) ::unlink(temporary.c_str());
    return error;
}

}  // namespace

int WriteFileReplacing(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                       ModificationTime modified) {
    return WriteThroughTemporary(
        path, bytes, modified, [&](const std::filesystem::path& temporary) {
            return ::rename(temporary.c_str(), path.c_str()) == 0 ? 0 : errno;
        });
}

void RemoveStaleTemporaryFiles(const std::filesystem::path& folder) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const pid_t writer = WriterOfTemporary(entry.path().filename().string());
        if (writer <= 0 || !entry.is_regular_file(ec)) continue;
        // No such process any more: nothing will finish or remove the file.
        if (::kill(writer, 0) != 0 && errno == ESRCH) ::unlink(entry.path().c_str());
    }
}

int WriteFileNoReplace(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                       ModificationTime modified) {
    return WriteThroughTemporary(
        path, bytes, modified,
        [&](const std::filesystem::path& temporary) { return RenameNoReplace(temporary, path); });
}

}  // namespace reelsnap
