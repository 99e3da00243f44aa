// Scaling, encoding and writing one frame's image file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "imaging/encoders.h"
#include "imaging/image.h"

namespace reelsnap {

// The settings a frame is written with, read when the frame is handed out.
struct FrameWriteSettings {
    std::int16_t scalePercent = 100;  // 0 counts as 100
    // Nothing for a stored type outside 1 to 6: no file is written.
    std::optional<ImageFileType> type = ImageFileType::Jpeg;
    float compressionFactor = 0.7f;  // for JPEG and JPEG 2000 only
};

struct WriteOutcome {
    bool written = false;
    int systemError = 0;          // errno of a failed write
    bool encodingFailed = false;  // the image could not be scaled or encoded
};

// The frame scaled and encoded by the settings' type: the bytes of the file,
// or nothing when a step fails (`encodingFailed` then says so; a type
// outside the table gives nothing without a failure).
std::optional<EncodedData> EncodeFrameImage(const Image& frameImage,
                                            const FrameWriteSettings& settings,
                                            bool& encodingFailed);

// Scales the frame, encodes it by the settings' type and writes it to the
// path through a temporary file, replacing a file of that name. Nothing is
// written when the image cannot be scaled or encoded, or there is no type.
WriteOutcome WriteFrameImage(const Image& frameImage, const std::filesystem::path& outputPath,
                             const FrameWriteSettings& settings);

}  // namespace reelsnap
