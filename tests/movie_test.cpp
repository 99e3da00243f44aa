// The movie layer on generated movies: counts, the order of frames, sizes,
// orientation, colours, and bad input.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QProcess>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <fstream>
#include <random>
#include <set>
#include <vector>

#include "extract/frame_counting.h"
#include "imaging/scaling.h"
#include "movie/frame_converter.h"
#include "movie/jpeg_planes.h"
#include "movie/movie.h"
#include "platform/ffmpeg_raii.h"
#include "support/fixtures.h"
#include "support/image_files.h"

extern "C" {
#include <libavutil/pixdesc.h>
}

namespace reelsnap {
namespace {
using testing::Fixture;
using testing::FixtureFrames;
using testing::MovieSpec;
using testing::ReadFrameIndex;

std::vector<std::int64_t> SampleTimes(Movie& movie) {
    std::vector<std::int64_t> times;
    for (std::int64_t t = movie.NextVideoSampleTime(0, true); t >= 0;
         t = movie.NextVideoSampleTime(t, false)) {
        times.push_back(t);
    }
    return times;
}

// The index the frame shown at `time` carries; 0 when no image comes.
int IndexAt(Movie& movie, std::int64_t time, std::optional<std::int64_t> next = std::nullopt) {
    const auto image = movie.FrameImageAtTime(time, next);
    return image ? ReadFrameIndex(*image) : 0;
}

// Frame i of the walk must carry index i.
void ExpectFramesInPresentationOrder(const std::string& name) {
    SCOPED_TRACE(name);
    auto movie = Movie::Open(Fixture(name));
    ASSERT_TRUE(movie);
    const int frames = FixtureFrames(name);
    EXPECT_EQ(CountVideoFrames(*movie), frames);
    const auto times = SampleTimes(*movie);
    ASSERT_EQ(int(times.size()), frames);
    for (int i = 0; i < frames; ++i) {
        EXPECT_EQ(IndexAt(*movie, times[std::size_t(i)]), i + 1) << "frame " << i + 1;
    }
    EXPECT_EQ(movie->seekCount(), 0) << "a walk over every frame never seeks";
    EXPECT_EQ(testing::DecodeAllFrames(Fixture(name)), frames);
}

TEST(MovieFrames, EveryContainerWalksInPresentationOrder) {
    for (const char* name : {"h264_mp4", "h264_mov", "shared_times_mov", "late_start", "vfr_mkv",
                             "mjpeg_250_avi", "prores_10bit", "non_ascii"}) {
        ExpectFramesInPresentationOrder(name);
    }
}

TEST(MovieFrames, WithoutPresentationTimesTheDecoderSaysTheOrder) {
    for (const char* name : {"mpeg4_bframes_avi", "h264_bframes_avi", "mpeg2_ps", "h264_raw"}) {
        ExpectFramesInPresentationOrder(name);
        // A sparse walk, then a step back, still lands on the right frames.
        auto movie = Movie::Open(Fixture(name));
        ASSERT_TRUE(movie);
        const auto times = SampleTimes(*movie);
        for (const std::size_t i : {9u, 30u, 4u}) {
            EXPECT_EQ(IndexAt(*movie, times[i]), int(i) + 1) << name;
        }
    }
}

TEST(MovieFrames, FramesThatShareATimeAreEachAFrameOfTheirOwn) {
    // Frames 5 and 6, 22 and 23, 40 to 42 share their times: each is still
    // the decoder's, in its order, looked up in any order.
    auto movie = Movie::Open(Fixture("shared_times_mov"));
    ASSERT_TRUE(movie);
    const auto times = SampleTimes(*movie);
    ASSERT_EQ(times.size(), 60u);
    for (const std::size_t i : {40u, 21u, 4u, 41u, 39u, 22u, 5u, 59u}) {
        EXPECT_EQ(IndexAt(*movie, times[i]), int(i) + 1);
    }
    // Times stay the movie's: frame 7 is shown 6 frame durations in.
    EXPECT_EQ(movie->NanosecondsOfTicks(times[6]), 240'000'000);
}

TEST(MovieFrames, CountFromIndexMatchesTheDemuxedTimeLine) {
    for (const char* name :
         {"h264_mp4", "h264_mov", "late_start", "alpha_png", "shared_times_mov"}) {
        auto fromIndex = Movie::Open(Fixture(name));
        auto byLookups = Movie::Open(Fixture(name));
        ASSERT_TRUE(fromIndex && byLookups);
        EXPECT_EQ(fromIndex->CountTimeLineSamples(), std::int64_t(SampleTimes(*byLookups).size()))
            << name;
    }
}

TEST(MovieFrames, LookupsFollowTheTimeLine) {
    auto late = Movie::Open(Fixture("late_start"));
    ASSERT_TRUE(late);
    const std::int64_t first = late->NextVideoSampleTime(0, true);
    EXPECT_GT(first, 0) << "the first sample begins late";
    EXPECT_EQ(late->NextVideoSampleTime(first, true), first);
    EXPECT_GT(late->NextVideoSampleTime(first, false), first);

    auto vfr = Movie::Open(Fixture("vfr_mkv"));
    const auto times = SampleTimes(*vfr);
    ASSERT_GE(times.size(), 4u);
    EXPECT_EQ(times[0], 0) << "a sample at exactly 0 is included";
    std::set<std::int64_t> gaps;
    for (std::size_t i = 1; i < times.size(); ++i) gaps.insert(times[i] - times[i - 1]);
    EXPECT_GT(gaps.size(), 1u) << "variable frame rate keeps its irregular times";
    EXPECT_EQ(vfr->NextVideoSampleTime(times.back(), false), -1);
}

// Key frames alone are decoded, never a frame that depends on another: a
// frame between them has no image.
TEST(MovieFrames, KeyFramesOnlyDecodeNothingElse) {
    for (const char* fixture : {"keys_mp4", "keys_ts"}) {
        SCOPED_TRACE(fixture);
        auto movie = Movie::Open(Fixture(fixture));
        ASSERT_TRUE(movie);
        movie->DecodeOnlyKeyFrames(true);
        const auto times = SampleTimes(*movie);
        const std::vector<int> keys = {1, 7, 20, 33};
        for (std::size_t k = 0; k < keys.size(); ++k) {
            ASSERT_TRUE(movie->IsKeyFrame(keys[k]));
            EXPECT_EQ(IndexAt(*movie, times[std::size_t(keys[k]) - 1]), keys[k]);
        }
        EXPECT_FALSE(movie->FrameImageAtTime(times[7])) << "frame 8 depends on frame 7";
    }
}

TEST(MovieFrames, SelectedFramesSeekOnlyAcrossKeyFrames) {
    auto movie = Movie::Open(Fixture("sparse_keys"));
    ASSERT_TRUE(movie);
    const auto times = SampleTimes(*movie);
    ASSERT_EQ(times.size(), 160u);
    int wanted = 0;
    for (std::size_t i = 49; i < times.size(); i += 50, ++wanted) {
        EXPECT_EQ(IndexAt(*movie, times[i]), int(i) + 1);
    }
    EXPECT_GE(movie->seekCount(), 1) << "a stretch past key frames is skipped";
    EXPECT_LE(movie->seekCount(), wanted);
    // Each wanted frame costs about one group of pictures, not the whole way to it.
    EXPECT_LT(movie->packetsRead(), 120);

    // Going back seeks, and still finds the right frame.
    EXPECT_EQ(IndexAt(*movie, times[3]), 4);
    EXPECT_EQ(IndexAt(*movie, times[3]), 4);
    // Within one group of pictures decoding goes on without a seek.
    const int seeks = movie->seekCount();
    EXPECT_EQ(IndexAt(*movie, times[10]), 11);
    EXPECT_EQ(movie->seekCount(), seeks);
}

// In open groups the B-frames that lead a group are decoded after its key
// frame but shown before it, and refer to the group before: a walk that
// lands on them must seek to that group's key frame.
TEST(MovieFrames, SparseWalksLandOnTheBFramesThatLeadAnOpenGroup) {
    auto movie = Movie::Open(Fixture("open_gop_mpeg2"));
    ASSERT_TRUE(movie);
    const auto times = SampleTimes(*movie);
    ASSERT_EQ(int(times.size()), FixtureFrames("open_gop_mpeg2"));
    const std::vector<int> selected = {8, 9, 17, 26, 36};  // from 1, each just before a key frame
    for (std::size_t k = 0; k < selected.size(); ++k) {
        const std::size_t i = std::size_t(selected[k] - 1);
        const auto next = k + 1 < selected.size() ? times[std::size_t(selected[k + 1] - 1)]
                                                  : Movie::kNoFrameAfter;
        EXPECT_EQ(IndexAt(*movie, times[i], next), selected[k]) << "frame " << selected[k];
    }
}

// Told which frame comes next, the movie stops decoding at a frame whose
// successor lies past a key frame; the images stay the same.
TEST(MovieFrames, KnowingTheNextFrameDecodesNothingPastTheWantedOne) {
    for (const auto& [name, gop] :
         {std::pair{"sparse_keys", 25}, {"sparse_mkv", 60}, {"h264_mp4", 12}}) {
        SCOPED_TRACE(name);
        auto told = Movie::Open(Fixture(name));
        auto untold = Movie::Open(Fixture(name));
        ASSERT_TRUE(told && untold);
        const auto times = SampleTimes(*told);
        // The last frame of every other group of pictures.
        std::vector<std::size_t> wanted;
        for (std::size_t i = std::size_t(gop) - 1; i < times.size(); i += 2 * std::size_t(gop)) {
            wanted.push_back(i);
        }
        for (std::size_t k = 0; k < wanted.size(); ++k) {
            const std::size_t i = wanted[k];
            const std::int64_t next =
                k + 1 < wanted.size() ? times[wanted[k + 1]] : Movie::kNoFrameAfter;
            auto image = told->FrameImageAtTime(times[i], next);
            auto plain = untold->FrameImageAtTime(times[i]);
            ASSERT_TRUE(image && plain) << "frame " << i + 1;
            EXPECT_EQ(ReadFrameIndex(*image), int(i) + 1);
            EXPECT_TRUE(testing::SamePixels(*image, *plain)) << "frame " << i + 1;
        }
        EXPECT_LT(told->packetsRead(), untold->packetsRead());

        // A caller that then asks for another frame than it said still gets it.
        for (const std::size_t i : {std::size_t(gop) - 1, std::size_t(gop) + 1, std::size_t(2)}) {
            EXPECT_EQ(IndexAt(*told, times[i], times.back()), int(i) + 1);
        }
    }
}

TEST(MovieFrames, SparseFramesFromContainersWithoutASampleIndex) {
    for (const char* name : {"sparse_ts", "sparse_mkv"}) {
        SCOPED_TRACE(name);
        auto movie = Movie::Open(Fixture(name));
        ASSERT_TRUE(movie);
        const auto times = SampleTimes(*movie);
        ASSERT_EQ(times.size(), 160u);
        // Wanted frames in the middle of groups of pictures, 60 frames long.
        for (const std::size_t i : {49u, 99u, 109u, 149u}) {
            EXPECT_EQ(IndexAt(*movie, times[i]), int(i) + 1);
        }
        EXPECT_GE(movie->seekCount(), 1);
    }
}

TEST(MovieImages, DisplaySizeAppliesRotationAndPixelAspect) {
    auto rotated = Movie::Open(Fixture("rotated_90"));
    ASSERT_TRUE(rotated);
    auto upright = rotated->FrameImageAtTime(rotated->NextVideoSampleTime(0, true));
    ASSERT_TRUE(upright);
    EXPECT_EQ(upright->width(), 240);
    EXPECT_EQ(upright->height(), 320);
    EXPECT_EQ(ReadFrameIndex(*upright), 1) << "the picture comes out upright";

    // The whole display matrix: a mirror after the turn, or alone.
    for (const char* name : {"mirrored_left_right", "mirrored_top_bottom", "turned_and_mirrored"}) {
        auto movie = Movie::Open(Fixture(name));
        ASSERT_TRUE(movie) << name;
        auto image = movie->FrameImageAtTime(movie->NextVideoSampleTime(0, true));
        ASSERT_TRUE(image) << name;
        const bool turned = std::string(name) == "turned_and_mirrored";
        EXPECT_EQ(image->width(), turned ? 240 : 320) << name;
        EXPECT_EQ(ReadFrameIndex(*image), 1) << name << ": shown as a player shows it";
    }

    auto anamorphic = Movie::Open(Fixture("anamorphic"));
    ASSERT_TRUE(anamorphic);
    const auto times = SampleTimes(*anamorphic);
    ASSERT_EQ(times.size(), 4u);
    auto wide = anamorphic->FrameImageAtTime(times[2]);
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->width(), 853);
    EXPECT_EQ(wide->height(), 480);
    EXPECT_EQ(ReadFrameIndex(*wide), 3);
}

// The known colours of each matrix and range, in RGBA and as a JPEG stores them.
void ExpectKnownColors(const std::string& name) {
    SCOPED_TRACE(name);
    for (const ImageLayout layout : {ImageLayout::Rgba, ImageLayout::Ycbcr420}) {
        auto movie = Movie::Open(Fixture(name));
        ASSERT_TRUE(movie);
        auto image =
            movie->FrameImageAtTime(movie->NextVideoSampleTime(0, true), std::nullopt, layout);
        ASSERT_TRUE(image && image->isPlanar() == (layout == ImageLayout::Ycbcr420));
        const int y = image->height() / 2;
        for (int third = 0; third < 3; ++third) {
            SCOPED_TRACE(third);
            const int x = (2 * third + 1) * image->width() / 6;
            const auto& c = testing::kKnownColors[third];
            if (!image->isPlanar()) {
                const std::uint8_t* p = image->row(y) + 4 * x;
                EXPECT_NEAR(p[0], c.r, 4);
                EXPECT_NEAR(p[1], c.g, 4);
                EXPECT_NEAR(p[2], c.b, 4);
                EXPECT_EQ(p[3], 255);
                continue;
            }
            const double r = c.r, g = c.g, b = c.b;
            const std::size_t chroma =
                std::size_t(y / 2) * std::size_t(image->planeWidth(1)) + std::size_t(x / 2);
            EXPECT_NEAR(image->plane(0)[std::size_t(y * image->width() + x)],
                        0.299 * r + 0.587 * g + 0.114 * b, 2);
            EXPECT_NEAR(image->plane(1)[chroma], -0.168736 * r - 0.331264 * g + 0.5 * b + 128, 2);
            EXPECT_NEAR(image->plane(2)[chroma], 0.5 * r - 0.418688 * g - 0.081312 * b + 128, 2);
        }
    }
}

TEST(MovieImages, ColoursFollowTheStreamMatrixAndRange) {
    ExpectKnownColors("bt709_limited");
    ExpectKnownColors("bt709_full");  // yuv420p with the full-range tag
    ExpectKnownColors("bt709_full_10bit");
    ExpectKnownColors("untagged_sd");  // BT.601 below 720 lines
    ExpectKnownColors("untagged_hd");  // BT.709 from 720 lines
}

// A 10-bit ramp from black to white: about one 8-bit level a column (877
// levels over 256 columns), rising without a band, and neutral, in RGBA and
// in a JPEG's planes.
TEST(MovieImages, TenBitGreysStayNeutralWithoutBanding) {
    for (const ImageLayout layout : {ImageLayout::Rgba, ImageLayout::Ycbcr420}) {
        SCOPED_TRACE(int(layout));
        auto movie = Movie::Open(Fixture("grey_ramp_10bit"));
        ASSERT_TRUE(movie);
        auto image =
            movie->FrameImageAtTime(movie->NextVideoSampleTime(0, true), std::nullopt, layout);
        ASSERT_TRUE(image && image->isPlanar() == (layout == ImageLayout::Ycbcr420));
        std::vector<int> greys;
        const int y = image->height() / 2;
        for (int x = 0; x < image->width(); ++x) {
            if (image->isPlanar()) {
                greys.push_back(image->plane(0)[std::size_t(y * image->width() + x)]);
                continue;
            }
            const std::uint8_t* p = image->row(y) + 4 * x;
            EXPECT_LE(std::max(std::abs(p[0] - p[1]), std::abs(p[2] - p[1])), 1) << "x " << x;
            greys.push_back(p[1]);
        }
        if (image->isPlanar()) {
            const std::size_t chroma =
                std::size_t(image->planeWidth(1)) * std::size_t(image->planeHeight(1));
            EXPECT_EQ(std::count(image->plane(1), image->plane(1) + chroma, 128) +
                          std::count(image->plane(2), image->plane(2) + chroma, 128),
                      std::ptrdiff_t(2 * chroma));
        }
        for (std::size_t x = 1; x < greys.size(); ++x) {
            EXPECT_GE(greys[x], greys[x - 1]) << "x " << x;
            EXPECT_LE(greys[x] - greys[x - 1], 2) << "x " << x;
        }
        EXPECT_LE(greys.front(), 1);
        EXPECT_GE(greys.back(), 254);
    }
}

// A JPEG encoder's samples of an RGBA image: BT.601 full-range Y for each
// pixel, Cb and Cr of each 2x2 block from its pixels' mean.
struct JfifSamples {
    std::vector<double> y, cb, cr;
};

JfifSamples JfifSamplesOf(const Image& rgba) {
    const int w = rgba.width(), h = rgba.height(), cw = (w + 1) / 2, ch = (h + 1) / 2;
    JfifSamples s;
    s.y.resize(std::size_t(w) * std::size_t(h));
    s.cb.assign(std::size_t(cw) * std::size_t(ch), 0);
    s.cr.assign(std::size_t(cw) * std::size_t(ch), 0);
    std::vector<int> counts(s.cb.size(), 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint8_t* p = rgba.row(y) + 4 * x;
            const double r = p[0], g = p[1], b = p[2];
            const std::size_t c = std::size_t(y / 2) * std::size_t(cw) + std::size_t(x / 2);
            s.y[std::size_t(y) * std::size_t(w) + std::size_t(x)] =
                0.299 * r + 0.587 * g + 0.114 * b;
            s.cb[c] += -0.168736 * r - 0.331264 * g + 0.5 * b + 128;
            s.cr[c] += 0.5 * r - 0.418688 * g - 0.081312 * b + 128;
            ++counts[c];
        }
    }
    for (std::size_t c = 0; c < counts.size(); ++c) {
        s.cb[c] /= counts[c];
        s.cr[c] /= counts[c];
    }
    return s;
}

// The JPEG planes against what a JPEG encoder makes of the picture drawn.
std::string BadPlaneColumns(const Image& planes, const Image& drawn, double tolerance) {
    const JfifSamples want = JfifSamplesOf(drawn);
    std::string bad;
    for (int plane = 0; plane < 3; ++plane) {
        const auto& expected = plane == 0 ? want.y : plane == 1 ? want.cb : want.cr;
        const int w = planes.planeWidth(plane);
        for (int x = 0; x < w; ++x) {
            for (int y = 0; y < planes.planeHeight(plane); ++y) {
                const std::size_t i = std::size_t(y) * std::size_t(w) + std::size_t(x);
                if (std::abs(planes.plane(plane)[i] - expected[i]) > tolerance) {
                    bad += " plane " + std::to_string(plane) + " column " + std::to_string(x);
                    break;
                }
            }
        }
    }
    return bad;
}

// The planes a JPEG is made from hold what the JPEG encoder makes of the
// RGBA image, first and last frame: the two ways to a JPEG file show the
// same colours.
void ExpectPlanesAsFromRgba(const std::string& name, double tolerance) {
    SCOPED_TRACE(name);
    auto forRgba = Movie::Open(Fixture(name));
    auto forPlanes = Movie::Open(Fixture(name));
    ASSERT_TRUE(forRgba && forPlanes);
    const auto times = SampleTimes(*forRgba);
    for (const std::int64_t t : {times.front(), times.back()}) {
        auto rgba = forRgba->FrameImageAtTime(t);
        auto planes = forPlanes->FrameImageAtTime(t, std::nullopt, ImageLayout::Ycbcr420);
        ASSERT_TRUE(rgba && planes && planes->isPlanar());
        ASSERT_EQ(planes->size(), rgba->size());
        EXPECT_EQ(BadPlaneColumns(*planes, *rgba, tolerance), "");
    }
}

TEST(MovieJpegPlanes, HoldTheColoursOfTheRgbaImage) {
    // Nearest chroma in both. swscale's fast RGBA conversion of 8-bit frames
    // runs a level or two dark; the planes are exact (ExpectKnownColors).
    for (const char* name : {"h264_mp4", "bt709_limited", "bt709_full", "untagged_sd",
                             "untagged_hd", "mjpeg_250_avi", "grey_ramp_10bit"}) {
        ExpectPlanesAsFromRgba(name, 4);
    }
    // At an odd width swscale interpolates chroma, which moves colour edges.
    ExpectPlanesAsFromRgba("odd_size", 32);
    // Tone-mapped frames come from the same 8-bit RGB as the RGBA image.
    for (const char* name : {"hdr_pq", "hdr_hlg"}) ExpectPlanesAsFromRgba(name, 3);
}

// Random samples in a frame of an odd size, so that the vector loops and
// the loops for the samples they leave both run.
ff::Frame RandomFrame(AVPixelFormat format, AVColorSpace space, AVColorRange range) {
    ff::Frame frame = ff::MakeFrame();
    frame->format = format;
    frame->width = 45;
    frame->height = 7;
    frame->colorspace = space;
    frame->color_range = range;
    EXPECT_EQ(av_frame_get_buffer(frame.get(), 0), 0);
    std::mt19937 random(7);
    const AVPixFmtDescriptor* desc = av_pix_fmt_desc_get(format);
    const int depth = desc->comp[0].depth;
    for (int plane = 0; plane < 3; ++plane) {
        const bool chroma = plane > 0 && !(desc->flags & AV_PIX_FMT_FLAG_RGB);
        const int w = chroma ? (frame->width + 1) / 2 : frame->width;
        const int h = chroma ? (frame->height + 1) / 2 : frame->height;
        // Limited range keeps to its nominal span, where RGB is not clipped much.
        const bool limited = range == AVCOL_RANGE_MPEG && format != AV_PIX_FMT_YUVJ420P;
        const int low = limited ? 16 << (depth - 8) : 0;
        const int high = limited ? (chroma ? 240 : 235) << (depth - 8) : (1 << depth) - 1;
        std::uniform_int_distribution<int> sample(low, high);
        for (int y = 0; y < h; ++y) {
            std::uint8_t* row = frame->data[plane] + y * frame->linesize[plane];
            for (int x = 0; x < w; ++x) {
                if (depth > 8) {
                    reinterpret_cast<std::uint16_t*>(row)[x] = std::uint16_t(sample(random));
                } else {
                    row[x] = std::uint8_t(sample(random));
                }
            }
        }
    }
    return frame;
}

int SampleAt(const AVFrame& frame, int plane, int x, int y) {
    const std::uint8_t* row = frame.data[plane] + y * frame.linesize[plane];
    return frame.format == AV_PIX_FMT_YUV420P10LE ? reinterpret_cast<const std::uint16_t*>(row)[x]
                                                  : row[x];
}

double Clamped(double v) {
    return std::clamp(v, 0.0, 255.0);
}

// Through RGB in double precision with the matrix's own weights: Y of each
// pixel, and the chroma of each sample (BT.601 chroma does not depend on Y).
void ExpectYuvPlanesExact(AVPixelFormat format, AVColorSpace space, AVColorRange range, double kr,
                          double kb) {
    SCOPED_TRACE(std::string(av_get_pix_fmt_name(format)) + " " + av_color_space_name(space) + " " +
                 av_color_range_name(range));
    const ff::Frame frame = RandomFrame(format, space, range);
    auto image = JpegPlanes(*frame);
    ASSERT_TRUE(image && image->isPlanar());
    const double unit = format == AV_PIX_FMT_YUV420P10LE ? 4 : 1;
    const bool full = range == AVCOL_RANGE_JPEG || format == AV_PIX_FMT_YUVJ420P;
    const double maximum = full ? (unit == 4 ? 1023 : 255) : 0;
    const auto rgb = [&](int x, int y, double& r, double& g, double& b) {
        const double luma = SampleAt(*frame, 0, x, y);
        const double cb = SampleAt(*frame, 1, x / 2, y / 2) - 128 * unit;
        const double cr = SampleAt(*frame, 2, x / 2, y / 2) - 128 * unit;
        const double yn = full ? luma / maximum : (luma - 16 * unit) / (219 * unit);
        const double u = cb / (full ? maximum : 224 * unit), v = cr / (full ? maximum : 224 * unit);
        r = yn + 2 * (1 - kr) * v;
        b = yn + 2 * (1 - kb) * u;
        g = (yn - kr * r - kb * b) / (1 - kr - kb);
    };
    for (int y = 0; y < frame->height; ++y) {
        for (int x = 0; x < frame->width; ++x) {
            double r, g, b;
            rgb(x, y, r, g, b);
            const double expectedY = Clamped(255 * (0.299 * r + 0.587 * g + 0.114 * b));
            const std::size_t luma = std::size_t(y) * std::size_t(frame->width) + std::size_t(x);
            ASSERT_NEAR(image->plane(0)[luma], expectedY, 1) << x << "," << y;
            if (x % 2 || y % 2) continue;
            const double cb = Clamped(128 + 255 * (-0.168736 * r - 0.331264 * g + 0.5 * b));
            const double cr = Clamped(128 + 255 * (0.5 * r - 0.418688 * g - 0.081312 * b));
            const std::size_t chroma =
                std::size_t(y / 2) * std::size_t(image->planeWidth(1)) + std::size_t(x / 2);
            ASSERT_NEAR(image->plane(1)[chroma], cb, 1) << x << "," << y;
            ASSERT_NEAR(image->plane(2)[chroma], cr, 1) << x << "," << y;
        }
    }
}

TEST(MovieJpegPlanes, ConvertEveryMatrixRangeAndDepthExactly) {
    ExpectYuvPlanesExact(AV_PIX_FMT_YUV420P, AVCOL_SPC_BT709, AVCOL_RANGE_MPEG, 0.2126, 0.0722);
    ExpectYuvPlanesExact(AV_PIX_FMT_YUV420P, AVCOL_SPC_BT709, AVCOL_RANGE_JPEG, 0.2126, 0.0722);
    ExpectYuvPlanesExact(AV_PIX_FMT_YUV420P, AVCOL_SPC_SMPTE170M, AVCOL_RANGE_MPEG, 0.299, 0.114);
    ExpectYuvPlanesExact(AV_PIX_FMT_YUVJ420P, AVCOL_SPC_BT470BG, AVCOL_RANGE_UNSPECIFIED, 0.299,
                         0.114);
    ExpectYuvPlanesExact(AV_PIX_FMT_YUV420P10LE, AVCOL_SPC_BT709, AVCOL_RANGE_MPEG, 0.2126, 0.0722);
    ExpectYuvPlanesExact(AV_PIX_FMT_YUV420P10LE, AVCOL_SPC_BT2020_NCL, AVCOL_RANGE_JPEG, 0.2627,
                         0.0593);
}

TEST(MovieJpegPlanes, ConvertPlanarRgbWithTheBlocksMeanChroma) {
    const ff::Frame frame = RandomFrame(AV_PIX_FMT_GBRP, AVCOL_SPC_RGB, AVCOL_RANGE_JPEG);
    auto image = JpegPlanes(*frame);
    ASSERT_TRUE(image && image->isPlanar());
    const auto channel = [&](int plane, int x, int y) {
        return double(SampleAt(*frame, plane, x, y));
    };
    for (int cy = 0; cy < image->planeHeight(1); ++cy) {
        for (int cx = 0; cx < image->planeWidth(1); ++cx) {
            double cb = 0, cr = 0;
            int count = 0;
            for (int y = 2 * cy; y < std::min(2 * cy + 2, frame->height); ++y) {
                for (int x = 2 * cx; x < std::min(2 * cx + 2, frame->width); ++x) {
                    const double g = channel(0, x, y), b = channel(1, x, y), r = channel(2, x, y);
                    const std::size_t luma =
                        std::size_t(y) * std::size_t(frame->width) + std::size_t(x);
                    ASSERT_NEAR(image->plane(0)[luma], 0.299 * r + 0.587 * g + 0.114 * b, 1)
                        << x << "," << y;
                    cb += 128 - 0.168736 * r - 0.331264 * g + 0.5 * b;
                    cr += 128 + 0.5 * r - 0.418688 * g - 0.081312 * b;
                    ++count;
                }
            }
            const std::size_t chroma =
                std::size_t(cy) * std::size_t(image->planeWidth(1)) + std::size_t(cx);
            ASSERT_NEAR(image->plane(1)[chroma], cb / count, 1) << cx << "," << cy;
            ASSERT_NEAR(image->plane(2)[chroma], cr / count, 1) << cx << "," << cy;
        }
    }
}

// Frames that a player turns, mirrors or stretches come as RGBA at their
// display size, as do formats the planes do not take.
TEST(MovieJpegPlanes, OnlyFramesShownAsStoredComeAsPlanes) {
    for (const char* name : {"rotated_90", "mirrored_left_right", "anamorphic", "alpha_png"}) {
        auto movie = Movie::Open(Fixture(name));
        ASSERT_TRUE(movie) << name;
        auto image = movie->FrameImageAtTime(movie->NextVideoSampleTime(0, true), std::nullopt,
                                             ImageLayout::Ycbcr420);
        ASSERT_TRUE(image) << name;
        EXPECT_FALSE(image->isPlanar()) << name;
        EXPECT_EQ(ReadFrameIndex(*image), 1) << name;
    }
}

// The first frame as the ffmpeg tool shows it through these filters, in RGBA.
std::optional<Image> FfmpegFrame(const std::filesystem::path& movie, const QString& filters,
                                 int width, int height) {
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg",
                 {"-v", "error", "-i", QString::fromStdString(movie.string()), "-frames:v", "1",
                  "-vf", filters, "-f", "rawvideo", "-pix_fmt", "rgba", "-"});
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0) return std::nullopt;
    const QByteArray bytes = ffmpeg.readAllStandardOutput();
    Image image(width, height);
    if (std::size_t(bytes.size()) != image.byteCount()) return std::nullopt;
    std::memcpy(image.pixels(), bytes.constData(), image.byteCount());
    return image;
}

// Our chain is the usual one (zscale to linear light, Hable, BT.709) but
// ends in 8-bit RGB rather than 4:2:0, so the reference does the same.
TEST(MovieImages, HdrIsToneMappedAsAnSdrPlayerShowsIt) {
    const QString toneMapped =
        "zscale=t=linear:npl=100,format=gbrpf32le,zscale=p=bt709,tonemap=hable:desat=0,"
        "zscale=t=bt709:r=full,format=gbrp";
    for (const char* name : {"hdr_pq", "hdr_hlg"}) {
        SCOPED_TRACE(name);
        auto movie = Movie::Open(Fixture(name));
        ASSERT_TRUE(movie);
        auto ours = movie->FrameImageAtTime(movie->NextVideoSampleTime(0, true));
        ASSERT_TRUE(ours);
        auto theirs = FfmpegFrame(Fixture(name), toneMapped, ours->width(), ours->height());
        ASSERT_TRUE(theirs);
        double total = 0;
        int worst = 0;
        for (std::size_t i = 0; i < ours->byteCount(); ++i) {
            const int difference = std::abs(ours->pixels()[i] - theirs->pixels()[i]);
            total += difference;
            worst = std::max(worst, difference);
        }
        EXPECT_LE(total / double(ours->byteCount()), 1.0) << "within a level on average";
        EXPECT_LE(worst, 6);
    }
}

TEST(MovieImages, AbsurdMasteringMetadataIsIgnoredWhenToneMapping) {
    // A peak of 429,497 cd/m2 and a MaxCLL of 0 are no peaks: the frames are
    // tone-mapped as those without such metadata.
    auto plain = Movie::Open(Fixture("hdr_pq"));
    auto absurd = Movie::Open(Fixture("hdr_pq_bad_mastering"));
    ASSERT_TRUE(plain && absurd);
    auto expected = plain->FrameImageAtTime(plain->NextVideoSampleTime(0, true));
    auto image = absurd->FrameImageAtTime(absurd->NextVideoSampleTime(0, true));
    ASSERT_TRUE(expected && image);
    ASSERT_EQ(image->byteCount(), expected->byteCount());
    double total = 0;
    for (std::size_t i = 0; i < image->byteCount(); ++i) {
        total += std::abs(image->pixels()[i] - expected->pixels()[i]);
    }
    EXPECT_LE(total / double(image->byteCount()), 1.0);
}

// How far each row lies from the mean of its neighbours, the most of any
// column: woven fields of a moving picture comb, one picture does not.
double Combing(const Image& image) {
    double most = 0;
    for (int x = 0; x < image.width(); ++x) {
        double sum = 0;
        for (int y = 1; y + 1 < image.height(); ++y) {
            const int above = image.row(y - 1)[4 * x], here = image.row(y)[4 * x],
                      below = image.row(y + 1)[4 * x];
            sum += std::abs(here - (above + below) / 2.0);
        }
        most = std::max(most, sum / (image.height() - 2));
    }
    return most;
}

// The H.264 movie in MP4 does not say its field order: its frames are flagged.
TEST(MovieImages, InterlacedFramesAreDeinterlacedOnePictureAFrame) {
    for (const std::string name : {"interlaced_mpeg2", "interlaced_h264_bars"}) {
        SCOPED_TRACE(name);
        auto movie = Movie::Open(Fixture(name));
        ASSERT_TRUE(movie);
        const auto times = SampleTimes(*movie);
        ASSERT_EQ(int(times.size()), FixtureFrames(name));
        for (std::size_t i = 0; i < times.size(); ++i) {
            auto image = movie->FrameImageAtTime(times[i]);
            ASSERT_TRUE(image) << "frame " << i + 1;
            EXPECT_LT(Combing(*image), 30.0) << "frame " << i + 1;
        }
    }
    // The same pictures woven comb: about 200 levels in the bars' edges.
    EXPECT_GT(Combing(testing::DrawFieldBars(3, 320, 240)), 150.0);
}

// The largest difference of one channel between two images of one size.
int LargestDifference(const Image& a, const Image& b) {
    if (a.size() != b.size()) return 256;
    int most = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < 4 * a.width(); ++x)
            most = std::max(most, std::abs(a.row(y)[x] - b.row(y)[x]));
    }
    return most;
}

// A deinterlaced frame looks at the frames beside it: frame N is the same
// picture whether the whole movie is walked or N alone, or every 7th frame,
// key frames and the frames just past them included. The H.264 movie's
// stream says nothing of its fields; its frames are flagged.
TEST(MovieImages, InterlacedFramesAreTheSameWhateverIsSelected) {
    for (const std::string name : {"interlaced_groups_ts", "interlaced_h264_mp4"}) {
        SCOPED_TRACE(name);
        std::vector<Image> walked;
        {
            auto movie = Movie::Open(Fixture(name));
            ASSERT_TRUE(movie);
            for (const std::int64_t t : SampleTimes(*movie)) {
                auto image = movie->FrameImageAtTime(t);
                ASSERT_TRUE(image);
                walked.push_back(std::move(*image));
            }
        }
        ASSERT_EQ(int(walked.size()), FixtureFrames(name));
        const auto check = [&](const std::vector<std::size_t>& selected) {
            auto movie = Movie::Open(Fixture(name));
            const auto times = SampleTimes(*movie);
            for (std::size_t k = 0; k < selected.size(); ++k) {
                const std::size_t i = selected[k];
                const auto next =
                    k + 1 < selected.size() ? times[selected[k + 1]] : Movie::kNoFrameAfter;
                auto image = movie->FrameImageAtTime(times[i], next);
                ASSERT_TRUE(image) << "frame " << i + 1;
                EXPECT_LE(LargestDifference(*image, walked[i]), 1) << "frame " << i + 1;
            }
        };
        for (const std::size_t alone : {std::size_t(12), std::size_t(13), std::size_t(24)})
            check({alone});
        check({6, 13, 20, 27});
        check({0, 12, 24, 29});
    }
}

TEST(MovieImages, AlphaIsKept) {
    // PNG is lossless; VP9 keeps its alpha layer beside the picture, lossy.
    for (const auto& [name, tolerance] : {std::pair{"alpha_png", 0}, {"vp9_alpha", 6}}) {
        SCOPED_TRACE(name);
        auto movie = Movie::Open(Fixture(name));
        ASSERT_TRUE(movie);
        auto image = movie->FrameImageAtTime(movie->NextVideoSampleTime(0, true));
        ASSERT_TRUE(image);
        EXPECT_NEAR(image->row(10)[4 * 10 + 3], 255, tolerance) << "the opaque marker cell";
        EXPECT_NEAR(image->row(image->height() - 10)[4 * (image->width() - 10) + 3], 128,
                    tolerance);
        EXPECT_EQ(ReadFrameIndex(*image), 1);
    }
}

// Every column of every width, through every way a frame becomes an image:
// swscale's vector code leaves the last pixels of rows whose width is a few
// pixels past a multiple of its block unwritten unless it is given room.
struct ColumnCase {
    AVPixelFormat format = AV_PIX_FMT_YUV420P;
    bool pq = false;
    int rotation = 0;
};

// The largest difference of any channel in each column of `got` from the
// picture drawn (8-bit levels), `got` being `drawn` scaled to its size.
std::vector<int> ColumnErrors(const Image& got, const Image& drawn) {
    std::vector<int> errors(std::size_t(got.width()), 0);
    const int shift = got.isDeep() || got.layout() == ImageLayout::Rgba64KeepHdr ? 8 : 0;
    for (int y = 0; y < got.height(); ++y) {
        const int sy = std::min(drawn.height() - 1, y * drawn.height() / got.height());
        for (int x = 0; x < got.width(); ++x) {
            const int sx = std::min(drawn.width() - 1, x * drawn.width() / got.width());
            const std::uint8_t* want = drawn.row(sy) + 4 * sx;
            int& e = errors[std::size_t(x)];
            for (int c = 0; c < 4; ++c) {
                const int value =
                    shift ? reinterpret_cast<const std::uint16_t*>(got.row(y))[4 * x + c] >> 8
                          : got.row(y)[4 * x + c];
                e = std::max(e, std::abs(value - want[c]));
            }
        }
    }
    return errors;
}

std::string BadColumns(const std::vector<int>& errors, int tolerance) {
    std::string bad;
    for (std::size_t x = 0; x < errors.size(); ++x) {
        if (errors[x] > tolerance) bad += " " + std::to_string(x) + ":" + std::to_string(errors[x]);
    }
    return bad;
}

void ExpectEveryColumn(int width, int height, const ColumnCase& c) {
    MovieSpec spec;
    spec.format = c.rotation ? "mov" : "matroska";  // a display matrix needs MOV
    spec.codec = "ffv1";
    spec.width = width;
    spec.height = height;
    spec.frames = 3;
    spec.columnRamps = true;
    spec.pixelFormat = c.format;
    spec.clockwiseRotation = c.rotation;
    if (c.pq) {
        spec.tagColorSpace = true;
        spec.colorSpace = AVCOL_SPC_BT2020_NCL;
        spec.primaries = AVCOL_PRI_BT2020;
        spec.transfer = AVCOL_TRC_SMPTE2084;
    }
    const std::string trace = std::string(av_get_pix_fmt_name(c.format)) + (c.pq ? " PQ" : "") +
                              " turned " + std::to_string(c.rotation) + " size " +
                              std::to_string(width) + "x" + std::to_string(height);
    SCOPED_TRACE(trace);
    const auto path = testing::NewTempDir("columns") / "m.mkv";
    ASSERT_EQ(testing::WriteTestMovie(path, spec), "");
    const bool sideways = c.rotation % 180 != 0;
    const int shownW = sideways ? height : width, shownH = sideways ? width : height;
    const bool deep = av_pix_fmt_desc_get(c.format)->comp[0].depth > 8;

    // One movie a way, each walked over every frame, as a run walks.
    const std::vector<ImageLayout> layouts =
        c.pq ? std::vector{ImageLayout::Rgba64KeepHdr}
             : std::vector{ImageLayout::Rgba, ImageLayout::Ycbcr420, ImageLayout::Rgba64};
    for (const ImageLayout layout : layouts) {
        for (const bool bounded : {false, true}) {
            auto movie = Movie::Open(path);
            ASSERT_TRUE(movie);
            // The picker's view: half the size, scaled in the conversion.
            if (bounded) movie->SetImageBound(std::max(1, shownW / 2), shownH);
            const auto& times = movie->SampleTimes();
            ASSERT_EQ(times.size(), 3u);
            for (int i = 0; i < 3; ++i) {
                SCOPED_TRACE("layout " + std::to_string(int(layout)) + (bounded ? " bounded" : "") +
                             " frame " + std::to_string(i + 1));
                auto image = movie->FrameImageAtTime(times[std::size_t(i)], std::nullopt, layout);
                ASSERT_TRUE(image);
                const Image stored = testing::DrawColumnRamps(
                    i + 1, width, height, c.pq ? AVCOL_SPC_BT2020_NCL : AVCOL_SPC_SMPTE170M);
                const Image drawn = RotateClockwise(stored, c.rotation / 90);
                if (!bounded) {
                    ASSERT_EQ(image->width(), shownW);
                    ASSERT_EQ(image->height(), shownH);
                }
                if (image->isPlanar()) {
                    EXPECT_EQ(BadPlaneColumns(*image, drawn, 8), "");
                    continue;
                }
                EXPECT_EQ(image->isDeep() || image->layout() == ImageLayout::Rgba64KeepHdr,
                          deep && layout != ImageLayout::Rgba);
                EXPECT_EQ(BadColumns(ColumnErrors(*image, drawn), bounded ? 12 : 8), "");
                // The written image scaled to a share of its size.
                if (!bounded && !image->isDeep() && image->layout() == ImageLayout::Rgba) {
                    auto scaled =
                        ScaledImage(*image, {float(image->width()) * 0.6f, float(shownH)});
                    ASSERT_TRUE(scaled);
                    EXPECT_EQ(BadColumns(ColumnErrors(*scaled, drawn), 12), "") << "scaled";
                }
            }
        }
    }
}

std::vector<int> SweptWidths() {
    std::vector<int> widths;
    for (int w = 2; w <= 64; ++w) widths.push_back(w);
    for (int w : {322, 426, 642, 854, 1078, 1366}) widths.push_back(w);
    return widths;
}

TEST(MovieColumns, EveryColumnOfEveryWidthAndChromaLayout) {
    for (const AVPixelFormat format :
         {AV_PIX_FMT_YUV420P, AV_PIX_FMT_YUV422P, AV_PIX_FMT_YUV444P, AV_PIX_FMT_YUV420P10LE}) {
        for (const int width : SweptWidths()) {
            // swscale's fastest path takes even heights only.
            for (const int height : {8, 9}) ExpectEveryColumn(width, height, {format});
        }
    }
}

TEST(MovieColumns, EveryColumnTurnedOrWithHdrKept) {
    for (const int width : SweptWidths()) {
        ExpectEveryColumn(width, 8, {AV_PIX_FMT_YUV420P, false, 90});
        ExpectEveryColumn(width, 9, {AV_PIX_FMT_YUV420P10LE, true, 0});
    }
}

TEST(MovieBadInput, DatesThatNanosecondsCannotHoldAreNoDates) {
    // Year 9999 would wrap to 1816: the movie records no date of its own.
    MovieSpec spec;
    spec.format = "nut";  // which keeps the tag as text
    spec.frames = 2;
    spec.creationTime = "9999-12-31T00:00:00.000000Z";
    const auto path = testing::NewTempDir("far-date") / "m.nut";
    ASSERT_EQ(testing::WriteTestMovie(path, spec), "");
    auto movie = Movie::Open(path);
    ASSERT_TRUE(movie);
    EXPECT_FALSE(movie->RecordsCreationTime());
    const auto file =
        std::chrono::file_clock::to_sys(std::filesystem::last_write_time(path)).time_since_epoch();
    EXPECT_NEAR(double(movie->PresentationDate(movie->StartTime())),
                double(std::chrono::duration_cast<std::chrono::nanoseconds>(file).count()), 2e9)
        << "the file's date instead";
}

TEST(MovieBadInput, NonMoviesDoNotOpen) {
    EXPECT_FALSE(Movie::Open(Fixture("not_a_movie")));
    const auto empty = testing::NewTempDir("empty") / "empty.mov";
    std::ofstream(empty).flush();
    EXPECT_FALSE(Movie::Open(empty));
    EXPECT_FALSE(Movie::Open(testing::ScratchDir()));
    EXPECT_FALSE(Movie::Open(testing::ScratchDir() / "missing.mp4"));
}

TEST(MovieBadInput, AudioOnlyIsAMovieWithoutSamples) {
    auto movie = Movie::Open(Fixture("audio_only"));
    ASSERT_TRUE(movie);
    EXPECT_FALSE(movie->hasVideo());
    EXPECT_EQ(CountVideoFrames(*movie), 0);
    EXPECT_EQ(movie->NextVideoSampleTime(0, true), -1);
}

TEST(MovieBadInput, TruncatedMovieCountsItsIndexAndDecodesWhatIsLeft) {
    auto movie = Movie::Open(Fixture("truncated"));
    ASSERT_TRUE(movie);
    const int frames = FixtureFrames("truncated");
    EXPECT_EQ(CountVideoFrames(*movie), frames);
    const auto times = SampleTimes(*movie);
    ASSERT_EQ(int(times.size()), frames);
    int decoded = 0;
    for (int i = 0; i < frames; ++i) {
        if (auto image = movie->FrameImageAtTime(times[std::size_t(i)])) {
            ++decoded;
            if (i < 10) {
                EXPECT_EQ(ReadFrameIndex(*image), i + 1);
            }
        }
    }
    EXPECT_GT(decoded, 10);
    EXPECT_LT(decoded, frames);
}

std::int64_t PeakMemoryKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A few kilobytes whose header declares 85 million samples of 16 bytes: the
// movie holds the samples its bytes can, and no more, without indexing the
// samples it declared (gigabytes).
TEST(MovieBadInput, DeclaredSamplesBeyondTheFileAreNotThere) {
    const std::int64_t peakBefore = PeakMemoryKiB();
    const std::filesystem::path file =
        REELSNAP_FUZZ_CORPUS "/movie/regression-huge-sample-count.mp4";
    auto movie = Movie::Open(file);
    ASSERT_TRUE(movie);
    const auto bound = std::int64_t(std::filesystem::file_size(file) / 16);
    const std::int64_t count = CountVideoFrames(*movie);
    EXPECT_GT(count, 0);
    EXPECT_LE(count, bound);
    std::int64_t walked = 0;
    for (std::int64_t t = movie->NextVideoSampleTime(0, true); t >= 0 && walked <= bound;
         t = movie->NextVideoSampleTime(t, false)) {
        ++walked;
        movie->FrameImageAtTime(t);
    }
    EXPECT_EQ(walked, count);
    EXPECT_LT(PeakMemoryKiB() - peakBefore, 300 * 1024);
}

TEST(MovieBadInput, TableCountsBeyondTheirBoxesAreWhatTheBoxesHold) {
    // h264_mp4 with its stts and ctts entry counts patched to 2^31 - 1: the
    // entries there are read, and every frame is found.
    std::ifstream in(Fixture("h264_mp4"), std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), {}};
    for (const char* table : {"stts", "ctts"}) {
        const std::size_t at = bytes.find(table);
        ASSERT_NE(at, std::string::npos) << table;
        bytes.replace(at + 8, 4, "\x7f\xff\xff\xff");
    }
    const auto path = testing::NewTempDir("table-counts") / "m.mp4";
    std::ofstream(path, std::ios::binary) << bytes;
    auto movie = Movie::Open(path);
    ASSERT_TRUE(movie);
    EXPECT_EQ(CountVideoFrames(*movie), 40);
    const auto times = SampleTimes(*movie);
    ASSERT_EQ(times.size(), 40u);
    for (const std::size_t i : {0u, 17u, 39u}) {
        EXPECT_EQ(IndexAt(*movie, times[i]), int(i) + 1);
    }
}

TEST(MovieBadInput, AbsurdFrameSizeGivesNoImage) {
    auto movie = Movie::Open(Fixture("huge_frame"));
    ASSERT_TRUE(movie);
    EXPECT_EQ(CountVideoFrames(*movie), 2);
    EXPECT_FALSE(movie->FrameImageAtTime(movie->NextVideoSampleTime(0, true)));
    EXPECT_TRUE(Image::IsAcceptableSize(16384, 16384));
    EXPECT_FALSE(Image::IsAcceptableSize(16385, 10));
    EXPECT_FALSE(Image::IsAcceptableSize(16384, 16385));
}

}  // namespace
}  // namespace reelsnap
