// Scaling, the encoders read back by independent decoders, and the write.
#include <gtest/gtest.h>
#include <unistd.h>

#include <tiffio.h>

#include <QImage>
#include <cmath>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>
#include <set>
#include <thread>
#include <vector>

#include "extract/frame_writer_pool.h"
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
    EXPECT_EQ(PixelExtent(211.7f), 212) << "rounded, not truncated";
    EXPECT_EQ(PixelExtent(158.5f), 158) << "halves round to even";
    EXPECT_EQ(PixelExtent(157.5f), 158) << "halves round to even";
    EXPECT_EQ(PixelExtent(0.5f), 1);
    EXPECT_EQ(PixelExtent(1.5f), 2);
    EXPECT_EQ(PixelExtent(0.2f), 1) << "at least one pixel";
    EXPECT_FALSE(PixelExtent(NAN));
    EXPECT_FALSE(PixelExtent(20000.0f));
}

TEST(Scaling, CopyAndQuarter) {
    const Image frame = testing::DrawIndexFrame(5, 64, 48);
    auto copy = ScaledImage(frame, frame.size());
    ASSERT_TRUE(copy);
    EXPECT_TRUE(testing::SamePixels(*copy, frame));

    auto quarter = ScaledImage(testing::DrawIndexFrame(77, 320, 240), {80, 60});
    ASSERT_TRUE(quarter);
    EXPECT_EQ(quarter->width(), 80);
    EXPECT_EQ(testing::ReadFrameIndex(*quarter), 77) << "the index survives a quarter size";
}

struct Written {
    fs::path path;
    std::optional<Image> decoded;
};

Image CopyOf(const Image& image) {
    Image copy(image.width(), image.height(), image.layout());
    std::memcpy(copy.pixels(), image.pixels(), image.byteCount());
    return copy;
}

// Writes the frame as the run's writers do, over a file of its name; the
// failure, if any.
std::optional<FrameWriteFailure> WriteFrame(const Image& image, const fs::path& jpgPath,
                                            FrameWriteSettings settings = {}) {
    FrameJob job;
    job.image = CopyOf(image);
    job.path = jpgPath;
    job.settings = settings;
    job.existing = ExistingFiles::Replace;
    return WriteFrameJob(job);
}

Written WriteAndDecode(const Image& image, std::int16_t type, float factor,
                       std::int16_t scale = 100) {
    const fs::path dir = testing::NewTempDir("types");
    const ImageFileType fileType = *ImageFileTypeFromNumber(type);
    const auto failure = WriteFrame(image, dir / "frame_1.jpg", {scale, fileType, factor});
    EXPECT_FALSE(failure) << failure->error;
    const fs::path path = dir / (std::string("frame_1.") + ImageTypeExtension(fileType));
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
    // WebP, AVIF and JPEG XL at 0.7 stay above 30 dB; at 1.0 WebP and JPEG
    // XL are lossless.
    const Case cases[] = {{1, "tiff", INFINITY}, {2, "bmp", INFINITY},   {3, "gif", 26},
                          {4, "mjpeg", 30},      {5, "png", INFINITY},   {6, "jpeg2000", INFINITY},
                          {7, "webp", 30},       {7, "webp", INFINITY},  {8, "libdav1d", 30},
                          {9, "libjxl", 30},     {9, "libjxl", INFINITY}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codec);
        const float factor = c.type == 6 || c.minPsnr == INFINITY ? 1.0f : 0.7f;
        Written w = WriteAndDecode(frame, c.type, factor);
        EXPECT_EQ(testing::ImageCodecName(w.path), c.codec);
        ASSERT_TRUE(w.decoded);
        EXPECT_EQ(w.decoded->width(), 320);
        EXPECT_EQ(w.decoded->height(), 240);
        EXPECT_GE(testing::Psnr(*w.decoded, frame), c.minPsnr);
        EXPECT_EQ(testing::ReadFrameIndex(*w.decoded), 321);
    }
    // libpng, under QImage, checks every chunk's CRC, which FFmpeg's decoder skips.
    const QImage png(QString::fromStdString(WriteAndDecode(frame, 5, 1.0f).path.string()));
    ASSERT_FALSE(png.isNull()) << "libpng reads it";
    EXPECT_EQ(png.width(), 320);
    EXPECT_EQ(png.pixel(5, 5) & 0xFFFFFF,
              (std::uint32_t(frame.row(5)[20]) << 16 | std::uint32_t(frame.row(5)[21]) << 8 |
               frame.row(5)[22]));
}

TEST(ImageTypes, CompressionFactorGovernsTheLossyTypes) {
    const Image frame = testing::DrawIndexFrame(9, 320, 240, 20);
    for (const int type : {4, 7, 8, 9}) {
        std::uintmax_t previous = 0;
        for (float factor : {0.0f, 0.4f, 0.7f, 1.0f}) {
            Written w = WriteAndDecode(frame, std::int16_t(type), factor);
            const auto size = fs::file_size(w.path);
            EXPECT_GT(size, previous) << "type " << type << " factor " << factor;
            previous = size;
        }
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
    for (const int type : {1, 2, 5, 6, 7, 9}) {
        Written w = WriteAndDecode(frame, std::int16_t(type), 1.0f);
        ASSERT_TRUE(w.decoded) << type;
        EXPECT_TRUE(testing::SamePixels(*w.decoded, frame)) << w.path;
    }
    // AVIF's finest quantiser in 4:2:0 is close, not exact: the alpha plane
    // is kept within a level or two, the colour well above 40 dB.
    for (const float factor : {1.0f, 0.4f}) {
        Written avif = WriteAndDecode(frame, 8, factor);
        ASSERT_TRUE(avif.decoded);
        int worstAlpha = 0;
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                worstAlpha = std::max(worstAlpha, std::abs(avif.decoded->row(y)[4 * x + 3] -
                                                           frame.row(y)[4 * x + 3]));
            }
        }
        EXPECT_LE(worstAlpha, factor == 1.0f ? 2 : 40) << "factor " << factor;
        if (factor == 1.0f) {
            EXPECT_GT(testing::Psnr(*avif.decoded, frame), 40);
        }
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

// An RGBA image in the JPEG's YCbCr planes, as the movie hands frames out.
Image PlanesOf(const Image& rgba) {
    Image planes(rgba.width(), rgba.height(), ImageLayout::Ycbcr420);
    const int cw = planes.planeWidth(1);
    for (int y = 0; y < rgba.height(); ++y) {
        for (int x = 0; x < rgba.width(); ++x) {
            const std::uint8_t* p = rgba.row(y) + 4 * x;
            const double r = p[0], g = p[1], b = p[2];
            planes.plane(0)[y * rgba.width() + x] =
                std::uint8_t(std::lround(0.299 * r + 0.587 * g + 0.114 * b));
            if (x % 2 || y % 2) continue;
            const int c = (y / 2) * cw + x / 2;
            planes.plane(1)[c] =
                std::uint8_t(std::lround(128 - 0.168736 * r - 0.331264 * g + 0.5 * b));
            planes.plane(2)[c] =
                std::uint8_t(std::lround(128 + 0.5 * r - 0.418688 * g - 0.081312 * b));
        }
    }
    return planes;
}

TEST(FrameImageWriter, YcbcrPlanesAreAJpegOrALossyWebpAtTheirOwnSize) {
    const Image frame = testing::DrawIndexFrame(58, 321, 241, 12);
    const Image planes = PlanesOf(frame);
    EXPECT_EQ(planes.byteCount(), std::size_t(321 * 241 + 2 * 161 * 121));
    EXPECT_FALSE(planes.hasTransparency());
    for (const std::int16_t type : {std::int16_t(4), std::int16_t(7)}) {
        SCOPED_TRACE(type);
        Written w = WriteAndDecode(planes, type, 0.9f);
        ASSERT_TRUE(w.decoded);
        EXPECT_EQ(w.decoded->width(), 321);
        EXPECT_EQ(w.decoded->height(), 241);
        // As close as the same frame from RGBA: WebP's limited range is kept apart from
        // the JPEG planes' full range.
        EXPECT_GE(testing::Psnr(*w.decoded, frame), 30);
        Written fromRgba = WriteAndDecode(frame, type, 0.9f);
        EXPECT_GE(testing::Psnr(*w.decoded, frame), testing::Psnr(*fromRgba.decoded, frame) - 1.5);
        EXPECT_EQ(testing::ReadFrameIndex(*w.decoded), 58);
    }

    // Only a JPEG or lossy WebP at the frame's own size is handed over in
    // planes; the writer encodes what it is given and turns nothing else
    // into a file.
    EXPECT_EQ(LayoutFor({100, ImageFileType::Jpeg, 0.9f}), ImageLayout::Ycbcr420);
    EXPECT_EQ(LayoutFor({100, ImageFileType::Webp, 0.9f}), ImageLayout::Ycbcr420);
    const fs::path dir = testing::NewTempDir("planes");
    for (const FrameWriteSettings settings : {FrameWriteSettings{50, ImageFileType::Jpeg, 0.9f},
                                              FrameWriteSettings{100, ImageFileType::Png, 0.9f},
                                              FrameWriteSettings{100, ImageFileType::Webp, 1.0f}}) {
        EXPECT_EQ(LayoutFor(settings), ImageLayout::Rgba);
        const auto failure = WriteFrame(planes, dir / "frame_1.jpg", settings);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->error, 0) << "not encoded";
    }
    EXPECT_TRUE(fs::is_empty(dir));
}

TEST(FrameImageWriter, TypesOutsideTheTableWriteNothing) {
    const fs::path dir = testing::NewTempDir("none");
    const Image frame = testing::DrawIndexFrame(1, 32, 32);
    for (const std::int16_t type : {std::int16_t(0), std::int16_t(10), std::int16_t(-1)}) {
        EXPECT_FALSE(ImageFileTypeFromNumber(type));
        EXPECT_FALSE(
            WriteFrame(frame, dir / "frame_1.jpg", {100, ImageFileTypeFromNumber(type), 0.7f}))
            << "no type, no file, and no failure";
    }
    EXPECT_TRUE(fs::is_empty(dir));
}

TEST(FrameImageWriter, FailedWriteLeavesNoPartialFile) {
    const Image frame = testing::DrawIndexFrame(1, 64, 64);
    const fs::path dir = testing::NewTempDir("fail");
    const auto missing = WriteFrame(frame, dir / "gone" / "frame_1.jpg");
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->error, ENOENT);

    // An existing file is replaced whole.
    const fs::path path = dir / "frame_1.jpg";
    std::ofstream(path) << "old";
    EXPECT_FALSE(WriteFrame(frame, path));
    EXPECT_TRUE(DecodeImageFile(path));

    if (geteuid() != 0) {  // root writes anywhere
        fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
        const auto denied = WriteFrame(frame, dir / "frame_2.jpg");
        ASSERT_TRUE(denied);
        EXPECT_EQ(denied->error, EACCES);
        fs::permissions(dir, fs::perms::owner_all);
    }
    for (const auto& entry : fs::directory_iterator(dir)) {
        EXPECT_EQ(entry.path().filename(), "frame_1.jpg") << "no temporary file is left";
    }
}

// The luminance quantisation table of a JPEG file, in natural order.
std::vector<int> LuminanceTable(const fs::path& path) {
    static constexpr int kZigzag[64] = {
        0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
        41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
        30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    for (std::size_t i = 2; i + 4 < bytes.size();) {
        if (bytes[i] != 0xFF) return {};
        const std::size_t length = std::size_t(bytes[i + 2]) << 8 | bytes[i + 3];
        if (bytes[i + 1] == 0xDB && bytes[i + 4] == 0x00 && i + 5 + 64 <= bytes.size()) {
            std::vector<int> table(64);
            for (int k = 0; k < 64; ++k)
                table[std::size_t(kZigzag[k])] = bytes[i + 5 + std::size_t(k)];
            return table;
        }
        i += 2 + length;
    }
    return {};
}

// libjpeg's standard luminance table scaled to a quality, as jpeg_set_quality does.
std::vector<int> StandardTable(int quality) {
    static constexpr int kStandard[64] = {
        16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
        14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
        18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
        49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
    const int scale = quality < 50 ? 5000 / quality : 200 - 2 * quality;
    std::vector<int> table(64);
    for (int k = 0; k < 64; ++k)
        table[std::size_t(k)] = std::clamp((kStandard[k] * scale + 50) / 100, 1, 255);
    return table;
}

TEST(ImageTypes, JpegQualityIsTheFactorTimesHundred) {
    const Image frame = testing::DrawIndexFrame(9, 64, 48);
    EXPECT_EQ(LuminanceTable(WriteAndDecode(frame, 4, 0.7f).path), StandardTable(70));
    EXPECT_EQ(LuminanceTable(WriteAndDecode(frame, 4, 0.4f).path), StandardTable(40));
    EXPECT_EQ(LuminanceTable(WriteAndDecode(frame, 4, 1.0f).path), StandardTable(100));
}

TEST(ImageTypes, BmpRowsOfAnOddWidth) {
    // 63 pixels: 189 bytes a row in 24 bits, padded to 192. Qt's reader
    // checks the padding, which FFmpeg's forgives.
    for (const bool translucent : {false, true}) {
        SCOPED_TRACE(translucent);
        const Image frame = testing::DrawIndexFrame(5, 63, 21, 20, translucent);
        Written w = WriteAndDecode(frame, 2, 1.0f);
        ASSERT_TRUE(w.decoded);
        EXPECT_TRUE(testing::SamePixels(*w.decoded, frame));
        EXPECT_EQ(fs::file_size(w.path),
                  translucent ? 14u + 108 + 63 * 4 * 21 : 14u + 40 + 192 * 21);
        const QImage read = QImage(QString::fromStdString(w.path.string()))
                                .convertToFormat(QImage::Format_RGBA8888);
        ASSERT_FALSE(read.isNull());
        bool same = read.width() == 63 && read.height() == 21;
        for (int y = 0; same && y < 21; ++y) {
            same = std::memcmp(read.constScanLine(y), frame.row(y), 63 * 4) == 0;
        }
        EXPECT_TRUE(same) << "Qt reads the same pixels";
    }
}

TEST(ImageTypes, GifKeepsEachChannel) {
    Image bars(90, 30);
    for (int y = 0; y < bars.height(); ++y) {
        std::uint8_t* p = bars.row(y);
        for (int x = 0; x < bars.width(); ++x, p += 4) {
            const int third = x / 30;
            p[0] = third == 0 ? 255 : 0;
            p[1] = third == 1 ? 255 : 0;
            p[2] = third == 2 ? 255 : 0;
            p[3] = 255;
        }
    }
    Written w = WriteAndDecode(bars, 3, 0.7f);
    ASSERT_TRUE(w.decoded);
    for (int third = 0; third < 3; ++third) {
        const std::uint8_t* p = w.decoded->row(15) + 4 * (30 * third + 15);
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(p[c], c == third ? 255 : 0, 2) << "third " << third << " channel " << c;
        }
    }
}

TEST(ImageTypes, TiffAlphaIsUnassociated) {
    Written w = WriteAndDecode(testing::DrawIndexFrame(3, 64, 48, 0, true), 1, 1.0f);
    std::unique_ptr<TIFF, decltype(&TIFFClose)> tiff(TIFFOpen(w.path.c_str(), "r"), TIFFClose);
    ASSERT_TRUE(tiff);
    std::uint16_t count = 0;
    std::uint16_t* kinds = nullptr;
    ASSERT_TRUE(TIFFGetField(tiff.get(), TIFFTAG_EXTRASAMPLES, &count, &kinds));
    ASSERT_EQ(count, 1);
    EXPECT_EQ(kinds[0], EXTRASAMPLE_UNASSALPHA);
}

TEST(ImageTypes, SixteenBitPngRowsThatDifferAcrossBytes) {
    // Rows whose 16-bit values differ by borrows between their two bytes
    // (0x0100 above 0x00FF): the Up filter works byte by byte.
    const std::uint16_t levels[] = {0x00FF, 0x0100, 0xFF00, 0x0001, 0xFFFF, 0x8000, 0x7FFF};
    Image image(3, int(std::size(levels)), ImageLayout::Rgba64);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<std::uint16_t*>(image.row(y));
        for (int i = 0; i < 4 * image.width(); ++i) {
            row[i] = i % 4 == 3 ? 0xFFFF : std::uint16_t(levels[std::size_t(y)] + 3 * i);
        }
    }
    const auto png = EncodePng(image, 1.0f, nullptr);
    ASSERT_TRUE(png);
    const fs::path file = testing::NewTempDir("png16") / "rows.png";
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(png->data()), std::streamsize(png->size()));
    const auto decoded = testing::DecodeImageFile16(file);
    ASSERT_TRUE(decoded && decoded->isDeep());
    for (int y = 0; y < image.height(); ++y) {
        EXPECT_EQ(std::memcmp(decoded->row(y), image.row(y), image.stride()), 0) << "row " << y;
    }
}

// JPEG 2000 takes fewer resolution levels where the image is small; the
// new types have odd sizes to get right in 4:2:0 and in their own blocks.
TEST(ImageTypes, SmallAndOddSizes) {
    for (const int type : {6, 7, 8, 9}) {
        for (const auto& [width, height] :
             {std::pair{48, 30}, {31, 31}, {6, 4}, {1, 1}, {640, 20}, {33, 17}}) {
            for (const float factor : {1.0f, 0.7f}) {
                SCOPED_TRACE(std::to_string(type) + ": " + std::to_string(width) + "x" +
                             std::to_string(height) + " at " + std::to_string(factor));
                const Image frame = testing::DrawIndexFrame(2, width, height);
                Written w = WriteAndDecode(frame, std::int16_t(type), factor);
                ASSERT_TRUE(w.decoded);
                EXPECT_EQ(w.decoded->width(), width);
                EXPECT_EQ(w.decoded->height(), height);
                if (width >= 31 && height >= 17) {
                    EXPECT_GT(testing::Psnr(*w.decoded, frame), 25);
                }
            }
        }
    }
}

TEST(FrameImageWriter, AnImageThatCannotBeMadeIsAFailure) {
    const fs::path dir = testing::NewTempDir("unmade");
    // 300 times 64 pixels is beyond the largest image.
    const auto failure = WriteFrame(testing::DrawIndexFrame(1, 64, 64), dir / "frame_1.jpg",
                                    {30000, ImageFileType::Png, 0.7f});
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->error, 0) << "not encoded";
    // The library's own reason reaches the message: WebP is at most 16383 wide.
    const auto wide = WriteFrame(testing::DrawIndexFrame(1, 16384, 2), dir / "frame_2.webp",
                                 {100, ImageFileType::Webp, 1.0f});
    ASSERT_TRUE(wide);
    EXPECT_EQ(WriteFailureReason(*wide).toStdString(),
              "the image could not be encoded: libwebp: the picture's size is not one WebP takes");
    EXPECT_TRUE(fs::is_empty(dir));
}

TEST(FrameImageWriter, AWriteThatFailsOnceItsFileIsOpenLeavesNothing) {
    const fs::path dir = testing::NewTempDir("late-fail");
    fs::create_directory(dir / "frame_1.jpg");  // the final rename cannot replace a folder
    const auto failure = WriteFrame(testing::DrawIndexFrame(1, 64, 64), dir / "frame_1.jpg");
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->error, EISDIR);
    EXPECT_EQ(testing::FileNames(dir), (std::set<std::string>{"frame_1.jpg"}))
        << "the temporary file is removed";
}

TEST(FrameStories, TimesAreTruncatedToTheMillisecond) {
    FrameStory story;
    story.timeNs = 3'966'700'000;  // the picker and EXIF's sub-seconds show .966
    const auto metadata = EncodeStory(story);
    ASSERT_TRUE(metadata);
    EXPECT_NE(metadata->xmp.find("FrameTime=\"3.966\""), std::string::npos) << metadata->xmp;
}

TEST(FrameStories, PlacesAreReadWithinTheirRanges) {
    const auto place = ParseIso6709("+37.3349-122.0090+010.000/");
    ASSERT_TRUE(place);
    EXPECT_NEAR(place->latitude, 37.3349, 1e-9);
    EXPECT_NEAR(place->longitude, -122.009, 1e-9);
    EXPECT_EQ(place->altitude, 10.0);
    EXPECT_NEAR(ParseIso6709("-2257.114-04312.63/")->latitude, -(22 + 57.114 / 60), 1e-9);
    // A height no camera reaches, or no number, is left out; the place stays.
    for (const char* text : {"+10+020+5000000000/", "+10+020+nan/", "+10+020+inf/"}) {
        const auto p = ParseIso6709(text);
        ASSERT_TRUE(p) << text;
        EXPECT_FALSE(p->altitude) << text;
    }
    for (const char* text : {"+91+020/", "+10+181/", "10+020/", "+1+020/", ""}) {
        EXPECT_FALSE(ParseIso6709(text)) << text;
    }
}

TEST(FrameImageWriter, EveryWriterAtOnceWritesItsMetadata) {
    // exiv2's XMP toolkit shared by writers on several threads: each file
    // carries its own frame's XMP.
    const Image image = testing::DrawIndexFrame(1, 32, 32);
    std::vector<std::string> missing(8);
    std::vector<std::jthread> writers;
    for (std::size_t w = 0; w < missing.size(); ++w) {
        writers.emplace_back([&, w] {
            for (int i = 0; i < 40; ++i) {
                FrameStory story;
                story.movieName = "m.mp4";
                story.index = int(w) * 1000 + i;
                const ImageFileType type = i % 2 ? ImageFileType::Png : ImageFileType::Avif;
                const auto data = EncodeFrameImage(image, {100, type, 0.7f}, story);
                const std::string bytes = data ? std::string(data->begin(), data->end()) : "";
                if (bytes.find("FrameIndex=\"" + std::to_string(story.index) + "\"") ==
                    std::string::npos) {
                    missing[w] += " " + std::to_string(story.index);
                }
            }
        });
    }
    writers.clear();
    for (const std::string& m : missing) EXPECT_EQ(m, "");
}

}  // namespace
}  // namespace reelsnap
