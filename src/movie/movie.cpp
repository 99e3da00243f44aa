#include "movie/movie.h"

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>

extern "C" {
#include <libavutil/parseutils.h>
}

#include "movie/color_tags.h"
#include "movie/frame_converter.h"
#include "movie/frame_filter.h"
#include "movie/jpeg_planes.h"
#include "movie/movie_input.h"
#include "movie/sample_table.h"
#include "movie/video_decoder.h"
#include "platform/ffmpeg_raii.h"

namespace reelsnap {
namespace {

std::int64_t FramePts(const AVFrame& frame) {
    return frame.pts != AV_NOPTS_VALUE ? frame.pts : frame.best_effort_timestamp;
}

}  // namespace

// Scores frames, given in display order, against the frame before each with
// libavfilter's scdet: the change of the mean absolute difference of their
// luma, 0 to 100.
class SceneScorer {
  public:
    // The frame's score; 0 for the first frame, or the first of another size
    // or format. Nothing when the frame cannot be scored.
    std::optional<double> Score(const AVFrame& frame) {
        if (filter_.active() && !filter_.Accepts(frame)) filter_.Reset();
        if (!filter_.active() &&
            !filter_.Configure(frame, AVRational{1, 1}, "scdet=threshold=100")) {
            return std::nullopt;
        }
        if (av_frame_ref(ref_.get(), &frame) < 0) return std::nullopt;
        filter_.Send(ref_.get());
        av_frame_unref(ref_.get());
        std::optional<double> score;
        while (filter_.Receive(*ref_) >= 0) {
            const AVDictionaryEntry* e = av_dict_get(ref_->metadata, "lavfi.scd.score", nullptr, 0);
            score = e ? std::strtod(e->value, nullptr) : 0.0;
            av_frame_unref(ref_.get());
        }
        return score;
    }
    // The next frame is scored as a first one.
    void Reset() { filter_.Reset(); }

  private:
    FrameFilter filter_;
    ff::Frame ref_ = ff::MakeFrame();
};

struct Movie::State {
    std::filesystem::path path;
    std::atomic<bool> interrupted = false;
    std::optional<std::int64_t> creationTime;  // the movie's, once asked for
    bool creationTimeRecorded = false;         // from its tag, not its file's date
    bool creationTimeTagged = false;           // a tag was there, a date or not
    void ReadCreationTime();
    ff::InputContext input;
    int streamIndex = -1;
    bool indexListsEverySample = false;
    DisplayGeometry geometry;

    // Built by one demuxing pass on first use.
    bool scanned = false;
    SampleTable table;
    void ScanOnce() {
        if (!scanned) Scan();
    }
    // The time base of the time line, and its first frame's time.
    AVRational TimeLineBase() {
        ScanOnce();
        return av_mul_q(stream()->time_base, AVRational{1, table.tickDivision()});
    }
    std::int64_t StartTime() {
        ScanOnce();
        return table.times().empty() ? 0 : table.times().front();
    }

    // Where decoding stands. Packets are read and sent to the decoder; once
    // no packet follows, the decoder and then the filter give out the frames
    // they hold.
    enum class Decoding {
        Feeding,   // packets are read and sent to the decoder
        CutShort,  // the packets left are not needed now: the decoder gives out
                   // what it holds, and the next frame asked for takes a seek
        Draining,  // the input ended: the decoder gives out what it holds
        Flushing,  // the decoder is empty: the filter gives out what it holds
        Ended,     // every frame of the input is out
    };
    Decoding decoding = Decoding::Feeding;
    VideoDecoder decoder;
    FrameFilter filter;
    std::optional<std::string> filters;               // what the stream's frames need, once seen
    bool filtersDeep = false;                         // the filters give 16-bit RGB
    ImageBound imageBound;                            // a viewer's; none for a run
    bool filtersKeepHdr = false;                      // and leave HDR frames as they are
    ColorTransfer keptTransfer = ColorTransfer::Sdr;  // of the frames they give
    // The packet read and not yet sent, where `packet` holds one (a read
    // packet always holds its data by reference).
    ff::Packet packet = ff::MakePacket();
    std::int32_t pendingSample = -1;      // its decode index, -1 when not known
    ff::Frame decoded = ff::MakeFrame();  // from the decoder, on its way to `frame`
    // The next frame in display order, where it holds one: pulled, not yet
    // asked for or converted.
    ff::Frame frame = ff::MakeFrame();
    // The first sample that the next frame asked for will seek to: packets
    // from it on are decoded after that seek, not now. -1 when not known.
    std::int32_t seekAhead = -1;
    // The time-line time of the frame held, and of the last frame pulled.
    std::int64_t heldTime = INT64_MIN;
    std::int64_t lastPulledPts = INT64_MIN;
    // The presentation time of the last frame pulled, and how many pulled
    // before it had the same one: frames that share a time are told apart
    // by the order the decoder gives them out.
    std::int64_t pulledStreamPts = AV_NOPTS_VALUE;
    int pulledSharing = 0;
    // Frames presented before this time are not needed whole: the decoder
    // may skip those that no other frame refers to.
    std::int64_t neededFrom = INT64_MIN;
    std::int32_t nextSample = 0;  // decode index of the next packet to read
    std::int64_t framesOut = 0;   // frames given out since decoding started from the top
    int seeks = 0;
    std::int64_t packetsRead = 0;
    std::int64_t framesDecoded = 0;  // frames the decoder gave out
    std::int64_t decodeErrors = 0;   // packets and frames that failed to decode
    bool keyFramesOnly = false;      // frames that depend on others are not decoded
    bool frameTooLarge = false;      // the last frame converted was beyond the largest image
    // Scores every frame pulled, where scene scores are asked for.
    std::unique_ptr<SceneScorer> scorer;
    std::optional<double> heldScore;         // the score of the frame held, where scored
    ImageLayout layout = ImageLayout::Rgba;  // what the caller asks for now
    FrameConverter converter;

    AVStream* stream() const { return input->streams[streamIndex]; }
    std::int64_t IndexCount() const;
    void Scan();
    bool PacketPending() const { return packet->buf != nullptr; }
    bool HoldsFrame() const { return frame->buf[0] != nullptr; }
    bool SeekToSample(std::int32_t sample);
    bool Rewind();
    void ResetDecoding();
    int ReadVideoPacket();
    bool OnlyLaterFramesNeed(std::int64_t time) const;
    DisplayGeometry GeometryOf(AVFrame& f) const;
    bool InJpegPlanes(AVFrame& f) const;
    std::optional<Image> Convert();
    int NextFrame(std::int64_t time);
    void FeedDecoder(std::int64_t time);
    bool FlushFilter();
    bool TakeDecodedFrame();
    bool PullUpTo(std::int64_t time);
    std::optional<Image> DecodeUpTo(std::int64_t time);
    bool ReachFrame(std::int64_t time);
    std::int32_t SeekSampleAfter(std::int32_t wanted, std::optional<std::int64_t> nextTime) const;
    bool LooksAtNeighbours() const { return filters && FrameFilter::LooksAtNeighbours(*filters); }
    std::int64_t TimeBefore(std::int64_t time) const;
    std::optional<Image> FrameAt(std::int64_t time, std::optional<std::int64_t> nextTime);
};

// The time of the frame shown before the one at `time`, or `time` itself
// for the first.
std::int64_t Movie::State::TimeBefore(std::int64_t time) const {
    const auto& times = table.times();
    const auto it = std::lower_bound(times.begin(), times.end(), time);
    return it == times.begin() ? time : *std::prev(it);
}

std::int64_t Movie::State::IndexCount() const {
    const AVStream* st = stream();
    const int entries = avformat_index_get_entries_count(st);
    std::int64_t count = 0;
    for (int i = 0; i < entries; ++i) {
        const AVIndexEntry* e = avformat_index_get_entry(const_cast<AVStream*>(st), i);
        if (e && !(e->flags & AVINDEX_DISCARD_FRAME)) ++count;
    }
    return count;
}

// A scanning context of its own, so that decoding keeps its place.
void Movie::State::Scan() {
    scanned = true;
    ff::InputContext scan = OpenInput(path, interrupted);
    if (!scan || streamIndex < 0 || unsigned(streamIndex) >= scan->nb_streams) return;
    KeepOnlyStream(scan.get(), streamIndex);
    // A truncated file whose index survived: the samples the index lists but
    // the file no longer holds stay on the time line, without images.
    table.Build(scan.get(), streamIndex, indexListsEverySample ? IndexCount() : 0);
}

void Movie::State::ResetDecoding() {
    decoder.Reset();
    if (scorer) scorer->Reset();
    filter.Reset();
    av_frame_unref(decoded.get());
    av_frame_unref(frame.get());
    av_packet_unref(packet.get());
    lastPulledPts = INT64_MIN;
    heldTime = INT64_MIN;
    pulledStreamPts = AV_NOPTS_VALUE;
    pulledSharing = 0;
    decoding = Decoding::Feeding;
}

// Positions the input so that the next packet is the sample or one before it
// in decode order. Demuxers index by presentation time (MP4 once its edit
// list is applied, Matroska) or by decode time: the presentation time is
// tried first, the decode time when that lands past the sample.
bool Movie::State::SeekToSample(std::int32_t sample) {
    ++seeks;
    const Sample& s = table.sample(sample);
    for (const std::int64_t ts : {s.pts, s.dts}) {
        if (ts == AV_NOPTS_VALUE) continue;
        if (av_seek_frame(input.get(), streamIndex, ts, AVSEEK_FLAG_BACKWARD) < 0) continue;
        ResetDecoding();
        nextSample = -1;
        if (ReadVideoPacket() < 0) continue;
        // The packet read is the first sent after the seek.
        if (nextSample > 0 && nextSample - 1 <= sample) return true;
        av_packet_unref(packet.get());
    }
    // Start over from the top of the file rather than give up.
    return Rewind();
}

// Decoding starts again from the top of the file.
bool Movie::State::Rewind() {
    ff::InputContext reopened = OpenInput(path, interrupted);
    if (!reopened) return false;
    input = std::move(reopened);
    KeepOnlyStream(input.get(), streamIndex);
    ResetDecoding();
    nextSample = 0;
    framesOut = 0;
    return true;
}

// 0 with a packet of the video stream, or a negative status at the end.
int Movie::State::ReadVideoPacket() {
    const int r = ReadStreamPacket(input.get(), streamIndex, packet.get());
    if (r < 0) return r;
    ++packetsRead;
    pendingSample = table.Identify(*packet, nextSample);
    if (pendingSample >= 0) nextSample = pendingSample + 1;
    return 0;
}

// True when the packet just read, and every one after it, is needed neither
// by the frame at `time` nor, without a seek, by the next one asked for.
// Draining the decoder there gives out the frames it holds at once, rather
// than after more packets are decoded for nothing. Filters that look at the
// next frame would give a different image at the end of the input, so
// frames that need any filter are left as they are.
bool Movie::State::OnlyLaterFramesNeed(std::int64_t time) const {
    return seekAhead >= 0 && pendingSample >= 0 && pendingSample < seekAhead && filters &&
           filters->empty() && table.AllShownAfter(pendingSample, time);
}

DisplayGeometry Movie::State::GeometryOf(AVFrame& f) const {
    DisplayGeometry g = geometry;
    g.sampleAspectRatio = av_guess_sample_aspect_ratio(input.get(), stream(), &f);
    return g;
}

// True when the frame goes to the caller in YCbCr planes: they ask for them,
// the planes take the frame's format and matrix, and its image is shown as
// stored, with nothing to turn, mirror or stretch.
bool Movie::State::InJpegPlanes(AVFrame& f) const {
    if (layout != ImageLayout::Ycbcr420 || !TakesJpegPlanes(f)) return false;
    const DisplayGeometry g = GeometryOf(f);
    int width = 0, height = 0;
    DisplaySize(f.width, f.height, g.sampleAspectRatio, width, height);
    return g.clockwiseQuarterTurns == 0 && !g.mirrored && width == f.width;
}

std::optional<Image> Movie::State::Convert() {
    std::optional<Image> image;
    try {
        if (InJpegPlanes(*frame)) {
            image = JpegPlanes(*frame);
        } else {
            image = converter.ToDisplayImage(*frame, GeometryOf(*frame),
                                             filtersDeep || keptTransfer != ColorTransfer::Sdr,
                                             imageBound);
            if (image) image->setTransfer(keptTransfer);
        }
    } catch (const std::bad_alloc&) {
        // No memory for a frame this large: it has no image, as one that
        // does not decode.
    }
    if (!image) {
        int width = 0, height = 0;
        DisplaySize(frame->width, frame->height, GeometryOf(*frame).sampleAspectRatio, width,
                    height);
        frameTooLarge = !Image::IsAcceptableSize(frame->width, frame->height) ||
                        !Image::IsAcceptableSize(width, height);
    }
    av_frame_unref(frame.get());
    return image;
}

// The next frame as a player shows it, into `frame`: frames the filter
// holds come out first, then frames the decoder gives, each filtered where
// the stream needs it; the decoder is fed a packet whenever it asks for one.
// 0, or a negative status once every frame is out.
int Movie::State::NextFrame(std::int64_t time) {
    int errors = 0;
    while (true) {
        if (filter.active()) {
            const int r = filter.Receive(*frame);
            if (r >= 0) return r;
            if (r == AVERROR_EOF || decoding == Decoding::Flushing) {
                decoding = Decoding::Ended;
                return AVERROR_EOF;
            }
        }
        const int r = decoder.Receive(*decoded);
        if (r == AVERROR(EAGAIN)) {
            if (decoding != Decoding::Feeding) return AVERROR_EOF;
            FeedDecoder(time);
        } else if (r == AVERROR_EOF) {
            if (!FlushFilter()) return AVERROR_EOF;
        } else if (r < 0) {
            ++decodeErrors;
            if (++errors > kMaxConsecutiveErrors) return r;
        } else {
            errors = 0;
            ++framesDecoded;
            if (TakeDecodedFrame()) return 0;
        }
    }
}

// Sends the decoder the next packet; at the end of the input, or where the
// packets left are not needed now, tells it that none follows.
void Movie::State::FeedDecoder(std::int64_t time) {
    if (!PacketPending() && ReadVideoPacket() < 0) {
        decoding = Decoding::Draining;
        decoder.Flush();
        return;
    }
    if (OnlyLaterFramesNeed(time)) {
        decoding = Decoding::CutShort;
        decoder.Flush();
        return;
    }
    ff::PacketRef unref(packet.get());
    // A frame presented before the wanted one that no other frame refers to
    // need not be decoded at all; without presentation times every frame counts.
    const std::int64_t pts = packet->pts;
    const bool unneeded = !table.untimed() && pts != AV_NOPTS_VALUE && neededFrom != INT64_MIN &&
                          pts < table.StreamTicksOf(neededFrom);
    if (!decoder.Send(*packet, keyFramesOnly ? VideoDecoder::Skip::AllButKeys
                               : unneeded    ? VideoDecoder::Skip::Unreferenced
                                             : VideoDecoder::Skip::Nothing)) {
        ++decodeErrors;
    }
}

// The decoder is empty: the filter is told that no frame follows, so that
// it gives out the frames it holds. False when nothing is left to give.
bool Movie::State::FlushFilter() {
    if (!filter.active() || decoding == Decoding::Flushing || decoding == Decoding::CutShort) {
        if (decoding != Decoding::CutShort) decoding = Decoding::Ended;
        return false;
    }
    decoding = Decoding::Flushing;
    filter.Send(nullptr);
    return true;
}

// Takes the frame just decoded: into the filter where the stream's frames
// need one (false: the filter gives it out later), else into `frame` (true).
bool Movie::State::TakeDecodedFrame() {
    decoded->pts = FramePts(*decoded);
    FrameFilter::DropImplausibleLightLevels(*decoded);
    // Frames that change size or format midway get a graph of their own
    // (frames still in the old one are dropped).
    // So do frames asked for at another depth, or HDR kept or not, than
    // the graph gives.
    const bool deep = layout == ImageLayout::Rgba64 || layout == ImageLayout::Rgba64KeepHdr;
    const bool keepHdr = layout == ImageLayout::RgbaKeepHdr || layout == ImageLayout::Rgba64KeepHdr;
    if ((filter.active() && !filter.Accepts(*decoded)) ||
        (filters && (filtersDeep != deep || filtersKeepHdr != keepHdr))) {
        filter.Reset();
        filters.reset();
    }
    if (!filters) {
        // Frames bound for JPEG planes need no colour filter where the
        // planes take them as they are; a later change between planes and
        // RGBA keeps the graph, as both conversions take what it gives.
        filters = FrameFilter::FiltersFor(*decoded, *stream()->codecpar, InJpegPlanes(*decoded),
                                          deep, keepHdr);
        filtersDeep = deep;
        filtersKeepHdr = keepHdr;
        const AVColorTransferCharacteristic transfer = TransferOf(*decoded);
        keptTransfer = !keepHdr || !IsHdr(transfer)      ? ColorTransfer::Sdr
                       : transfer == AVCOL_TRC_SMPTE2084 ? ColorTransfer::Pq
                                                         : ColorTransfer::Hlg;
    }
    if (!filters->empty() &&
        (filter.active() || filter.Configure(*decoded, stream()->time_base, *filters))) {
        filter.Send(decoded.get());
        av_frame_unref(decoded.get());  // a frame the filter refused
        return false;
    }
    av_frame_unref(frame.get());
    av_frame_move_ref(frame.get(), decoded.get());
    return true;
}

// Where decoding for the frame at `nextTime` will seek to, once the sample
// `wanted` is decoded: the end of the file when no frame comes next, -1 when
// it will go on without a seek or that is not known.
std::int32_t Movie::State::SeekSampleAfter(std::int32_t wanted,
                                           std::optional<std::int64_t> nextTime) const {
    if (!nextTime) return -1;
    if (*nextTime == kNoFrameAfter) return INT32_MAX;
    const std::int32_t next = table.SampleShownAt(*nextTime);
    if (next < 0) return -1;
    const std::int32_t key = table.SeekSampleFor(next);
    return key > wanted ? key : -1;
}

// Takes frames until the one presented at `time`.
// Pulls frames until the one presented at `time` is held, scoring each where
// scores are asked for; false when that frame did not decode.
bool Movie::State::PullUpTo(std::int64_t time) {
    while (true) {
        if (!HoldsFrame()) {
            if (NextFrame(time) < 0) return false;
            // Without presentation times a frame's time is its place in the
            // decoder's output.
            if (table.untimed()) frame->pts = framesOut++;
            const std::int64_t pts = FramePts(*frame);
            pulledSharing = pts == pulledStreamPts ? pulledSharing + 1 : 0;
            pulledStreamPts = pts;
            heldTime = table.TimeOfFrame(pts, pulledSharing);
            lastPulledPts = heldTime;
            if (scorer) heldScore = scorer->Score(*frame);
        }
        if (heldTime == time) return true;
        if (heldTime > time) return false;  // the wanted sample did not decode
        av_frame_unref(frame.get());
    }
}

// Takes frames until the one presented at `time`, and converts it.
std::optional<Image> Movie::State::DecodeUpTo(std::int64_t time) {
    if (!PullUpTo(time)) return std::nullopt;
    return Convert();
}

Movie::Movie(std::unique_ptr<State> state) : state_(std::move(state)) {}
Movie::~Movie() = default;

std::unique_ptr<Movie> Movie::Open(const std::filesystem::path& path, MovieOpenFailure* failure) {
    auto state = std::make_unique<State>();
    ff::InputContext input = OpenInput(path, state->interrupted, failure);
    if (!input) return nullptr;
    state->path = path;
    state->streamIndex = FindVideoStream(input.get());
    state->input = std::move(input);
    if (state->streamIndex >= 0) {
        AVStream* st = state->stream();
        KeepOnlyStream(state->input.get(), state->streamIndex);
        const auto* matrix = reinterpret_cast<const std::int32_t*>(
            av_stream_get_side_data(st, AV_PKT_DATA_DISPLAYMATRIX, nullptr));
        state->geometry = DisplayMatrixGeometry(matrix);
        state->indexListsEverySample = IsMovFamily(state->input->iformat) && st->nb_frames > 0 &&
                                       avformat_index_get_entries_count(st) == st->nb_frames;
    }
    return std::make_unique<Movie>(std::move(state));
}

bool Movie::tooLarge() const {
    return state_->table.tooLarge();
}

bool Movie::hasVideo() const {
    return state_->streamIndex >= 0;
}

double Movie::timeScale() const {
    if (!hasVideo()) return 600;
    return av_q2d(av_inv_q(state_->TimeLineBase()));
}

std::int64_t Movie::packetsRead() const {
    return state_->packetsRead;
}

std::int64_t Movie::framesDecoded() const {
    return state_->framesDecoded;
}

std::int64_t Movie::decodeErrors() const {
    return state_->decodeErrors;
}

Movie::TimeBase Movie::timeBase() const {
    if (!hasVideo()) return {1, 600};
    const AVRational base = state_->TimeLineBase();
    return {base.num, base.den};
}

void Movie::SetImageBound(int maxWidth, int maxHeight) {
    state_->imageBound = {maxWidth, maxHeight};
}

void Movie::DecodeOnlyKeyFrames(bool only) {
    state_->keyFramesOnly = only;
}

std::optional<std::int64_t> CreationTimeOfTag(const char* tag) {
    std::int64_t microseconds = 0;
    // Nanoseconds since 1970 in 64 bits reach from 1677 to 2262: a date
    // outside is no date of a movie, and is not wrapped into one.
    constexpr std::int64_t kMostMicroseconds = INT64_MAX / 1000 - 86'400'000'000;
    if (av_parse_time(&microseconds, tag, 0) != 0 || std::abs(microseconds) > kMostMicroseconds) {
        return std::nullopt;
    }
    return microseconds * 1000;
}

// Read once: every dated frame of a run asks. Nanoseconds since 1970: the
// container's tag, else the file's modification time.
void Movie::State::ReadCreationTime() {
    if (creationTime) return;
    creationTime = 0;
    const AVDictionaryEntry* tag = av_dict_get(input->metadata, "creation_time", nullptr, 0);
    creationTimeTagged = tag != nullptr;
    if (const auto recorded = tag ? CreationTimeOfTag(tag->value) : std::nullopt) {
        creationTime = *recorded;
        creationTimeRecorded = true;
    } else if (struct stat file; ::stat(path.c_str(), &file) == 0) {
        creationTime = std::int64_t(file.st_mtim.tv_sec) * 1'000'000'000 + file.st_mtim.tv_nsec;
    }
}

std::int64_t Movie::PresentationDate(std::int64_t time) const {
    State& s = *state_;
    s.ReadCreationTime();
    if (!hasVideo()) return *s.creationTime;
    return *s.creationTime +
           av_rescale_q(time - s.StartTime(), s.TimeLineBase(), AVRational{1, 1'000'000'000});
}

bool Movie::RecordsCreationTime() const {
    state_->ReadCreationTime();
    return state_->creationTimeRecorded;
}

bool Movie::TagsCreationTime() const {
    state_->ReadCreationTime();
    return state_->creationTimeTagged;
}

std::string Movie::LocationTag() const {
    // MP4 and MOV files keep it as ©xyz ("location"); QuickTime's own
    // metadata keys as com.apple.quicktime.location.ISO6709.
    for (const char* key : {"location", "com.apple.quicktime.location.ISO6709"}) {
        if (const AVDictionaryEntry* tag = av_dict_get(state_->input->metadata, key, nullptr, 0)) {
            return tag->value;
        }
    }
    return {};
}

void Movie::Interrupt() {
    state_->interrupted = true;
}

bool Movie::lastFrameTooLarge() const {
    return state_->frameTooLarge;
}

int Movie::seekCount() const {
    return state_->seeks;
}

std::int64_t Movie::NextVideoSampleTime(std::int64_t time, bool edgeOk) {
    if (!hasVideo()) return -1;
    state_->ScanOnce();
    const auto& times = state_->table.times();
    auto it = edgeOk ? std::lower_bound(times.begin(), times.end(), time)
                     : std::upper_bound(times.begin(), times.end(), time);
    return it == times.end() ? -1 : *it;
}

const std::vector<std::int64_t>& Movie::SampleTimes() {
    if (hasVideo()) state_->ScanOnce();
    return state_->table.times();
}

std::int64_t Movie::EndTime() {
    if (hasVideo()) state_->ScanOnce();
    return state_->table.EndTime();
}

bool Movie::IsKeyFrame(std::int32_t index) {
    const auto& times = SampleTimes();
    return index >= 1 && std::size_t(index) <= times.size() &&
           state_->table.KeyAt(std::size_t(index) - 1);
}

std::int64_t Movie::StartTime() {
    return hasVideo() ? state_->StartTime() : 0;
}

std::int64_t Movie::NanosecondsFromStart(std::int64_t time) {
    return NanosecondsOfTicks(time - StartTime());
}

std::int64_t Movie::TimeFromStart(std::int64_t ns) {
    return StartTime() + TicksOfNanoseconds(ns);
}

std::int64_t Movie::TicksOfNanoseconds(std::int64_t ns) const {
    if (!hasVideo()) return 0;
    return av_rescale_q_rnd(ns, AVRational{1, 1'000'000'000}, state_->TimeLineBase(),
                            AV_ROUND_NEAR_INF);
}

std::int64_t Movie::NanosecondsOfTicks(std::int64_t ticks) const {
    if (!hasVideo()) return 0;
    return av_rescale_q_rnd(ticks, state_->TimeLineBase(), AVRational{1, 1'000'000'000},
                            AV_ROUND_DOWN);
}

std::int64_t Movie::CountTimeLineSamples() {
    if (!hasVideo()) return 0;
    if (!state_->scanned && state_->indexListsEverySample) return state_->IndexCount();
    state_->ScanOnce();
    return std::int64_t(state_->table.times().size());
}

std::optional<Image> Movie::FrameImageAtTime(std::int64_t time,
                                             std::optional<std::int64_t> nextTime,
                                             ImageLayout layout) {
    State& s = *state_;
    s.layout = layout;
    s.frameTooLarge = false;
    if (!hasVideo()) return std::nullopt;
    s.ScanOnce();
    const std::int32_t wanted = s.table.SampleShownAt(time);
    // Key frames are decoded each alone: frame threads would only wait for
    // frames that never come.
    if (wanted < 0 || !s.decoder.OpenOnce(*s.stream(), s.keyFramesOnly)) return std::nullopt;

    if (s.HoldsFrame() && s.heldTime == time) return s.Convert();
    if (s.table.untimed()) {
        const bool behind = time <= s.lastPulledPts;
        // No seek lands on a known place in the output: only the top does.
        if (behind) {
            ++s.seeks;
            if (!s.Rewind()) return std::nullopt;
        }
        return s.DecodeUpTo(time);
    }
    const bool knewNeighbours = s.filters.has_value();
    std::optional<Image> image = s.FrameAt(time, nextTime);
    // The first frames decoded told only now that the deinterlacer needs the
    // frame before: the picture is made again with it, as a walk from the
    // top would make it.
    if (!knewNeighbours && s.LooksAtNeighbours() && s.TimeBefore(time) != time) {
        s.lastPulledPts = INT64_MAX;
        image = s.FrameAt(time, nextTime);
    }
    return image;
}

// Decodes on to the frame at `time`, seeking first where it lies behind or
// past the next key frame.
std::optional<Image> Movie::State::FrameAt(std::int64_t time,
                                           std::optional<std::int64_t> nextTime) {
    const std::int32_t wanted = table.SampleShownAt(time);
    // A deinterlaced frame's picture depends on the frame before it: decoding
    // starts where that one can be decoded, and it is decoded whole.
    neededFrom = LooksAtNeighbours() ? TimeBefore(time) : time;
    const std::int32_t from = table.SampleShownAt(neededFrom);
    const std::int32_t key = table.SeekSampleFor(from >= 0 ? from : wanted);
    // Behind: the frame, or one it needs, was decoded past already.
    const bool behind = time <= lastPulledPts || neededFrom < lastPulledPts;
    if (behind || key > nextSample || decoding == Decoding::CutShort) {
        if (!SeekToSample(key)) return std::nullopt;
    }
    seekAhead = SeekSampleAfter(wanted, nextTime);
    return DecodeUpTo(time);
}

// Decodes on to the frame at `time` and holds it, unconverted. Nothing is cut
// short after it: every frame is wanted, each scored against the one before.
bool Movie::State::ReachFrame(std::int64_t time) {
    if (HoldsFrame() && heldTime == time) return true;
    if (table.untimed()) {
        // Going back rewinds to the top, as FrameImageAtTime does.
        if (time <= lastPulledPts && !Rewind()) return false;
        return PullUpTo(time);
    }
    const std::int32_t wanted = table.SampleShownAt(time);
    if (wanted < 0) return false;
    const std::int32_t key = table.SeekSampleFor(wanted);
    if (time <= lastPulledPts || key > nextSample || decoding == Decoding::CutShort) {
        if (!SeekToSample(key)) return false;
    }
    neededFrom = time;
    seekAhead = -1;
    return PullUpTo(time);
}

std::optional<double> Movie::SceneScoreAt(std::int64_t time) {
    State& s = *state_;
    if (!hasVideo()) return std::nullopt;
    s.ScanOnce();
    if (!s.decoder.OpenOnce(*s.stream())) return std::nullopt;
    if (!s.scorer) s.scorer = std::make_unique<SceneScorer>();
    if (!s.ReachFrame(time)) return std::nullopt;
    return s.heldScore;
}

}  // namespace reelsnap
