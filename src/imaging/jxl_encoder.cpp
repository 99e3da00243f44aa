// JPEG XL through libjxl at effort 3: factor 1.0 is lossless (modular, the
// original colours kept); smaller factors are a Butteraugli distance from
// the factor x 100 as a quality, on cjxl's scale (quality 90: distance 1,
// 70: 2.8, 40: 5.5), at most the encoder's 25. sRGB; alpha kept where the image has any. One thread
// a frame: the writer pool runs frames side by side.
#include <jxl/encode.h>

#include <cmath>
#include <cstring>

#include "imaging/encoders.h"
#include "imaging/frame_story.h"
#include "platform/c_owner.h"

namespace reelsnap {
namespace {

constexpr int kEffort = 3;

using JxlEncoderOwner = COwner<JxlEncoder, JxlEncoderDestroy>;

// cjxl's mapping of a quality (0 to 100) to a distance.
float DistanceOf(float compressionFactor) {
    const float quality = std::fmin(std::fmax(compressionFactor, 0.0f), 1.0f) * 100.0f;
    if (quality >= 30) return 0.1f + (100 - quality) * 0.09f;
    return std::fmin(6.4f + std::pow(2.5f, (30 - quality) / 5.0f) / 6.25f, 25.0f);
}

// The image's RGB without the alpha channel, rows packed.
std::vector<std::uint8_t> RgbOf(const Image& image) {
    const std::size_t channel = image.isDeep() ? 2 : 1;
    std::vector<std::uint8_t> rgb(std::size_t(image.width()) * std::size_t(image.height()) * 3 *
                                  channel);
    std::uint8_t* out = rgb.data();
    for (int y = 0; y < image.height(); ++y) {
        const std::uint8_t* in = image.row(y);
        for (int x = 0; x < image.width(); ++x, in += 4 * channel, out += 3 * channel) {
            std::memcpy(out, in, 3 * channel);
        }
    }
    return rgb;
}

bool Ok(JxlEncoderStatus status) {
    return status == JXL_ENC_SUCCESS;
}

// libjxl's error, in words: it gives a code and no text.
EncodeResult JxlFailure(JxlEncoder* encoder) {
    switch (JxlEncoderGetError(encoder)) {
        case JXL_ENC_ERR_OOM:
            return EncodeResult::Failed("libjxl: out of memory");
        case JXL_ENC_ERR_JBRD:
            return EncodeResult::Failed("libjxl: JPEG bitstream reconstruction data not valid");
        case JXL_ENC_ERR_BAD_INPUT:
            return EncodeResult::Failed("libjxl: the input is not valid");
        case JXL_ENC_ERR_NOT_SUPPORTED:
            return EncodeResult::Failed("libjxl: not supported");
        case JXL_ENC_ERR_API_USAGE:
            return EncodeResult::Failed("libjxl: the encoder was used wrongly");
        default:
            return EncodeResult::Failed("libjxl: the encoder failed");
    }
}

EncodeResult TakeOutput(JxlEncoder* encoder) {
    EncodedData out(64 * 1024);
    std::size_t used = 0;
    while (true) {
        std::uint8_t* next = out.data() + used;
        std::size_t available = out.size() - used;
        const JxlEncoderStatus status = JxlEncoderProcessOutput(encoder, &next, &available);
        used = std::size_t(next - out.data());
        if (status == JXL_ENC_SUCCESS) break;
        if (status != JXL_ENC_NEED_MORE_OUTPUT) return JxlFailure(encoder);
        out.resize(out.size() * 2);
    }
    out.resize(used);
    return out;
}

// The story's EXIF (after the 4-byte offset of its TIFF header, 0) and XMP
// as boxes of the file, which then takes the container format.
bool AddStoryBoxes(JxlEncoder* encoder, const StoryMetadata& story) {
    if (!Ok(JxlEncoderUseBoxes(encoder))) return false;
    if (!story.exif.empty()) {
        std::vector<std::uint8_t> exif(4, 0);
        exif.insert(exif.end(), story.exif.begin(), story.exif.end());
        if (!Ok(JxlEncoderAddBox(encoder, "Exif", exif.data(), exif.size(), JXL_FALSE))) {
            return false;
        }
    }
    return story.xmp.empty() ||
           Ok(JxlEncoderAddBox(encoder, "xml ",
                               reinterpret_cast<const std::uint8_t*>(story.xmp.data()),
                               story.xmp.size(), JXL_FALSE));
}

}  // namespace

EncodeResult EncodeJxl(const Image& image, float compressionFactor, const StoryMetadata* story) {
    JxlEncoderOwner encoder(JxlEncoderCreate(nullptr));
    if (!encoder) return EncodeResult::Failed("libjxl: out of memory");
    const bool lossless = compressionFactor >= 1.0f;
    const bool alpha = image.hasTransparency();
    JxlBasicInfo info;
    JxlEncoderInitBasicInfo(&info);
    info.xsize = std::uint32_t(image.width());
    info.ysize = std::uint32_t(image.height());
    info.bits_per_sample = image.isDeep() ? 16 : 8;
    info.num_color_channels = 3;
    info.num_extra_channels = alpha ? 1 : 0;
    info.alpha_bits = alpha ? info.bits_per_sample : 0;
    // HDR's peak: PQ reaches 10000 nits, HLG is graded for 1000.
    if (image.transfer() == ColorTransfer::Pq) info.intensity_target = 10000;
    if (image.transfer() == ColorTransfer::Hlg) info.intensity_target = 1000;
    info.uses_original_profile = lossless;
    JxlColorEncoding color;
    JxlColorEncodingSetToSRGB(&color, false);
    if (image.transfer() != ColorTransfer::Sdr) {
        color.primaries = JXL_PRIMARIES_2100;
        color.transfer_function = image.transfer() == ColorTransfer::Pq ? JXL_TRANSFER_FUNCTION_PQ
                                                                        : JXL_TRANSFER_FUNCTION_HLG;
        color.rendering_intent = JXL_RENDERING_INTENT_RELATIVE;
    }
    if (!Ok(JxlEncoderSetBasicInfo(encoder.get(), &info)) ||
        !Ok(JxlEncoderSetColorEncoding(encoder.get(), &color))) {
        return JxlFailure(encoder.get());
    }
    JxlEncoderFrameSettings* settings = JxlEncoderFrameSettingsCreate(encoder.get(), nullptr);
    if (!settings ||
        !Ok(JxlEncoderFrameSettingsSetOption(settings, JXL_ENC_FRAME_SETTING_EFFORT, kEffort))) {
        return JxlFailure(encoder.get());
    }
    if (!Ok(lossless ? JxlEncoderSetFrameLossless(settings, JXL_TRUE)
                     : JxlEncoderSetFrameDistance(settings, DistanceOf(compressionFactor)))) {
        return JxlFailure(encoder.get());
    }
    // The encoder takes 3 or 4 channels: an opaque image goes without its alpha.
    std::vector<std::uint8_t> rgb;
    if (!alpha) rgb = RgbOf(image);
    const JxlPixelFormat format{alpha ? 4u : 3u, image.isDeep() ? JXL_TYPE_UINT16 : JXL_TYPE_UINT8,
                                JXL_NATIVE_ENDIAN, 0};
    const void* pixels = alpha ? static_cast<const void*>(image.pixels()) : rgb.data();
    const std::size_t bytes = alpha ? image.stride() * std::size_t(image.height()) : rgb.size();
    if ((story && !AddStoryBoxes(encoder.get(), *story)) ||
        !Ok(JxlEncoderAddImageFrame(settings, &format, pixels, bytes))) {
        return JxlFailure(encoder.get());
    }
    JxlEncoderCloseInput(encoder.get());
    return TakeOutput(encoder.get());
}

}  // namespace reelsnap
