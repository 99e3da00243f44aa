// Opens each input as a movie from memory, counts its samples and decodes
// and converts its first frames, as a run does.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" {
#include <libavutil/log.h>
}

#include "movie/movie.h"

namespace {

constexpr int kFramesWalked = 6;

// An anonymous file in memory, seen by path as the movie layer opens movies.
class MemoryFile {
  public:
    MemoryFile(const std::uint8_t* data, std::size_t size)
        : fd_(memfd_create("movie", MFD_CLOEXEC)) {
        for (std::size_t done = 0; fd_ >= 0 && done < size;) {
            const ssize_t n = write(fd_, data + done, size - done);
            if (n <= 0) break;
            done += std::size_t(n);
        }
    }
    ~MemoryFile() {
        if (fd_ >= 0) close(fd_);
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }

  private:
    int fd_;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    av_log_set_level(AV_LOG_QUIET);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const MemoryFile file(data, size);
    auto movie = reelsnap::Movie::Open(file.path());
    if (!movie) return 0;
    movie->CountTimeLineSamples();
    // Every other frame in the JPEG's planes, each asked for with the next.
    std::int64_t time = movie->NextVideoSampleTime(-1, true);
    for (int i = 0; i < kFramesWalked && time >= 0; ++i) {
        const std::int64_t next = movie->NextVideoSampleTime(time, false);
        const auto layout = i % 2 ? reelsnap::ImageLayout::Ycbcr420 : reelsnap::ImageLayout::Rgba;
        if (auto image = movie->FrameImageAtTime(
                time, next < 0 ? reelsnap::Movie::kNoFrameAfter : next, layout)) {
            // A converted frame is a whole image: read its last sample.
            if (image->width() <= 0 || image->height() <= 0) __builtin_trap();
            volatile std::uint8_t last = image->pixels()[image->byteCount() - 1];
            (void)last;
        }
        time = next;
    }
    return 0;
}
