// Scaling an image to a size in points, as frames are scaled before they are
// encoded.
#pragma once

#include <optional>

#include "imaging/image.h"

namespace reelsnap {

// A size in points becomes whole pixels by rounding to the nearest integer,
// at least one pixel a side (211.2 x 158.4 gives 211 x 158). Nothing for a
// size that is not a finite number or that exceeds the largest image.
std::optional<int> PixelExtent(float points);

// The output size of a scaling, in single precision and unrounded. With
// `proportionally` the source's longer side takes the target's value on that
// side and the other follows the source's aspect ratio; a square source takes
// the target size unchanged.
ImageSize ScaledSize(ImageSize source, ImageSize target, bool proportionally);

// The RGBA image redrawn proportionally at `target` with high-quality
// interpolation (a copy at its own size); nothing when the size in whole
// pixels is not acceptable, or for YCbCr planes.
std::optional<Image> ScaledImage(const Image& image, ImageSize target);

}  // namespace reelsnap
