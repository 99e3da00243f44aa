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

// The image redrawn at `target` (or a copy when the size is the same, the
// fraction 1 and no flip), with high-quality interpolation, its opacity
// multiplied by `fraction`, mirrored top to bottom with `flip`.
std::optional<Image> ScaledImage(const Image& image, ImageSize target, float fraction, bool flip,
                                 bool proportionally);

// Proportional scaling at full opacity without flip.
std::optional<Image> ScaledImage(const Image& image, ImageSize target);

}  // namespace reelsnap
