#include "imaging/scaling.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/ffmpeg_raii.h"

namespace reelsnap {

std::optional<int> PixelExtent(float points) {
    if (!std::isfinite(points)) return std::nullopt;
    const float rounded = std::nearbyint(points);
    if (rounded > float(Image::kMaxSide)) return std::nullopt;
    return rounded < 1.0f ? 1 : int(rounded);
}

ImageSize ScaledSize(ImageSize source, ImageSize target, bool proportionally) {
    if (!proportionally || source.width == source.height) return target;
    if (source.width > source.height) {
        const float factor = target.width / source.width;
        return {target.width, source.height * factor};
    }
    const float factor = target.height / source.height;
    return {source.width * factor, target.height};
}

namespace {

bool Resample(const Image& from, Image& to) {
    const AVPixelFormat format = from.isDeep() ? AV_PIX_FMT_RGBA64 : AV_PIX_FMT_RGBA;
    ff::ScaleContext ctx(sws_getContext(
        from.width(), from.height(), format, to.width(), to.height(), format,
        SWS_LANCZOS | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT, nullptr, nullptr, nullptr));
    if (!ctx) return false;
    const std::uint8_t* src[4] = {from.pixels(), nullptr, nullptr, nullptr};
    const int srcStride[4] = {int(from.stride()), 0, 0, 0};
    std::uint8_t* dst[4] = {to.pixels(), nullptr, nullptr, nullptr};
    const int dstStride[4] = {int(to.stride()), 0, 0, 0};
    return sws_scale(ctx.get(), src, srcStride, 0, from.height(), dst, dstStride) == to.height();
}

}  // namespace

std::optional<Image> ScaledImage(const Image& image, ImageSize target) {
    if (image.isNull() || image.isPlanar()) return std::nullopt;
    const ImageSize size = ScaledSize(image.size(), target, true);
    const auto width = PixelExtent(size.width);
    const auto height = PixelExtent(size.height);
    if (!width || !height || !Image::IsAcceptableSize(*width, *height)) return std::nullopt;
    Image scaled(*width, *height, image.layout());
    scaled.setTransfer(image.transfer());
    if (*width == image.width() && *height == image.height()) {
        std::memcpy(scaled.pixels(), image.pixels(), image.byteCount());
    } else if (!Resample(image, scaled)) {
        return std::nullopt;
    }
    return scaled;
}

}  // namespace reelsnap
