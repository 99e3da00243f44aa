// Owners for the FFmpeg objects that the movie layer and the test movie
// writer hold. Every FFmpeg pointer lives in one of these.
#pragma once

#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

namespace reelsnap::ff {

struct InputContextDeleter {
    void operator()(AVFormatContext* ctx) const { avformat_close_input(&ctx); }
};
struct OutputContextDeleter {
    void operator()(AVFormatContext* ctx) const {
        if (ctx->pb && !(ctx->oformat->flags & AVFMT_NOFILE)) avio_closep(&ctx->pb);
        avformat_free_context(ctx);
    }
};
struct CodecContextDeleter {
    void operator()(AVCodecContext* ctx) const { avcodec_free_context(&ctx); }
};
struct FrameDeleter {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketDeleter {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct SwsContextDeleter {
    void operator()(SwsContext* ctx) const { sws_freeContext(ctx); }
};

using InputContext = std::unique_ptr<AVFormatContext, InputContextDeleter>;
using OutputContext = std::unique_ptr<AVFormatContext, OutputContextDeleter>;
using CodecContext = std::unique_ptr<AVCodecContext, CodecContextDeleter>;
using Frame = std::unique_ptr<AVFrame, FrameDeleter>;
using Packet = std::unique_ptr<AVPacket, PacketDeleter>;
using ScaleContext = std::unique_ptr<SwsContext, SwsContextDeleter>;

inline Frame MakeFrame() {
    return Frame(av_frame_alloc());
}
inline Packet MakePacket() {
    return Packet(av_packet_alloc());
}
inline CodecContext MakeCodecContext(const AVCodec* codec) {
    return CodecContext(avcodec_alloc_context3(codec));
}

// Unrefs a packet when the scope that filled it ends.
class PacketRef {
  public:
    explicit PacketRef(AVPacket* packet) : packet_(packet) {}
    ~PacketRef() { av_packet_unref(packet_); }
    PacketRef(const PacketRef&) = delete;
    PacketRef& operator=(const PacketRef&) = delete;

  private:
    AVPacket* packet_;
};

}  // namespace reelsnap::ff
