// Encodes an image of every type, layout, size from 1x1 to 64x64 and
// compression factor that the input picks, filled with the input's bytes:
// each encoder gives a whole file of its type or says that it could not.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "imaging/encoders.h"

namespace {

using reelsnap::ImageFileType;

// The bytes each type's files begin with.
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
    }
    return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const auto type = reelsnap::ImageFileTypeFromNumber(std::int16_t(1 + data[0] % 6));
    const int width = 1 + data[1] % 64;
    const int height = 1 + data[2] % 64;
    const float factor = float(data[3]) / 255.0f;
    // A high first byte gives the JPEG's YCbCr planes, which only the JPEG
    // encoder takes.
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
    if (planar && *type != ImageFileType::Jpeg && encoded) __builtin_trap();
    if (!encoded) return 0;
    const std::string_view signature = Signature(*type);
    if (encoded->size() < signature.size() ||
        std::memcmp(encoded->data(), signature.data(), signature.size()) != 0) {
        __builtin_trap();
    }
    return 0;
}
