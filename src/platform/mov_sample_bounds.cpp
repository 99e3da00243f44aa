#include "platform/mov_sample_bounds.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

extern "C" {
#include <libavutil/mem.h>
}

namespace reelsnap {
namespace {

constexpr int kMaxDepth = 8;

std::optional<std::uint64_t> ReadBigEndian(int fd, std::int64_t offset, int bytes) {
    std::array<unsigned char, 8> buf{};
    if (pread(fd, buf.data(), std::size_t(bytes), offset) != bytes) return std::nullopt;
    std::uint64_t v = 0;
    for (int i = 0; i < bytes; ++i) v = (v << 8) | buf[std::size_t(i)];
    return v;
}

struct Box {
    std::int64_t payload = 0;  // where its contents begin
    std::int64_t end = 0;
    std::array<char, 4> type{};
    bool is(std::string_view t) const { return std::string_view(type.data(), 4) == t; }
};

// The box that starts at `offset`, or nothing when it does not fit in `end`.
std::optional<Box> ReadBox(int fd, std::int64_t offset, std::int64_t end) {
    if (end - offset < 8) return std::nullopt;
    const auto size32 = ReadBigEndian(fd, offset, 4);
    Box box;
    if (!size32 || pread(fd, box.type.data(), 4, offset + 4) != 4) return std::nullopt;
    std::uint64_t size = *size32;
    box.payload = offset + 8;
    if (size == 1) {
        const auto size64 = ReadBigEndian(fd, offset + 8, 8);
        if (!size64) return std::nullopt;
        size = *size64;
        box.payload = offset + 16;
    } else if (size == 0) {
        size = std::uint64_t(end - offset);  // to the end of its parent
    }
    if (size < std::uint64_t(box.payload - offset) || size > std::uint64_t(end - offset)) {
        return std::nullopt;
    }
    box.end = offset + std::int64_t(size);
    return box;
}

void NoteEntries(std::uint64_t declared, std::int64_t room, int entryBytes,
                 SampleCountBounds& bounds) {
    const std::uint64_t fits =
        std::uint64_t(std::max<std::int64_t>(room, 0)) / unsigned(entryBytes);
    bounds.mostSamples = std::max(bounds.mostSamples, std::min(declared, fits));
}

bool HoldsSampleTables(const Box& box) {
    return box.is("moov") || box.is("trak") || box.is("mdia") || box.is("minf") || box.is("stbl");
}

// "stsz": version and flags, the common sample size, the sample count, and
// without a common size one 4-byte size a sample.
void BoundSampleSizeBox(int fd, const Box& box, std::int64_t fileSize, SampleCountBounds& bounds) {
    if (box.end - box.payload < 12) return;
    const auto sampleSize = ReadBigEndian(fd, box.payload + 4, 4);
    const auto sampleCount = ReadBigEndian(fd, box.payload + 8, 4);
    if (!sampleSize || !sampleCount) return;
    if (*sampleSize == 0) {
        NoteEntries(*sampleCount, box.end - box.payload - 12, 4, bounds);
        return;
    }
    const std::uint64_t fits = std::uint64_t(fileSize) / *sampleSize;
    if (*sampleCount > fits) bounds.patches.push_back({box.payload + 8, std::uint32_t(fits)});
    bounds.mostSamples = std::max(bounds.mostSamples, std::min(*sampleCount, fits));
}

// The other tables of a track list at most one entry a sample, each entry
// of a fixed size after version, flags and the count; what the box can
// hold bounds how many a demuxer will read. A count beyond that is read as
// what the box holds: the demuxer would refuse the whole movie for it.
void BoundTableBox(int fd, const Box& box, SampleCountBounds& bounds) {
    static constexpr std::pair<std::string_view, int> kEntryBytes[] = {
        {"stts", 8}, {"ctts", 8}, {"stsc", 12}, {"stco", 4}, {"co64", 8}, {"stss", 4}};
    for (const auto& [type, bytes] : kEntryBytes) {
        if (!box.is(type) || box.end - box.payload < 8) continue;
        if (const auto count = ReadBigEndian(fd, box.payload + 4, 4)) {
            const std::int64_t room = box.end - box.payload - 8;
            NoteEntries(*count, room, bytes, bounds);
            const auto fits = std::uint64_t(room / bytes);
            if (*count > fits) bounds.patches.push_back({box.payload + 4, std::uint32_t(fits)});
        }
    }
}

void Walk(int fd, std::int64_t begin, std::int64_t end, std::int64_t fileSize, int depth,
          SampleCountBounds& bounds) {
    if (depth >= kMaxDepth) return;
    for (std::int64_t at = begin;;) {
        const auto box = ReadBox(fd, at, end);
        if (!box) return;
        if (box->is("stsz")) {
            BoundSampleSizeBox(fd, *box, fileSize, bounds);
        } else if (HoldsSampleTables(*box)) {
            Walk(fd, box->payload, box->end, fileSize, depth + 1, bounds);
        } else {
            BoundTableBox(fd, *box, bounds);
        }
        at = box->end;
    }
}

struct FileDescriptor {
    int fd = -1;
    explicit FileDescriptor(const std::filesystem::path& path)
        : fd(open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~FileDescriptor() {
        if (fd >= 0) close(fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
};

struct PatchedFile {
    PatchedFile(const std::filesystem::path& path, const std::atomic<bool>& stop)
        : file(path), interrupted(stop) {}
    FileDescriptor file;
    const std::atomic<bool>& interrupted;
    std::int64_t size = 0;
    std::int64_t position = 0;
    std::vector<HeaderPatch> patches;
};

void ApplyPatches(const PatchedFile& file, std::int64_t at, unsigned char* data, int length) {
    for (const HeaderPatch& p : file.patches) {
        for (int i = 0; i < 4; ++i) {
            const std::int64_t byte = p.offset + i;
            if (byte >= at && byte < at + length) {
                data[byte - at] = static_cast<unsigned char>(p.value >> (8 * (3 - i)));
            }
        }
    }
}

int ReadPacket(void* opaque, std::uint8_t* buf, int length) {
    auto& file = *static_cast<PatchedFile*>(opaque);
    if (file.interrupted.load()) return AVERROR_EXIT;
    const ssize_t n = pread(file.file.fd, buf, std::size_t(length), file.position);
    if (n < 0) return AVERROR(errno);
    if (n == 0) return AVERROR_EOF;
    ApplyPatches(file, file.position, buf, int(n));
    file.position += n;
    return int(n);
}

std::int64_t Seek(void* opaque, std::int64_t offset, int whence) {
    auto& file = *static_cast<PatchedFile*>(opaque);
    switch (whence & ~AVSEEK_FORCE) {
        case AVSEEK_SIZE:
            return file.size;
        case SEEK_SET:
            break;
        case SEEK_CUR:
            offset += file.position;
            break;
        case SEEK_END:
            offset += file.size;
            break;
        default:
            return AVERROR(EINVAL);
    }
    if (offset < 0) return AVERROR(EINVAL);
    file.position = offset;
    return offset;
}

}  // namespace

SampleCountBounds ReadSampleCountBounds(const std::filesystem::path& path) {
    SampleCountBounds bounds;
    const FileDescriptor file(path);
    struct stat st {};
    if (file.fd < 0 || fstat(file.fd, &st) != 0) return bounds;
    Walk(file.fd, 0, st.st_size, st.st_size, 0, bounds);
    return bounds;
}

AVIOContext* OpenPatchedFileReader(const std::filesystem::path& path,
                                   std::vector<HeaderPatch> patches,
                                   const std::atomic<bool>& interrupted) {
    auto file = std::make_unique<PatchedFile>(path, interrupted);
    struct stat st {};
    if (file->file.fd < 0 || fstat(file->file.fd, &st) != 0) return nullptr;
    file->size = st.st_size;
    file->patches = std::move(patches);
    constexpr int kBufferSize = 64 * 1024;
    auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferSize));
    if (!buffer) return nullptr;
    AVIOContext* io =
        avio_alloc_context(buffer, kBufferSize, 0, file.get(), ReadPacket, nullptr, Seek);
    if (!io) {
        av_free(buffer);
        return nullptr;
    }
    file.release();  // owned by `io` from here on
    return io;
}

void FreePatchedFileReader(AVIOContext* io) {
    if (!io) return;
    std::unique_ptr<PatchedFile> file(static_cast<PatchedFile*>(io->opaque));
    av_freep(&io->buffer);
    avio_context_free(&io);
}

}  // namespace reelsnap
