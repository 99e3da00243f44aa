#include "image_files.h"

#include <avif/avif.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "platform/ffmpeg_raii.h"

extern "C" {
#include <libavutil/pixdesc.h>
}

namespace reelsnap::testing {
namespace {

struct Opened {
    ff::InputContext input;
    ff::CodecContext decoder;
    int stream = -1;
};

std::optional<Opened> OpenImage(const std::filesystem::path& path) {
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, path.c_str(), nullptr, nullptr) < 0) return std::nullopt;
    Opened o{ff::InputContext(raw), nullptr};
    if (avformat_find_stream_info(o.input.get(), nullptr) < 0) return std::nullopt;
    o.stream = av_find_best_stream(o.input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (o.stream < 0) return std::nullopt;
    const AVCodecParameters* par = o.input->streams[o.stream]->codecpar;
    const AVCodec* codec = avcodec_find_decoder(par->codec_id);
    if (!codec) return std::nullopt;
    o.decoder = ff::MakeCodecContext(codec);
    avcodec_parameters_to_context(o.decoder.get(), par);
    if (avcodec_open2(o.decoder.get(), codec, nullptr) < 0) return std::nullopt;
    return o;
}

// AVIF through libavif's own decoder: FFmpeg's leaves out the alpha item.
std::optional<Image> DecodeAvifFile(const std::filesystem::path& path) {
    const std::unique_ptr<avifDecoder, void (*)(avifDecoder*)> decoder(avifDecoderCreate(),
                                                                       avifDecoderDestroy);
    const std::unique_ptr<avifImage, void (*)(avifImage*)> decoded(avifImageCreateEmpty(),
                                                                   avifImageDestroy);
    if (avifDecoderReadFile(decoder.get(), decoded.get(), path.c_str()) != AVIF_RESULT_OK) {
        return std::nullopt;
    }
    avifRGBImage rgb;
    avifRGBImageSetDefaults(&rgb, decoded.get());
    rgb.format = AVIF_RGB_FORMAT_RGBA;
    rgb.depth = 8;
    Image image(int(decoded->width), int(decoded->height));
    rgb.pixels = image.pixels();
    rgb.rowBytes = std::uint32_t(image.stride());
    if (avifImageYUVToRGB(decoded.get(), &rgb) != AVIF_RESULT_OK) return std::nullopt;
    return image;
}

// The first picture as RGBA, or as Rgba64.
std::optional<Image> DecodeImage(const std::filesystem::path& path, ImageLayout layout) {
    auto o = OpenImage(path);
    if (!o) return std::nullopt;
    ff::Packet pkt = ff::MakePacket();
    ff::Frame frame = ff::MakeFrame();
    bool got = false;
    while (!got && av_read_frame(o->input.get(), pkt.get()) >= 0) {
        if (pkt->stream_index == o->stream &&
            avcodec_send_packet(o->decoder.get(), pkt.get()) >= 0) {
            got = avcodec_receive_frame(o->decoder.get(), frame.get()) == 0;
        }
        av_packet_unref(pkt.get());
    }
    if (!got) {
        avcodec_send_packet(o->decoder.get(), nullptr);
        got = avcodec_receive_frame(o->decoder.get(), frame.get()) == 0;
    }
    if (!got) return std::nullopt;
    Image image(frame->width, frame->height, layout);
    const AVPixelFormat format =
        layout == ImageLayout::Rgba64 ? AV_PIX_FMT_RGBA64 : AV_PIX_FMT_RGBA;
    ff::ScaleContext sws(sws_getContext(
        frame->width, frame->height, AVPixelFormat(frame->format), frame->width, frame->height,
        format, SWS_POINT | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT, nullptr, nullptr, nullptr));
    if (!sws) return std::nullopt;
    // JPEG decodes to full-range YUV; keep its range when converting.
    const int full = frame->color_range == AVCOL_RANGE_JPEG ||
                     frame->format == AV_PIX_FMT_YUVJ420P || frame->format == AV_PIX_FMT_YUVJ444P;
    sws_setColorspaceDetails(sws.get(), sws_getCoefficients(SWS_CS_ITU601), full,
                             sws_getCoefficients(SWS_CS_ITU601), 1, 0, 1 << 16, 1 << 16);
    std::uint8_t* dst[4] = {image.pixels(), nullptr, nullptr, nullptr};
    int dstStride[4] = {int(image.stride()), 0, 0, 0};
    sws_scale(sws.get(), frame->data, frame->linesize, 0, frame->height, dst, dstStride);
    return image;
}

}  // namespace

std::string ImageCodecName(const std::filesystem::path& path) {
    auto o = OpenImage(path);
    return o ? o->decoder->codec->name : "";
}

int ImageBitsPerChannel(const std::filesystem::path& path) {
    auto o = OpenImage(path);
    const AVPixFmtDescriptor* desc =
        o ? av_pix_fmt_desc_get(AVPixelFormat(o->input->streams[o->stream]->codecpar->format))
          : nullptr;
    return desc ? desc->comp[0].depth : 0;
}

std::optional<Image> DecodeImageFile16(const std::filesystem::path& path) {
    return DecodeImage(path, ImageLayout::Rgba64);
}

std::optional<Image> DecodeImageFile(const std::filesystem::path& path) {
    if (path.extension() == ".avif") return DecodeAvifFile(path);
    return DecodeImage(path, ImageLayout::Rgba);
}

double Psnr(const Image& a, const Image& b) {
    if (a.width() != b.width() || a.height() != b.height()) return 0;
    double squared = 0;
    std::size_t n = 0;
    for (std::size_t i = 0; i < a.byteCount(); ++i) {
        if (i % 4 == 3) continue;
        const double d = double(a.pixels()[i]) - double(b.pixels()[i]);
        squared += d * d;
        ++n;
    }
    if (squared == 0) return std::numeric_limits<double>::infinity();
    return 10.0 * std::log10(255.0 * 255.0 / (squared / double(n)));
}

bool SamePixels(const Image& a, const Image& b) {
    return a.width() == b.width() && a.height() == b.height() &&
           std::memcmp(a.pixels(), b.pixels(), a.byteCount()) == 0;
}

}  // namespace reelsnap::testing
