// Test movies written with libavformat and libavcodec encoders. Every frame
// carries its own index as a 4x4 grid of black and white cells that survives
// JPEG compression and scaling to a quarter of its size.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

extern "C" {
#include <libavutil/pixfmt.h>
#include <libavutil/rational.h>
}

#include "imaging/image.h"

namespace reelsnap::testing {

struct MovieSpec {
    std::string format = "mp4";  // muxer name
    std::string codec = "libx264";
    int width = 320;
    int height = 240;  // stored size, before rotation
    int frames = 30;
    AVRational frameRate{25, 1};
    int bFrames = 0;
    int gop = 12;
    int firstFrameDelay = 0;  // the first sample begins this many frame durations late
    bool variableFrameRate = false;
    // Frames (from 1, constant frame rate) that take the presentation time
    // of the first frame after them not listed, as FFmpeg's muxer leaves
    // frames whose decode times it bumped: {22} makes 22 and 23 share one.
    std::vector<int> sharedTimes;
    int clockwiseRotation = 0;     // degrees a player turns the stored frames
    bool mirrorLeftRight = false;  // and then mirrors them, as the display matrix says
    bool mirrorTopBottom = false;
    AVRational sampleAspectRatio{1, 1};
    AVPixelFormat pixelFormat = AV_PIX_FMT_YUV420P;
    AVColorSpace colorSpace = AVCOL_SPC_UNSPECIFIED;  // matrix used and tagged
    bool tagColorSpace = false;                       // write the matrix into the stream
    // With tagColorSpace, the transfer and primaries tagged; unspecified
    // follows the matrix (BT.709 or BT.601).
    AVColorTransferCharacteristic transfer = AVCOL_TRC_UNSPECIFIED;
    AVColorPrimaries primaries = AVCOL_PRI_UNSPECIFIED;
    AVColorRange colorRange = AVCOL_RANGE_MPEG;
    bool knownColors = false;  // fixed colour bars instead of the index grid
    bool columnRamps = false;  // the planes of DrawColumnRamps instead of the index grid
    bool greyRamp = false;     // 10-bit limited-range greys from black to white, left to right
    // Interlaced: each field shows a white bar at another place, moving on
    // from field to field, as a camera that takes fields one after another.
    bool interlacedBars = false;
    // Encoded and flagged interlaced, whatever the picture (interlacedBars implies it).
    bool interlaced = false;
    bool untaggedFieldOrder = false;  // the stream does not say its field order (as MP4 often)
    bool translucent = false;         // alpha 128 outside the grid's marker cell
    int noise = 0;                    // amplitude of pixel noise, for natural-looking content
    bool faststart = false;
    std::string creationTime;  // the container's creation_time tag, where one is given
    std::string location;      // its location tag (ISO 6709), where one is given
    bool audioOnly = false;
    int crf = 18;
    // libx265 only: mastering-display metadata that says a peak of
    // 4294967295 x 0.0001 cd/m2 and a MaxCLL of 0, as broken muxers write it.
    bool implausibleMastering = false;
    // Frames encoded as key frames whatever the gop (set a gop beyond the
    // movie for key frames at these indices alone).
    std::vector<int> keyFrames;
    // Shots: a new one begins at each of these indices. Each shot has a
    // brightness of its own (ShotBrightness) with the index grid drawn
    // faintly on it, so that only the cuts are scene changes.
    std::vector<int> cuts;
    // Frames (constant frame rate, no delay) whose packets are written as
    // zeros: they do not decode, the others do.
    std::vector<int> corruptFrames;
};

// The mean grey of the frames of shot `shot` (from 0) of a `cuts` movie.
int ShotBrightness(int shot);

// Writes the movie; an empty string on success, else what failed.
std::string WriteTestMovie(const std::filesystem::path& path, const MovieSpec& spec);

// The frame with index `index` (from 1) as a player shows it.
Image DrawIndexFrame(int index, int width, int height, int noise = 0, bool translucent = false);

// The index a frame carries, or -1 when the grid cannot be read.
int ReadFrameIndex(const Image& image);

// The colours of the `knownColors` frames: left, middle and right thirds.
struct Rgb {
    int r, g, b;
};
inline constexpr Rgb kKnownColors[3] = {{200, 40, 50}, {30, 170, 90}, {60, 80, 210}};
Image DrawKnownColors(int width, int height);

// Frames that every column and every frame show differently, written as
// YCbCr planes (limited range, one chroma a frame, so that subsampling loses
// nothing): a luma ramp 4 levels a column, tinted by frame so that a column
// left from an earlier frame is 40 levels or more off. The stored picture,
// not turned. This draws it as RGB by the matrix given.
Image DrawColumnRamps(int index, int width, int height, AVColorSpace matrix);

// A frame of the interlacedBars movies: field bars kFieldBarWidth wide.
inline constexpr int kFieldBarWidth = 40;
Image DrawFieldBars(int index, int width, int height);

// Frames decoded by a plain libavcodec loop, as `ffmpeg -fps_mode passthrough` would.
int DecodeAllFrames(const std::filesystem::path& path);

}  // namespace reelsnap::testing
