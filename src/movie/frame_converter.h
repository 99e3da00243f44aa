// Turns decoded frames into RGBA images at their display size, the way a
// desktop player shows them.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "imaging/image.h"
#include "platform/ffmpeg_raii.h"

namespace reelsnap {

// How a player shows the stored frames: the pixel aspect ratio, then the
// display matrix as a clockwise turn followed by a left-right mirror (a
// vertical mirror is a half turn and a left-right mirror).
struct DisplayGeometry {
    AVRational sampleAspectRatio{1, 1};
    int clockwiseQuarterTurns = 0;  // 0 to 3
    bool mirrored = false;
};

// The largest image wanted, as displayed (after any turn); 0 for no bound.
struct ImageBound {
    int width = 0;
    int height = 0;
};

// The display size fitted into the bound: scaled down, never up, shape kept,
// at least one pixel a side.
void FitInto(ImageBound bound, int& width, int& height);

class FrameConverter {
  public:
    // RGBA at the display size; with `keepDeep`, Rgba64 where the frame has
    // more than 8 bits a sample. With a bound, an image larger than it comes
    // scaled down to fit it, in the same pass, its shape kept.
    std::optional<Image> ToDisplayImage(const AVFrame& frame, const DisplayGeometry& geometry,
                                        bool keepDeep = false, ImageBound bound = {});

  private:
    bool PrepareContext(const AVFrame& frame, int dstWidth, int dstHeight, AVPixelFormat dstFormat);
    bool Scale(const AVFrame& frame, Image& image);

    ff::ScaleContext context_;
    std::vector<std::uint8_t> scratch_;  // padded rows, for widths swscale cannot fill packed
    int srcWidth_ = 0, srcHeight_ = 0, srcFormat_ = -1, dstWidth_ = 0, dstHeight_ = 0;
    int dstFormat_ = -1;
    int colorSpace_ = -1, colorRange_ = -1;
};

// The whole display matrix, mirror included; nothing turned or mirrored
// without one.
DisplayGeometry DisplayMatrixGeometry(const std::int32_t* displayMatrix);

// Width and height once the pixel aspect ratio is applied; the height stays.
void DisplaySize(int codedWidth, int codedHeight, AVRational sar, int& width, int& height);

Image RotateClockwise(const Image& image, int quarterTurns);
Image MirrorLeftRight(const Image& image);

}  // namespace reelsnap
