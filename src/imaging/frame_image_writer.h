// Scaling, encoding and writing one frame's image file.
#pragma once

#include <cstdint>
#include <filesystem>

#include "imaging/encoders.h"
#include "imaging/image.h"

namespace reelsnap {

// "tif", "bmp", "gif", "jpg", "png" or "jp2" for the types 1 to 6; nullptr
// for any other.
const char* ImageTypeExtension(std::int16_t imageType);

// The settings a frame is written with, read when the frame is handed out.
struct FrameWriteSettings {
    std::int16_t scalePercent = 100;  // 0 counts as 100
    std::int16_t imageType = 4;
    float compressionFactor = 0.7f;  // for JPEG and JPEG 2000 only
};

// The live scale with the stored type and quality, as they are now.
FrameWriteSettings CurrentFrameWriteSettings(std::int16_t scalePercent);

struct WriteOutcome {
    bool written = false;
    int systemError = 0;          // errno of a failed write
    bool encodingFailed = false;  // the image could not be scaled or encoded
};

// The bitmap that the encoder receives: the image's own pixels.
const Image* BitmapForImage(const Image& image);

// The frame scaled and encoded by the settings' type: the bytes of the file,
// or nothing when a step fails (`encodingFailed` then says so; a type
// outside 1 to 6 gives nothing without a failure).
std::optional<EncodedData> EncodeFrameImage(const Image& frameImage,
                                            const FrameWriteSettings& settings,
                                            bool& encodingFailed);

// Scales the frame, encodes it by the settings' type and writes it to the
// path through a temporary file, replacing a file of that name. Nothing is
// written when the image cannot be scaled or encoded, or the type is outside
// 1 to 6.
WriteOutcome WriteFrameImage(const Image& frameImage, const std::filesystem::path& outputPath,
                             const FrameWriteSettings& settings);

}  // namespace reelsnap
