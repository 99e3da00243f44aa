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
    const ImageTypeRow* row = ImageTypeRowOf(settings.type);
    const bool ownSize = settings.scalePercent == 0 || settings.scalePercent == 100;
    const bool lossy = row && !(row->losslessAtBest && settings.compressionFactor >= 1.0f);
    if (row && row->takesPlanes && lossy && ownSize) return ImageLayout::Ycbcr420;
    const bool deep = settings.keepDeepFrames && TypeKeepsDeepFrames(settings.type);
    if (settings.keepHdr && TypeKeepsHdr(settings.type)) {
        return deep ? ImageLayout::Rgba64KeepHdr : ImageLayout::RgbaKeepHdr;
    }
    return deep ? ImageLayout::Rgba64 : ImageLayout::Rgba;
}

EncodeResult EncodeFrameImage(const Image& frameImage, const FrameWriteSettings& settings,
                              const std::optional<FrameStory>& story) {
    const ImageTypeRow* row = ImageTypeRowOf(settings.type);
    if (!row) return EncodeResult::Failed("no such image type");
    // At the frame's own size the frame is encoded as it is, not redrawn.
    const ImageSize target = TargetSize(frameImage.size(), settings.scalePercent);
    std::optional<Image> scaled;
    if (target != frameImage.size()) {
        scaled = ScaledImage(frameImage, target);
        if (!scaled) return EncodeResult::Failed("the image could not be scaled");
    }
    const StoryWay way = story ? row->story : StoryWay::None;
    const std::optional<StoryMetadata> boxes =
        way == StoryWay::FromEncoder ? EncodeStory(*story) : std::nullopt;
    if (way == StoryWay::FromEncoder && !boxes) {
        return EncodeResult::Failed("the metadata could not be encoded");
    }
    EncodeResult data = EncodeImage(scaled ? *scaled : frameImage, row->type,
                                    settings.compressionFactor, boxes ? &*boxes : nullptr);
    if (data && way == StoryWay::AfterEncoding && !AddStoryToFile(*data, *story)) {
        data.reset("the metadata could not be written into the file");
    }
    return data;
}

}  // namespace reelsnap
