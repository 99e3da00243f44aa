// JPEG through TurboJPEG: 4:2:0 chroma, the accurate integer DCT, quality
// from the compression factor; from RGBA, or from the image's YCbCr planes.
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

EncodeResult EncodeJpeg(const Image& image, float compressionFactor, const StoryMetadata*) {
    // One compressor per thread: encoders run on several workers at once.
    thread_local TurboJpegHandle handle(tjInitCompress());
    if (!handle) return EncodeResult::Failed(tjGetErrorStr2(nullptr));
    const int subsampling = TJSAMP_420;
    EncodedData data(tjBufSize(image.width(), image.height(), subsampling));
    unsigned char* out = data.data();
    unsigned long size = data.size();
    const int quality = QualityOf(compressionFactor);
    int status = 0;
    if (image.isPlanar()) {
        // The JPEG's own samples: no colour conversion, no chroma subsampling.
        const unsigned char* planes[3] = {image.plane(0), image.plane(1), image.plane(2)};
        const int strides[3] = {image.planeWidth(0), image.planeWidth(1), image.planeWidth(2)};
        status =
            tjCompressFromYUVPlanes(handle.get(), planes, image.width(), strides, image.height(),
                                    subsampling, &out, &size, quality, TJFLAG_NOREALLOC);
    } else {
        status = tjCompress2(handle.get(), image.pixels(), image.width(), int(image.stride()),
                             image.height(), TJPF_RGBA, &out, &size, subsampling, quality,
                             TJFLAG_NOREALLOC);
    }
    if (status != 0) return EncodeResult::Failed(tjGetErrorStr2(handle.get()));
    data.resize(size);
    return data;
}

}  // namespace reelsnap
