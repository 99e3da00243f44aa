#include "imaging/image.h"

#include <algorithm>

namespace reelsnap {

Image::Image(int width, int height, ImageLayout layout)
    : width_(width), height_(height), layout_(layout) {
    pixels_ = std::make_unique_for_overwrite<std::uint8_t[]>(byteCount() + kPadding);
}

std::size_t Image::byteCount() const {
    const std::size_t pixels = std::size_t(width_) * std::size_t(height_);
    if (layout_ == ImageLayout::Rgba) return pixels * 4;
    return pixels + 2 * std::size_t(planeWidth(1)) * std::size_t(planeHeight(1));
}

std::size_t Image::planeOffset(int plane) const {
    const std::size_t luma = std::size_t(width_) * std::size_t(height_);
    const std::size_t chroma = std::size_t(planeWidth(1)) * std::size_t(planeHeight(1));
    return plane == 0 ? 0 : luma + std::size_t(plane - 1) * chroma;
}

bool Image::hasTransparency() const {
    if (isPlanar()) return false;
    // Blocks without an early exit inside, so that the compiler vectorizes them.
    constexpr std::size_t kBlock = 4096;
    const std::uint8_t* p = pixels();
    const std::size_t count = std::size_t(width_) * std::size_t(height_);
    for (std::size_t start = 0; start < count; start += kBlock) {
        const std::size_t end = std::min(count, start + kBlock);
        std::uint8_t all = 255;
        for (std::size_t i = start; i < end; ++i) all &= p[4 * i + 3];
        if (all != 255) return true;
    }
    return false;
}

}  // namespace reelsnap
