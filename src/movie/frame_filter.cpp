#include "movie/frame_filter.h"

#include <string>

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/mastering_display_metadata.h>
#include <libavutil/pixdesc.h>
}

#include "movie/color_tags.h"

namespace reelsnap {
namespace {

// zscale's names for the frame's own colour properties, so that nothing is
// guessed: BT.2020 where an HDR frame leaves them out.
std::string ZscaleInput(const AVFrame& frame) {
    const char* transfer =
        TransferOf(frame) == AVCOL_TRC_ARIB_STD_B67 ? "arib-std-b67" : "smpte2084";
    const char* primaries = PrimariesOf(frame) == AVCOL_PRI_BT709 ? "709" : "2020";
    const AVColorSpace space = ColorSpaceOf(frame);
    const char* matrix = space == AVCOL_SPC_BT709       ? "709"
                         : space == AVCOL_SPC_BT2020_CL ? "2020_cl"
                                                        : "2020_ncl";
    const char* range = RangeOf(frame) == AVCOL_RANGE_JPEG ? "full" : "limited";
    return std::string("tin=") + transfer + ":pin=" + primaries + ":min=" + matrix +
           ":rin=" + range;
}

// Deeper than 8 bits, YUV, without alpha: zimg converts those to 8-bit RGB
// accurately (neutral greys stay neutral) in a third less time than
// swscale's accurate path. Alpha and 4:1:1 stay with swscale.
bool IsDeepYuvWithoutAlpha(int format) {
    const AVPixFmtDescriptor* desc = av_pix_fmt_desc_get(AVPixelFormat(format));
    return desc && desc->comp[0].depth > 8 && desc->nb_components == 3 &&
           !(desc->flags & (AV_PIX_FMT_FLAG_RGB | AV_PIX_FMT_FLAG_ALPHA | AV_PIX_FMT_FLAG_PAL |
                            AV_PIX_FMT_FLAG_BAYER)) &&
           desc->log2_chroma_w <= 1;
}

// zimg takes subsampled chroma only where the picture holds whole chroma
// samples: a 4:2:0 frame of odd height or width is refused.
bool ZimgTakesSubsampling(const AVFrame& frame) {
    const AVPixFmtDescriptor* desc = av_pix_fmt_desc_get(AVPixelFormat(frame.format));
    return desc && frame.width % (1 << desc->log2_chroma_w) == 0 &&
           frame.height % (1 << desc->log2_chroma_h) == 0;
}

// A matrix as zscale names it; an untagged one as the other frames are
// converted.
const char* ZscaleMatrix(AVColorSpace space, int height) {
    switch (space) {
        case AVCOL_SPC_BT709:
            return "709";
        case AVCOL_SPC_BT470BG:
            return "470bg";
        case AVCOL_SPC_SMPTE170M:
            return "170m";
        case AVCOL_SPC_BT2020_NCL:
            return "2020_ncl";
        case AVCOL_SPC_BT2020_CL:
            return "2020_cl";
        default:
            return ZscaleMatrix(ConventionalMatrix(height), height);
    }
}

std::string ZscaleSdrInput(const AVFrame& frame) {
    const char* range = RangeOf(frame) == AVCOL_RANGE_JPEG ? "full" : "limited";
    return std::string("min=") + ZscaleMatrix(ColorSpaceOf(frame), frame.height) + ":rin=" + range;
}

}  // namespace

void FrameFilter::DropImplausibleLightLevels(AVFrame& frame) {
    // A peak at or below 0, or above the 10,000 cd/m2 that PQ can hold, is
    // a broken header (an unsigned -1, a MaxCLL of 0 for "unknown"): the
    // tone mapper then takes its default peak, as for a frame that says none.
    constexpr double kMostNits = 10000;
    if (const AVFrameSideData* sd =
            av_frame_get_side_data(&frame, AV_FRAME_DATA_CONTENT_LIGHT_LEVEL)) {
        const auto* light = reinterpret_cast<const AVContentLightMetadata*>(sd->data);
        if (light->MaxCLL == 0 || light->MaxCLL > kMostNits) {
            av_frame_remove_side_data(&frame, AV_FRAME_DATA_CONTENT_LIGHT_LEVEL);
        }
    }
    if (const AVFrameSideData* sd =
            av_frame_get_side_data(&frame, AV_FRAME_DATA_MASTERING_DISPLAY_METADATA)) {
        const auto* mastering = reinterpret_cast<const AVMasteringDisplayMetadata*>(sd->data);
        const double peak =
            mastering->max_luminance.den != 0 ? av_q2d(mastering->max_luminance) : 0;
        if (mastering->has_luminance && !(peak > 0 && peak <= kMostNits)) {
            av_frame_remove_side_data(&frame, AV_FRAME_DATA_MASTERING_DISPLAY_METADATA);
        }
    }
}

bool FrameFilter::LooksAtNeighbours(const std::string& filters) {
    return filters.find("bwdif") != std::string::npos;
}

std::string FrameFilter::FiltersFor(const AVFrame& frame, const AVCodecParameters& stream,
                                    bool toJpegPlanes, bool deep, bool keepHdr) {
    std::string filters;
    const std::string rgb = deep ? "format=gbrp16le" : "format=gbrp";
    const AVFieldOrder order = CheckedTag(stream.field_order, AV_FIELD_BB + 1, AV_FIELD_UNKNOWN);
    const bool interlaced =
        frame.interlaced_frame || (order != AV_FIELD_UNKNOWN && order != AV_FIELD_PROGRESSIVE);
    // One picture per frame from the frames that are flagged; progressive
    // frames pass unchanged.
    if (interlaced) filters = "bwdif=mode=send_frame:parity=auto:deint=interlaced";
    // Chroma that zimg refuses reaches it whole, from swscale.
    if (IsHdr(TransferOf(frame)) && !ZimgTakesSubsampling(frame)) {
        filters += std::string(filters.empty() ? "" : ",") + "format=yuv444p16le";
    }
    if (IsHdr(TransferOf(frame)) && keepHdr) {
        // The frame's own transfer in BT.2020 primaries, as 16-bit RGB: no
        // tone mapping.
        if (!filters.empty()) filters += ",";
        const char* transfer =
            TransferOf(frame) == AVCOL_TRC_ARIB_STD_B67 ? "arib-std-b67" : "smpte2084";
        filters +=
            "zscale=" + ZscaleInput(frame) + ":t=" + transfer + ":p=2020:r=full,format=gbrp16le";
    } else if (IsHdr(TransferOf(frame))) {
        // Linear light in BT.709 primaries in one zimg pass, tone-mapped
        // (Hable), then the BT.709 transfer, straight to RGB (8 or 16 bits): no chroma
        // is subsampled again only to be upsampled for the image. (The
        // tone-mapped frames carry no colour tags, and zimg turns them into
        // wrong YCbCr; RGB comes out right.)
        if (!filters.empty()) filters += ",";
        filters += "zscale=" + ZscaleInput(frame) +
                   ":t=linear:npl=100:p=bt709,format=gbrpf32le,tonemap=hable:desat=0,"
                   "zscale=t=bt709:r=full," +
                   rgb;
    } else if (IsDeepYuvWithoutAlpha(frame.format) && !toJpegPlanes &&
               ZimgTakesSubsampling(frame)) {
        if (!filters.empty()) filters += ",";
        filters += "zscale=" + ZscaleSdrInput(frame) + ":r=full," + rgb;
    }
    return filters;
}

bool FrameFilter::Configure(const AVFrame& frame, AVRational timeBase, const std::string& filters) {
    Reset();
    COwner<AVFilterGraph, avfilter_graph_free> graph(avfilter_graph_alloc());
    if (!graph) return false;
    graph->nb_threads = 0;
    const AVRational sar =
        frame.sample_aspect_ratio.num > 0 ? frame.sample_aspect_ratio : AVRational{1, 1};
    const std::string source =
        "video_size=" + std::to_string(frame.width) + "x" + std::to_string(frame.height) +
        ":pix_fmt=" + std::to_string(frame.format) + ":time_base=" + std::to_string(timeBase.num) +
        "/" + std::to_string(timeBase.den) + ":pixel_aspect=" + std::to_string(sar.num) + "/" +
        std::to_string(sar.den);
    AVFilterContext* in = nullptr;
    AVFilterContext* out = nullptr;
    if (avfilter_graph_create_filter(&in, avfilter_get_by_name("buffer"), "in", source.c_str(),
                                     nullptr, graph.get()) < 0 ||
        avfilter_graph_create_filter(&out, avfilter_get_by_name("buffersink"), "out", nullptr,
                                     nullptr, graph.get()) < 0) {
        return false;
    }
    // The graph's open ends: "in" feeds the filters, "out" takes what they give.
    COwner<AVFilterInOut, avfilter_inout_free> outputs(avfilter_inout_alloc());
    COwner<AVFilterInOut, avfilter_inout_free> inputs(avfilter_inout_alloc());
    if (!outputs || !inputs) return false;
    outputs->name = av_strdup("in");
    outputs->filter_ctx = in;
    inputs->name = av_strdup("out");
    inputs->filter_ctx = out;
    // Parsing takes the lists and hands back what it left over.
    AVFilterInOut* inputsLeft = inputs.release();
    AVFilterInOut* outputsLeft = outputs.release();
    const int parsed =
        avfilter_graph_parse_ptr(graph.get(), filters.c_str(), &inputsLeft, &outputsLeft, nullptr);
    inputs.reset(inputsLeft);
    outputs.reset(outputsLeft);
    if (parsed < 0 || avfilter_graph_config(graph.get(), nullptr) < 0) return false;
    graph_ = std::move(graph);
    timeBase_ = timeBase;
    width_ = frame.width;
    height_ = frame.height;
    format_ = frame.format;
    source_ = in;
    sink_ = out;
    return true;
}

bool FrameFilter::Accepts(const AVFrame& frame) const {
    return frame.width == width_ && frame.height == height_ && frame.format == format_;
}

bool FrameFilter::Send(AVFrame* frame) {
    return av_buffersrc_add_frame_flags(source_, frame, 0) >= 0;
}

int FrameFilter::Receive(AVFrame& frame) {
    const int r = av_buffersink_get_frame(sink_, &frame);
    // A deinterlacer counts in fields: its times are given back in the stream's.
    if (r >= 0 && frame.pts != AV_NOPTS_VALUE) {
        frame.pts = av_rescale_q(frame.pts, av_buffersink_get_time_base(sink_), timeBase_);
    }
    return r;
}

void FrameFilter::Reset() {
    graph_.reset();
    source_ = nullptr;
    sink_ = nullptr;
}

}  // namespace reelsnap
