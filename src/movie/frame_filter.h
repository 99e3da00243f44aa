// What a player does to some frames before it shows them, through a
// libavfilter graph: HDR (PQ and HLG) tone-mapped to SDR BT.709, and frames
// flagged interlaced deinterlaced, one picture per frame. Other frames pass
// by untouched, without a graph.
#pragma once

#include <string>

#include "platform/c_owner.h"
#include "platform/ffmpeg_raii.h"

extern "C" {
#include <libavfilter/avfilter.h>
}

namespace reelsnap {

class FrameFilter {
  public:
    // The filters a frame of this stream needs, as a filter graph
    // description; empty when it needs none. Frames bound for JPEG planes
    // (`toJpegPlanes`) keep their depth and matrix, which the planes convert;
    // `deep` frames leave the colour filters as 16-bit RGB, the others as 8-bit;
    // with `keepHdr` PQ and HLG frames leave them untone-mapped, as 16-bit
    // RGB in BT.2020 and their own transfer.
    // True when the filters' picture of a frame depends on the frames
    // around it (the deinterlacer looks at the one before and after).
    static bool LooksAtNeighbours(const std::string& filters);
    // Takes off the frame light levels that no display has (a peak at or
    // below 0 or above 10,000 cd/m2, a MaxCLL of 0), so that tone mapping
    // uses its default peak instead of a broken header's.
    static void DropImplausibleLightLevels(AVFrame& frame);

    static std::string FiltersFor(const AVFrame& frame, const AVCodecParameters& stream,
                                  bool toJpegPlanes, bool deep, bool keepHdr);

    bool active() const { return bool(graph_); }
    // Whether the graph was built for frames of this size and format: a
    // graph reads every frame as one like the first.
    bool Accepts(const AVFrame& frame) const;
    // Builds the graph for frames like `frame` with these filters; false
    // when libavfilter refuses.
    bool Configure(const AVFrame& frame, AVRational timeBase, const std::string& filters);
    // Hands a frame in, taking its reference over (the frame is left blank;
    // a frame refused is left as it was); nullptr: no frame follows.
    bool Send(AVFrame* frame);
    // 0 with a filtered frame, its time in the time base it was configured
    // with; AVERROR(EAGAIN) when it needs a frame;
    // AVERROR_EOF once every frame is out after the last was sent.
    int Receive(AVFrame& frame);
    // Forgets the graph, for decoding from a new place.
    void Reset();

  private:
    COwner<AVFilterGraph, avfilter_graph_free> graph_;
    AVFilterContext* source_ = nullptr;  // owned by the graph
    AVFilterContext* sink_ = nullptr;
    AVRational timeBase_{1, 1};
    int width_ = 0;
    int height_ = 0;
    int format_ = -1;
};

}  // namespace reelsnap
