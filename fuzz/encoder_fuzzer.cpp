// Encodes an image of every type (the nine), layout, size from 1x1 to 64x64 and
// compression factor that the input picks, filled with the input's bytes:
// each encoder gives a whole file of its type or says that it could not.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "imaging/image_types.h"

namespace {

using reelsnap::ImageFileType;

// The bytes each type's files begin with (AVIF's after the box's size).
std::string_view Signature(ImageFileType type) {
    switch (type) {
        case ImageFileType::Tiff:
            return "II*";
        case ImageFileType::Bmp:
            return "BM";
        case ImageFileType::Gif:
            return "GIF8";
        case ImageFileType::Jpeg:
            return "\xFF\xD8\xFF";
        case ImageFileType::Png:
            return "\x89PNG";
        case ImageFileType::Jpeg2000:
            return std::string_view("\0\0\0\x0CjP", 6);
        case ImageFileType::Webp:
            return "RIFF";
        case ImageFileType::Avif:
            return "ftypavif";
        case ImageFileType::Jxl:
            return "\xFF\x0A";
    }
    return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const auto type = reelsnap::ImageFileTypeFromNumber(
        std::int16_t(1 + data[0] % int(reelsnap::ImageTypeTable().size())));
    const int width = 1 + data[1] % 64;
    const int height = 1 + data[2] % 64;
    const float factor = float(data[3]) / 255.0f;
    // A high first byte gives the JPEG's YCbCr planes, which only the JPEG
    // encoder and the lossy WebP encoder take.
    const bool planar = data[0] >= 128;
    data += 4;
    size -= 4;
    reelsnap::Image image(width, height,
                          planar ? reelsnap::ImageLayout::Ycbcr420 : reelsnap::ImageLayout::Rgba);
    // The pixels repeat the rest of the input; none leaves them all zero.
    for (std::size_t i = 0; i < image.byteCount(); ++i) {
        image.pixels()[i] = size ? data[i % size] : 0;
    }
    const auto encoded = reelsnap::EncodeImage(image, *type, factor);
    const bool takesPlanes =
        *type == ImageFileType::Jpeg || (*type == ImageFileType::Webp && factor < 1.0f);
    if (planar && !takesPlanes && encoded) __builtin_trap();
    if (!encoded) return 0;
    const std::string_view signature = Signature(*type);
    const std::size_t at = *type == ImageFileType::Avif ? 4 : 0;
    if (encoded->size() < at + signature.size() ||
        std::memcmp(encoded->data() + at, signature.data(), signature.size()) != 0) {
        __builtin_trap();
    }
    return 0;
}
