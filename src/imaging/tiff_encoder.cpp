// TIFF through libtiff, written into memory: RGB or RGBA with unassociated
// alpha, uncompressed, in strips of 32 rows. Uncompressed is the fastest
// choice and the one every reader takes; Deflate at level 1 with the
// horizontal predictor makes video frames about three times smaller but
// takes longer than ffmpeg's own TIFF writer.
#include <tiffio.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "imaging/encoders.h"
#include "platform/c_owner.h"

namespace reelsnap {
namespace {

constexpr std::uint32_t kRowsPerStrip = 32;

// A growable file in memory for TIFFClientOpen.
struct MemoryFile {
    EncodedData bytes;
    std::uint64_t position = 0;
};

tmsize_t ReadProc(thandle_t handle, void* buffer, tmsize_t size) {
    auto* file = static_cast<MemoryFile*>(handle);
    const std::uint64_t available =
        file->position < file->bytes.size() ? file->bytes.size() - file->position : 0;
    const auto n = std::min<std::uint64_t>(available, std::uint64_t(size));
    std::memcpy(buffer, file->bytes.data() + file->position, n);
    file->position += n;
    return tmsize_t(n);
}

tmsize_t WriteProc(thandle_t handle, void* buffer, tmsize_t size) {
    auto* file = static_cast<MemoryFile*>(handle);
    const std::uint64_t end = file->position + std::uint64_t(size);
    if (end > file->bytes.size()) file->bytes.resize(end);
    std::memcpy(file->bytes.data() + file->position, buffer, std::size_t(size));
    file->position = end;
    return size;
}

toff_t SeekProc(thandle_t handle, toff_t offset, int whence) {
    auto* file = static_cast<MemoryFile*>(handle);
    switch (whence) {
        case SEEK_SET:
            file->position = offset;
            break;
        case SEEK_CUR:
            file->position += offset;
            break;
        case SEEK_END:
            file->position = file->bytes.size() + offset;
            break;
        default:
            return toff_t(-1);
    }
    return file->position;
}

int CloseProc(thandle_t) {
    return 0;
}
toff_t SizeProc(thandle_t handle) {
    return static_cast<MemoryFile*>(handle)->bytes.size();
}
int MapProc(thandle_t, void**, toff_t*) {
    return 0;
}
void UnmapProc(thandle_t, void*, toff_t) {}

// libtiff prints its complaints to stderr; the caller gets the first error
// as the failure's reason instead, and no warning.
int KeepFirstError(TIFF*, void* data, const char*, const char* format, va_list arguments) {
    auto& reason = *static_cast<std::string*>(data);
    if (reason.empty()) {
        char text[512];
        std::vsnprintf(text, sizeof text, format, arguments);
        reason = text;
    }
    return 1;
}

int IgnoreWarning(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

}  // namespace

EncodeResult EncodeTiff(const Image& image, float, const StoryMetadata*) {
    MemoryFile file;
    file.bytes.reserve(image.byteCount() + 4096);
    std::string reason;
    const COwner<TIFFOpenOptions, TIFFOpenOptionsFree> options(TIFFOpenOptionsAlloc());
    if (!options) return EncodeResult::Failed("libtiff: out of memory");
    TIFFOpenOptionsSetErrorHandlerExtR(options.get(), KeepFirstError, &reason);
    TIFFOpenOptionsSetWarningHandlerExtR(options.get(), IgnoreWarning, nullptr);
    {
        COwner<TIFF, TIFFClose> tiff(TIFFClientOpenExt("frame", "w", &file, ReadProc, WriteProc,
                                                       SeekProc, CloseProc, SizeProc, MapProc,
                                                       UnmapProc, options.get()));
        if (!tiff) return EncodeResult::Failed(reason);
        TIFF* t = tiff.get();
        const bool alpha = image.hasTransparency();
        const std::uint16_t samples = alpha ? 4 : 3;
        TIFFSetField(t, TIFFTAG_IMAGEWIDTH, std::uint32_t(image.width()));
        TIFFSetField(t, TIFFTAG_IMAGELENGTH, std::uint32_t(image.height()));
        TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, samples);
        const std::size_t channelBytes = image.isDeep() ? 2 : 1;
        TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, std::uint16_t(8 * channelBytes));
        TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
        TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
        TIFFSetField(t, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
        TIFFSetField(t, TIFFTAG_COMPRESSION, COMPRESSION_NONE);
        TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, kRowsPerStrip);
        if (alpha) {
            const std::uint16_t extra[1] = {EXTRASAMPLE_UNASSALPHA};
            TIFFSetField(t, TIFFTAG_EXTRASAMPLES, 1, extra);
        }
        const std::size_t rowBytes = std::size_t(image.width()) * samples * channelBytes;
        auto strip = std::make_unique_for_overwrite<std::uint8_t[]>(rowBytes * kRowsPerStrip);
        std::uint32_t stripIndex = 0;
        for (int y0 = 0; y0 < image.height(); y0 += int(kRowsPerStrip), ++stripIndex) {
            const int rows = std::min<int>(int(kRowsPerStrip), image.height() - y0);
            for (int r = 0; r < rows; ++r) {
                const std::uint8_t* src = image.row(y0 + r);
                std::uint8_t* dst = strip.get() + std::size_t(r) * rowBytes;
                if (alpha) {
                    std::memcpy(dst, src, rowBytes);
                    continue;
                }
                if (image.isDeep()) {
                    // Samples in the machine's byte order, which the file's header names.
                    for (int x = 0; x < image.width(); ++x, src += 8, dst += 6) {
                        std::memcpy(dst, src, 6);
                    }
                    continue;
                }
                for (int x = 0; x < image.width(); ++x, src += 4, dst += 3) {
                    dst[0] = src[0];
                    dst[1] = src[1];
                    dst[2] = src[2];
                }
            }
            if (TIFFWriteEncodedStrip(t, stripIndex, strip.get(), tmsize_t(rowBytes) * rows) < 0) {
                return EncodeResult::Failed(reason);
            }
        }
        if (!TIFFWriteDirectory(t)) return EncodeResult::Failed(reason);
    }
    return std::move(file.bytes);
}

}  // namespace reelsnap
