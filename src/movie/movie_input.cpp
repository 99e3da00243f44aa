#include "movie/movie_input.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "platform/mov_sample_bounds.h"

namespace reelsnap {
namespace {

// Demuxers that read stray files as pictures of text, not movies.
bool IsTextFormat(const AVInputFormat* format) {
    const std::string_view name = format->name;
    return name == "tty" || name == "bin" || name == "idf" || name == "xbin" || name == "adf";
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

}  // namespace

bool IsMovFamily(const AVInputFormat* format) {
    return std::string_view(format->name).find("mov") != std::string_view::npos;
}

// 0 when the path names a regular file that can be read, or the errno value
// that says why not.
int ReadableFileError(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno;
    struct stat st {};
    const int error = ::fstat(fd, &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : 0;
    ::close(fd);
    return error;
}

ff::InputContext OpenInput(const std::filesystem::path& path, std::atomic<bool>& interrupted,
                           MovieOpenFailure* failure) {
    MovieOpenFailure ignored;
    MovieOpenFailure& why = failure ? *failure : ignored;
    if ((why.systemError = ReadableFileError(path)) != 0) return {};
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return {};
    SampleCountBounds bounds = ReadSampleCountBounds(path);
    if (bounds.mostSamples > std::uint64_t(kMaxMovieSamples)) {
        why.tooLarge = true;
        return {};
    }
    AVFormatContext* raw = avformat_alloc_context();
    if (!raw) return {};
    raw->interrupt_callback = {IsInterrupted, &interrupted};
    if (auto& patches = bounds.patches; !patches.empty()) {
        raw->pb = OpenPatchedFileReader(path, std::move(patches), interrupted);
        if (!raw->pb) {
            avformat_free_context(raw);
            return {};
        }
        raw->flags |= AVFMT_FLAG_CUSTOM_IO;
    }
    AVIOContext* ownIo = raw->pb;
    // On failure avformat_open_input frees the context itself, but not our I/O.
    if (avformat_open_input(&raw, path.c_str(), nullptr, nullptr) < 0) {
        FreePatchedFileReader(ownIo);
        return {};
    }
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

void KeepOnlyStream(AVFormatContext* input, int streamIndex) {
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        if (int(i) != streamIndex) input->streams[i]->discard = AVDISCARD_ALL;
    }
}

int ReadStreamPacket(AVFormatContext* input, int streamIndex, AVPacket* packet) {
    int errors = 0;
    while (true) {
        const int r = av_read_frame(input, packet);
        if (r == AVERROR(EAGAIN)) continue;
        if (r < 0) {
            if (r == AVERROR_EOF || r == AVERROR_EXIT || ++errors > kMaxConsecutiveErrors) return r;
            continue;
        }
        errors = 0;
        if (packet->stream_index == streamIndex) return 0;
        av_packet_unref(packet);
    }
}

namespace ff {
void CloseInput(AVFormatContext* ctx) {
    AVIOContext* ownIo = (ctx->flags & AVFMT_FLAG_CUSTOM_IO) ? ctx->pb : nullptr;
    avformat_close_input(&ctx);
    FreePatchedFileReader(ownIo);
}
}  // namespace ff

}  // namespace reelsnap
