#include "imaging/image.h"

#include <algorithm>
#include <limits>

namespace reelsnap {
namespace {

// True when the alpha of some of the `count` RGBA pixels is below the
// channel's most. Blocks without an early exit inside, so that the compiler
// vectorizes them.
template <typename Channel>
bool AnyAlphaBelow(const Channel* p, std::size_t count) {
    constexpr Channel kOpaque = std::numeric_limits<Channel>::max();
    constexpr std::size_t kBlock = 4096;
    for (std::size_t start = 0; start < count; start += kBlock) {
        const std::size_t end = std::min(count, start + kBlock);
        Channel all = kOpaque;
        for (std::size_t i = start; i < end; ++i) all &= p[4 * i + 3];
        if (all != kOpaque) return true;
    }
    return false;
}

}  // namespace

Image::Image(int width, int height, ImageLayout layout)
    : width_(width), height_(height), layout_(layout) {
    pixels_ = std::make_unique_for_overwrite<std::uint8_t[]>(byteCount() + kPadding);
}

std::size_t Image::byteCount() const {
    const std::size_t pixels = std::size_t(width_) * std::size_t(height_);
    if (layout_ != ImageLayout::Ycbcr420) return pixels * bytesPerPixel();
    return pixels + 2 * std::size_t(planeWidth(1)) * std::size_t(planeHeight(1));
}

std::size_t Image::planeOffset(int plane) const {
    const std::size_t luma = std::size_t(width_) * std::size_t(height_);
    const std::size_t chroma = std::size_t(planeWidth(1)) * std::size_t(planeHeight(1));
    return plane == 0 ? 0 : luma + std::size_t(plane - 1) * chroma;
}

bool Image::hasTransparency() const {
    if (isPlanar()) return false;
    const std::size_t count = std::size_t(width_) * std::size_t(height_);
    if (isDeep()) return AnyAlphaBelow(reinterpret_cast<const std::uint16_t*>(pixels()), count);
    return AnyAlphaBelow(pixels(), count);
}

}  // namespace reelsnap
