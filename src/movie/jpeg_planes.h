// Decoded frames straight to the samples a JPEG file stores (YCbCr 4:2:0,
// BT.601, full range), with the matrix and range converted in YCbCr rather
// than through RGB: the JPEG encoder then neither converts colours nor
// subsamples chroma.
#pragma once

#include <optional>

extern "C" {
#include <libavutil/frame.h>
}

#include "imaging/image.h"

namespace reelsnap {

// True for planar YCbCr 4:2:0 of 8 to 16 bits in a matrix that is linear in
// YCbCr (BT.601, BT.709, BT.2020 non-constant luminance and the like), and
// for 8-bit planar RGB.
bool TakesJpegPlanes(const AVFrame& frame);

// The frame as a Ycbcr420 image at its stored size; nothing when the frame
// is not one that TakesJpegPlanes, or its size is not acceptable.
std::optional<Image> JpegPlanes(const AVFrame& frame);

}  // namespace reelsnap
