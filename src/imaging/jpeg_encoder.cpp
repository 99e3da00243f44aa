// JPEG through TurboJPEG: 4:2:0 chroma, the accurate integer DCT, quality
// from the compression factor.
#include <turbojpeg.h>

#include <cmath>
#include <memory>

#include "imaging/encoders.h"
#include "platform/c_owner.h"

namespace reelsnap {
namespace {

using TurboJpegHandle = COwner<void, tjDestroy>;

int QualityOf(float factor) {
    const long quality = std::lround(double(factor) * 100.0);
    return quality < 1 ? 1 : quality > 100 ? 100 : int(quality);
}

}  // namespace

std::optional<EncodedData> EncodeJpeg(const Image& image, float compressionFactor) {
    // One compressor per thread: encoders run on several workers at once.
    thread_local TurboJpegHandle handle(tjInitCompress());
    if (!handle) return std::nullopt;
    const int subsampling = TJSAMP_420;
    EncodedData data(tjBufSize(image.width(), image.height(), subsampling));
    unsigned char* out = data.data();
    unsigned long size = data.size();
    if (tjCompress2(handle.get(), image.pixels(), image.width(), int(image.stride()),
                    image.height(), TJPF_RGBA, &out, &size, subsampling,
                    QualityOf(compressionFactor), TJFLAG_NOREALLOC) != 0) {
        return std::nullopt;
    }
    data.resize(size);
    return data;
}

}  // namespace reelsnap
