// One encoder per image type. Each takes the RGBA image and gives the bytes
// of a complete file, or nothing when the library fails. Settings beyond the
// compression factor are chosen for speed at a sensible size; each encoder's
// file says what it chose.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "imaging/image.h"

namespace reelsnap {

// Leaves new elements uninitialised, so that an encoder can size its output
// buffer without first clearing megabytes it is about to overwrite.
template <typename T>
struct UninitializedAllocator : std::allocator<T> {
    template <typename U>
    struct rebind {
        using other = UninitializedAllocator<U>;
    };
    UninitializedAllocator() = default;
    template <typename U>
    UninitializedAllocator(const UninitializedAllocator<U>&) noexcept {}
    template <typename U>
    void construct(U* p) noexcept {
        ::new (static_cast<void*>(p)) U;
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

using EncodedData = std::vector<std::uint8_t, UninitializedAllocator<std::uint8_t>>;

// The image types by their stored number.
enum class ImageFileType : std::int16_t {
    Tiff = 1,
    Bmp = 2,
    Gif = 3,
    Jpeg = 4,
    Png = 5,
    Jpeg2000 = 6,
    Webp = 7,
    Avif = 8,
    Jxl = 9,
};
inline constexpr ImageFileType kLastImageFileType = ImageFileType::Jxl;

// The type of a stored number; nothing outside 1 to 9.
std::optional<ImageFileType> ImageFileTypeFromNumber(std::int16_t number);

// True for the types that write 16 bits a channel of deep frames: PNG and TIFF.
bool TypeKeepsDeepFrames(std::optional<ImageFileType> type);
// True for the types that keep HDR frames: PNG, AVIF and JPEG XL.
bool TypeKeepsHdr(std::optional<ImageFileType> type);

// "tif", "bmp", "gif", "jpg", "png", "jp2", "webp", "avif" or "jxl".
const char* ImageTypeExtension(ImageFileType type);
// The type of a name or extension, in any case: those above, and "tiff" and "jpeg".
std::optional<ImageFileType> ImageFileTypeNamed(std::string_view name);

std::optional<EncodedData> EncodeTiff(const Image& image);
std::optional<EncodedData> EncodeBmp(const Image& image);
std::optional<EncodedData> EncodeGif(const Image& image);
// factor 0.0 to 1.0: JPEG quality factor x 100, at least 1.
std::optional<EncodedData> EncodeJpeg(const Image& image, float compressionFactor);
// factor 1.0 is lossless; smaller factors are lossy and smaller.
std::optional<EncodedData> EncodeJpeg2000(const Image& image, float compressionFactor);
// For these three too: factor 1.0 is lossless (AVIF: the finest quantiser).
std::optional<EncodedData> EncodeWebp(const Image& image, float compressionFactor);
// PNG, AVIF and JPEG XL carry the frame's story (EXIF, XMP) in their own
// chunks or boxes.
struct StoryMetadata;
std::optional<EncodedData> EncodePng(const Image& image, const StoryMetadata* story = nullptr);
std::optional<EncodedData> EncodeAvif(const Image& image, float compressionFactor,
                                      const StoryMetadata* story = nullptr);
std::optional<EncodedData> EncodeJxl(const Image& image, float compressionFactor,
                                     const StoryMetadata* story = nullptr);

std::optional<EncodedData> EncodeImage(const Image& image, ImageFileType type,
                                       float compressionFactor,
                                       const StoryMetadata* story = nullptr);

}  // namespace reelsnap
