#include "imaging/frame_image_writer.h"

#include "imaging/scaling.h"
#include "platform/file_io.h"

namespace reelsnap {

std::optional<EncodedData> EncodeFrameImage(const Image& frameImage,
                                            const FrameWriteSettings& settings,
                                            bool& encodingFailed) {
    encodingFailed = false;
    if (!settings.type) return std::nullopt;
    const std::int16_t percent = settings.scalePercent == 0 ? 100 : settings.scalePercent;
    const float factor = float(percent) / 100.0f;
    const ImageSize size = frameImage.size();
    const ImageSize target{size.width * factor, size.height * factor};

    // Only the JPEG encoder takes YCbCr planes, and only at their own size.
    std::optional<Image> rgba;
    const bool ownSize = target == size;
    if (frameImage.isPlanar() && !(ownSize && *settings.type == ImageFileType::Jpeg)) {
        rgba = RgbaImage(frameImage);
        if (!rgba) {
            encodingFailed = true;
            return std::nullopt;
        }
    }
    const Image& source = rgba ? *rgba : frameImage;

    // At the frame's own size the frame is encoded as it is, not redrawn.
    std::optional<Image> scaled;
    if (!ownSize) {
        scaled = ScaledImage(source, target);
        if (!scaled) {
            encodingFailed = true;
            return std::nullopt;
        }
    }
    std::optional<EncodedData> data =
        EncodeImage(scaled ? *scaled : source, *settings.type, settings.compressionFactor);
    encodingFailed = !data;
    return data;
}

WriteOutcome WriteFrameImage(const Image& frameImage, const std::filesystem::path& outputPath,
                             const FrameWriteSettings& settings) {
    WriteOutcome outcome;
    const auto data = EncodeFrameImage(frameImage, settings, outcome.encodingFailed);
    if (!data) return outcome;
    outcome.systemError = WriteFileReplacing(outputPath, *data);
    outcome.written = outcome.systemError == 0;
    return outcome;
}

}  // namespace reelsnap
