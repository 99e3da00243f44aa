#include "movie/video_decoder.h"

#include <cstdlib>

namespace reelsnap {
namespace {

// FFmpeg's own VP8 and VP9 decoders leave out the alpha layer that WebM
// carries beside the picture; libvpx's decode it.
const AVCodec* DecoderFor(const AVStream& stream) {
    const AVCodecID id = stream.codecpar->codec_id;
    const AVDictionaryEntry* alpha = av_dict_get(stream.metadata, "alpha_mode", nullptr, 0);
    if (alpha && std::atoi(alpha->value) == 1) {
        if (id == AV_CODEC_ID_VP9) {
            if (const AVCodec* vpx = avcodec_find_decoder_by_name("libvpx-vp9")) return vpx;
        }
        if (id == AV_CODEC_ID_VP8) {
            if (const AVCodec* vpx = avcodec_find_decoder_by_name("libvpx")) return vpx;
        }
    }
    return avcodec_find_decoder(id);
}

}  // namespace

bool VideoDecoder::OpenOnce(const AVStream& stream, bool oneFrameAtATime) {
    if (!context_ && !failed_) failed_ = !Open(stream, oneFrameAtATime);
    return !failed_;
}

bool VideoDecoder::Open(const AVStream& stream, bool oneFrameAtATime) {
    const AVCodec* codec = DecoderFor(stream);
    if (!codec) return false;
    ff::CodecContext ctx = ff::MakeCodecContext(codec);
    if (!ctx || avcodec_parameters_to_context(ctx.get(), stream.codecpar) < 0) return false;
    ctx->pkt_timebase = stream.time_base;
    ctx->thread_count = 0;
    ctx->thread_type = oneFrameAtATime ? FF_THREAD_SLICE : FF_THREAD_FRAME | FF_THREAD_SLICE;
    if (avcodec_open2(ctx.get(), codec, nullptr) < 0) return false;
    context_ = std::move(ctx);
    return true;
}

bool VideoDecoder::Send(const AVPacket& packet, Skip skip) {
    context_->skip_frame = skip == Skip::AllButKeys     ? AVDISCARD_NONKEY
                           : skip == Skip::Unreferenced ? AVDISCARD_NONREF
                                                        : AVDISCARD_DEFAULT;
    const int r = avcodec_send_packet(context_.get(), &packet);
    return r >= 0 || r == AVERROR(EAGAIN) || r == AVERROR_EOF;
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
