// AVIF through libavif and its AV1 encoder (libaom in Debian): 8-bit 4:2:0,
// tagged sRGB (BT.709 primaries, sRGB transfer, BT.601 matrix, full range);
// HDR kept as 10-bit 4:2:0 tagged BT.2020 and PQ or HLG.
// Quality is the factor x 100 spread over the encoder's quantiser, 63 at 0
// and 0 at 1.0; alpha, where the image has any, takes the same quantiser.
// One thread a frame, as the writer pool runs frames side by side, at
// libavif's fastest speed (libaom's realtime mode): against speed 8 it takes
// a fifth less time for files 1 % larger at the same PSNR (bench/encoders.sh).
#include <avif/avif.h>

#include <cmath>
#include <cstring>

#include "imaging/encoders.h"
#include "imaging/frame_story.h"
#include "platform/c_owner.h"

namespace reelsnap {
namespace {

constexpr int kSpeed = 10;

using AvifImage = COwner<avifImage, avifImageDestroy>;
using AvifEncoder = COwner<avifEncoder, avifEncoderDestroy>;

struct AvifOutput {
    avifRWData data = AVIF_DATA_EMPTY;
    ~AvifOutput() { avifRWDataFree(&data); }
};

int QuantizerOf(float compressionFactor) {
    const float factor = std::fmin(std::fmax(compressionFactor, 0.0f), 1.0f);
    return int(std::lround((1.0f - factor) * float(AVIF_QUANTIZER_WORST_QUALITY)));
}

}  // namespace

EncodeResult EncodeAvif(const Image& image, float compressionFactor, const StoryMetadata* story) {
    // 16-bit images (HDR kept) become 10 bits, tagged with their transfer.
    const std::uint32_t depth = image.isDeep() ? 10 : 8;
    AvifImage yuv(avifImageCreate(image.width(), image.height(), depth, AVIF_PIXEL_FORMAT_YUV420));
    if (!yuv) return EncodeResult::Failed("libavif could not make an image of this size");
    yuv->yuvRange = AVIF_RANGE_FULL;
    if (image.transfer() == ColorTransfer::Sdr) {
        yuv->colorPrimaries = AVIF_COLOR_PRIMARIES_BT709;
        yuv->transferCharacteristics = AVIF_TRANSFER_CHARACTERISTICS_SRGB;
        yuv->matrixCoefficients = AVIF_MATRIX_COEFFICIENTS_BT601;
    } else {
        yuv->colorPrimaries = AVIF_COLOR_PRIMARIES_BT2020;
        yuv->transferCharacteristics = image.transfer() == ColorTransfer::Pq
                                           ? AVIF_TRANSFER_CHARACTERISTICS_SMPTE2084
                                           : AVIF_TRANSFER_CHARACTERISTICS_HLG;
        yuv->matrixCoefficients = AVIF_MATRIX_COEFFICIENTS_BT2020_NCL;
    }
    avifRGBImage rgb;
    avifRGBImageSetDefaults(&rgb, yuv.get());
    rgb.format = AVIF_RGB_FORMAT_RGBA;
    rgb.depth = image.isDeep() ? 16 : 8;
    rgb.ignoreAlpha = !image.hasTransparency();
    rgb.pixels = const_cast<std::uint8_t*>(image.pixels());  // read, never written
    rgb.rowBytes = std::uint32_t(image.stride());
    if (const avifResult result = avifImageRGBToYUV(yuv.get(), &rgb); result != AVIF_RESULT_OK) {
        return EncodeResult::Failed(avifResultToString(result));
    }
    if (story && !story->exif.empty()) {
        avifImageSetMetadataExif(yuv.get(), story->exif.data(), story->exif.size());
    }
    if (story && !story->xmp.empty()) {
        avifImageSetMetadataXMP(yuv.get(), reinterpret_cast<const std::uint8_t*>(story->xmp.data()),
                                story->xmp.size());
    }

    AvifEncoder encoder(avifEncoderCreate());
    if (!encoder) return EncodeResult::Failed(avifResultToString(AVIF_RESULT_OUT_OF_MEMORY));
    encoder->maxThreads = 1;
    encoder->speed = kSpeed;
    const int quantizer = QuantizerOf(compressionFactor);
    encoder->minQuantizer = encoder->maxQuantizer = quantizer;
    encoder->minQuantizerAlpha = encoder->maxQuantizerAlpha = quantizer;
    AvifOutput output;
    if (const avifResult result = avifEncoderWrite(encoder.get(), yuv.get(), &output.data);
        result != AVIF_RESULT_OK) {
        // The encoder's diagnostics say more than the result's name, where it kept any.
        const char* detail = encoder->diag.error;
        return EncodeResult::Failed(detail[0] != '\0'
                                        ? std::string(avifResultToString(result)) + ": " + detail
                                        : avifResultToString(result));
    }
    EncodedData out(output.data.size);
    std::memcpy(out.data(), output.data.data, output.data.size);
    return out;
}

}  // namespace reelsnap
