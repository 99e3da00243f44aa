// A video stream's decoder, in the shape of FFmpeg's demux-and-decode
// example: send a packet, drain the frames it gives, flush at the end.
#pragma once

#include "platform/ffmpeg_raii.h"

namespace reelsnap {

class VideoDecoder {
  public:
    // Opens the decoder once: true while it is open, false ever after a
    // stream whose codec cannot be decoded here. With `oneFrameAtATime` the
    // decoder works on one frame at a time (threads share a frame's slices),
    // so that a frame decoded alone comes out without waiting for others.
    bool OpenOnce(const AVStream& stream, bool oneFrameAtATime = false);

    // Which frames the decoder leaves undecoded.
    enum class Skip {
        Nothing,
        Unreferenced,  // frames that no other frame refers to
        AllButKeys,    // every frame but key frames
    };
    // Sends the packet, skipping its frame as `skip` says. A packet that
    // does not decode costs its frame, nothing more: false then.
    bool Send(const AVPacket& packet, Skip skip);
    // No packet follows: the frames still held come out.
    void Flush();
    // 0 with a frame; AVERROR(EAGAIN) when it needs a packet; AVERROR_EOF
    // after a flush has given every frame; another negative status for a
    // frame that failed.
    int Receive(AVFrame& frame);
    // Forgets what it holds, for decoding from a new place.
    void Reset();

  private:
    bool Open(const AVStream& stream, bool oneFrameAtATime);

    ff::CodecContext context_;
    bool failed_ = false;
};

}  // namespace reelsnap
