// The application's image: 8-bit RGBA pixels, rows packed without padding.
// Its size in points is its size in pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace reelsnap {

struct ImageSize {
    float width = 0;
    float height = 0;
    friend bool operator==(const ImageSize&, const ImageSize&) = default;
};

class Image {
  public:
    Image() = default;
    // The pixels are left uninitialised; the caller fills every one.
    Image(int width, int height);

    Image(Image&&) noexcept = default;
    Image& operator=(Image&&) noexcept = default;
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    ImageSize size() const { return {float(width_), float(height_)}; }
    std::size_t stride() const { return std::size_t(width_) * 4; }
    std::size_t byteCount() const { return stride() * std::size_t(height_); }
    bool isNull() const { return !pixels_; }

    std::uint8_t* pixels() { return pixels_.get(); }
    const std::uint8_t* pixels() const { return pixels_.get(); }
    std::uint8_t* row(int y) { return pixels_.get() + std::size_t(y) * stride(); }
    const std::uint8_t* row(int y) const { return pixels_.get() + std::size_t(y) * stride(); }

    // True when some pixel is not fully opaque.
    bool hasTransparency() const;

    // Largest image the application accepts, on a side and in pixels.
    static constexpr int kMaxSide = 16384;
    static constexpr std::int64_t kMaxPixels = std::int64_t(1) << 28;
    static bool IsAcceptableSize(std::int64_t width, std::int64_t height) {
        return width >= 1 && height >= 1 && width <= kMaxSide && height <= kMaxSide &&
               width * height <= kMaxPixels;
    }

    // Bytes after the last pixel that a library may write: swscale's vector
    // code writes whole blocks past the end of a row whose width is no
    // multiple of the block.
    static constexpr std::size_t kPadding = 64;

  private:
    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<std::uint8_t[]> pixels_;
};

}  // namespace reelsnap
