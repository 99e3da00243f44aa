// Owners for the FFmpeg objects that the movie layer and the test movie
// writer hold. Every FFmpeg pointer lives in one of these.
#pragma once

#include <memory>

#include "platform/c_owner.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

namespace reelsnap::ff {
using reelsnap::COwner;

inline void CloseOutput(AVFormatContext* ctx) {
    if (ctx->pb && !(ctx->oformat->flags & AVFMT_NOFILE)) avio_closep(&ctx->pb);
    avformat_free_context(ctx);
}

// Closes an input, and the I/O it reads through where that is the movie
// layer's own.
void CloseInput(AVFormatContext* ctx);

using InputContext = COwner<AVFormatContext, CloseInput>;
using OutputContext = COwner<AVFormatContext, CloseOutput>;
using CodecContext = COwner<AVCodecContext, avcodec_free_context>;
using Frame = COwner<AVFrame, av_frame_free>;
using Packet = COwner<AVPacket, av_packet_free>;
using ScaleContext = COwner<SwsContext, sws_freeContext>;

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
