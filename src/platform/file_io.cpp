#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace reelsnap {

bool IsFolder(const std::filesystem::path& item) {
    std::error_code ec;
    return std::filesystem::is_directory(item, ec);
}

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
constexpr char kOwnMark[] = "user.reelsnap.frame";

// ".NAME.part-PID-N", as TemporarySibling makes it.
std::filesystem::path TemporarySibling(const std::filesystem::path& path);

struct TemporaryName {
    std::string finalName;  // NAME
    pid_t writer = 0;       // PID
};

// ".NAME.part-PID-N" read back; nothing for any other name.
std::optional<TemporaryName> ParseTemporaryName(const std::string& name) {
    if (name.size() < 2 || name[0] != '.') return std::nullopt;
    const std::size_t mark = name.rfind(kTemporaryMark);
    if (mark == std::string::npos || mark < 2) return std::nullopt;
    const std::size_t from = mark + kTemporaryMark.size();
    const std::size_t dash = name.find('-', from);
    if (dash == std::string::npos || dash == from || dash + 1 == name.size()) return std::nullopt;
    const auto digits = [&](std::size_t a, std::size_t b) {
        return std::all_of(name.begin() + long(a), name.begin() + long(b),
                           [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!digits(from, dash) || !digits(dash + 1, name.size()) || dash - from > 9) {
        return std::nullopt;
    }
    return TemporaryName{name.substr(1, mark - 1),
                         pid_t(std::stol(name.substr(from, dash - from)))};
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

// An open temporary file, locked for as long as it is open: a sweep by
// another process (another PID namespace, another host on the same NFS
// folder) sees a writer alive by the lock, whatever its PID says there.
class TemporaryFile {
  public:
    ~TemporaryFile() {
        if (!kept_ && !path_.empty()) ::unlink(path_.c_str());
        CloseWriteEnd();
        if (lock_ >= 0) ::close(lock_);
    }
    // 0 or an errno value.
    int Create(const std::filesystem::path& beside) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            path_ = TemporarySibling(beside);
            fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ < 0) {
                path_.clear();
                if (errno != EEXIST) return errno;
                continue;
            }
            // The lock lives on a second descriptor, so that closing the first
            // (which reports delayed write errors) keeps it until the rename. A
            // file system without locks (NFS without its lock service) still
            // takes the file: a sweep that cannot lock it never removes it.
            lock_ = ::fcntl(fd_, F_DUPFD_CLOEXEC, 0);
            if (lock_ < 0) return errno;
            ::flock(lock_, LOCK_EX);
            // A sweep elsewhere that came between the open and the lock took
            // the name away: another name then.
            struct stat st {};
            if (::fstat(fd_, &st) != 0) return errno;
            if (st.st_nlink > 0) return 0;
            ::close(std::exchange(fd_, -1));
            ::close(std::exchange(lock_, -1));
            path_.clear();
        }
        return EEXIST;
    }
    int fd() const { return fd_; }
    const std::filesystem::path& path() const { return path_; }
    // 0 or the errno value of the close.
    int CloseWriteEnd() {
        if (fd_ < 0) return 0;
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }
    // The file now lives under another name: it is unlocked, not removed.
    void Keep() { kept_ = true; }

  private:
    int fd_ = -1;
    int lock_ = -1;
    bool kept_ = false;
    std::filesystem::path path_;
};

// Marks a file as one Reelsnap wrote; a file system without extended
// attributes keeps no mark, and that is no failure.
void MarkAsOurs(int fd) {
    ::fsetxattr(fd, kOwnMark, "1", 1, 0);
}

// Writes the bytes and the date to the temporary file; 0 or an errno value.
int FillTemporary(const TemporaryFile& file, std::span<const std::uint8_t> bytes,
                  ModificationTime modified) {
    if (const int error = WriteAll(file.fd(), bytes); error != 0) return error;
    MarkAsOurs(file.fd());
    if (modified) {
        constexpr std::int64_t kNanoseconds = 1'000'000'000;
        const timespec times[2] = {
            {0, UTIME_OMIT}, {time_t(*modified / kNanoseconds), long(*modified % kNanoseconds)}};
        if (::futimens(file.fd(), times) != 0) return errno;
    }
    return 0;
}

// Writes through a temporary file and moves it into place with `place`,
// which answers 0 or an errno value; the temporary file never outlives a
// failure, and stays locked until it is in place.
template <typename Place>
int WriteThroughTemporary(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                          ModificationTime modified, Place place) {
    TemporaryFile temporary;
    if (const int error = temporary.Create(path); error != 0) return error;
    if (const int error = FillTemporary(temporary, bytes, modified); error != 0) return error;
    if (const int error = temporary.CloseWriteEnd(); error != 0) return error;
    if (const int error = place(temporary.path()); error != 0) return error;
    temporary.Keep();
    return 0;
}

}  // namespace

int WriteFileReplacing(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                       ModificationTime modified) {
    return WriteThroughTemporary(
        path, bytes, modified, [&](const std::filesystem::path& temporary) {
            return ::rename(temporary.c_str(), path.c_str()) == 0 ? 0 : errno;
        });
}

void RemoveStaleTemporaryFiles(const std::filesystem::path& folder,
                               const std::function<bool(std::string_view)>& isOurs) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::optional<TemporaryName> name =
            ParseTemporaryName(entry.path().filename().string());
        if (!name || !isOurs(name->finalName) || !entry.is_regular_file(ec) ||
            entry.is_symlink(ec)) {
            continue;
        }
        // A writer of this PID namespace that still runs may not have locked yet.
        if (::kill(name->writer, 0) == 0 || errno != ESRCH) continue;
        const int fd = ::open(entry.path().c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) continue;
        // A writer elsewhere holds the lock for as long as it writes.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(entry.path().c_str());
        ::close(fd);
    }
}

int WriteFileReplacingOwn(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                          ModificationTime modified) {
    return WriteThroughTemporary(
        path, bytes, modified, [&](const std::filesystem::path& temporary) {
            if (IsForeignFile(path)) return EEXIST;
            return ::rename(temporary.c_str(), path.c_str()) == 0 ? 0 : errno;
        });
}

bool IsForeignFile(const std::filesystem::path& path) {
    if (::lgetxattr(path.c_str(), kOwnMark, nullptr, 0) >= 0) return false;
    // No file, or a file system that keeps no marks: nothing tells it apart.
    return errno != ENOENT && errno != ENOTSUP;
}

int WriteFileNoReplace(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                       ModificationTime modified) {
    return WriteThroughTemporary(
        path, bytes, modified,
        [&](const std::filesystem::path& temporary) { return RenameNoReplace(temporary, path); });
}

}  // namespace reelsnap
