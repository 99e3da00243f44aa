#include "cli/json_records.h"

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "cli/cli_texts.h"
#include "cli/interruption.h"

namespace reelsnap::cli {
namespace {

// The length of the valid UTF-8 sequence at the start of `s`, or 0.
std::size_t Utf8SequenceLength(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    std::uint32_t min = 0;
    std::uint32_t code = 0;
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, min = 0x80, code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, min = 0x800, code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, min = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (s.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    // Overlong forms, surrogates and code points past Unicode's are not UTF-8.
    if (code < min || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return 0;
    return length;
}

}  // namespace

std::string JsonString(std::string_view bytes) {
    std::string out = "\"";
    char escape[8];
    while (!bytes.empty()) {
        const auto c = static_cast<unsigned char>(bytes[0]);
        const std::size_t length = Utf8SequenceLength(bytes);
        if (length == 0) {
            std::snprintf(escape, sizeof escape, "\\udc%02x", c);
            out += escape;
            bytes.remove_prefix(1);
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20 || c == 0x7F) {
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out.append(bytes.substr(0, length));
        }
        bytes.remove_prefix(length);
    }
    return out + '"';
}

std::string JsonSeconds(std::int64_t ns) {
    const bool negative = ns < 0;
    const std::uint64_t magnitude = negative ? 0 - std::uint64_t(ns) : std::uint64_t(ns);
    std::string fraction = std::to_string(magnitude % 1'000'000'000 + 1'000'000'000).substr(1);
    while (fraction.size() > 1 && fraction.back() == '0') fraction.pop_back();
    return (negative ? "-" : "") + std::to_string(magnitude / 1'000'000'000) + "." + fraction;
}

JsonRecord& JsonRecord::Raw(std::string_view key, std::string_view json) {
    if (line_.size() > 1) line_ += ", ";
    line_ += JsonString(key);
    line_ += ": ";
    line_ += json;
    return *this;
}

JsonRecord& JsonRecord::Text(std::string_view key, std::string_view bytes) {
    return Raw(key, JsonString(bytes));
}

JsonRecord& JsonRecord::Number(std::string_view key, std::int64_t value) {
    return Raw(key, std::to_string(value));
}

JsonRecord& JsonRecord::Boolean(std::string_view key, bool value) {
    return Raw(key, value ? "true" : "false");
}

bool WriteLine(int fd, const std::string& line) {
    std::string_view rest = line;
    // A pipe or a file takes a line whole; only a full disk or a signal parts it.
    while (!rest.empty()) {
        const ssize_t n = ::write(fd, rest.data(), rest.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        rest.remove_prefix(std::size_t(n));
    }
    return true;
}

namespace {

const char* StatusOf(const MovieOutcome& outcome) {
    if (outcome.stopped) return "stopped";
    return outcome.problem ? "failed" : "done";
}

}  // namespace

std::string FrameRecordLine(const std::filesystem::path& movie, const FrameRecord& frame) {
    return JsonRecord()
        .Text("movie", movie.native())
        .Number("index", frame.index)
        .Raw("time", JsonSeconds(frame.timeNs))
        .Number("pts", frame.pts)
        .Text("time_base",
              std::to_string(frame.timeBaseNum) + "/" + std::to_string(frame.timeBaseDen))
        .Boolean("key_frame", frame.keyFrame)
        .Text("file", frame.file.native())
        .Boolean("kept", frame.outcome == FrameOutcome::Kept)
        .Line();
}

std::string MovieRecordLine(const std::filesystem::path& movie, const std::filesystem::path& folder,
                            const MovieOutcome& outcome) {
    const RunResult& r = outcome.result;
    const std::int64_t failedFrames = std::int64_t(r.framesNotDecoded) + r.writes.failed;
    const std::int64_t reached = std::int64_t(r.writes.written) + r.writes.kept + failedFrames;
    JsonRecord record;
    record.Text("movie", movie.native())
        .Text("status", StatusOf(outcome))
        .Number("frames", r.frameCount)
        .Number("selected", r.framesSelected)
        .Number("written", r.writes.written)
        .Number("kept", r.writes.kept)
        .Number("skipped", std::max<std::int64_t>(0, r.framesSelected - reached))
        .Number("failed_frames", failedFrames)
        .Number("decode_errors", r.decodeErrors)
        .Number("past_end", r.beyondEnd)
        .Number("decoded", r.decoderFrames);
    if (!folder.empty()) record.Text("folder", folder.native());
    if (outcome.problem && !outcome.stopped) record.Text("error", outcome.problem->text);
    return record.Line();
}

std::string CountRecordLine(const std::filesystem::path& movie, const MovieOutcome& outcome) {
    JsonRecord record;
    record.Text("movie", movie.native())
        .Text("status", StatusOf(outcome))
        .Number("frames", outcome.result.frameCount);
    if (outcome.problem && !outcome.stopped) record.Text("error", outcome.problem->text);
    return record.Line();
}

namespace {

// The errno of the first record that could not be written to standard
// output, 0 while every one was; records are written on the writers' threads
// too. A reader that went away (`--json | head -1`) ends the run as SIGTERM
// does: the frame in progress completed, no temporary file left.
std::atomic<int> recordError = 0;

}  // namespace

void WriteRecord(const std::string& line) {
    if (WriteLine(STDOUT_FILENO, line)) return;
    const int error = errno != 0 ? errno : EIO;
    int none = 0;
    recordError.compare_exchange_strong(none, error);
    if (error == EPIPE) NoteInterrupt(SIGPIPE);
}

bool RecordsComplete() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        int none = 0;
        recordError.compare_exchange_strong(none, errno != 0 ? errno : EIO);
    }
    if (recordError == 0) return true;
    Say(Text(CommandLine::tr("could not write to standard output: %1")
                 .arg(QString::fromLocal8Bit(std::strerror(recordError)))));
    return false;
}

}  // namespace reelsnap::cli
