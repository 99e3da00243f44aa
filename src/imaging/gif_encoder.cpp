// GIF through giflib with a 256-colour palette from libimagequant. The
// palette is computed from a quarter of the pixels (every second pixel of
// every second row) at the quantizer's fastest speed, then the whole image is
// remapped with light dithering. A translucent image gets its most
// transparent palette entry as the GIF's transparent colour.
#include <gif_lib.h>
#include <libimagequant.h>

#include <cstring>
#include <memory>

#include "imaging/encoders.h"

namespace reelsnap {
namespace {

struct LiqAttrDeleter {
    void operator()(liq_attr* p) const { liq_attr_destroy(p); }
};
struct LiqImageDeleter {
    void operator()(liq_image* p) const { liq_image_destroy(p); }
};
struct LiqResultDeleter {
    void operator()(liq_result* p) const { liq_result_destroy(p); }
};
struct LiqHistogramDeleter {
    void operator()(liq_histogram* p) const { liq_histogram_destroy(p); }
};
struct ColorMapDeleter {
    void operator()(ColorMapObject* p) const { GifFreeMapObject(p); }
};
struct GifCloser {
    void operator()(GifFileType* gif) const { EGifCloseFile(gif, nullptr); }
};

int AppendBytes(GifFileType* gif, const GifByteType* bytes, int length) {
    auto* out = static_cast<EncodedData*>(gif->UserData);
    out->insert(out->end(), bytes, bytes + length);
    return length;
}

// Every second pixel of every second row, for the palette.
Image Subsample(const Image& image) {
    Image small((image.width() + 1) / 2, (image.height() + 1) / 2);
    for (int y = 0; y < small.height(); ++y) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(image.row(2 * y));
        auto* dst = reinterpret_cast<std::uint32_t*>(small.row(y));
        for (int x = 0; x < small.width(); ++x) dst[x] = src[2 * x];
    }
    return small;
}

}  // namespace

std::optional<EncodedData> EncodeGif(const Image& image) {
    if (image.width() > 0xFFFF || image.height() > 0xFFFF) return std::nullopt;
    std::unique_ptr<liq_attr, LiqAttrDeleter> attr(liq_attr_create());
    if (!attr) return std::nullopt;
    liq_set_speed(attr.get(), 10);
    liq_set_max_colors(attr.get(), 256);

    const Image sample = Subsample(image);
    std::unique_ptr<liq_image, LiqImageDeleter> sampleImage(
        liq_image_create_rgba(attr.get(), const_cast<std::uint8_t*>(sample.pixels()),
                              sample.width(), sample.height(), 0));
    std::unique_ptr<liq_histogram, LiqHistogramDeleter> histogram(liq_histogram_create(attr.get()));
    if (!sampleImage || !histogram ||
        liq_histogram_add_image(histogram.get(), attr.get(), sampleImage.get()) != LIQ_OK) {
        return std::nullopt;
    }
    liq_result* rawResult = nullptr;
    if (liq_histogram_quantize(histogram.get(), attr.get(), &rawResult) != LIQ_OK) {
        return std::nullopt;
    }
    std::unique_ptr<liq_result, LiqResultDeleter> result(rawResult);
    liq_set_dithering_level(result.get(), 0.5f);

    std::unique_ptr<liq_image, LiqImageDeleter> fullImage(liq_image_create_rgba(
        attr.get(), const_cast<std::uint8_t*>(image.pixels()), image.width(), image.height(), 0));
    if (!fullImage) return std::nullopt;
    std::vector<std::uint8_t> indices(std::size_t(image.width()) * std::size_t(image.height()));
    if (liq_write_remapped_image(result.get(), fullImage.get(), indices.data(), indices.size()) !=
        LIQ_OK) {
        return std::nullopt;
    }
    const liq_palette* palette = liq_get_palette(result.get());

    std::unique_ptr<ColorMapObject, ColorMapDeleter> colorMap(GifMakeMapObject(256, nullptr));
    if (!colorMap) return std::nullopt;
    int transparent = -1;
    unsigned lowestAlpha = 128;
    for (unsigned i = 0; i < 256; ++i) {
        const liq_color c = i < palette->count ? palette->entries[i] : liq_color{0, 0, 0, 255};
        colorMap->Colors[i] = {c.r, c.g, c.b};
        if (c.a < lowestAlpha) {
            lowestAlpha = c.a;
            transparent = int(i);
        }
    }

    EncodedData data;
    data.reserve(indices.size() / 2);
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&data, AppendBytes, &error));
    if (!gif) return std::nullopt;
    EGifSetGifVersion(gif.get(), true);
    if (EGifPutScreenDesc(gif.get(), image.width(), image.height(), 8, 0, colorMap.get()) ==
        GIF_ERROR) {
        return std::nullopt;
    }
    if (transparent >= 0) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        gcb.TransparentColor = transparent;
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&gcb, extension);
        if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, int(length), extension) ==
            GIF_ERROR) {
            return std::nullopt;
        }
    }
    if (EGifPutImageDesc(gif.get(), 0, 0, image.width(), image.height(), false, nullptr) ==
        GIF_ERROR) {
        return std::nullopt;
    }
    for (int y = 0; y < image.height(); ++y) {
        if (EGifPutLine(gif.get(), indices.data() + std::size_t(y) * std::size_t(image.width()),
                        image.width()) == GIF_ERROR) {
            return std::nullopt;
        }
    }
    // Closing writes the trailer; it also frees the giflib object.
    if (EGifCloseFile(gif.release(), &error) == GIF_ERROR) return std::nullopt;
    return data;
}

}  // namespace reelsnap
