#include "movie/jpeg_planes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

extern "C" {
#include <libavutil/pixdesc.h>
}

#include "movie/color_tags.h"

namespace reelsnap {
namespace {

// The luma weights of a matrix (Kr, Kb); nothing for a matrix that is not
// linear in YCbCr. An unspecified one follows players' convention, as the
// RGBA conversion does.
struct LumaWeights {
    double red = 0;
    double blue = 0;
};

constexpr LumaWeights kBt601{0.299, 0.114};
constexpr LumaWeights kBt709{0.2126, 0.0722};

std::optional<LumaWeights> WeightsOf(AVColorSpace space, int height) {
    switch (space) {
        case AVCOL_SPC_BT709:
            return kBt709;
        case AVCOL_SPC_BT470BG:
        case AVCOL_SPC_SMPTE170M:
            return kBt601;
        case AVCOL_SPC_BT2020_NCL:
            return LumaWeights{0.2627, 0.0593};
        case AVCOL_SPC_FCC:
            return LumaWeights{0.30, 0.11};
        case AVCOL_SPC_SMPTE240M:
            return LumaWeights{0.212, 0.087};
        case AVCOL_SPC_RGB:
        case AVCOL_SPC_YCGCO:
        case AVCOL_SPC_BT2020_CL:
        case AVCOL_SPC_SMPTE2085:
        case AVCOL_SPC_CHROMA_DERIVED_NCL:
        case AVCOL_SPC_CHROMA_DERIVED_CL:
        case AVCOL_SPC_ICTCP:
            return std::nullopt;
        default:
            return WeightsOf(ConventionalMatrix(height), height);
    }
}

// RGB from normalised YCbCr (Y 0 to 1, Cb and Cr -0.5 to 0.5) is
// Y + CbWeights * Cb + CrWeights * Cr: grey stays grey.
struct Rgb {
    double r = 0, g = 0, b = 0;
};
Rgb RgbPerCb(LumaWeights k) {
    const double green = 1 - k.red - k.blue;
    return {0, -2 * k.blue * (1 - k.blue) / green, 2 * (1 - k.blue)};
}
Rgb RgbPerCr(LumaWeights k) {
    const double green = 1 - k.red - k.blue;
    return {2 * (1 - k.red), -2 * k.red * (1 - k.red) / green, 0};
}

// What a source chroma unit adds to BT.601's Y, Cb and Cr.
struct Bt601 {
    double y = 0, cb = 0, cr = 0;
};
Bt601 ToBt601(Rgb rgb) {
    const LumaWeights k = kBt601;
    const double y = k.red * rgb.r + (1 - k.red - k.blue) * rgb.g + k.blue * rgb.b;
    return {y, (rgb.b - y) / (2 * (1 - k.blue)), (rgb.r - y) / (2 * (1 - k.red))};
}

// Fixed point, the same in the vector and the scalar loops. Chroma pairs
// (Cb, Cr) less their neutral value are multiplied by 16-bit coefficients
// with `depth + 6` fraction bits, which keeps every coefficient and every
// sum within range from 8 to 16 bits. Luma, the source sample widened to 16
// bits times a scale keeping the high half, comes out in 1/16 units, to
// which each chroma sample adds its share.
constexpr int kLumaFraction = 4;

struct Coefficients {
    int fraction = 0;             // of the chroma coefficients
    int lumaWiden = 0;            // source Y << lumaWiden spans 16 bits
    std::uint16_t lumaScale = 0;  // output Y in 1/16 per widened source Y, over 2^16
    std::int32_t lumaOffset = 0;  // with `fraction` bits
    std::int16_t chromaZero = 0;  // the source's neutral chroma
    std::int16_t yPerCb = 0, yPerCr = 0;
    std::int16_t cbPerCb = 0, cbPerCr = 0;
    std::int16_t crPerCb = 0, crPerCr = 0;
};

Coefficients CoefficientsFor(LumaWeights weights, int depth, bool fullRange) {
    const double unit = std::ldexp(1.0, depth - 8);
    const double lumaZero = fullRange ? 0 : 16 * unit;
    const double lumaRange = fullRange ? std::ldexp(1.0, depth) - 1 : 219 * unit;
    const double chromaRange = fullRange ? std::ldexp(1.0, depth) - 1 : 224 * unit;
    const Bt601 perCb = ToBt601(RgbPerCb(weights));
    const Bt601 perCr = ToBt601(RgbPerCr(weights));
    Coefficients c;
    c.fraction = depth + 6;
    const double one = std::ldexp(1.0, c.fraction);
    const auto fixed = [&](double value) {
        return std::int16_t(std::lround(value * 255 / chromaRange * one));
    };
    c.lumaWiden = 16 - depth;
    c.lumaScale =
        std::uint16_t(std::lround(255 / lumaRange * (1 << kLumaFraction) * std::ldexp(1.0, depth)));
    c.lumaOffset = std::int32_t(std::lround(-255 * lumaZero / lumaRange * one));
    c.chromaZero = std::int16_t(128 * unit);
    c.yPerCb = fixed(perCb.y);
    c.yPerCr = fixed(perCr.y);
    c.cbPerCb = fixed(perCb.cb);
    c.cbPerCr = fixed(perCr.cb);
    c.crPerCb = fixed(perCb.cr);
    c.crPerCr = fixed(perCr.cr);
    return c;
}

// One chroma sample: its Cb and Cr, and its share of luma in 1/16, rounded.
struct ChromaSample {
    std::uint8_t cb = 0, cr = 0;
    std::int16_t lumaShift = 0;
};

ChromaSample ConvertChroma(const Coefficients& c, std::int16_t u, std::int16_t v) {
    const int f = c.fraction;
    const auto toOutput = [f](std::int32_t sum) {
        return std::uint8_t(std::clamp(((sum + (1 << (f - 1))) >> f) + 128, 0, 255));
    };
    const std::int32_t luma = c.yPerCb * u + c.yPerCr * v + c.lumaOffset;
    const int toLuma = f - kLumaFraction;
    return {toOutput(c.cbPerCb * u + c.cbPerCr * v), toOutput(c.crPerCb * u + c.crPerCr * v),
            std::int16_t(((luma + (1 << (toLuma - 1))) >> toLuma) + (1 << (kLumaFraction - 1)))};
}

std::uint8_t ConvertLuma(const Coefficients& c, unsigned sample, std::int16_t shift) {
    const std::uint32_t wide = std::uint16_t(sample << c.lumaWiden);
    const auto scaled = std::int16_t((wide * c.lumaScale) >> 16);
    return std::uint8_t(std::clamp(std::int16_t(scaled + shift) >> kLumaFraction, 0, 255));
}

#if defined(__SSE2__)
// (a, b) in every pair of 16-bit lanes, the weights _mm_madd_epi16 takes.
__m128i Pairs(std::int16_t a, std::int16_t b) {
    return _mm_set1_epi32(std::int32_t(std::uint16_t(a)) | (std::int32_t(b) << 16));
}

// Eight samples of Sample as 16-bit lanes.
template <typename Sample>
__m128i Load8(const Sample* p) {
    if constexpr (sizeof(Sample) == 1) {
        return _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)),
                                 _mm_setzero_si128());
    } else {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    }
}

// Eight output samples from the sums of eight (u, v) pairs.
__m128i Rounded16(__m128i low, __m128i high, int shift) {
    const __m128i half = _mm_set1_epi32(1 << (shift - 1));
    const __m128i count = _mm_cvtsi32_si128(shift);
    return _mm_packs_epi32(_mm_sra_epi32(_mm_add_epi32(low, half), count),
                           _mm_sra_epi32(_mm_add_epi32(high, half), count));
}

// ConvertChroma for eight samples; gives how many it did.
template <typename Sample>
int ConvertChroma8(const Coefficients& c, const Sample* cb, const Sample* cr, int count,
                   std::uint8_t* outCb, std::uint8_t* outCr, std::int16_t* lumaShift) {
    const __m128i zero = _mm_set1_epi16(c.chromaZero);
    const __m128i toY = Pairs(c.yPerCb, c.yPerCr), toCb = Pairs(c.cbPerCb, c.cbPerCr),
                  toCr = Pairs(c.crPerCb, c.crPerCr);
    const __m128i lumaOffset = _mm_set1_epi32(c.lumaOffset);
    const __m128i neutral = _mm_set1_epi16(128);
    const __m128i lumaRounding = _mm_set1_epi16(1 << (kLumaFraction - 1));
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        const __m128i u = _mm_sub_epi16(Load8(cb + x), zero);
        const __m128i v = _mm_sub_epi16(Load8(cr + x), zero);
        const __m128i low = _mm_unpacklo_epi16(u, v), high = _mm_unpackhi_epi16(u, v);
        const __m128i outB = _mm_add_epi16(
            Rounded16(_mm_madd_epi16(low, toCb), _mm_madd_epi16(high, toCb), c.fraction), neutral);
        const __m128i outR = _mm_add_epi16(
            Rounded16(_mm_madd_epi16(low, toCr), _mm_madd_epi16(high, toCr), c.fraction), neutral);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(outCb + x), _mm_packus_epi16(outB, outB));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(outCr + x), _mm_packus_epi16(outR, outR));
        const __m128i shift =
            _mm_add_epi16(Rounded16(_mm_add_epi32(_mm_madd_epi16(low, toY), lumaOffset),
                                    _mm_add_epi32(_mm_madd_epi16(high, toY), lumaOffset),
                                    c.fraction - kLumaFraction),
                          lumaRounding);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(lumaShift + 2 * x),
                         _mm_unpacklo_epi16(shift, shift));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(lumaShift + 2 * x + 8),
                         _mm_unpackhi_epi16(shift, shift));
    }
    return x;
}

// ConvertLuma for eight samples at a time; gives how many it did.
template <typename Sample>
int ConvertLuma8(const Coefficients& c, const Sample* luma, int count, const std::int16_t* shift,
                 std::uint8_t* out) {
    const __m128i scale = _mm_set1_epi16(std::int16_t(c.lumaScale));
    const __m128i widen = _mm_cvtsi32_si128(c.lumaWiden);
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        const __m128i wide = _mm_sll_epi16(Load8(luma + x), widen);
        const __m128i sum =
            _mm_add_epi16(_mm_mulhi_epu16(wide, scale),
                          _mm_loadu_si128(reinterpret_cast<const __m128i*>(shift + x)));
        const __m128i value = _mm_srai_epi16(sum, kLumaFraction);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + x), _mm_packus_epi16(value, value));
    }
    return x;
}
#else
template <typename Sample>
int ConvertChroma8(const Coefficients&, const Sample*, const Sample*, int, std::uint8_t*,
                   std::uint8_t*, std::int16_t*) {
    return 0;
}
template <typename Sample>
int ConvertLuma8(const Coefficients&, const Sample*, int, const std::int16_t*, std::uint8_t*) {
    return 0;
}
#endif

// Each chroma sample gives the chroma of its 2x2 block and its share of the
// four luma samples, as the RGBA conversion's nearest chroma does.
template <typename Sample>
void ConvertPlanes(const AVFrame& frame, const Coefficients& c, Image& out) {
    const int width = frame.width, height = frame.height;
    const int chromaWidth = out.planeWidth(1), chromaHeight = out.planeHeight(1);
    // Each chroma sample's share of luma, for both of its columns.
    std::vector<std::int16_t> lumaShift(2 * std::size_t(chromaWidth));
    for (int cy = 0; cy < chromaHeight; ++cy) {
        const auto* cb = reinterpret_cast<const Sample*>(frame.data[1] + cy * frame.linesize[1]);
        const auto* cr = reinterpret_cast<const Sample*>(frame.data[2] + cy * frame.linesize[2]);
        std::uint8_t* outCb = out.plane(1) + std::size_t(cy) * std::size_t(chromaWidth);
        std::uint8_t* outCr = out.plane(2) + std::size_t(cy) * std::size_t(chromaWidth);
        int x = ConvertChroma8(c, cb, cr, chromaWidth, outCb, outCr, lumaShift.data());
        for (; x < chromaWidth; ++x) {
            const ChromaSample sample = ConvertChroma(c, std::int16_t(cb[x] - c.chromaZero),
                                                      std::int16_t(cr[x] - c.chromaZero));
            outCb[x] = sample.cb;
            outCr[x] = sample.cr;
            lumaShift[2 * std::size_t(x)] = sample.lumaShift;
            lumaShift[2 * std::size_t(x) + 1] = sample.lumaShift;
        }
        for (int y = 2 * cy; y < std::min(height, 2 * cy + 2); ++y) {
            const auto* luma =
                reinterpret_cast<const Sample*>(frame.data[0] + y * frame.linesize[0]);
            std::uint8_t* outY = out.plane(0) + std::size_t(y) * std::size_t(width);
            int lx = ConvertLuma8(c, luma, width, lumaShift.data(), outY);
            for (; lx < width; ++lx)
                outY[lx] = ConvertLuma(c, luma[lx], lumaShift[std::size_t(lx)]);
        }
    }
}

const AVPixFmtDescriptor* PlanarYuv420(int format) {
    const AVPixFmtDescriptor* d = av_pix_fmt_desc_get(AVPixelFormat(format));
    if (!d || d->nb_components != 3 || d->log2_chroma_w != 1 || d->log2_chroma_h != 1) {
        return nullptr;
    }
    constexpr std::uint64_t kExcluded =
        AV_PIX_FMT_FLAG_RGB | AV_PIX_FMT_FLAG_ALPHA | AV_PIX_FMT_FLAG_PAL | AV_PIX_FMT_FLAG_BAYER |
        AV_PIX_FMT_FLAG_HWACCEL | AV_PIX_FMT_FLAG_BE | AV_PIX_FMT_FLAG_FLOAT;
    if (!(d->flags & AV_PIX_FMT_FLAG_PLANAR) || (d->flags & kExcluded)) return nullptr;
    const int depth = d->comp[0].depth;
    const int bytes = depth > 8 ? 2 : 1;
    for (int i = 0; i < 3; ++i) {
        const AVComponentDescriptor& comp = d->comp[i];
        if (comp.plane != i || comp.step != bytes || comp.shift != 0 || comp.offset != 0 ||
            comp.depth != depth) {
            return nullptr;
        }
    }
    return depth >= 8 && depth <= 16 ? d : nullptr;
}

// 8-bit planar RGB (what the tone-mapping filters give) in the JPEG
// encoder's own fixed point: BT.601 full range, 15 fraction bits, the
// weights of Cb and Cr summing to 0 so that greys have none. Chroma is the
// mean of each 2x2 block, the last column and row repeated at odd sizes.
constexpr int kRgbFraction = 15;
constexpr std::int16_t kYr = 9798, kYg = 19234, kYb = 3736;
constexpr std::int16_t kCbr = -5529, kCbg = -10855, kCbb = 16384;
constexpr std::int16_t kCrr = 16384, kCrg = -13720, kCrb = -2664;
// The sums of four samples carry two more bits; 128 and rounding on top.
constexpr int kBlockFraction = kRgbFraction + 2;
constexpr std::int32_t kBlockOffset = (128 << kBlockFraction) + (1 << (kBlockFraction - 1));

struct RgbRows {
    const std::uint8_t* r;
    const std::uint8_t* g;
    const std::uint8_t* b;
};

RgbRows RgbRow(const AVFrame& frame, int y) {
    const auto row = [&](int plane) { return frame.data[plane] + y * frame.linesize[plane]; };
    return {row(2), row(0), row(1)};  // GBRP keeps green, blue, red
}

std::uint8_t RgbLuma(int r, int g, int b) {
    return std::uint8_t((kYr * r + kYg * g + kYb * b + (1 << (kRgbFraction - 1))) >> kRgbFraction);
}

std::uint8_t BlockChroma(std::int32_t r4, std::int32_t g4, std::int32_t b4, std::int16_t wr,
                         std::int16_t wg, std::int16_t wb) {
    return std::uint8_t(
        std::clamp((wr * r4 + wg * g4 + wb * b4 + kBlockOffset) >> kBlockFraction, 0, 255));
}

#if defined(__SSE2__)
// Luma of eight pixels; gives how many it did.
int RgbLuma8(const RgbRows& row, int count, std::uint8_t* out) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i rg = Pairs(kYr, kYg), b1 = Pairs(kYb, 1 << (kRgbFraction - 1));
    const __m128i one = _mm_set1_epi16(1);
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        const auto load = [&](const std::uint8_t* p) {
            return _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p + x)),
                                     zero);
        };
        const __m128i r = load(row.r), g = load(row.g), b = load(row.b);
        const auto half = [&](__m128i rgPairs, __m128i bPairs) {
            return _mm_srai_epi32(
                _mm_add_epi32(_mm_madd_epi16(rgPairs, rg), _mm_madd_epi16(bPairs, b1)),
                kRgbFraction);
        };
        const __m128i low = half(_mm_unpacklo_epi16(r, g), _mm_unpacklo_epi16(b, one));
        const __m128i high = half(_mm_unpackhi_epi16(r, g), _mm_unpackhi_epi16(b, one));
        const __m128i y = _mm_packs_epi32(low, high);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + x), _mm_packus_epi16(y, y));
    }
    return x;
}

// The sums of eight 2x2 blocks of one channel, from sixteen columns of two rows.
__m128i BlockSums8(const std::uint8_t* top, const std::uint8_t* bottom) {
    const __m128i zero = _mm_setzero_si128(), one = _mm_set1_epi16(1);
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(top));
    const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bottom));
    const __m128i low = _mm_add_epi16(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(c, zero));
    const __m128i high = _mm_add_epi16(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(c, zero));
    return _mm_packs_epi32(_mm_madd_epi16(low, one), _mm_madd_epi16(high, one));
}

__m128i BlockChroma8(__m128i r4, __m128i g4, __m128i b4, std::int16_t wr, std::int16_t wg,
                     std::int16_t wb) {
    const __m128i rg = Pairs(wr, wg), bw = Pairs(wb, 0);
    const __m128i offset = _mm_set1_epi32(kBlockOffset);
    const auto half = [&](__m128i rgPairs, __m128i bPairs) {
        return _mm_srai_epi32(
            _mm_add_epi32(_mm_add_epi32(_mm_madd_epi16(rgPairs, rg), _mm_madd_epi16(bPairs, bw)),
                          offset),
            kBlockFraction);
    };
    const __m128i low = half(_mm_unpacklo_epi16(r4, g4), _mm_unpacklo_epi16(b4, b4));
    const __m128i high = half(_mm_unpackhi_epi16(r4, g4), _mm_unpackhi_epi16(b4, b4));
    const __m128i c = _mm_packs_epi32(low, high);
    return _mm_packus_epi16(c, c);
}

// Chroma of eight blocks whose sixteen columns all lie inside the row;
// gives how many blocks it did.
int RgbChroma8(const RgbRows& top, const RgbRows& bottom, int width, std::uint8_t* cb,
               std::uint8_t* cr) {
    int x = 0;
    for (; 2 * x + 16 <= width; x += 8) {
        const __m128i r4 = BlockSums8(top.r + 2 * x, bottom.r + 2 * x);
        const __m128i g4 = BlockSums8(top.g + 2 * x, bottom.g + 2 * x);
        const __m128i b4 = BlockSums8(top.b + 2 * x, bottom.b + 2 * x);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(cb + x),
                         BlockChroma8(r4, g4, b4, kCbr, kCbg, kCbb));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(cr + x),
                         BlockChroma8(r4, g4, b4, kCrr, kCrg, kCrb));
    }
    return x;
}
#else
int RgbLuma8(const RgbRows&, int, std::uint8_t*) {
    return 0;
}
int RgbChroma8(const RgbRows&, const RgbRows&, int, std::uint8_t*, std::uint8_t*) {
    return 0;
}
#endif

void ConvertRgbPlanes(const AVFrame& frame, Image& out) {
    const int width = frame.width, height = frame.height;
    const int chromaWidth = out.planeWidth(1);
    for (int y = 0; y < height; ++y) {
        const RgbRows row = RgbRow(frame, y);
        std::uint8_t* outY = out.plane(0) + std::size_t(y) * std::size_t(width);
        for (int x = RgbLuma8(row, width, outY); x < width; ++x) {
            outY[x] = RgbLuma(row.r[x], row.g[x], row.b[x]);
        }
    }
    for (int cy = 0; cy < out.planeHeight(1); ++cy) {
        const RgbRows top = RgbRow(frame, 2 * cy);
        const RgbRows bottom = RgbRow(frame, std::min(2 * cy + 1, height - 1));
        std::uint8_t* cb = out.plane(1) + std::size_t(cy) * std::size_t(chromaWidth);
        std::uint8_t* cr = out.plane(2) + std::size_t(cy) * std::size_t(chromaWidth);
        for (int x = RgbChroma8(top, bottom, width, cb, cr); x < chromaWidth; ++x) {
            const int left = 2 * x, right = std::min(2 * x + 1, width - 1);
            const auto sum = [&](const std::uint8_t* t, const std::uint8_t* b) {
                return std::int32_t(t[left]) + t[right] + b[left] + b[right];
            };
            const std::int32_t r4 = sum(top.r, bottom.r), g4 = sum(top.g, bottom.g),
                               b4 = sum(top.b, bottom.b);
            cb[x] = BlockChroma(r4, g4, b4, kCbr, kCbg, kCbb);
            cr[x] = BlockChroma(r4, g4, b4, kCrr, kCrg, kCrb);
        }
    }
}

}  // namespace

bool TakesJpegPlanes(const AVFrame& frame) {
    return frame.format == AV_PIX_FMT_GBRP ||
           (PlanarYuv420(frame.format) && WeightsOf(ColorSpaceOf(frame), frame.height));
}

std::optional<Image> JpegPlanes(const AVFrame& frame) {
    if (!Image::IsAcceptableSize(frame.width, frame.height)) return std::nullopt;
    if (frame.format == AV_PIX_FMT_GBRP) {
        Image out(frame.width, frame.height, ImageLayout::Ycbcr420);
        ConvertRgbPlanes(frame, out);
        return out;
    }
    const AVPixFmtDescriptor* desc = PlanarYuv420(frame.format);
    const std::optional<LumaWeights> weights = WeightsOf(ColorSpaceOf(frame), frame.height);
    if (!desc || !weights) return std::nullopt;
    const int depth = desc->comp[0].depth;
    const Coefficients c = CoefficientsFor(*weights, depth, IsFullRange(frame));
    Image out(frame.width, frame.height, ImageLayout::Ycbcr420);
    if (depth > 8) {
        ConvertPlanes<std::uint16_t>(frame, c, out);
    } else {
        ConvertPlanes<std::uint8_t>(frame, c, out);
    }
    return out;
}

}  // namespace reelsnap
