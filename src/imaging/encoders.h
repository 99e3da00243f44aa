// One encoder per image type (image_types.h holds each one's row). Each takes
// the image as LayoutFor hands it over and gives the bytes of a complete
// file, or the library's reason why not. Settings beyond the compression
// factor are chosen for speed at a sensible size; each encoder's file says
// what it chose.
#pragma once

#include "imaging/image_types.h"

namespace reelsnap {

EncodeResult EncodeTiff(const Image& image, float compressionFactor, const StoryMetadata* story);
EncodeResult EncodeBmp(const Image& image, float compressionFactor, const StoryMetadata* story);
EncodeResult EncodeGif(const Image& image, float compressionFactor, const StoryMetadata* story);
// JPEG quality factor x 100, at least 1.
EncodeResult EncodeJpeg(const Image& image, float compressionFactor, const StoryMetadata* story);
EncodeResult EncodePng(const Image& image, float compressionFactor, const StoryMetadata* story);
// For JPEG 2000, WebP, AVIF and JPEG XL a factor of 1.0 is lossless (AVIF:
// the finest quantiser); smaller factors are lossy and smaller.
EncodeResult EncodeJpeg2000(const Image& image, float compressionFactor,
                            const StoryMetadata* story);
EncodeResult EncodeWebp(const Image& image, float compressionFactor, const StoryMetadata* story);
EncodeResult EncodeAvif(const Image& image, float compressionFactor, const StoryMetadata* story);
EncodeResult EncodeJxl(const Image& image, float compressionFactor, const StoryMetadata* story);

}  // namespace reelsnap
