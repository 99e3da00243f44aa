#include "movie/frame_converter.h"

#include <algorithm>
#include <cmath>
#include <cstring>

extern "C" {
#include <libavutil/display.h>
#include <libavutil/pixdesc.h>
}

#include "movie/color_tags.h"

namespace reelsnap {
namespace {

// The matrix of the stream; an unspecified one by players' convention.
int SwsColorSpace(AVColorSpace space, int height) {
    switch (space) {
        case AVCOL_SPC_BT709:
            return SWS_CS_ITU709;
        case AVCOL_SPC_BT470BG:
        case AVCOL_SPC_SMPTE170M:
            return SWS_CS_ITU601;
        case AVCOL_SPC_BT2020_NCL:
        case AVCOL_SPC_BT2020_CL:
            return SWS_CS_BT2020;
        case AVCOL_SPC_FCC:
            return SWS_CS_FCC;
        case AVCOL_SPC_SMPTE240M:
            return SWS_CS_SMPTE240M;
        default:
            return SwsColorSpace(ConventionalMatrix(height), height);
    }
}

// swscale's fast paths round high bit depths and 4:1:1 chroma into tinted
// greys (about two levels of green); those formats take the accurate path,
// which costs several times more and which 8-bit 4:2:0 does not need.
int ScaleFlags(AVPixelFormat format) {
    const AVPixFmtDescriptor* desc = av_pix_fmt_desc_get(format);
    const bool deep = desc && desc->comp[0].depth > 8;
    const bool quarterChroma = desc && desc->log2_chroma_w == 2;
    return SWS_BICUBIC | (deep || quarterChroma ? SWS_FULL_CHR_H_INT | SWS_ACCURATE_RND : 0);
}

}  // namespace

DisplayGeometry DisplayMatrixGeometry(const std::int32_t* displayMatrix) {
    DisplayGeometry geometry;
    if (!displayMatrix) return geometry;
    // A mirror turns the matrix's determinant negative. A left-right mirror
    // after the turn negates the matrix's first column: negated back, what
    // is left is the turn.
    std::int32_t turn[9];
    std::memcpy(turn, displayMatrix, sizeof turn);
    const double determinant =
        double(turn[0]) * double(turn[4]) - double(turn[1]) * double(turn[3]);
    if (determinant < 0) {
        geometry.mirrored = true;
        av_display_matrix_flip(turn, 1, 0);
    }
    const double counterClockwise = av_display_rotation_get(turn);
    if (std::isnan(counterClockwise)) return {};
    const long turns = std::lround(-counterClockwise / 90.0);
    geometry.clockwiseQuarterTurns = int(((turns % 4) + 4) % 4);
    return geometry;
}

void DisplaySize(int codedWidth, int codedHeight, AVRational sar, int& width, int& height) {
    height = codedHeight;
    width = codedWidth;
    if (sar.num > 0 && sar.den > 0 && sar.num != sar.den) {
        width = int(std::lround(double(codedWidth) * sar.num / sar.den));
        if (width < 1) width = 1;
    }
}

namespace {

// Pixel is the whole pixel: 4 bytes of RGBA, or 8 of Rgba64.
template <typename Pixel>
Image RotatePixels(const Image& image, int quarterTurns) {
    const int w = image.width(), h = image.height();
    const bool sideways = quarterTurns % 2 == 1;
    Image out(sideways ? h : w, sideways ? w : h, image.layout());
    const auto* src = reinterpret_cast<const Pixel*>(image.pixels());
    auto* dst = reinterpret_cast<Pixel*>(out.pixels());
    const int ow = out.width();
    for (int y = 0; y < h; ++y) {
        const Pixel* srcRow = src + std::size_t(y) * std::size_t(w);
        for (int x = 0; x < w; ++x) {
            int dx, dy;
            switch (quarterTurns) {
                case 1:
                    dx = h - 1 - y;
                    dy = x;
                    break;
                case 2:
                    dx = w - 1 - x;
                    dy = h - 1 - y;
                    break;
                case 3:
                    dx = y;
                    dy = w - 1 - x;
                    break;
                default:
                    dx = x;
                    dy = y;
                    break;
            }
            dst[std::size_t(dy) * std::size_t(ow) + std::size_t(dx)] = srcRow[x];
        }
    }
    return out;
}

template <typename Pixel>
Image MirrorPixels(const Image& image) {
    Image out(image.width(), image.height(), image.layout());
    const int w = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const auto* src = reinterpret_cast<const Pixel*>(image.row(y));
        auto* dst = reinterpret_cast<Pixel*>(out.row(y));
        for (int x = 0; x < w; ++x) dst[x] = src[w - 1 - x];
    }
    return out;
}

bool IsDeep(const AVFrame& frame) {
    const AVPixFmtDescriptor* desc = av_pix_fmt_desc_get(AVPixelFormat(frame.format));
    return desc && desc->comp[0].depth > 8;
}

}  // namespace

Image RotateClockwise(const Image& image, int quarterTurns) {
    return image.isDeep() ? RotatePixels<std::uint64_t>(image, quarterTurns)
                          : RotatePixels<std::uint32_t>(image, quarterTurns);
}

Image MirrorLeftRight(const Image& image) {
    return image.isDeep() ? MirrorPixels<std::uint64_t>(image) : MirrorPixels<std::uint32_t>(image);
}

bool FrameConverter::PrepareContext(const AVFrame& frame, int dstWidth, int dstHeight,
                                    AVPixelFormat dstFormat) {
    const int space = SwsColorSpace(ColorSpaceOf(frame), frame.height);
    const int range = IsFullRange(frame) ? 1 : 0;
    if (context_ && srcWidth_ == frame.width && srcHeight_ == frame.height &&
        srcFormat_ == frame.format && dstWidth_ == dstWidth && dstHeight_ == dstHeight &&
        dstFormat_ == dstFormat && colorSpace_ == space && colorRange_ == range) {
        return true;
    }
    context_.reset(sws_getContext(frame.width, frame.height, AVPixelFormat(frame.format), dstWidth,
                                  dstHeight, dstFormat, ScaleFlags(AVPixelFormat(frame.format)),
                                  nullptr, nullptr, nullptr));
    if (!context_) return false;
    const int* dstCoefficients = sws_getCoefficients(SWS_CS_DEFAULT);
    sws_setColorspaceDetails(context_.get(), sws_getCoefficients(space), range, dstCoefficients, 1,
                             0, 1 << 16, 1 << 16);
    srcWidth_ = frame.width;
    srcHeight_ = frame.height;
    srcFormat_ = frame.format;
    dstWidth_ = dstWidth;
    dstHeight_ = dstHeight;
    dstFormat_ = dstFormat;
    colorSpace_ = space;
    colorRange_ = range;
    return true;
}

// swscale's vector code for 8-bit YCbCr to RGB writes whole blocks of
// pixels, and where a row's stride cannot hold the last whole block it
// leaves that row's last pixels unwritten (widths 2, 4 or 6 past a multiple
// of 8 or 16). Packed rows of such widths are converted into rows padded to
// 64 bytes, then copied.
bool FrameConverter::Scale(const AVFrame& frame, Image& image) {
    const std::size_t packed = image.stride();
    const std::size_t padded = (packed + 63) & ~std::size_t(63);
    const bool direct = padded == packed;
    if (!direct) scratch_.resize(padded * std::size_t(image.height()));
    std::uint8_t* dst[4] = {direct ? image.pixels() : scratch_.data(), nullptr, nullptr, nullptr};
    int dstStride[4] = {int(padded), 0, 0, 0};
    if (sws_scale(context_.get(), frame.data, frame.linesize, 0, frame.height, dst, dstStride) !=
        image.height()) {
        return false;
    }
    if (!direct) {
        for (int y = 0; y < image.height(); ++y) {
            std::memcpy(image.row(y), scratch_.data() + std::size_t(y) * padded, packed);
        }
    }
    return true;
}

void FitInto(ImageBound bound, int& width, int& height) {
    if (bound.width <= 0 || bound.height <= 0) return;
    if (width <= bound.width && height <= bound.height) return;
    const double scale = std::min(double(bound.width) / width, double(bound.height) / height);
    width = std::max(1, int(std::lround(width * scale)));
    height = std::max(1, int(std::lround(height * scale)));
}

std::optional<Image> FrameConverter::ToDisplayImage(const AVFrame& frame,
                                                    const DisplayGeometry& geometry, bool keepDeep,
                                                    ImageBound bound) {
    if (!Image::IsAcceptableSize(frame.width, frame.height)) return std::nullopt;
    int width = 0, height = 0;
    DisplaySize(frame.width, frame.height, geometry.sampleAspectRatio, width, height);
    // The bound is the displayed image's: a quarter turn comes after scaling.
    if (geometry.clockwiseQuarterTurns % 2 != 0) std::swap(bound.width, bound.height);
    FitInto(bound, width, height);
    if (!Image::IsAcceptableSize(width, height)) return std::nullopt;
    const bool deep = keepDeep && IsDeep(frame);
    if (!PrepareContext(frame, width, height, deep ? AV_PIX_FMT_RGBA64 : AV_PIX_FMT_RGBA)) {
        return std::nullopt;
    }

    Image image(width, height, deep ? ImageLayout::Rgba64 : ImageLayout::Rgba);
    if (!Scale(frame, image)) return std::nullopt;
    if (geometry.clockwiseQuarterTurns != 0) {
        image = RotateClockwise(image, geometry.clockwiseQuarterTurns);
    }
    if (geometry.mirrored) image = MirrorLeftRight(image);
    return image;
}

}  // namespace reelsnap
