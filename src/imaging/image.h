// The application's image: 8-bit RGBA pixels, rows packed without padding.
// Its size in points is its size in pixels.
//
// A frame bound for a JPEG file at its own size may instead hold the JPEG's
// own samples (YCbCr 4:2:0): BT.601, full range, chroma at half the width
// and height rounded up, as three packed planes. The encoder takes them as
// they are; anything else asks for the RGBA image first.
//
// A frame of a deep movie (more than 8 bits a sample) bound for a 16-bit
// PNG or TIFF holds RGBA at 16 bits a channel (Rgba64), native byte order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace reelsnap {

// How the frame is handed over. The KeepHdr layouts give PQ and HLG frames
// untouched by tone mapping: Rgba64 in BT.2020 and their own transfer
// (Image::transfer); other frames as the layout without KeepHdr would.
enum class ImageLayout { Rgba, Ycbcr420, Rgba64, RgbaKeepHdr, Rgba64KeepHdr };

// The transfer function of an image's values: SDR (sRGB or BT.709, BT.709
// primaries), or HDR kept as the movie has it (BT.2020 primaries).
enum class ColorTransfer { Sdr, Pq, Hlg };

struct ImageSize {
    float width = 0;
    float height = 0;
    friend bool operator==(const ImageSize&, const ImageSize&) = default;
};

class Image {
  public:
    Image() = default;
    // The pixels are left uninitialised; the caller fills every one.
    Image(int width, int height, ImageLayout layout = ImageLayout::Rgba);

    Image(Image&&) noexcept = default;
    Image& operator=(Image&&) noexcept = default;
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    ImageSize size() const { return {float(width_), float(height_)}; }
    ImageLayout layout() const { return layout_; }
    bool isPlanar() const { return layout_ == ImageLayout::Ycbcr420; }
    bool isDeep() const { return layout_ == ImageLayout::Rgba64; }
    std::size_t byteCount() const;
    bool isNull() const { return !pixels_; }

    // RGBA and Rgba64 layouts: 4 or 8 bytes a pixel.
    std::size_t bytesPerPixel() const { return isDeep() ? 8 : 4; }
    std::size_t stride() const { return std::size_t(width_) * bytesPerPixel(); }

    std::uint8_t* pixels() { return pixels_.get(); }
    const std::uint8_t* pixels() const { return pixels_.get(); }
    std::uint8_t* row(int y) { return pixels_.get() + std::size_t(y) * stride(); }
    const std::uint8_t* row(int y) const { return pixels_.get() + std::size_t(y) * stride(); }

    // Ycbcr420 layout: plane 0 is Y, 1 is Cb, 2 is Cr; rows packed.
    int planeWidth(int plane) const { return plane == 0 ? width_ : (width_ + 1) / 2; }
    int planeHeight(int plane) const { return plane == 0 ? height_ : (height_ + 1) / 2; }
    std::uint8_t* plane(int plane) { return pixels_.get() + planeOffset(plane); }
    const std::uint8_t* plane(int plane) const { return pixels_.get() + planeOffset(plane); }

    ColorTransfer transfer() const { return transfer_; }
    void setTransfer(ColorTransfer transfer) { transfer_ = transfer; }

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
    std::size_t planeOffset(int plane) const;

    int width_ = 0;
    int height_ = 0;
    ImageLayout layout_ = ImageLayout::Rgba;
    ColorTransfer transfer_ = ColorTransfer::Sdr;
    std::unique_ptr<std::uint8_t[]> pixels_;
};

}  // namespace reelsnap
