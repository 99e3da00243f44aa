// Benchmark driver for the movie layer and the image writers. Prints one
// line of key=value pairs per measurement, for the scripts in bench/.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" {
#include <libavutil/log.h>
}

#include <filesystem>

#include "extract/frame_counting.h"
#include "extract/frame_writer_pool.h"
#include "movie/movie.h"
#include "support/image_files.h"
#include "support/test_movies.h"

using namespace reelsnap;
using Clock = std::chrono::steady_clock;

namespace {

long PeakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

int Usage() {
    std::fprintf(stderr,
                 "usage: reelsnap-bench frames RAWFILE COUNT\n"
                 "       reelsnap-bench encode TYPE RAWFILE OUTDIR\n"
                 "       reelsnap-bench count MOVIE\n"
                 "       reelsnap-bench walk MOVIE STEP\n"
                 "       reelsnap-bench psnr RAWFILE OUTDIR EXTENSION\n");
    return 2;
}

// Writes COUNT distinct 1920x1080 frames of natural-looking content as raw RGBA.
int WriteFrames(const char* rawPath, int count) {
    std::FILE* out = std::fopen(rawPath, "wb");
    if (!out) return 1;
    for (int i = 1; i <= count; ++i) {
        const Image frame = testing::DrawIndexFrame(i, 1920, 1080, 12);
        std::fwrite(frame.pixels(), 1, frame.byteCount(), out);
    }
    return std::fclose(out) == 0 ? 0 : 1;
}

// Encodes and writes every frame of the raw file as TYPE, one after another.
int Encode(int type, const char* rawPath, const char* outDir) {
    std::FILE* in = std::fopen(rawPath, "rb");
    if (!in) return 1;
    const auto start = Clock::now();
    int frames = 0;
    std::uintmax_t bytes = 0;
    const std::optional<ImageFileType> fileType = ImageFileTypeFromNumber(std::int16_t(type));
    if (!fileType) return 1;
    // Each frame through the writers' own path: encode, then place the file.
    FrameJob job;
    job.settings = {100, fileType, 0.7f};
    job.existing = ExistingFiles::Replace;
    for (job.image = Image(1920, 1080);
         std::fread(job.image.pixels(), 1, job.image.byteCount(), in) == job.image.byteCount();) {
        ++frames;
        job.path = std::filesystem::path(outDir) / ("frame_" + std::to_string(frames) + ".jpg");
        if (WriteFrameJob(job)) return 1;
        bytes +=
            std::filesystem::file_size(FinalFramePath(job.path, ImageTypeExtension(*fileType)));
    }
    std::fclose(in);
    std::printf("seconds=%.4f frames=%d mean_bytes=%ju\n", Since(start), frames,
                frames ? bytes / std::uintmax_t(frames) : 0);
    return 0;
}

// The mean PSNR of the files an encode wrote (frame_N.EXTENSION) against
// the raw frames they were made from.
int MeanPsnr(const char* rawPath, const char* outDir, const char* extension) {
    std::FILE* in = std::fopen(rawPath, "rb");
    if (!in) return 1;
    double sum = 0;
    int frames = 0;
    for (Image frame(1920, 1080);
         std::fread(frame.pixels(), 1, frame.byteCount(), in) == frame.byteCount();) {
        ++frames;
        const auto file =
            std::filesystem::path(outDir) / ("frame_" + std::to_string(frames) + "." + extension);
        const std::optional<Image> decoded = testing::DecodeImageFile(file);
        if (!decoded) return 1;
        sum += testing::Psnr(frame, *decoded);
    }
    std::fclose(in);
    std::printf("%.2f\n", frames ? sum / frames : 0.0);
    return 0;
}

int Count(const char* path) {
    const auto start = Clock::now();
    auto movie = Movie::Open(path);
    if (!movie) return 1;
    const int frames = CountVideoFrames(*movie);
    std::printf("seconds=%.4f frames=%d peak_kib=%ld\n", Since(start), frames, PeakKiB());
    return 0;
}

int Walk(const char* path, int step) {
    const auto start = Clock::now();
    auto movie = Movie::Open(path);
    if (!movie) return 1;
    int index = 0, images = 0;
    for (std::int64_t t = movie->NextVideoSampleTime(0, true); t >= 0;
         t = movie->NextVideoSampleTime(t, false)) {
        if (++index % step != 0 && step != 1) continue;
        if (movie->FrameImageAtTime(t)) ++images;
    }
    std::printf("seconds=%.4f frames=%d images=%d seeks=%d packets=%lld peak_kib=%ld\n",
                Since(start), index, images, movie->seekCount(),
                static_cast<long long>(movie->packetsRead()), PeakKiB());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    av_log_set_level(AV_LOG_QUIET);
    if (argc == 4 && !std::strcmp(argv[1], "frames"))
        return WriteFrames(argv[2], std::atoi(argv[3]));
    if (argc == 5 && !std::strcmp(argv[1], "encode")) {
        return Encode(std::atoi(argv[2]), argv[3], argv[4]);
    }
    if (argc == 3 && !std::strcmp(argv[1], "count")) return Count(argv[2]);
    if (argc == 5 && !std::strcmp(argv[1], "psnr")) return MeanPsnr(argv[2], argv[3], argv[4]);
    if (argc == 4 && !std::strcmp(argv[1], "walk")) return Walk(argv[2], std::atoi(argv[3]));
    return Usage();
}
