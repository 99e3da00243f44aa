#include "platform/movie.h"

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <string_view>
#include <unordered_map>
#include <vector>

extern "C" {
#include <libavutil/parseutils.h>
}

#include "platform/ffmpeg_raii.h"
#include "platform/frame_converter.h"

namespace reelsnap {
namespace {

// One video packet of the stream, in decode order.
struct Sample {
    std::int64_t pts = AV_NOPTS_VALUE;
    std::int64_t dts = AV_NOPTS_VALUE;
    std::int64_t pos = -1;
    bool key = false;
};

// Demuxers that read stray files as pictures of text, not movies.
bool IsTextFormat(const AVInputFormat* format) {
    const std::string_view name = format->name;
    return name == "tty" || name == "bin" || name == "idf" || name == "xbin" || name == "adf";
}

bool IsMovFamily(const AVInputFormat* format) {
    return std::string_view(format->name).find("mov") != std::string_view::npos;
}

int FindVideoStream(AVFormatContext* ctx) {
    int best = av_find_best_stream(ctx, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    auto usable = [ctx](int i) {
        const AVStream* st = ctx->streams[i];
        return st->codecpar->codec_type == AVMEDIA_TYPE_VIDEO &&
               !(st->disposition & AV_DISPOSITION_ATTACHED_PIC);
    };
    if (best >= 0 && usable(best)) return best;
    for (unsigned i = 0; i < ctx->nb_streams; ++i) {
        if (usable(int(i))) return int(i);
    }
    return -1;
}

bool HasAudioOrVideo(const AVFormatContext* ctx) {
    for (unsigned i = 0; i < ctx->nb_streams; ++i) {
        const AVMediaType type = ctx->streams[i]->codecpar->codec_type;
        if (type == AVMEDIA_TYPE_VIDEO || type == AVMEDIA_TYPE_AUDIO) return true;
    }
    return false;
}

int IsInterrupted(void* flag) {
    return static_cast<const std::atomic<bool>*>(flag)->load() ? 1 : 0;
}

// Opens the file the same way every time, so that stream indices agree
// between the decoding context and the scanning context. Reads fail once
// `interrupted` is set.
ff::InputContext OpenInput(const std::filesystem::path& path, std::atomic<bool>& interrupted) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return {};
    AVFormatContext* raw = avformat_alloc_context();
    if (!raw) return {};
    raw->interrupt_callback = {IsInterrupted, &interrupted};
    // On failure avformat_open_input frees the context itself.
    if (avformat_open_input(&raw, path.c_str(), nullptr, nullptr) < 0) return {};
    ff::InputContext ctx(raw);
    if (IsTextFormat(ctx->iformat)) return {};
    // The MP4 and MOV headers describe every stream fully; probing them
    // would decode frames for nothing.
    if (!IsMovFamily(ctx->iformat) && avformat_find_stream_info(ctx.get(), nullptr) < 0) {
        return {};
    }
    if (!HasAudioOrVideo(ctx.get())) return {};
    return ctx;
}

std::int64_t FramePts(const AVFrame& frame) {
    return frame.pts != AV_NOPTS_VALUE ? frame.pts : frame.best_effort_timestamp;
}

constexpr int kMaxConsecutiveErrors = 64;

}  // namespace

struct Movie::State {
    std::filesystem::path path;
    std::atomic<bool> interrupted = false;
    ff::InputContext input;
    int streamIndex = -1;
    bool indexListsEverySample = false;
    DisplayGeometry geometry;

    // The sample table, built by one demuxing pass on first use.
    bool scanned = false;
    std::vector<Sample> samples;           // decode order
    std::vector<std::int64_t> times;       // the time line, ascending
    std::vector<std::int32_t> timeSample;  // times[i]'s sample, -1 where unreadable
    std::vector<std::int32_t> keySamples;  // key frame samples, ascending
    std::unordered_map<std::int64_t, std::int32_t> sampleAtPos;
    std::unordered_map<std::int64_t, std::int32_t> sampleAtPts;

    // Decoding state.
    ff::CodecContext decoder;
    bool decoderFailed = false;
    ff::Packet packet = ff::MakePacket();
    ff::Frame frame = ff::MakeFrame();
    bool holding = false;        // `frame` holds a decoded frame not yet asked for
    bool packetPending = false;  // `packet` was read but not yet decoded
    std::int64_t lastPulledPts = INT64_MIN;
    std::int32_t nextSample = 0;  // decode index of the next packet to read
    bool inputEnded = false;
    int seeks = 0;
    std::int64_t packetsRead = 0;
    FrameConverter converter;

    AVStream* stream() const { return input->streams[streamIndex]; }
    std::int64_t IndexCount() const;
    void Scan();
    bool OpenDecoder();
    std::int32_t SeekSampleFor(std::int32_t sample) const;
    bool SeekToSample(std::int32_t sample);
    void ResetDecoding();
    int ReadVideoPacket();
    void NoteReadPacket(const AVPacket& pkt);
    std::optional<Image> Convert();
};

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

void Movie::State::Scan() {
    scanned = true;
    ff::InputContext scan = OpenInput(path, interrupted);
    if (!scan || streamIndex < 0 || unsigned(streamIndex) >= scan->nb_streams) return;
    for (unsigned i = 0; i < scan->nb_streams; ++i) {
        if (int(i) != streamIndex) scan->streams[i]->discard = AVDISCARD_ALL;
    }
    std::vector<std::pair<std::int64_t, std::int32_t>> onTimeLine;
    ff::Packet pkt = ff::MakePacket();
    int errors = 0;
    while (true) {
        const int r = av_read_frame(scan.get(), pkt.get());
        if (r == AVERROR(EAGAIN)) continue;
        if (r < 0) {
            if (r == AVERROR_EOF || r == AVERROR_EXIT || ++errors > kMaxConsecutiveErrors) break;
            continue;
        }
        errors = 0;
        ff::PacketRef unref(pkt.get());
        if (pkt->stream_index != streamIndex) continue;
        Sample s;
        s.dts = pkt->dts;
        s.pts = pkt->pts != AV_NOPTS_VALUE ? pkt->pts : pkt->dts;
        s.pos = pkt->pos;
        s.key = (pkt->flags & AV_PKT_FLAG_KEY) != 0;
        const auto index = std::int32_t(samples.size());
        samples.push_back(s);
        if (s.key) keySamples.push_back(index);
        if (s.pos >= 0) sampleAtPos.emplace(s.pos, index);
        if (s.pts != AV_NOPTS_VALUE) sampleAtPts.emplace(s.pts, index);
        const bool dropped = (pkt->flags & AV_PKT_FLAG_DISCARD) != 0;
        if (!dropped && s.pts != AV_NOPTS_VALUE && s.pts >= 0)
            onTimeLine.emplace_back(s.pts, index);
    }
    std::stable_sort(onTimeLine.begin(), onTimeLine.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [pts, index] : onTimeLine) {
        if (!times.empty() && times.back() == pts) continue;
        times.push_back(pts);
        timeSample.push_back(index);
    }
    // A truncated file whose index survived: the samples the index lists but
    // the file no longer holds stay on the time line, without images.
    if (indexListsEverySample) {
        const std::int64_t listed = IndexCount();
        std::int64_t t = times.empty() ? 0 : times.back();
        while (std::int64_t(times.size()) < listed) {
            times.push_back(++t);
            timeSample.push_back(-1);
        }
    }
}

bool Movie::State::OpenDecoder() {
    if (decoder || decoderFailed) return !decoderFailed;
    decoderFailed = true;
    const AVCodecParameters* par = stream()->codecpar;
    const AVCodec* codec = avcodec_find_decoder(par->codec_id);
    if (!codec) return false;
    ff::CodecContext ctx = ff::MakeCodecContext(codec);
    if (!ctx || avcodec_parameters_to_context(ctx.get(), par) < 0) return false;
    ctx->pkt_timebase = stream()->time_base;
    ctx->thread_count = 0;
    ctx->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
    if (avcodec_open2(ctx.get(), codec, nullptr) < 0) return false;
    decoder = std::move(ctx);
    decoderFailed = false;
    return true;
}

// The key frame from which decoding reaches the sample: the last one before
// it in decode order that is not presented after it.
std::int32_t Movie::State::SeekSampleFor(std::int32_t sample) const {
    auto it = std::upper_bound(keySamples.begin(), keySamples.end(), sample);
    const std::int64_t pts = samples[std::size_t(sample)].pts;
    while (it != keySamples.begin()) {
        --it;
        if (samples[std::size_t(*it)].pts <= pts) return *it;
    }
    return 0;
}

void Movie::State::ResetDecoding() {
    avcodec_flush_buffers(decoder.get());
    holding = false;
    av_frame_unref(frame.get());
    if (packetPending) av_packet_unref(packet.get());
    packetPending = false;
    lastPulledPts = INT64_MIN;
    inputEnded = false;
}

// Positions the input so that the next packet is the sample or one before it
// in decode order. Demuxers index by presentation time (MP4 once its edit
// list is applied, Matroska) or by decode time: the presentation time is
// tried first, the decode time when that lands past the sample.
bool Movie::State::SeekToSample(std::int32_t sample) {
    ++seeks;
    const Sample& s = samples[std::size_t(sample)];
    for (const std::int64_t ts : {s.pts, s.dts}) {
        if (ts == AV_NOPTS_VALUE) continue;
        if (av_seek_frame(input.get(), streamIndex, ts, AVSEEK_FLAG_BACKWARD) < 0) continue;
        ResetDecoding();
        nextSample = -1;
        if (ReadVideoPacket() < 0) continue;
        if (nextSample > 0 && nextSample - 1 <= sample) {
            packetPending = true;  // the first packet is decoded next
            return true;
        }
        av_packet_unref(packet.get());
    }
    // Start over from the top of the file rather than give up.
    ff::InputContext reopened = OpenInput(path, interrupted);
    if (!reopened) return false;
    input = std::move(reopened);
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        if (int(i) != streamIndex) input->streams[i]->discard = AVDISCARD_ALL;
    }
    ResetDecoding();
    nextSample = 0;
    return true;
}

void Movie::State::NoteReadPacket(const AVPacket& pkt) {
    const auto matches = [&](std::int32_t i) {
        if (i < 0 || std::size_t(i) >= samples.size()) return false;
        const Sample& s = samples[std::size_t(i)];
        return pkt.pos >= 0 ? s.pos == pkt.pos : s.dts == pkt.dts;
    };
    std::int32_t index = nextSample;
    if (!matches(index)) {
        index = -1;
        if (pkt.pos >= 0) {
            if (auto it = sampleAtPos.find(pkt.pos); it != sampleAtPos.end()) index = it->second;
        } else if (pkt.pts != AV_NOPTS_VALUE) {
            if (auto it = sampleAtPts.find(pkt.pts); it != sampleAtPts.end()) index = it->second;
        }
    }
    if (index >= 0) nextSample = index + 1;
}

// 0 with a packet of the video stream, or a negative status at the end.
int Movie::State::ReadVideoPacket() {
    int errors = 0;
    while (true) {
        const int r = av_read_frame(input.get(), packet.get());
        if (r == AVERROR(EAGAIN)) continue;
        if (r < 0) {
            if (r == AVERROR_EOF || r == AVERROR_EXIT || ++errors > kMaxConsecutiveErrors) return r;
            continue;
        }
        if (packet->stream_index == streamIndex) {
            ++packetsRead;
            NoteReadPacket(*packet);
            return 0;
        }
        av_packet_unref(packet.get());
    }
}

std::optional<Image> Movie::State::Convert() {
    DisplayGeometry g = geometry;
    g.sampleAspectRatio = av_guess_sample_aspect_ratio(input.get(), stream(), frame.get());
    std::optional<Image> image = converter.ToDisplayImage(*frame, g);
    av_frame_unref(frame.get());
    holding = false;
    return image;
}

Movie::Movie(std::unique_ptr<State> state) : state_(std::move(state)) {}
Movie::~Movie() = default;

std::unique_ptr<Movie> Movie::Open(const std::filesystem::path& path) {
    auto state = std::make_unique<State>();
    ff::InputContext input = OpenInput(path, state->interrupted);
    if (!input) return nullptr;
    state->path = path;
    state->streamIndex = FindVideoStream(input.get());
    state->input = std::move(input);
    if (state->streamIndex >= 0) {
        AVStream* st = state->stream();
        for (unsigned i = 0; i < state->input->nb_streams; ++i) {
            if (int(i) != state->streamIndex) state->input->streams[i]->discard = AVDISCARD_ALL;
        }
        const auto* matrix = reinterpret_cast<const std::int32_t*>(
            av_stream_get_side_data(st, AV_PKT_DATA_DISPLAYMATRIX, nullptr));
        state->geometry.clockwiseQuarterTurns = ClockwiseQuarterTurns(matrix);
        state->indexListsEverySample = IsMovFamily(state->input->iformat) && st->nb_frames > 0 &&
                                       avformat_index_get_entries_count(st) == st->nb_frames;
    }
    return std::make_unique<Movie>(std::move(state));
}

bool Movie::hasVideo() const {
    return state_->streamIndex >= 0;
}

double Movie::timeScale() const {
    if (!hasVideo()) return 600;
    return av_q2d(av_inv_q(state_->stream()->time_base));
}

std::int64_t Movie::packetsRead() const {
    return state_->packetsRead;
}

std::int64_t Movie::PresentationDate(std::int64_t time) const {
    std::int64_t creation = 0;  // nanoseconds since 1970
    const AVDictionaryEntry* tag =
        av_dict_get(state_->input->metadata, "creation_time", nullptr, 0);
    std::int64_t microseconds = 0;
    if (tag && av_parse_time(&microseconds, tag->value, 0) == 0) {
        creation = microseconds * 1000;
    } else if (struct stat file; ::stat(state_->path.c_str(), &file) == 0) {
        creation = std::int64_t(file.st_mtim.tv_sec) * 1'000'000'000 + file.st_mtim.tv_nsec;
    }
    if (!hasVideo()) return creation;
    const AVRational base = state_->stream()->time_base;
    return creation + av_rescale_q(time, base, AVRational{1, 1'000'000'000});
}

void Movie::Interrupt() {
    state_->interrupted = true;
}

int Movie::seekCount() const {
    return state_->seeks;
}

std::int64_t Movie::NextVideoSampleTime(std::int64_t time, bool edgeOk) {
    if (!hasVideo()) return -1;
    if (!state_->scanned) state_->Scan();
    const auto& times = state_->times;
    auto it = edgeOk ? std::lower_bound(times.begin(), times.end(), time)
                     : std::upper_bound(times.begin(), times.end(), time);
    return it == times.end() ? -1 : *it;
}

std::int64_t Movie::CountTimeLineSamples() {
    if (!hasVideo()) return 0;
    if (!state_->scanned && state_->indexListsEverySample) return state_->IndexCount();
    if (!state_->scanned) state_->Scan();
    return std::int64_t(state_->times.size());
}

std::optional<Image> Movie::FrameImageAtTime(std::int64_t time) {
    State& s = *state_;
    if (!hasVideo()) return std::nullopt;
    if (!s.scanned) s.Scan();
    auto it = std::lower_bound(s.times.begin(), s.times.end(), time);
    if (it == s.times.end() || *it != time) return std::nullopt;
    const std::int32_t wanted = s.timeSample[std::size_t(it - s.times.begin())];
    if (wanted < 0 || !s.OpenDecoder()) return std::nullopt;

    if (s.holding && FramePts(*s.frame) == time) return s.Convert();
    const std::int32_t key = s.SeekSampleFor(wanted);
    const bool behind = time <= s.lastPulledPts;
    if (behind || key > s.nextSample) {
        if (!s.SeekToSample(key)) return std::nullopt;
    }
    int errors = 0;
    while (true) {
        if (!s.holding) {
            const int r = avcodec_receive_frame(s.decoder.get(), s.frame.get());
            if (r == AVERROR_EOF) return std::nullopt;
            if (r == AVERROR(EAGAIN)) {
                if (s.inputEnded) return std::nullopt;
                if (!s.packetPending && s.ReadVideoPacket() < 0) {
                    s.inputEnded = true;
                    avcodec_send_packet(s.decoder.get(), nullptr);
                    continue;
                }
                s.packetPending = false;
                ff::PacketRef unref(s.packet.get());
                // A frame presented before the wanted one that no other frame
                // refers to need not be decoded at all.
                const std::int64_t pts = s.packet->pts;
                s.decoder->skip_frame =
                    pts != AV_NOPTS_VALUE && pts < time ? AVDISCARD_NONREF : AVDISCARD_DEFAULT;
                // A packet that does not decode costs its frame, nothing more.
                avcodec_send_packet(s.decoder.get(), s.packet.get());
                continue;
            }
            if (r < 0) {
                if (++errors > kMaxConsecutiveErrors) return std::nullopt;
                continue;
            }
            errors = 0;
            s.holding = true;
            s.lastPulledPts = FramePts(*s.frame);
        }
        const std::int64_t pts = FramePts(*s.frame);
        if (pts == time) return s.Convert();
        if (pts > time) return std::nullopt;  // the wanted sample did not decode
        av_frame_unref(s.frame.get());
        s.holding = false;
    }
}

}  // namespace reelsnap
