#include "imaging/image.h"

#include <cstring>

namespace reelsnap {

Image::Image(int width, int height)
    : width_(width),
      height_(height),
      pixels_(std::make_unique_for_overwrite<std::uint8_t[]>(std::size_t(width) * 4 *
                                                             std::size_t(height))) {}

Image Image::Copy() const {
    Image copy(width_, height_);
    if (pixels_) std::memcpy(copy.pixels(), pixels(), byteCount());
    return copy;
}

bool Image::hasTransparency() const {
    const std::uint8_t* p = pixels();
    const std::uint8_t* end = p + byteCount();
    for (p += 3; p < end; p += 4) {
        if (*p != 255) return true;
    }
    return false;
}

}  // namespace reelsnap
