#include "platform/video_decoder.h"

namespace reelsnap {

bool VideoDecoder::Open(const AVStream& stream) {
    const AVCodec* codec = avcodec_find_decoder(stream.codecpar->codec_id);
    if (!codec) return false;
    ff::CodecContext ctx = ff::MakeCodecContext(codec);
    if (!ctx || avcodec_parameters_to_context(ctx.get(), stream.codecpar) < 0) return false;
    ctx->pkt_timebase = stream.time_base;
    ctx->thread_count = 0;
    ctx->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
    if (avcodec_open2(ctx.get(), codec, nullptr) < 0) return false;
    context_ = std::move(ctx);
    return true;
}

void VideoDecoder::Send(const AVPacket& packet, bool skipUnreferenced) {
    context_->skip_frame = skipUnreferenced ? AVDISCARD_NONREF : AVDISCARD_DEFAULT;
    avcodec_send_packet(context_.get(), &packet);
}

void VideoDecoder::Flush() {
    avcodec_send_packet(context_.get(), nullptr);
}

int VideoDecoder::Receive(AVFrame& frame) {
    return avcodec_receive_frame(context_.get(), &frame);
}

void VideoDecoder::Reset() {
    avcodec_flush_buffers(context_.get());
}

}  // namespace reelsnap
