#include "imaging/frame_image_writer.h"

#include "imaging/scaling.h"

namespace reelsnap {
namespace {

ImageSize TargetSize(const ImageSize& size, std::int16_t scalePercent) {
    const float factor = float(scalePercent == 0 ? 100 : scalePercent) / 100.0f;
    return {size.width * factor, size.height * factor};
}

}  // namespace

ImageLayout LayoutFor(const FrameWriteSettings& settings) {
    const bool ownSize = settings.scalePercent == 0 || settings.scalePercent == 100;
    const bool lossyWebp =
        settings.type == ImageFileType::Webp && settings.compressionFactor < 1.0f;
    if ((settings.type == ImageFileType::Jpeg || lossyWebp) && ownSize) {
        return ImageLayout::Ycbcr420;
    }
    const bool deep = settings.keepDeepFrames && TypeKeepsDeepFrames(settings.type);
    if (settings.keepHdr && TypeKeepsHdr(settings.type)) {
        return deep ? ImageLayout::Rgba64KeepHdr : ImageLayout::RgbaKeepHdr;
    }
    return deep ? ImageLayout::Rgba64 : ImageLayout::Rgba;
}

std::optional<EncodedData> EncodeFrameImage(const Image& frameImage,
                                            const FrameWriteSettings& settings,
                                            const std::optional<FrameStory>& story,
                                            bool& encodingFailed) {
    encodingFailed = false;
    if (!settings.type) return std::nullopt;
    // At the frame's own size the frame is encoded as it is, not redrawn.
    const ImageSize target = TargetSize(frameImage.size(), settings.scalePercent);
    std::optional<Image> scaled;
    if (target != frameImage.size()) {
        scaled = ScaledImage(frameImage, target);
        if (!scaled) {
            encodingFailed = true;
            return std::nullopt;
        }
    }
    const bool storyAfter = story && TypeTakesStoryAfterEncoding(*settings.type);
    const std::optional<StoryMetadata> boxes =
        story && !storyAfter ? EncodeStory(*story) : std::nullopt;
    if (story && !storyAfter && !boxes) {
        encodingFailed = true;
        return std::nullopt;
    }
    std::optional<EncodedData> data =
        EncodeImage(scaled ? *scaled : frameImage, *settings.type, settings.compressionFactor,
                    boxes ? &*boxes : nullptr);
    if (data && storyAfter && !AddStoryToFile(*data, *story)) data.reset();
    encodingFailed = !data;
    return data;
}

}  // namespace reelsnap
