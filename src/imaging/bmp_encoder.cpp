// BMP written by hand: 24-bit BGR for an opaque image, 32-bit BGRA with a
// version 4 header and an alpha mask when some pixel is translucent. Rows
// are stored bottom-up, padded to four bytes.
#include <cstring>

#include "imaging/encoders.h"

namespace reelsnap {
namespace {

void Put16(std::uint8_t*& p, std::uint16_t v) {
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
    p += 2;
}
void Put32(std::uint8_t*& p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = std::uint8_t(v >> (8 * i));
    p += 4;
}

}  // namespace

EncodeResult EncodeBmp(const Image& image, float, const StoryMetadata*) {
    const bool alpha = image.hasTransparency();
    const std::uint32_t bytesPerPixel = alpha ? 4 : 3;
    const std::uint32_t infoSize = alpha ? 108 : 40;
    const std::uint32_t rowSize = (std::uint32_t(image.width()) * bytesPerPixel + 3) & ~3u;
    const std::uint32_t pixelOffset = 14 + infoSize;
    const std::uint64_t fileSize =
        pixelOffset + std::uint64_t(rowSize) * std::uint64_t(image.height());
    if (fileSize > 0xFFFFFFFFu) return EncodeResult::Failed("larger than a BMP file can be");

    EncodedData data(fileSize);
    std::memset(data.data(), 0, pixelOffset);
    std::uint8_t* p = data.data();
    *p++ = 'B';
    *p++ = 'M';
    Put32(p, std::uint32_t(fileSize));
    Put32(p, 0);
    Put32(p, pixelOffset);
    Put32(p, infoSize);
    Put32(p, std::uint32_t(image.width()));
    Put32(p, std::uint32_t(image.height()));
    Put16(p, 1);
    Put16(p, std::uint16_t(bytesPerPixel * 8));
    Put32(p, alpha ? 3 : 0);  // BI_BITFIELDS or BI_RGB
    Put32(p, rowSize * std::uint32_t(image.height()));
    Put32(p, 2835);  // 72 dpi
    Put32(p, 2835);
    Put32(p, 0);
    Put32(p, 0);
    if (alpha) {
        Put32(p, 0x00FF0000);
        Put32(p, 0x0000FF00);
        Put32(p, 0x000000FF);
        Put32(p, 0xFF000000);
        Put32(p, 0x73524742);  // 'sRGB'
        p += 36 + 12;          // endpoints and gamma, unused for sRGB
    }
    for (int y = 0; y < image.height(); ++y) {
        const std::uint8_t* src = image.row(image.height() - 1 - y);
        std::uint8_t* dst = data.data() + pixelOffset + std::size_t(y) * rowSize;
        std::memset(dst + rowSize - 4, 0, 4);  // the row's padding, if any
        for (int x = 0; x < image.width(); ++x, src += 4, dst += bytesPerPixel) {
            std::uint32_t rgba;
            std::memcpy(&rgba, src, 4);
            // R, G, B, A in memory become B, G, R, A.
            const std::uint32_t bgra =
                (rgba & 0xFF00FF00u) | (rgba >> 16 & 0xFFu) | (rgba & 0xFFu) << 16;
            if (alpha || x + 1 < image.width()) {
                std::memcpy(dst, &bgra, 4);  // a 24-bit pixel's fourth byte is the next one's
            } else {
                std::memcpy(dst, &bgra, 3);
            }
        }
    }
    return data;
}

}  // namespace reelsnap
