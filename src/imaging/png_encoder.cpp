// PNG with libdeflate: RGB when the image is opaque, RGBA otherwise, at 8
// bits a channel or, for an Rgba64 image, 16; every
// row with the Up filter, compressed at libdeflate's level 1. On video frames
// that is as small as zlib's level 1 and about twice as fast. libpng cannot
// hand its compression to libdeflate, so the few chunks around the data are
// written here.
#include <libdeflate.h>

#include <array>
#include <cstring>
#include <memory>

#include "imaging/encoders.h"
#include "imaging/frame_story.h"
#include "platform/c_owner.h"

namespace reelsnap {
namespace {

constexpr int kLevel = 1;
constexpr std::uint8_t kFilterUp = 2;
constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

using Compressor = COwner<libdeflate_compressor, libdeflate_free_compressor>;

void PutBigEndian(std::uint8_t* at, std::uint32_t value) {
    at[0] = std::uint8_t(value >> 24);
    at[1] = std::uint8_t(value >> 16);
    at[2] = std::uint8_t(value >> 8);
    at[3] = std::uint8_t(value);
}

// A chunk whose data already lies after its 8-byte head at `start`: fills in
// the length and the type, and appends the CRC of type and data.
void CloseChunk(EncodedData& out, std::size_t start, const char type[4]) {
    const std::size_t length = out.size() - start - 8;
    PutBigEndian(out.data() + start, std::uint32_t(length));
    std::memcpy(out.data() + start + 4, type, 4);
    const std::uint32_t crc = libdeflate_crc32(0, out.data() + start + 4, length + 4);
    out.resize(out.size() + 4);
    PutBigEndian(out.data() + out.size() - 4, crc);
}

// The rows as PNG filters them: a filter byte, then each pixel's channels
// minus those of the pixel above (Up), byte by byte; 16-bit channels are
// stored most significant byte first.
template <typename Channel>
std::unique_ptr<std::uint8_t[]> FilteredRows(const Image& image, int channels,
                                             std::size_t rowBytes) {
    auto rows =
        std::make_unique_for_overwrite<std::uint8_t[]>(rowBytes * std::size_t(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        std::uint8_t* out = rows.get() + rowBytes * std::size_t(y);
        const auto* row = reinterpret_cast<const Channel*>(image.row(y));
        const auto* above = y > 0 ? reinterpret_cast<const Channel*>(image.row(y - 1)) : nullptr;
        *out++ = y > 0 ? kFilterUp : 0;
        for (int x = 0; x < image.width(); ++x, row += 4) {
            for (int c = 0; c < channels; ++c) {
                const Channel up = above ? above[4 * x + c] : 0;
                if constexpr (sizeof(Channel) == 2) {
                    *out++ = std::uint8_t((row[c] >> 8) - (up >> 8));
                }
                *out++ = std::uint8_t(row[c] - up);
            }
        }
    }
    return rows;
}

// The story as PNG 1.5's eXIf chunk (the TIFF structure EXIF is, read by
// browsers and libpng) and the iTXt chunk keyed "XML:com.adobe.xmp" where
// XMP readers look for it in PNG files.
void AddStoryChunks(EncodedData& out, const StoryMetadata& story) {
    if (!story.exif.empty()) {
        const std::size_t start = out.size();
        out.resize(start + 8);
        out.insert(out.end(), story.exif.begin(), story.exif.end());
        CloseChunk(out, start, "eXIf");
    }
    if (!story.xmp.empty()) {
        const std::size_t start = out.size();
        out.resize(start + 8);
        // Keyword, then no compression, no language and no translated keyword.
        static constexpr char kHead[] = "XML:com.adobe.xmp\0\0\0\0\0";
        out.insert(out.end(), kHead, kHead + sizeof kHead - 1);
        out.insert(out.end(), story.xmp.begin(), story.xmp.end());
        CloseChunk(out, start, "iTXt");
    }
}

}  // namespace

EncodeResult EncodePng(const Image& image, float, const StoryMetadata* story) {
    const Compressor compressor(libdeflate_alloc_compressor(kLevel));
    if (!compressor) return EncodeResult::Failed("libdeflate: out of memory");
    const int channels = image.hasTransparency() ? 4 : 3;
    const std::size_t channelBytes = image.isDeep() ? 2 : 1;
    const std::size_t rowBytes =
        1 + std::size_t(image.width()) * std::size_t(channels) * channelBytes;
    const std::size_t filteredBytes = rowBytes * std::size_t(image.height());
    const auto filtered = image.isDeep() ? FilteredRows<std::uint16_t>(image, channels, rowBytes)
                                         : FilteredRows<std::uint8_t>(image, channels, rowBytes);

    EncodedData out;
    const std::size_t bound = libdeflate_zlib_compress_bound(compressor.get(), filteredBytes);
    out.reserve(kSignature.size() + 25 + 12 + bound + 12);
    out.insert(out.end(), kSignature.begin(), kSignature.end());

    std::size_t start = out.size();
    out.resize(start + 8 + 13);
    std::uint8_t* header = out.data() + start + 8;
    PutBigEndian(header, std::uint32_t(image.width()));
    PutBigEndian(header + 4, std::uint32_t(image.height()));
    header[8] = std::uint8_t(8 * channelBytes);  // bits per channel
    header[9] = channels == 4 ? 6 : 2;           // RGBA or RGB
    header[10] = header[11] = header[12] = 0;    // deflate, adaptive filters, no interlace
    CloseChunk(out, start, "IHDR");

    if (image.transfer() != ColorTransfer::Sdr) {
        // cICP: BT.2020 primaries, PQ (16) or HLG (18), RGB, full range.
        start = out.size();
        const std::uint8_t cicp[4] = {
            9, std::uint8_t(image.transfer() == ColorTransfer::Pq ? 16 : 18), 0, 1};
        out.resize(start + 8);
        out.insert(out.end(), cicp, cicp + 4);
        CloseChunk(out, start, "cICP");
    }
    if (story) AddStoryChunks(out, *story);

    start = out.size();
    out.resize(start + 8 + bound);
    const std::size_t compressed = libdeflate_zlib_compress(
        compressor.get(), filtered.get(), filteredBytes, out.data() + start + 8, bound);
    if (compressed == 0) return EncodeResult::Failed("libdeflate: the data did not fit its bound");
    out.resize(start + 8 + compressed);
    CloseChunk(out, start, "IDAT");

    start = out.size();
    out.resize(start + 8);
    CloseChunk(out, start, "IEND");
    return out;
}

}  // namespace reelsnap
