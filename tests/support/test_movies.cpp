#include "test_movies.h"

#include <algorithm>
#include <cmath>
#include <cstring>

extern "C" {
#include <libavutil/display.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libavutil/pixdesc.h>
}

#include "movie/frame_converter.h"
#include "platform/ffmpeg_raii.h"

namespace reelsnap::testing {
namespace {

constexpr int kGrid = 4;

std::uint8_t Clamp(int v) {
    return std::uint8_t(v < 0 ? 0 : v > 255 ? 255 : v);
}

// A cheap deterministic hash for noise.
int Noise(int x, int y, int index, int amplitude) {
    if (amplitude == 0) return 0;
    std::uint32_t h = std::uint32_t(x) * 73856093u ^ std::uint32_t(y) * 19349663u ^
                      std::uint32_t(index) * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return int(h % std::uint32_t(2 * amplitude + 1)) - amplitude;
}

bool CellIsWhite(int index, int cell) {
    if (cell == 0) return true;
    if (cell == kGrid * kGrid - 1) return false;
    return (index >> (cell - 1)) & 1;
}

int SwsMatrix(AVColorSpace space) {
    switch (space) {
        case AVCOL_SPC_BT709:
            return SWS_CS_ITU709;
        case AVCOL_SPC_BT2020_NCL:
            return SWS_CS_BT2020;
        default:
            return SWS_CS_ITU601;
    }
}

struct Writer {
    const MovieSpec& spec;
    ff::OutputContext out;
    ff::CodecContext enc;
    AVStream* stream = nullptr;
    ff::Packet pkt = ff::MakePacket();

    std::string Drain() {
        while (true) {
            int r = avcodec_receive_packet(enc.get(), pkt.get());
            if (r == AVERROR(EAGAIN) || r == AVERROR_EOF) return {};
            if (r < 0) return "receive_packet failed";
            // Without a duration the muxer's edit list would end where the last frame begins.
            if (pkt->duration == 0) pkt->duration = spec.variableFrameRate ? 20 : 1;
            const auto index = int(pkt->pts + 1);
            if (std::find(spec.corruptFrames.begin(), spec.corruptFrames.end(), index) !=
                    spec.corruptFrames.end() &&
                av_packet_make_writable(pkt.get()) == 0) {
                std::memset(pkt->data, 0, std::size_t(pkt->size));
            }
            const auto shares = [&](int k) {
                return std::find(spec.sharedTimes.begin(), spec.sharedTimes.end(), k) !=
                       spec.sharedTimes.end();
            };
            for (int k = index; shares(k); ++k) ++pkt->pts;
            av_packet_rescale_ts(pkt.get(), enc->time_base, stream->time_base);
            pkt->stream_index = stream->index;
            if (av_interleaved_write_frame(out.get(), pkt.get()) < 0) return "write_frame failed";
        }
    }
};

std::string WriteAudioOnly(const std::filesystem::path& path) {
    AVFormatContext* raw = nullptr;
    if (avformat_alloc_output_context2(&raw, nullptr, "wav", path.c_str()) < 0) return "no wav";
    ff::OutputContext out(raw);
    AVStream* st = avformat_new_stream(out.get(), nullptr);
    st->codecpar->codec_type = AVMEDIA_TYPE_AUDIO;
    st->codecpar->codec_id = AV_CODEC_ID_PCM_S16LE;
    st->codecpar->sample_rate = 8000;
    av_channel_layout_default(&st->codecpar->ch_layout, 1);
    st->codecpar->bits_per_coded_sample = 16;
    st->codecpar->block_align = 2;
    st->time_base = {1, 8000};
    if (avio_open(&out->pb, path.c_str(), AVIO_FLAG_WRITE) < 0) return "cannot open output";
    if (avformat_write_header(out.get(), nullptr) < 0) return "header failed";
    ff::Packet pkt = ff::MakePacket();
    for (int i = 0; i < 10; ++i) {
        if (av_new_packet(pkt.get(), 1600) < 0) return "no packet";
        for (int s = 0; s < 800; ++s) {
            auto v = std::int16_t(8000 * std::sin((i * 800 + s) * 0.05));
            std::memcpy(pkt->data + 2 * s, &v, 2);
        }
        pkt->pts = pkt->dts = i * 800;
        pkt->duration = 800;
        pkt->stream_index = 0;
        if (av_interleaved_write_frame(out.get(), pkt.get()) < 0) return "write failed";
    }
    av_write_trailer(out.get());
    return {};
}

// Limited-range 10-bit luma from 64 to 940 across the frame, neutral chroma.
void FillGreyRamp10(AVFrame& frame) {
    for (int y = 0; y < frame.height; ++y) {
        auto* luma = reinterpret_cast<std::uint16_t*>(frame.data[0] + y * frame.linesize[0]);
        for (int x = 0; x < frame.width; ++x) {
            luma[x] = std::uint16_t(64 + x * (940 - 64) / std::max(1, frame.width - 1));
        }
    }
    for (int plane = 1; plane < 3; ++plane) {
        for (int y = 0; y < (frame.height + 1) / 2; ++y) {
            auto* chroma =
                reinterpret_cast<std::uint16_t*>(frame.data[plane] + y * frame.linesize[plane]);
            std::fill(chroma, chroma + (frame.width + 1) / 2, std::uint16_t(512));
        }
    }
}

}  // namespace

Image DrawIndexFrame(int index, int width, int height, int noise, bool translucent) {
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = image.row(y);
        const int cy = y * kGrid / height;
        for (int x = 0; x < width; ++x, p += 4) {
            const int cell = cy * kGrid + x * kGrid / width;
            const bool white = CellIsWhite(index, cell);
            const int base = white ? 220 : 35;
            const int n = Noise(x, y, index, noise);
            // A faint gradient so that the content is not flat.
            p[0] = Clamp(base + n + (x * 16 / width) - 8);
            p[1] = Clamp(base + n);
            p[2] = Clamp(base + n + (y * 16 / height) - 8);
            p[3] = translucent && cell != 0 ? 128 : 255;
        }
    }
    return image;
}

int ShotBrightness(int shot) {
    return 40 + (shot * 70) % 170;
}

// A frame of shot `shot`: its brightness, with the index grid 12 levels brighter.
Image DrawShotFrame(int index, int shot, int width, int height) {
    Image image(width, height);
    const int base = ShotBrightness(shot);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = image.row(y);
        const int cy = y * kGrid / height;
        for (int x = 0; x < width; ++x, p += 4) {
            const int cell = cy * kGrid + x * kGrid / width;
            p[0] = p[1] = p[2] = Clamp(base + (CellIsWhite(index, cell) ? 12 : 0));
            p[3] = 255;
        }
    }
    return image;
}

Image DrawFieldBars(int index, int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        // The top field (even rows) is taken first, the bottom field after it.
        const int field = 2 * (index - 1) + (y % 2);
        const int left = 8 + 12 * field;
        std::uint8_t* p = image.row(y);
        for (int x = 0; x < width; ++x, p += 4) {
            const std::uint8_t v = x >= left && x < left + kFieldBarWidth ? 235 : 16;
            p[0] = p[1] = p[2] = v;
            p[3] = 255;
        }
    }
    return image;
}

Image DrawKnownColors(int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = image.row(y);
        for (int x = 0; x < width; ++x, p += 4) {
            const Rgb& c = kKnownColors[x * 3 / width];
            p[0] = std::uint8_t(c.r);
            p[1] = std::uint8_t(c.g);
            p[2] = std::uint8_t(c.b);
            p[3] = 255;
        }
    }
    return image;
}

namespace {

constexpr int kRampChroma[3][2] = {{108, 148}, {148, 108}, {108, 108}};  // Cb, Cr (8-bit)

int RampLuma(int x) {
    return 40 + std::min(4 * x, 120);
}

}  // namespace

Image DrawColumnRamps(int index, int width, int height, AVColorSpace matrix) {
    // Limited-range YCbCr to RGB: Kr and Kb of the matrix.
    const bool bt2020 = matrix == AVCOL_SPC_BT2020_NCL;
    const double kr = bt2020 ? 0.2627 : 0.299, kb = bt2020 ? 0.0593 : 0.114, kg = 1 - kr - kb;
    const int* chroma = kRampChroma[(index - 1) % 3];
    const double cb = (chroma[0] - 128) / 224.0, cr = (chroma[1] - 128) / 224.0;
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = image.row(y);
        for (int x = 0; x < width; ++x, p += 4) {
            const double luma = (RampLuma(x) - 16) / 219.0;
            const double r = luma + 2 * (1 - kr) * cr;
            const double b = luma + 2 * (1 - kb) * cb;
            const double g = (luma - kr * r - kb * b) / kg;
            p[0] = Clamp(int(std::lround(r * 255)));
            p[1] = Clamp(int(std::lround(g * 255)));
            p[2] = Clamp(int(std::lround(b * 255)));
            p[3] = 255;
        }
    }
    return image;
}

namespace {

// The ramps' planes, 8 or more bits a sample, whatever the chroma layout.
void FillColumnRamps(AVFrame& frame, int index) {
    const AVPixFmtDescriptor* desc = av_pix_fmt_desc_get(AVPixelFormat(frame.format));
    const int shift = desc->comp[0].depth - 8;
    const auto put = [&](int plane, int x, int y, int value) {
        std::uint8_t* row = frame.data[plane] + y * frame.linesize[plane];
        if (shift > 0) {
            reinterpret_cast<std::uint16_t*>(row)[x] = std::uint16_t(value << shift);
        } else {
            row[x] = std::uint8_t(value);
        }
    };
    for (int y = 0; y < frame.height; ++y) {
        for (int x = 0; x < frame.width; ++x) put(0, x, y, RampLuma(x));
    }
    const int cw = AV_CEIL_RSHIFT(frame.width, desc->log2_chroma_w);
    const int ch = AV_CEIL_RSHIFT(frame.height, desc->log2_chroma_h);
    for (int plane = 1; plane < 3; ++plane) {
        for (int y = 0; y < ch; ++y) {
            for (int x = 0; x < cw; ++x) put(plane, x, y, kRampChroma[(index - 1) % 3][plane - 1]);
        }
    }
}

}  // namespace

int ReadFrameIndex(const Image& image) {
    if (image.isNull() || image.width() < kGrid * 2 || image.height() < kGrid * 2) return -1;
    int index = 0;
    for (int cell = 0; cell < kGrid * kGrid; ++cell) {
        const int cx = cell % kGrid, cy = cell / kGrid;
        const int x0 = (cx * 4 + 1) * image.width() / (kGrid * 4);
        const int x1 = (cx * 4 + 3) * image.width() / (kGrid * 4);
        const int y0 = (cy * 4 + 1) * image.height() / (kGrid * 4);
        const int y1 = (cy * 4 + 3) * image.height() / (kGrid * 4);
        long sum = 0, n = 0;
        for (int y = y0; y < y1; ++y) {
            const std::uint8_t* p = image.row(y) + 4 * x0;
            for (int x = x0; x < x1; ++x, p += 4, ++n) sum += p[0] + p[1] + p[2];
        }
        const bool white = n > 0 && sum / (3 * n) > 128;
        if (cell == 0 && !white) return -1;
        if (cell == kGrid * kGrid - 1) return white ? -1 : index;
        if (cell > 0 && white) index |= 1 << (cell - 1);
    }
    return index;
}

std::string WriteTestMovie(const std::filesystem::path& path, const MovieSpec& spec) {
    if (spec.audioOnly) return WriteAudioOnly(path);
    const AVCodec* codec = avcodec_find_encoder_by_name(spec.codec.c_str());
    if (!codec) return "no encoder " + spec.codec;
    AVFormatContext* raw = nullptr;
    if (avformat_alloc_output_context2(&raw, nullptr, spec.format.c_str(), path.c_str()) < 0) {
        return "no muxer " + spec.format;
    }
    Writer w{spec, ff::OutputContext(raw), ff::MakeCodecContext(codec)};
    AVCodecContext* enc = w.enc.get();
    enc->width = spec.width;
    enc->height = spec.height;
    enc->pix_fmt = spec.pixelFormat;
    enc->time_base = spec.variableFrameRate ? AVRational{1, 1000} : av_inv_q(spec.frameRate);
    enc->framerate = spec.frameRate;
    enc->gop_size = spec.gop;
    enc->max_b_frames = spec.bFrames;
    enc->sample_aspect_ratio = spec.sampleAspectRatio;
    enc->color_range = spec.colorRange;
    if (spec.tagColorSpace) {
        enc->colorspace = spec.colorSpace;
        enc->color_primaries =
            spec.colorSpace == AVCOL_SPC_BT709 ? AVCOL_PRI_BT709 : AVCOL_PRI_SMPTE170M;
        enc->color_trc = spec.colorSpace == AVCOL_SPC_BT709 ? AVCOL_TRC_BT709 : AVCOL_TRC_SMPTE170M;
        if (spec.primaries != AVCOL_PRI_UNSPECIFIED) enc->color_primaries = spec.primaries;
        if (spec.transfer != AVCOL_TRC_UNSPECIFIED) enc->color_trc = spec.transfer;
    }
    if (spec.codec == "mjpeg") enc->strict_std_compliance = FF_COMPLIANCE_UNOFFICIAL;
    const bool interlaced = spec.interlaced || spec.interlacedBars;
    if (interlaced) {
        enc->flags |= AV_CODEC_FLAG_INTERLACED_DCT | AV_CODEC_FLAG_INTERLACED_ME;
        enc->field_order = AV_FIELD_TT;
    }
    if (spec.codec == "mjpeg" || spec.codec == "mpeg4" || spec.codec == "mpeg2video") {
        enc->flags |= AV_CODEC_FLAG_QSCALE;
        enc->global_quality = FF_QP2LAMBDA * 3;
    }
    if (w.out->oformat->flags & AVFMT_GLOBALHEADER) enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* opts = nullptr;
    if (spec.codec == "libx264") {
        av_dict_set(&opts, "preset", "superfast", 0);
        av_dict_set(&opts, "crf", std::to_string(spec.crf).c_str(), 0);
        av_dict_set(&opts, "x264-params",
                    ("bframes=" + std::to_string(spec.bFrames) + ":keyint=" +
                     std::to_string(spec.gop) + ":min-keyint=" + std::to_string(spec.gop) +
                     ":scenecut=0" + (interlaced ? ":interlaced=1:tff=1" : ""))
                        .c_str(),
                    0);
    }
    if (spec.codec == "libx265") {
        av_dict_set(&opts, "preset", "ultrafast", 0);
        av_dict_set(&opts, "crf", std::to_string(spec.crf).c_str(), 0);
        av_dict_set(&opts, "x265-params",
                    spec.implausibleMastering
                        ? "log-level=error:master-display=G(13250,34500)B(7500,3000)"
                          "R(34000,16000)WP(15635,16450)L(4294967295,1):max-cll=0,0"
                        : "log-level=error",
                    0);
    }
    if (spec.codec == "libvpx-vp9") {
        av_dict_set(&opts, "deadline", "realtime", 0);
        av_dict_set(&opts, "cpu-used", "8", 0);
        av_dict_set(&opts, "crf", std::to_string(spec.crf).c_str(), 0);
        enc->bit_rate = 0;
    }
    const int opened = avcodec_open2(enc, codec, &opts);
    av_dict_free(&opts);
    if (opened < 0) return "cannot open encoder " + spec.codec;

    w.stream = avformat_new_stream(w.out.get(), nullptr);
    avcodec_parameters_from_context(w.stream->codecpar, enc);
    w.stream->time_base = enc->time_base;
    if (spec.untaggedFieldOrder) w.stream->codecpar->field_order = AV_FIELD_UNKNOWN;
    w.stream->sample_aspect_ratio = spec.sampleAspectRatio;
    if (spec.clockwiseRotation != 0) {
        auto* matrix = reinterpret_cast<std::int32_t*>(
            av_stream_new_side_data(w.stream, AV_PKT_DATA_DISPLAYMATRIX, 9 * sizeof(std::int32_t)));
        av_display_rotation_set(matrix, double(spec.clockwiseRotation));  // clockwise
    }
    if (spec.mirrorLeftRight || spec.mirrorTopBottom) {
        auto* matrix = reinterpret_cast<std::int32_t*>(
            av_stream_get_side_data(w.stream, AV_PKT_DATA_DISPLAYMATRIX, nullptr));
        if (!matrix) {
            matrix = reinterpret_cast<std::int32_t*>(av_stream_new_side_data(
                w.stream, AV_PKT_DATA_DISPLAYMATRIX, 9 * sizeof(std::int32_t)));
            av_display_rotation_set(matrix, 0);
        }
        av_display_matrix_flip(matrix, spec.mirrorLeftRight, spec.mirrorTopBottom);
    }
    if (!spec.location.empty()) av_dict_set(&w.out->metadata, "location", spec.location.c_str(), 0);
    if (!spec.creationTime.empty()) {
        av_dict_set(&w.out->metadata, "creation_time", spec.creationTime.c_str(), 0);
    }
    if (avio_open(&w.out->pb, path.c_str(), AVIO_FLAG_WRITE) < 0) return "cannot open output";
    AVDictionary* muxOpts = nullptr;
    if (spec.faststart) av_dict_set(&muxOpts, "movflags", "+faststart", 0);
    const int header = avformat_write_header(w.out.get(), &muxOpts);
    av_dict_free(&muxOpts);
    if (header < 0) return "header failed";

    const int turns = ((spec.clockwiseRotation / 90) % 4 + 4) % 4;
    const bool sideways = turns % 2 == 1;
    const int displayW = sideways ? spec.height : spec.width;
    const int displayH = sideways ? spec.width : spec.height;
    ff::ScaleContext sws(sws_getContext(spec.width, spec.height, AV_PIX_FMT_RGBA, spec.width,
                                        spec.height, spec.pixelFormat, SWS_BICUBIC, nullptr,
                                        nullptr, nullptr));
    const int* matrix = sws_getCoefficients(SWS_CS_DEFAULT);
    const int* yuv = sws_getCoefficients(SwsMatrix(spec.colorSpace));
    sws_setColorspaceDetails(sws.get(), matrix, 1, yuv, spec.colorRange == AVCOL_RANGE_JPEG ? 1 : 0,
                             0, 1 << 16, 1 << 16);
    ff::Frame frame = ff::MakeFrame();
    frame->format = spec.pixelFormat;
    frame->width = spec.width;
    frame->height = spec.height;
    if (av_frame_get_buffer(frame.get(), 0) < 0) return "no frame buffer";

    std::int64_t pts = std::int64_t(spec.firstFrameDelay) * (spec.variableFrameRate ? 40 : 1);
    for (int i = 1; i <= spec.frames; ++i) {
        const auto shot =
            std::upper_bound(spec.cuts.begin(), spec.cuts.end(), i) - spec.cuts.begin();
        Image display = !spec.cuts.empty() ? DrawShotFrame(i, int(shot), displayW, displayH)
                        : spec.knownColors ? DrawKnownColors(displayW, displayH)
                        : spec.interlacedBars
                            ? DrawFieldBars(i, displayW, displayH)
                            : DrawIndexFrame(i, displayW, displayH, spec.noise, spec.translucent);
        // A player turns the stored frame, then mirrors it: undone in reverse.
        if (spec.mirrorTopBottom) display = MirrorLeftRight(RotateClockwise(display, 2));
        if (spec.mirrorLeftRight) display = MirrorLeftRight(display);
        Image stored = turns ? RotateClockwise(display, 4 - turns) : std::move(display);
        if (av_frame_make_writable(frame.get()) < 0) return "frame not writable";
        if (spec.greyRamp) {
            FillGreyRamp10(*frame);
        } else if (spec.columnRamps) {
            FillColumnRamps(*frame, i);
        } else {
            const std::uint8_t* src[4] = {stored.pixels(), nullptr, nullptr, nullptr};
            const int srcStride[4] = {int(stored.stride()), 0, 0, 0};
            sws_scale(sws.get(), src, srcStride, 0, spec.height, frame->data, frame->linesize);
        }
        frame->pts = pts;
        frame->interlaced_frame = interlaced ? 1 : 0;
        frame->top_field_first = interlaced ? 1 : 0;
        frame->sample_aspect_ratio = spec.sampleAspectRatio;
        const bool forcedKey =
            std::find(spec.keyFrames.begin(), spec.keyFrames.end(), i) != spec.keyFrames.end();
        frame->pict_type = forcedKey ? AV_PICTURE_TYPE_I : AV_PICTURE_TYPE_NONE;
        pts += spec.variableFrameRate ? 20 + 17 * (i % 4) : 1;
        if (avcodec_send_frame(enc, frame.get()) < 0) return "send_frame failed";
        if (auto e = w.Drain(); !e.empty()) return e;
    }
    avcodec_send_frame(enc, nullptr);
    if (auto e = w.Drain(); !e.empty()) return e;
    if (av_write_trailer(w.out.get()) < 0) return "trailer failed";
    return {};
}

int DecodeAllFrames(const std::filesystem::path& path) {
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, path.c_str(), nullptr, nullptr) < 0) return -1;
    ff::InputContext in(raw);
    if (avformat_find_stream_info(in.get(), nullptr) < 0) return -1;
    const int si = av_find_best_stream(in.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (si < 0) return 0;
    const AVCodec* codec = avcodec_find_decoder(in->streams[si]->codecpar->codec_id);
    ff::CodecContext dec = ff::MakeCodecContext(codec);
    avcodec_parameters_to_context(dec.get(), in->streams[si]->codecpar);
    if (avcodec_open2(dec.get(), codec, nullptr) < 0) return -1;
    ff::Packet pkt = ff::MakePacket();
    ff::Frame frame = ff::MakeFrame();
    int count = 0;
    auto drain = [&] {
        while (avcodec_receive_frame(dec.get(), frame.get()) == 0) {
            ++count;
            av_frame_unref(frame.get());
        }
    };
    while (av_read_frame(in.get(), pkt.get()) >= 0) {
        if (pkt->stream_index == si) {
            avcodec_send_packet(dec.get(), pkt.get());
            drain();
        }
        av_packet_unref(pkt.get());
    }
    avcodec_send_packet(dec.get(), nullptr);
    drain();
    return count;
}

}  // namespace reelsnap::testing
