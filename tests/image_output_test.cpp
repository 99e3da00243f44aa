// Scaling, the six encoders read back by independent decoders, and the write.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <fstream>

#include "imaging/encoders.h"
#include "imaging/frame_image_writer.h"
#include "imaging/scaling.h"
#include "support/fixtures.h"
#include "support/image_files.h"

namespace reelsnap {
namespace {
namespace fs = std::filesystem;
using testing::DecodeImageFile;

TEST(Scaling, SizeRules) {
    EXPECT_EQ(ScaledSize({640, 480}, {100, 100}, true), (ImageSize{100, 75}));
    EXPECT_EQ(ScaledSize({480, 640}, {100, 100}, true), (ImageSize{75, 100}));
    EXPECT_EQ(ScaledSize({500, 500}, {100, 50}, true), (ImageSize{100, 50}));
    EXPECT_EQ(ScaledSize({640, 480}, {320, 1000}, true), (ImageSize{320, 240}));
    EXPECT_EQ(ScaledSize({640, 480}, {320, 1000}, false), (ImageSize{320, 1000}));
    EXPECT_EQ(PixelExtent(211.2f), 211);
    EXPECT_EQ(PixelExtent(158.5f), 158) << "halves round to even";
    EXPECT_EQ(PixelExtent(0.2f), 1) << "at least one pixel";
    EXPECT_FALSE(PixelExtent(NAN));
    EXPECT_FALSE(PixelExtent(20000.0f));
}

TEST(Scaling, CopyFractionAndFlip) {
    const Image frame = testing::DrawIndexFrame(5, 64, 48);
    auto copy = ScaledImage(frame, frame.size());
    ASSERT_TRUE(copy);
    EXPECT_TRUE(testing::SamePixels(*copy, frame));

    auto faded = ScaledImage(frame, frame.size(), 0.5f, false, true);
    ASSERT_TRUE(faded);
    EXPECT_EQ(faded->row(0)[3], 128);
    EXPECT_EQ(faded->row(0)[0], frame.row(0)[0]);

    auto flipped = ScaledImage(frame, frame.size(), 1.0f, true, true);
    ASSERT_TRUE(flipped);
    EXPECT_EQ(std::memcmp(flipped->row(0), frame.row(47), frame.stride()), 0);

    auto quarter = ScaledImage(testing::DrawIndexFrame(77, 320, 240), {80, 60});
    ASSERT_TRUE(quarter);
    EXPECT_EQ(quarter->width(), 80);
    EXPECT_EQ(testing::ReadFrameIndex(*quarter), 77) << "the index survives a quarter size";
}

struct Written {
    fs::path path;
    std::optional<Image> decoded;
};

Written WriteAndDecode(const Image& image, std::int16_t type, float factor,
                       std::int16_t scale = 100) {
    const fs::path dir = testing::NewTempDir("types");
    const fs::path path = dir / (std::string("frame.") + ImageTypeExtension(type));
    const WriteOutcome outcome = WriteFrameImage(image, path, {scale, type, factor});
    EXPECT_TRUE(outcome.written);
    return {path, DecodeImageFile(path)};
}

TEST(ImageTypes, EveryTypeDecodesToTheSourcePixels) {
    const Image frame = testing::DrawIndexFrame(321, 320, 240, 12);
    struct Case {
        std::int16_t type;
        const char* codec;
        double minPsnr;  // infinity: lossless
    };
    // JPEG at 0.7 on noisy content stays above 30 dB, a 256-colour GIF of
    // this noise above 26 dB, lossy JPEG 2000 at 5.6:1 above 34 dB.
    const Case cases[] = {{1, "tiff", INFINITY}, {2, "bmp", INFINITY}, {3, "gif", 26},
                          {4, "mjpeg", 30},      {5, "png", INFINITY}, {6, "jpeg2000", INFINITY}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codec);
        const float factor = c.type == 6 ? 1.0f : 0.7f;
        Written w = WriteAndDecode(frame, c.type, factor);
        EXPECT_EQ(testing::ImageCodecName(w.path), c.codec);
        ASSERT_TRUE(w.decoded);
        EXPECT_EQ(w.decoded->width(), 320);
        EXPECT_EQ(w.decoded->height(), 240);
        EXPECT_GE(testing::Psnr(*w.decoded, frame), c.minPsnr);
        EXPECT_EQ(testing::ReadFrameIndex(*w.decoded), 321);
    }
}

TEST(ImageTypes, CompressionFactorGovernsTheJpegTypes) {
    const Image frame = testing::DrawIndexFrame(9, 320, 240, 20);
    std::uintmax_t previous = 0;
    for (float factor : {0.0f, 0.4f, 0.7f, 1.0f}) {
        Written w = WriteAndDecode(frame, 4, factor);
        const auto size = fs::file_size(w.path);
        EXPECT_GT(size, previous) << "JPEG factor " << factor;
        previous = size;
    }
    Written lossless = WriteAndDecode(frame, 6, 1.0f);
    Written lossy = WriteAndDecode(frame, 6, 0.7f);
    Written smaller = WriteAndDecode(frame, 6, 0.4f);
    EXPECT_LT(fs::file_size(lossy.path), fs::file_size(lossless.path));
    EXPECT_LT(fs::file_size(smaller.path), fs::file_size(lossy.path));
    ASSERT_TRUE(lossy.decoded);
    EXPECT_GT(testing::Psnr(*lossy.decoded, frame), 34);
}

TEST(ImageTypes, AlphaIsKeptWhereTheTypeHoldsIt) {
    const Image frame = testing::DrawIndexFrame(3, 64, 48, 0, true);
    for (const std::int16_t type :
         {std::int16_t(1), std::int16_t(2), std::int16_t(5), std::int16_t(6)}) {
        Written w = WriteAndDecode(frame, type, 1.0f);
        ASSERT_TRUE(w.decoded) << type;
        EXPECT_TRUE(testing::SamePixels(*w.decoded, frame)) << ImageTypeExtension(type);
    }
}

TEST(FrameImageWriter, ScaleRules) {
    const Image frame = testing::DrawIndexFrame(12, 640, 480);
    Written half = WriteAndDecode(frame, 5, 0.7f, 50);
    ASSERT_TRUE(half.decoded);
    EXPECT_EQ(half.decoded->width(), 320);
    EXPECT_EQ(half.decoded->height(), 240);
    Written third = WriteAndDecode(frame, 5, 0.7f, 33);
    ASSERT_TRUE(third.decoded);
    EXPECT_EQ(third.decoded->width(), 211);   // 211.2 points
    EXPECT_EQ(third.decoded->height(), 158);  // 158.4 points
    Written zero = WriteAndDecode(frame, 5, 0.7f, 0);
    ASSERT_TRUE(zero.decoded);
    EXPECT_TRUE(testing::SamePixels(*zero.decoded, frame)) << "0 percent counts as 100";
}

TEST(FrameImageWriter, TypesOutsideTheTableWriteNothing) {
    const fs::path dir = testing::NewTempDir("none");
    const Image frame = testing::DrawIndexFrame(1, 32, 32);
    for (const std::int16_t type : {std::int16_t(0), std::int16_t(7), std::int16_t(-1)}) {
        EXPECT_EQ(ImageTypeExtension(type), nullptr);
        const WriteOutcome outcome = WriteFrameImage(frame, dir / "frame_1.jpg", {100, type, 0.7f});
        EXPECT_FALSE(outcome.written);
        EXPECT_EQ(outcome.systemError, 0);
    }
    EXPECT_TRUE(fs::is_empty(dir));
}

TEST(FrameImageWriter, FailedWriteLeavesNoPartialFile) {
    const Image frame = testing::DrawIndexFrame(1, 64, 64);
    const fs::path dir = testing::NewTempDir("fail");
    const WriteOutcome missing = WriteFrameImage(frame, dir / "gone" / "frame_1.jpg", {});
    EXPECT_FALSE(missing.written);
    EXPECT_EQ(missing.systemError, ENOENT);

    // An existing file is replaced whole.
    const fs::path path = dir / "frame_1.jpg";
    std::ofstream(path) << "old";
    EXPECT_TRUE(WriteFrameImage(frame, path, {}).written);
    EXPECT_TRUE(DecodeImageFile(path));

    if (geteuid() != 0) {  // root writes anywhere
        fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
        const WriteOutcome denied = WriteFrameImage(frame, dir / "frame_2.jpg", {});
        EXPECT_EQ(denied.systemError, EACCES);
        fs::permissions(dir, fs::perms::owner_all);
    }
    for (const auto& entry : fs::directory_iterator(dir)) {
        EXPECT_EQ(entry.path().filename(), "frame_1.jpg") << "no temporary file is left";
    }
}

}  // namespace
}  // namespace reelsnap
