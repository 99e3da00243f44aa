// The image types: one row each, which every question about a type reads
// (its stored number, names, what it keeps, how metadata goes in, its
// encoder). A new type is one row and one encoder file.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "imaging/encoded_data.h"
#include "imaging/image.h"

namespace reelsnap {

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

struct StoryMetadata;

// How a type's files carry the frame's story (EXIF, XMP).
enum class StoryWay : std::uint8_t {
    None,           // they cannot
    FromEncoder,    // in the encoder's own chunks or boxes (StoryMetadata)
    AfterEncoding,  // written into the encoded file (AddStoryToFile)
};

// The type's encoder: the image as LayoutFor hands it over, the compression
// factor (0.0 to 1.0) for the types that take one, and the story for those
// that carry it from their encoder.
using EncodeFunction = EncodeResult (*)(const Image& image, float compressionFactor,
                                        const StoryMetadata* story);

struct ImageTypeRow {
    ImageFileType type;
    std::string_view extension;             // of the files written
    std::array<std::string_view, 2> names;  // as --type takes them; the first is the one named
    const char* displayName;                // in the window's type popup
    bool takesQuality;                      // the compression factor changes its files
    bool keepsDeepFrames;                   // 16 bits a channel of deep frames
    bool keepsHdr;                          // PQ and HLG frames as HDR, tagged
    bool takesPlanes;                       // lossy from YCbCr planes at the frame's own size
    bool losslessAtBest;                    // a factor of 1.0 is lossless
    StoryWay story;
    EncodeFunction encode;
};

// Every type, in the order of their stored numbers from 1.
std::span<const ImageTypeRow> ImageTypeTable();

// The type's row; nothing for no type.
const ImageTypeRow* ImageTypeRowOf(std::optional<ImageFileType> type);

// The type of a stored number; nothing outside the table.
std::optional<ImageFileType> ImageFileTypeFromNumber(std::int16_t number);
// The type of a name or extension, in any case ("tiff", "tif", "jpeg", "jpg" ...).
std::optional<ImageFileType> ImageFileTypeNamed(std::string_view name);
// "tif", "bmp", "gif", "jpg", "png", "jp2", "webp", "avif" or "jxl".
const char* ImageTypeExtension(ImageFileType type);

bool TypeTakesQuality(std::optional<ImageFileType> type);
bool TypeKeepsDeepFrames(std::optional<ImageFileType> type);
bool TypeKeepsHdr(std::optional<ImageFileType> type);

// The image encoded as the type: its bytes, or why not. Planes go only to
// the types that take them, 16-bit pixels only to those that keep deep
// frames or HDR, HDR values only to those that keep HDR.
EncodeResult EncodeImage(const Image& image, ImageFileType type, float compressionFactor,
                         const StoryMetadata* story = nullptr);

}  // namespace reelsnap
