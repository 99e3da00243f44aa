#include "imaging/image_types.h"

#include <cctype>
#include <string>

#include "imaging/encoders.h"

namespace reelsnap {
namespace {

using enum StoryWay;

constexpr ImageTypeRow kTypes[] = {
    // type, extension, names, popup, quality, 16 bits, HDR, planes, lossless at 1.0, story, encoder
    {ImageFileType::Tiff,
     "tif",
     {"tiff", "tif"},
     "TIFF",
     false,
     true,
     false,
     false,
     false,
     AfterEncoding,
     EncodeTiff},
    {ImageFileType::Bmp, "bmp", {"bmp"}, "BMP", false, false, false, false, false, None, EncodeBmp},
    {ImageFileType::Gif, "gif", {"gif"}, "GIF", false, false, false, false, false, None, EncodeGif},
    {ImageFileType::Jpeg,
     "jpg",
     {"jpeg", "jpg"},
     "JPEG",
     true,
     false,
     false,
     true,
     false,
     AfterEncoding,
     EncodeJpeg},
    {ImageFileType::Png,
     "png",
     {"png"},
     "PNG",
     false,
     true,
     true,
     false,
     false,
     FromEncoder,
     EncodePng},
    {ImageFileType::Jpeg2000,
     "jp2",
     {"jp2"},
     "JPEG 2000",
     true,
     false,
     false,
     false,
     true,
     AfterEncoding,
     EncodeJpeg2000},
    {ImageFileType::Webp,
     "webp",
     {"webp"},
     "WebP",
     true,
     false,
     false,
     true,
     true,
     AfterEncoding,
     EncodeWebp},
    {ImageFileType::Avif,
     "avif",
     {"avif"},
     "AVIF",
     true,
     false,
     true,
     false,
     false,
     FromEncoder,
     EncodeAvif},
    {ImageFileType::Jxl,
     "jxl",
     {"jxl"},
     "JPEG XL",
     true,
     false,
     true,
     false,
     true,
     FromEncoder,
     EncodeJxl},
};

constexpr bool NumberedInOrder() {
    for (std::size_t i = 0; i < std::size(kTypes); ++i) {
        if (std::size_t(kTypes[i].type) != i + 1) return false;
    }
    return true;
}
static_assert(NumberedInOrder(), "the rows are in the order of their stored numbers, from 1");

}  // namespace

std::span<const ImageTypeRow> ImageTypeTable() {
    return kTypes;
}

const ImageTypeRow* ImageTypeRowOf(std::optional<ImageFileType> type) {
    if (!type || int(*type) < 1 || std::size_t(*type) > std::size(kTypes)) return nullptr;
    return &kTypes[int(*type) - 1];
}

std::optional<ImageFileType> ImageFileTypeFromNumber(std::int16_t number) {
    if (number < 1 || std::size_t(number) > std::size(kTypes)) return std::nullopt;
    return ImageFileType(number);
}

std::optional<ImageFileType> ImageFileTypeNamed(std::string_view name) {
    std::string lower(name);
    for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
    for (const ImageTypeRow& row : kTypes) {
        for (std::string_view known : row.names) {
            if (!known.empty() && lower == known) return row.type;
        }
    }
    return std::nullopt;
}

const char* ImageTypeExtension(ImageFileType type) {
    return ImageTypeRowOf(type)->extension.data();
}

bool TypeTakesQuality(std::optional<ImageFileType> type) {
    const ImageTypeRow* row = ImageTypeRowOf(type);
    return row && row->takesQuality;
}

bool TypeKeepsDeepFrames(std::optional<ImageFileType> type) {
    const ImageTypeRow* row = ImageTypeRowOf(type);
    return row && row->keepsDeepFrames;
}

bool TypeKeepsHdr(std::optional<ImageFileType> type) {
    const ImageTypeRow* row = ImageTypeRowOf(type);
    return row && row->keepsHdr;
}

EncodeResult EncodeImage(const Image& image, ImageFileType type, float compressionFactor,
                         const StoryMetadata* story) {
    const ImageTypeRow* row = ImageTypeRowOf(type);
    if (!row) return EncodeResult::Failed("no such image type");
    if (image.isNull()) return EncodeResult::Failed("no image");
    if ((image.isPlanar() && !row->takesPlanes) ||
        (image.isDeep() && !row->keepsDeepFrames && !row->keepsHdr) ||
        (image.transfer() != ColorTransfer::Sdr && !row->keepsHdr)) {
        return EncodeResult::Failed("the image's layout is not one this type takes");
    }
    return row->encode(image, compressionFactor, story);
}

}  // namespace reelsnap
