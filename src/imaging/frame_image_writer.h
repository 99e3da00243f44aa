// Scaling, encoding and writing one frame's image file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "imaging/frame_story.h"
#include "imaging/image.h"
#include "imaging/image_types.h"

namespace reelsnap {

// The settings a frame is written with, read when the frame is handed out.
struct FrameWriteSettings {
    std::int16_t scalePercent = 100;  // 0 counts as 100
    // Nothing for a stored type outside the table: no file is written.
    std::optional<ImageFileType> type = ImageFileType::Jpeg;
    float compressionFactor = 0.7f;  // for the types TypeTakesQuality names
    // PNG and TIFF keep 16 bits a channel where the movie's frames have
    // more than 8; other types, and 8-bit movies, are written at 8 bits.
    bool keepDeepFrames = false;
    // PNG (then at 16 bits), AVIF and JPEG XL keep PQ and HLG frames as HDR,
    // tagged; other types, and this off, tone-map them to SDR.
    bool keepHdr = false;
};

// The layout a frame written with these settings is best handed over in: a
// lossy type that takes planes (JPEG, lossy WebP) at the frame's own size is
// encoded from YCbCr planes, with no round trip through RGB; a 16-bit PNG or
// TIFF from Rgba64 (which the movie gives only for a deep frame, RGBA
// otherwise); everything else from RGBA. The one place this is decided.
ImageLayout LayoutFor(const FrameWriteSettings& settings);

// The frame scaled and encoded by the settings' type, as it is given: the
// bytes of the file, or why a step failed. YCbCr planes are encoded only by
// the types that take them, at their own size (LayoutFor).
//
// With a story, the file carries it (FrameStory), where its type can: a
// story that cannot be written fails the frame.
EncodeResult EncodeFrameImage(const Image& frameImage, const FrameWriteSettings& settings,
                              const std::optional<FrameStory>& story);

}  // namespace reelsnap
