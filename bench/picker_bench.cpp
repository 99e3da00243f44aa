// How long the picker's frames take to come, through the window's own frame
// source (its decoding thread, cache and delivery to the window's thread):
// stepping forward, stepping back through a group of pictures, jumping
// anywhere and dragging, each as a median and worst over 100 steps.
//
//   reelsnap-picker-bench [MOVIE]
// Without a movie it writes a 1080p H.264 one (40 s, a key frame every 250
// frames, B-frames, noise) to /tmp.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "app/picker/frame_source.h"
#include "support/test_movies.h"

extern "C" {
#include <libavutil/log.h>
}

namespace {
using reelsnap::FrameSource;

// The picker's view at its first size: the frames come no larger.
constexpr int kViewWidth = 880, kViewHeight = 440;

class Stepper {
  public:
    explicit Stepper(FrameSource& source) : source_(source) {
        QObject::connect(&source, &FrameSource::frameShown,
                         [this](std::int32_t index, const QImage&) { shown_ = index; });
        QObject::connect(&source, &FrameSource::frameFailed,
                         [this](std::int32_t index) { shown_ = index; });
    }
    // Milliseconds from the request to the frame on the window's thread.
    double Show(std::int32_t index, std::int32_t expected,
                FrameSource::Precision precision = FrameSource::Precision::Exact) {
        shown_ = 0;
        QElapsedTimer timer;
        timer.start();
        source_.Show(index, precision);
        while (shown_ != expected)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        return double(timer.nsecsElapsed()) / 1e6;
    }

  private:
    FrameSource& source_;
    std::int32_t shown_ = 0;
};

void Report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s median %7.1f ms   worst %7.1f ms   (%zu steps)\n", what, ms[ms.size() / 2],
                ms.back(), ms.size());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    av_log_set_level(AV_LOG_QUIET);
    std::string movie = argc > 1 ? argv[1] : "/tmp/reelsnap-picker-bench.mp4";
    if (argc < 2) {
        reelsnap::testing::MovieSpec spec;
        spec.width = 1920;
        spec.height = 1080;
        spec.frames = 1000;
        spec.gop = 250;
        spec.bFrames = 2;
        spec.noise = 12;
        spec.crf = 23;
        std::fprintf(stderr, "writing %s\n", movie.c_str());
        if (const std::string error = reelsnap::testing::WriteTestMovie(movie, spec);
            !error.empty()) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
    }
    FrameSource source(movie, QSize(kViewWidth, kViewHeight),
                       std::size_t(256) << 20);  // the window's cache
    reelsnap::MovieOutline outline;
    bool failed = false;
    QObject::connect(&source, &FrameSource::opened,
                     [&](const reelsnap::MovieOutline& o) { outline = o; });
    QObject::connect(&source, &FrameSource::openFailed, [&] { failed = true; });
    while (outline.frameCount() == 0 && !failed)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    if (failed) return 1;
    const std::int32_t count = outline.frameCount();
    std::printf("%d frames, view %dx%d, key frames every %d\n", count, kViewWidth, kViewHeight,
                outline.keyFrames.size() > 1 ? outline.keyFrames[1] - outline.keyFrames[0] : count);
    Stepper stepper(source);

    stepper.Show(1, 1);
    std::vector<double> next;
    for (std::int32_t i = 2; i <= 101; ++i) next.push_back(stepper.Show(i, i));
    Report("next frame", next);

    // From the last frame of a group back through it.
    const std::int32_t groupEnd = std::min(count, 750);
    stepper.Show(groupEnd, groupEnd);
    const double first = stepper.Show(groupEnd - 1, groupEnd - 1);
    std::vector<double> back;
    for (std::int32_t i = groupEnd - 2; i >= groupEnd - 100; --i)
        back.push_back(stepper.Show(i, i));
    std::printf("%-34s %7.1f ms\n", "first step back, at once", first);
    Report("steps back after the first", back);
    // The same in the group before, after looking at the frame for a while:
    // the group behind it is filled in meanwhile.
    for (const double look : {1.0, 3.0}) {
        const std::int32_t end = look == 1.0 ? std::min(count, 500) : std::min(count, 250);
        stepper.Show(end, end);
        QElapsedTimer looking;
        looking.start();
        while (looking.elapsed() < qint64(look * 1000)) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        std::printf("first step back after %.0f s%*s %7.1f ms\n", look, 14, "",
                    stepper.Show(end - 1, end - 1));
    }

    std::mt19937 random(7);
    std::uniform_int_distribution<std::int32_t> anywhere(1, count);
    std::vector<double> jumps, drags;
    for (int k = 0; k < 100; ++k) {
        const std::int32_t to = anywhere(random);
        jumps.push_back(stepper.Show(to, to));
    }
    Report("jump to any frame", jumps);
    for (int k = 0; k < 100; ++k) {
        const std::int32_t to = anywhere(random);
        drags.push_back(
            stepper.Show(to, outline.KeyFrameAtOrBefore(to), FrameSource::Precision::KeyFrame));
    }
    Report("drag (key frame shown)", drags);
    std::printf("cache at most %.0f MB of %.0f MB\n", double(source.peakCacheBytes()) / (1 << 20),
                double(source.cacheLimit()) / (1 << 20));
    return 0;
}
