// WebP through libwebp's advanced API: quality = factor x 100 at method 4
// (libwebp's and ffmpeg's default), factor 1.0 lossless. An opaque image is
// imported without its alpha, so the file holds none; a translucent one
// keeps it. A lossy frame at its own size comes as the JPEG's YCbCr planes
// (BT.601, full range), which become WebP's own (BT.601, limited range)
// sample by sample, with no round trip through RGB.
#include <webp/encode.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <string>

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

// Full-range samples to limited range: luma to 16..235, chroma to 16..240.
struct RangeTables {
    std::array<std::uint8_t, 256> luma{};
    std::array<std::uint8_t, 256> chroma{};
    RangeTables() {
        for (int v = 0; v < 256; ++v) {
            luma[std::size_t(v)] = std::uint8_t(16 + (v * 219 + 127) / 255);
            chroma[std::size_t(v)] = std::uint8_t(std::lround(128 + (v - 128) * 224.0 / 255.0));
        }
    }
};

void CopyPlane(const std::uint8_t* from, int width, int height, std::uint8_t* to, int stride,
               const std::array<std::uint8_t, 256>& table) {
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* in = from + std::size_t(y) * std::size_t(width);
        std::uint8_t* out = to + std::size_t(y) * std::size_t(stride);
        for (int x = 0; x < width; ++x) out[x] = table[in[x]];
    }
}

bool ImportPlanes(WebPPicture& picture, const Image& image) {
    static const RangeTables tables;
    picture.use_argb = 0;
    picture.colorspace = WEBP_YUV420;
    if (!WebPPictureAlloc(&picture)) return false;
    CopyPlane(image.plane(0), image.planeWidth(0), image.planeHeight(0), picture.y,
              picture.y_stride, tables.luma);
    CopyPlane(image.plane(1), image.planeWidth(1), image.planeHeight(1), picture.u,
              picture.uv_stride, tables.chroma);
    CopyPlane(image.plane(2), image.planeWidth(2), image.planeHeight(2), picture.v,
              picture.uv_stride, tables.chroma);
    return true;
}

// libwebp's error code, in words: it has no text of its own.
EncodeResult WebpFailure(WebPEncodingError error) {
    switch (error) {
        case VP8_ENC_ERROR_OUT_OF_MEMORY:
        case VP8_ENC_ERROR_BITSTREAM_OUT_OF_MEMORY:
            return EncodeResult::Failed("libwebp: out of memory");
        case VP8_ENC_ERROR_BAD_DIMENSION:
            return EncodeResult::Failed("libwebp: the picture's size is not one WebP takes");
        case VP8_ENC_ERROR_PARTITION0_OVERFLOW:
        case VP8_ENC_ERROR_PARTITION_OVERFLOW:
            return EncodeResult::Failed("libwebp: a partition is larger than WebP allows");
        case VP8_ENC_ERROR_FILE_TOO_BIG:
            return EncodeResult::Failed("libwebp: the file would be larger than 4 GiB");
        default:
            return EncodeResult::Failed("libwebp: error " + std::to_string(int(error)));
    }
}

}  // namespace

EncodeResult EncodeWebp(const Image& image, float compressionFactor, const StoryMetadata*) {
    if (image.width() > WEBP_MAX_DIMENSION || image.height() > WEBP_MAX_DIMENSION) {
        return WebpFailure(VP8_ENC_ERROR_BAD_DIMENSION);
    }
    WebPConfig config;
    if (!WebPConfigInit(&config)) return EncodeResult::Failed("libwebp: version mismatch");
    config.lossless = compressionFactor >= 1.0f;
    config.quality = std::clamp(compressionFactor, 0.0f, 1.0f) * 100.0f;
    config.method = kMethod;
    config.exact = config.lossless;  // lossless keeps the colour under transparent pixels too
    WebpEncoding e;
    e.picture.use_argb = config.lossless;
    e.picture.width = image.width();
    e.picture.height = image.height();
    const int stride = int(image.stride());
    if (image.isPlanar() && config.lossless) {  // planes are lossy's alone
        return EncodeResult::Failed("lossless WebP is encoded from RGB, not YCbCr planes");
    }
    const bool imported = image.isPlanar() ? ImportPlanes(e.picture, image)
                          : image.hasTransparency()
                              ? WebPPictureImportRGBA(&e.picture, image.pixels(), stride)
                              : WebPPictureImportRGBX(&e.picture, image.pixels(), stride);
    if (!imported) return WebpFailure(e.picture.error_code);
    e.picture.writer = WebPMemoryWrite;
    e.picture.custom_ptr = &e.writer;
    if (!WebPEncode(&config, &e.picture)) return WebpFailure(e.picture.error_code);
    EncodedData out(e.writer.size);
    std::memcpy(out.data(), e.writer.mem, e.writer.size);
    return out;
}

}  // namespace reelsnap
