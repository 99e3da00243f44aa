// GIF through giflib with a 256-colour palette from libimagequant. The
// palette is computed from every fourth pixel of every fourth row at the
// quantizer's fastest speed; each pixel then takes the nearest palette colour
// through a lazily filled table of 6 bits a channel, without dithering, which
// is several times faster than the quantizer's own remapping. A translucent
// image gets its most transparent palette entry (below half opacity) as the
// GIF's transparent colour, used for the pixels below half opacity.
#include <gif_lib.h>
#include <libimagequant.h>
#include <omp.h>

#include <cstring>
#include <memory>

#include "imaging/encoders.h"
#include "platform/c_owner.h"

namespace reelsnap {
namespace {

void CloseGif(GifFileType* gif) {
    EGifCloseFile(gif, nullptr);
}

int AppendBytes(GifFileType* gif, const GifByteType* bytes, int length) {
    auto* out = static_cast<EncodedData*>(gif->UserData);
    out->insert(out->end(), bytes, bytes + length);
    return length;
}

constexpr int kSampleStep = 4;

// Every fourth pixel of every fourth row, for the palette.
Image Subsample(const Image& image) {
    Image small((image.width() + kSampleStep - 1) / kSampleStep,
                (image.height() + kSampleStep - 1) / kSampleStep);
    for (int y = 0; y < small.height(); ++y) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(image.row(kSampleStep * y));
        auto* dst = reinterpret_cast<std::uint32_t*>(small.row(y));
        for (int x = 0; x < small.width(); ++x) dst[x] = src[kSampleStep * x];
    }
    return small;
}

// Nearest palette entry by colour, memoised per 6-bit-a-channel cell.
class NearestColor {
  public:
    NearestColor(const liq_palette& palette, int skip) : palette_(palette), skip_(skip) {
        table_.assign(1u << 18, kUnknown);
    }

    std::uint8_t operator()(const std::uint8_t* rgba) {
        const unsigned key =
            unsigned(rgba[0] >> 2) << 12 | unsigned(rgba[1] >> 2) << 6 | unsigned(rgba[2] >> 2);
        std::uint16_t& entry = table_[key];
        if (entry == kUnknown) entry = Search(rgba[0] | 2, rgba[1] | 2, rgba[2] | 2);
        return std::uint8_t(entry);
    }

  private:
    static constexpr std::uint16_t kUnknown = 0xFFFF;

    std::uint16_t Search(int r, int g, int b) const {
        int best = 0;
        int bestDistance = 1 << 30;
        for (unsigned i = 0; i < palette_.count; ++i) {
            if (int(i) == skip_) continue;
            const liq_color& c = palette_.entries[i];
            const int dr = r - c.r, dg = g - c.g, db = b - c.b;
            const int distance = dr * dr + dg * dg + db * db;
            if (distance < bestDistance) {
                bestDistance = distance;
                best = int(i);
            }
        }
        return std::uint16_t(best);
    }

    const liq_palette& palette_;
    int skip_;
    std::vector<std::uint16_t> table_;
};

EncodeResult GifFailure(int error) {
    const char* reason = GifErrorString(error);
    return EncodeResult::Failed(reason ? reason : "giflib failed");
}

EncodeResult NoPalette() {
    return EncodeResult::Failed("libimagequant could not make a palette");
}

}  // namespace

EncodeResult EncodeGif(const Image& image, float, const StoryMetadata*) {
    // The quantizer's OpenMP threads would spin beside the worker pool for a
    // palette that one thread computes in a few milliseconds.
    thread_local const bool singleThreaded = (omp_set_num_threads(1), true);
    (void)singleThreaded;
    if (image.width() > 0xFFFF || image.height() > 0xFFFF) {
        return EncodeResult::Failed("wider or taller than a GIF file can be");
    }
    COwner<liq_attr, liq_attr_destroy> attr(liq_attr_create());
    if (!attr) return NoPalette();
    liq_set_speed(attr.get(), 10);
    liq_set_max_colors(attr.get(), 256);

    const Image sample = Subsample(image);
    COwner<liq_image, liq_image_destroy> sampleImage(
        liq_image_create_rgba(attr.get(), const_cast<std::uint8_t*>(sample.pixels()),
                              sample.width(), sample.height(), 0));
    COwner<liq_histogram, liq_histogram_destroy> histogram(liq_histogram_create(attr.get()));
    if (!sampleImage || !histogram ||
        liq_histogram_add_image(histogram.get(), attr.get(), sampleImage.get()) != LIQ_OK) {
        return NoPalette();
    }
    liq_result* rawResult = nullptr;
    if (liq_histogram_quantize(histogram.get(), attr.get(), &rawResult) != LIQ_OK) {
        return NoPalette();
    }
    COwner<liq_result, liq_result_destroy> result(rawResult);
    const liq_palette* palette = liq_get_palette(result.get());
    if (!palette || palette->count == 0) return NoPalette();

    COwner<ColorMapObject, GifFreeMapObject> colorMap(GifMakeMapObject(256, nullptr));
    if (!colorMap) return EncodeResult::Failed(GifErrorString(E_GIF_ERR_NOT_ENOUGH_MEM));
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

    const std::size_t pixelCount = std::size_t(image.width()) * std::size_t(image.height());
    auto indices = std::make_unique_for_overwrite<std::uint8_t[]>(pixelCount);
    NearestColor nearest(*palette, transparent);
    std::size_t i = 0;
    for (int y = 0; y < image.height(); ++y) {
        const std::uint8_t* p = image.row(y);
        for (int x = 0; x < image.width(); ++x, p += 4, ++i) {
            indices[i] = transparent >= 0 && p[3] < 128 ? std::uint8_t(transparent) : nearest(p);
        }
    }

    EncodedData data;
    data.reserve(pixelCount + pixelCount / 2);  // LZW of noise can outgrow the pixels
    int error = 0;
    COwner<GifFileType, CloseGif> gif(EGifOpen(&data, AppendBytes, &error));
    if (!gif) return GifFailure(error);
    EGifSetGifVersion(gif.get(), true);
    if (EGifPutScreenDesc(gif.get(), image.width(), image.height(), 8, 0, colorMap.get()) ==
        GIF_ERROR) {
        return GifFailure(gif->Error);
    }
    if (transparent >= 0) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        gcb.TransparentColor = transparent;
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&gcb, extension);
        if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, int(length), extension) ==
            GIF_ERROR) {
            return GifFailure(gif->Error);
        }
    }
    if (EGifPutImageDesc(gif.get(), 0, 0, image.width(), image.height(), false, nullptr) ==
        GIF_ERROR) {
        return GifFailure(gif->Error);
    }
    for (int y = 0; y < image.height(); ++y) {
        if (EGifPutLine(gif.get(), indices.get() + std::size_t(y) * std::size_t(image.width()),
                        image.width()) == GIF_ERROR) {
            return GifFailure(gif->Error);
        }
    }
    // Closing writes the trailer; it also frees the giflib object.
    if (EGifCloseFile(gif.release(), &error) == GIF_ERROR) return GifFailure(error);
    return data;
}

}  // namespace reelsnap
