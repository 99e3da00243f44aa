// JPEG 2000 (.jp2) through OpenJPEG. Factor 1.0 is lossless (reversible 5/3
// wavelet); smaller factors use the irreversible 9/7 wavelet at a compression
// ratio of 10^(2.5 x (1 - factor)): 0.7 gives about 5.6:1, 0.4 about 32:1 and
// 0.0 about 316:1. One quality layer, the colour transform, and six
// resolutions where the image is large enough: each level halves the size,
// so an image below 32 pixels a side gets fewer.
#include <openjpeg.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

#include "imaging/encoders.h"
#include "platform/c_owner.h"

namespace reelsnap {
namespace {

struct OutputBuffer {
    EncodedData bytes;
    std::uint64_t position = 0;
};

OPJ_SIZE_T WriteProc(void* buffer, OPJ_SIZE_T size, void* user) {
    auto* out = static_cast<OutputBuffer*>(user);
    const std::uint64_t end = out->position + size;
    if (end > out->bytes.size()) out->bytes.resize(end);
    std::memcpy(out->bytes.data() + out->position, buffer, size);
    out->position = end;
    return size;
}

OPJ_OFF_T SkipProc(OPJ_OFF_T count, void* user) {
    auto* out = static_cast<OutputBuffer*>(user);
    out->position += std::uint64_t(count);
    if (out->position > out->bytes.size()) out->bytes.resize(out->position);
    return count;
}

OPJ_BOOL SeekProc(OPJ_OFF_T position, void* user) {
    auto* out = static_cast<OutputBuffer*>(user);
    out->position = std::uint64_t(position);
    if (out->position > out->bytes.size()) out->bytes.resize(out->position);
    return OPJ_TRUE;
}

using PlanarOwner = COwner<opj_image_t, opj_image_destroy>;

PlanarOwner PlanarImage(const Image& image, int components) {
    opj_image_cmptparm_t parameters[4]{};
    for (int c = 0; c < components; ++c) {
        parameters[c].dx = parameters[c].dy = 1;
        parameters[c].w = OPJ_UINT32(image.width());
        parameters[c].h = OPJ_UINT32(image.height());
        parameters[c].prec = 8;
        parameters[c].sgnd = 0;
    }
    PlanarOwner planar(opj_image_create(OPJ_UINT32(components), parameters, OPJ_CLRSPC_SRGB));
    if (!planar) return nullptr;
    planar->x1 = OPJ_UINT32(image.width());
    planar->y1 = OPJ_UINT32(image.height());
    if (components == 4) planar->comps[3].alpha = 1;
    std::size_t i = 0;
    for (int y = 0; y < image.height(); ++y) {
        const std::uint8_t* p = image.row(y);
        for (int x = 0; x < image.width(); ++x, p += 4, ++i) {
            for (int c = 0; c < components; ++c) planar->comps[c].data[i] = p[c];
        }
    }
    return planar;
}

// OpenJPEG refuses more levels than halvings of the shorter side.
int ResolutionLevels(const Image& image) {
    constexpr int kMostLevels = 6;
    int levels = 1;
    for (int side = std::min(image.width(), image.height()); side >= 2 && levels < kMostLevels;
         side /= 2) {
        ++levels;
    }
    return levels;
}

// Keeps OpenJPEG's first error message, without its line feed.
void KeepMessage(const char* message, void* data) {
    auto& reason = *static_cast<std::string*>(data);
    if (!reason.empty()) return;
    reason = message;
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == ' ')) reason.pop_back();
}

}  // namespace

EncodeResult EncodeJpeg2000(const Image& image, float compressionFactor, const StoryMetadata*) {
    const int components = image.hasTransparency() ? 4 : 3;
    auto planar = PlanarImage(image, components);
    if (!planar) return EncodeResult::Failed("OpenJPEG could not make an image of this size");

    opj_cparameters_t parameters;
    opj_set_default_encoder_parameters(&parameters);
    parameters.tcp_numlayers = 1;
    parameters.cp_disto_alloc = 1;
    parameters.tcp_mct = 1;
    parameters.numresolution = ResolutionLevels(image);
    if (compressionFactor >= 1.0f) {
        parameters.irreversible = 0;
        parameters.tcp_rates[0] = 0;  // lossless
    } else {
        const float factor = std::max(compressionFactor, 0.0f);
        parameters.irreversible = 1;
        parameters.tcp_rates[0] = float(std::pow(10.0, 2.5 * (1.0 - double(factor))));
    }
    COwner<opj_codec_t, opj_destroy_codec> codec(opj_create_compress(OPJ_CODEC_JP2));
    if (!codec) return EncodeResult::Failed("OpenJPEG could not make an encoder");
    // OpenJPEG says why it failed through its message handler, line by line.
    std::string reason;
    opj_set_error_handler(codec.get(), KeepMessage, &reason);
    if (!opj_setup_encoder(codec.get(), &parameters, planar.get())) {
        return EncodeResult::Failed(reason);
    }
    opj_codec_set_threads(codec.get(), int(std::max(1u, std::thread::hardware_concurrency())));

    OutputBuffer out;
    out.bytes.reserve(image.byteCount() / 4);
    COwner<opj_stream_t, opj_stream_destroy> stream(opj_stream_create(1 << 20, OPJ_FALSE));
    if (!stream) return EncodeResult::Failed("OpenJPEG could not make a stream");
    opj_stream_set_user_data(stream.get(), &out, nullptr);
    opj_stream_set_write_function(stream.get(), WriteProc);
    opj_stream_set_skip_function(stream.get(), SkipProc);
    opj_stream_set_seek_function(stream.get(), SeekProc);
    if (!opj_start_compress(codec.get(), planar.get(), stream.get()) ||
        !opj_encode(codec.get(), stream.get()) || !opj_end_compress(codec.get(), stream.get())) {
        return EncodeResult::Failed(reason);
    }
    return std::move(out.bytes);
}

}  // namespace reelsnap
