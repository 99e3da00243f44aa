// WebP through libwebp's advanced API: quality = factor x 100 at method 4
// (libwebp's and ffmpeg's default), factor 1.0 lossless. An opaque image is
// imported without its alpha, so the file holds none; a translucent one
// keeps it.
#include <webp/encode.h>

#include <algorithm>
#include <cstring>

#include "imaging/encoders.h"

namespace reelsnap {
namespace {

constexpr int kMethod = 4;

// Owns the picture and the memory the encoder writes into.
struct WebpEncoding {
    WebPPicture picture;
    WebPMemoryWriter writer;
    WebpEncoding() {
        WebPPictureInit(&picture);
        WebPMemoryWriterInit(&writer);
    }
    ~WebpEncoding() {
        WebPPictureFree(&picture);
        WebPMemoryWriterClear(&writer);
    }
    WebpEncoding(const WebpEncoding&) = delete;
    WebpEncoding& operator=(const WebpEncoding&) = delete;
};

}  // namespace

std::optional<EncodedData> EncodeWebp(const Image& image, float compressionFactor) {
    if (image.width() > WEBP_MAX_DIMENSION || image.height() > WEBP_MAX_DIMENSION) {
        return std::nullopt;
    }
    WebPConfig config;
    if (!WebPConfigInit(&config)) return std::nullopt;
    config.lossless = compressionFactor >= 1.0f;
    config.quality = std::clamp(compressionFactor, 0.0f, 1.0f) * 100.0f;
    config.method = kMethod;
    config.exact = config.lossless;  // lossless keeps the colour under transparent pixels too
    WebpEncoding e;
    e.picture.use_argb = config.lossless;
    e.picture.width = image.width();
    e.picture.height = image.height();
    const int stride = int(image.stride());
    const bool imported = image.hasTransparency()
                              ? WebPPictureImportRGBA(&e.picture, image.pixels(), stride)
                              : WebPPictureImportRGBX(&e.picture, image.pixels(), stride);
    if (!imported) return std::nullopt;
    e.picture.writer = WebPMemoryWrite;
    e.picture.custom_ptr = &e.writer;
    if (!WebPEncode(&config, &e.picture)) return std::nullopt;
    EncodedData out(e.writer.size);
    std::memcpy(out.data(), e.writer.mem, e.writer.size);
    return out;
}

}  // namespace reelsnap
