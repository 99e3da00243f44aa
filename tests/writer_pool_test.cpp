// The pool of frame writers: the failure reported is that of the earliest
// frame handed out, whichever worker finishes first; a frame that cannot be
// encoded is a failure under its final name.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <new>
#include <thread>

#include "extract/frame_writer_pool.h"
#include "support/fixtures.h"
#include "support/test_movies.h"

namespace reelsnap {
namespace {
namespace fs = std::filesystem;

FrameJob Job(const fs::path& dir, int index,
             FrameWriteSettings settings = {100, ImageFileType::Png, 0.7f}) {
    FrameJob job;
    job.image = testing::DrawIndexFrame(index, 64, 64);
    job.path = dir / ("frame_" + std::to_string(index) + ".jpg");
    job.settings = settings;
    return job;
}

// Frames 3 and 5 fail; frame 3 fails only once frame 5's failure is recorded,
// so that a later frame always finishes failing first when there is more
// than one worker.
std::optional<FrameWriteFailure> FailingFramesThreeAndFive(FrameWriterPool& pool, unsigned workers,
                                                           const FrameJob& job) {
    if (job.path.filename() == "frame_5.jpg") return FrameWriteFailure{job.path, EIO};
    if (job.path.filename() != "frame_3.jpg") return WriteFrameJob(job);
    while (workers > 1 && !pool.FirstFailure()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return FrameWriteFailure{job.path, ENOSPC};
}

TEST(FrameWriterPool, ReportsTheEarliestFramesFailure) {
    for (const unsigned workers : {1u, 3u}) {
        SCOPED_TRACE(workers);
        const fs::path dir = testing::NewTempDir("pool");
        FrameWriterPool* self = nullptr;
        FrameWriterPool pool(workers, [&](const FrameJob& job) {
            return FailingFramesThreeAndFive(*self, workers, job);
        });
        self = &pool;
        for (int i = 1; i <= 6; ++i) pool.Submit(Job(dir, i));
        pool.WaitUntilIdle();
        const auto failure = pool.FirstFailure();
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->path.filename(), "frame_3.jpg");
        EXPECT_EQ(failure->error, ENOSPC);
        EXPECT_TRUE(testing::FileNames(dir).contains("frame_6.png"));
        pool.ClearFailure();
        EXPECT_FALSE(pool.FirstFailure());
    }
}

TEST(FrameWriterPool, AFrameThatCannotBeEncodedFailsUnderItsFinalName) {
    const fs::path dir = testing::NewTempDir("pool-unencoded");
    FrameWriterPool pool(2);
    pool.Submit(Job(dir, 1));
    pool.Submit(Job(dir, 2, {30000, ImageFileType::Jpeg2000, 0.7f}));  // beyond the largest image
    pool.WaitUntilIdle();
    const auto failure = pool.FirstFailure();
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->path, dir / "frame_2.jp2");
    EXPECT_EQ(failure->error, 0) << "no system error: the image could not be made";
    EXPECT_EQ(testing::FileNames(dir), (std::set<std::string>{"frame_1.png"}));
}

TEST(FrameWriterPool, HoldsFramesByBytesNotByCount) {
    const fs::path dir = testing::NewTempDir("pool-bytes");
    constexpr std::size_t kFrame = 512 * 512 * 4;  // 1 MiB
    std::atomic<std::size_t> most = 0;
    FrameWriterPool* self = nullptr;
    FrameWriterPool pool(
        4,
        [&](const FrameJob&) -> std::optional<FrameWriteFailure> {
            std::size_t held = self->bytesHeld();
            std::size_t seen = most;
            while (held > seen && !most.compare_exchange_weak(seen, held)) {
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            return std::nullopt;
        },
        3 * kFrame);
    self = &pool;
    for (int i = 1; i <= 12; ++i) {
        FrameJob job;
        job.image = Image(512, 512);
        job.path = dir / ("frame_" + std::to_string(i) + ".jpg");
        pool.Submit(std::move(job));
        EXPECT_LE(pool.bytesHeld(), 3 * kFrame);
    }
    pool.WaitUntilIdle();
    EXPECT_LE(most.load(), 3 * kFrame) << "four workers, but three frames' worth of bytes";
    EXPECT_EQ(pool.bytesHeld(), 0u);

    // A frame larger than the budget still goes, alone.
    FrameJob big;
    big.image = Image(1024, 1024);
    big.path = dir / "frame_13.jpg";
    pool.Submit(std::move(big));
    pool.WaitUntilIdle();
    EXPECT_FALSE(pool.FirstFailure());
}

TEST(FrameWriterPool, RunningOutOfMemoryIsAFailedWrite) {
    const fs::path dir = testing::NewTempDir("pool-memory");
    FrameWriterPool pool(2, [](const FrameJob& job) -> std::optional<FrameWriteFailure> {
        if (job.path.filename() == "frame_2.jpg") throw std::bad_alloc();
        return WriteFrameJob(job);
    });
    for (int i = 1; i <= 3; ++i) pool.Submit(Job(dir, i));
    pool.WaitUntilIdle();
    const auto failure = pool.FirstFailure();
    ASSERT_TRUE(failure) << "reported, not an abort";
    EXPECT_EQ(failure->error, ENOMEM);
    EXPECT_EQ(failure->path.filename(), "frame_2.jpg");
    EXPECT_EQ(testing::FileNames(dir), (std::set<std::string>{"frame_1.png", "frame_3.png"}));
}

}  // namespace
}  // namespace reelsnap
