#include "imaging/encoders.h"

namespace reelsnap {

std::optional<ImageFileType> ImageFileTypeFromNumber(std::int16_t number) {
    if (number < 1 || number > std::int16_t(kLastImageFileType)) return std::nullopt;
    return ImageFileType(number);
}

bool TypeKeepsDeepFrames(std::optional<ImageFileType> type) {
    return type == ImageFileType::Png || type == ImageFileType::Tiff;
}

bool TypeKeepsHdr(std::optional<ImageFileType> type) {
    return type == ImageFileType::Png || type == ImageFileType::Avif || type == ImageFileType::Jxl;
}

const char* ImageTypeExtension(ImageFileType type) {
    static const char* const kExtensions[] = {"tif", "bmp",  "gif",  "jpg", "png",
                                              "jp2", "webp", "avif", "jxl"};
    return kExtensions[int(type) - 1];
}

std::optional<ImageFileType> ImageFileTypeNamed(std::string_view name) {
    static const std::pair<std::string_view, ImageFileType> kNames[] = {
        {"tiff", ImageFileType::Tiff}, {"tif", ImageFileType::Tiff},
        {"bmp", ImageFileType::Bmp},   {"gif", ImageFileType::Gif},
        {"jpeg", ImageFileType::Jpeg}, {"jpg", ImageFileType::Jpeg},
        {"png", ImageFileType::Png},   {"jp2", ImageFileType::Jpeg2000},
        {"webp", ImageFileType::Webp}, {"avif", ImageFileType::Avif},
        {"jxl", ImageFileType::Jxl}};
    std::string lower(name);
    for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
    for (const auto& [known, type] : kNames) {
        if (lower == known) return type;
    }
    return std::nullopt;
}

std::optional<EncodedData> EncodeImage(const Image& image, ImageFileType type,
                                       float compressionFactor, const StoryMetadata* story) {
    // YCbCr planes are the JPEG and WebP encoders', 16-bit pixels those of
    // PNG, TIFF, AVIF and JPEG XL, HDR values those of PNG, AVIF and JPEG XL.
    if (image.isNull() ||
        (image.isPlanar() && type != ImageFileType::Jpeg && type != ImageFileType::Webp) ||
        (image.isDeep() && !TypeKeepsDeepFrames(type) && !TypeKeepsHdr(type)) ||
        (image.transfer() != ColorTransfer::Sdr && !TypeKeepsHdr(type))) {
        return std::nullopt;
    }
    switch (type) {
        case ImageFileType::Tiff:
            return EncodeTiff(image);
        case ImageFileType::Bmp:
            return EncodeBmp(image);
        case ImageFileType::Gif:
            return EncodeGif(image);
        case ImageFileType::Jpeg:
            return EncodeJpeg(image, compressionFactor);
        case ImageFileType::Png:
            return EncodePng(image, story);
        case ImageFileType::Jpeg2000:
            return EncodeJpeg2000(image, compressionFactor);
        case ImageFileType::Webp:
            return EncodeWebp(image, compressionFactor);
        case ImageFileType::Avif:
            return EncodeAvif(image, compressionFactor, story);
        case ImageFileType::Jxl:
            return EncodeJxl(image, compressionFactor, story);
    }
    return std::nullopt;
}

}  // namespace reelsnap
