// A frame's colour tags, read safely. Decoders copy them from the bitstream
// without checking, so a field may hold a number that no enumerator has, and
// reading it as its enum type is undefined behaviour. These read the number
// and give the tag only where it lies within the enum (unspecified where not).
#pragma once

#include <cstring>

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/pixfmt.h>
}

namespace reelsnap {

template <typename Enum>
Enum CheckedTag(const Enum& field, int count, Enum unspecified) {
    static_assert(sizeof(Enum) == sizeof(int));
    int number = 0;
    std::memcpy(&number, &field, sizeof number);
    return number >= 0 && number < count ? static_cast<Enum>(number) : unspecified;
}

inline AVColorSpace ColorSpaceOf(const AVFrame& frame) {
    return CheckedTag(frame.colorspace, AVCOL_SPC_NB, AVCOL_SPC_UNSPECIFIED);
}
inline AVColorTransferCharacteristic TransferOf(const AVFrame& frame);

// PQ and HLG are the HDR transfers.
inline bool IsHdr(AVColorTransferCharacteristic transfer) {
    return transfer == AVCOL_TRC_SMPTE2084 || transfer == AVCOL_TRC_ARIB_STD_B67;
}

inline AVColorTransferCharacteristic TransferOf(const AVFrame& frame) {
    return CheckedTag(frame.color_trc, AVCOL_TRC_NB, AVCOL_TRC_UNSPECIFIED);
}
inline AVColorPrimaries PrimariesOf(const AVFrame& frame) {
    return CheckedTag(frame.color_primaries, AVCOL_PRI_NB, AVCOL_PRI_UNSPECIFIED);
}
inline AVColorRange RangeOf(const AVFrame& frame) {
    return CheckedTag(frame.color_range, AVCOL_RANGE_NB, AVCOL_RANGE_UNSPECIFIED);
}

// The matrix of a frame that names none, by players' convention: BT.601
// below 720 lines, BT.709 from 720 lines.
inline AVColorSpace ConventionalMatrix(int height) {
    return height >= 720 ? AVCOL_SPC_BT709 : AVCOL_SPC_SMPTE170M;
}

// Full range by its format (the yuvj family) or by its tag.
inline bool IsFullRange(const AVFrame& frame) {
    switch (frame.format) {
        case AV_PIX_FMT_YUVJ420P:
        case AV_PIX_FMT_YUVJ422P:
        case AV_PIX_FMT_YUVJ444P:
        case AV_PIX_FMT_YUVJ440P:
        case AV_PIX_FMT_YUVJ411P:
            return true;
        default:
            return RangeOf(frame) == AVCOL_RANGE_JPEG;
    }
}

}  // namespace reelsnap
