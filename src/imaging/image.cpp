#include "imaging/image.h"

#include <algorithm>

namespace reelsnap {

Image::Image(int width, int height)
    : width_(width),
      height_(height),
      pixels_(std::make_unique_for_overwrite<std::uint8_t[]>(
          std::size_t(width) * 4 * std::size_t(height) + kPadding)) {}

bool Image::hasTransparency() const {
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
