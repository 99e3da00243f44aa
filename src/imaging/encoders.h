// One encoder per image type. Each takes the RGBA image and gives the bytes
// of a complete file, or nothing when the library fails. Settings beyond the
// compression factor are chosen for speed at a sensible size; each encoder's
// file says what it chose.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "imaging/image.h"

namespace reelsnap {

using EncodedData = std::vector<std::uint8_t>;

// The image types by their stored number.
enum class ImageFileType : std::int16_t {
    Tiff = 1,
    Bmp = 2,
    Gif = 3,
    Jpeg = 4,
    Png = 5,
    Jpeg2000 = 6,
};

std::optional<EncodedData> EncodeTiff(const Image& image);
std::optional<EncodedData> EncodeBmp(const Image& image);
std::optional<EncodedData> EncodeGif(const Image& image);
// factor 0.0 to 1.0: JPEG quality factor x 100, at least 1.
std::optional<EncodedData> EncodeJpeg(const Image& image, float compressionFactor);
std::optional<EncodedData> EncodePng(const Image& image);
// factor 1.0 is lossless; smaller factors are lossy and smaller.
std::optional<EncodedData> EncodeJpeg2000(const Image& image, float compressionFactor);

// The encoder for a type; nothing for a type outside 1 to 6.
std::optional<EncodedData> EncodeImage(const Image& image, ImageFileType type,
                                       float compressionFactor);

}  // namespace reelsnap
