#include "cli/command_line.h"

#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <variant>

extern "C" {
#include <libavutil/log.h>
}

#include "cli/json_records.h"
#include "cli/movie_list.h"
#include "extract/frame_counting.h"
#include "extract/frame_selection.h"
#include "imaging/quality.h"
#include "movie/movie.h"
#include "platform/list_file.h"
#include "platform/path_text.h"
#include "platform/quit_signals.h"
#include "platform/translations.h"

namespace reelsnap::cli {
namespace {

using Clock = std::chrono::steady_clock;

// The command line's texts, in the "CommandLine" table.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

std::string Text(const QString& text) {
    return text.toStdString();
}

// The number of the SIGINT, SIGTERM or SIGHUP that came; the run then ends
// after the frame in progress.
volatile std::sig_atomic_t interrupted = 0;

extern "C" void NoteInterrupt(int signal) {
    interrupted = signal;
}

void Say(const std::string& line) {
    std::fprintf(stderr, "reelsnap-cli: %s\n", line.c_str());
}

// The errno of the first record that could not be written to standard
// output, 0 while every one was; records are written on the writers' threads
// too. A reader that went away (`--json | head -1`) ends the run as SIGTERM
// does: the frame in progress completed, no temporary file left.
std::atomic<int> recordError = 0;

void WriteRecord(const std::string& line) {
    if (WriteLine(STDOUT_FILENO, line)) return;
    const int error = errno != 0 ? errno : EIO;
    int none = 0;
    recordError.compare_exchange_strong(none, error);
    if (error == EPIPE) interrupted = SIGPIPE;
}

// Standard output's last lines flushed; false, with the reason kept, when
// they or any record could not be written.
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

QString Quoted(const std::filesystem::path& path) {
    return CommandLine::tr("“%1”").arg(DisplayPath(path));
}

// Why a list file given to `option` cannot be taken, where it cannot.
std::optional<std::string> ListProblem(const ListFile& list, const QString& option,
                                       const std::filesystem::path& file) {
    if (list.error != 0) {
        return Text(
            CommandLine::tr("%1: cannot read %2: %3")
                .arg(option, Quoted(file), QString::fromLocal8Bit(std::strerror(list.error))));
    }
    if (list.tooLarge) {
        return Text(CommandLine::tr("%1: %2 is larger than %3 MiB")
                        .arg(option, Quoted(file))
                        .arg(kMaxListBytes >> 20));
    }
    if (list.holdsNul && option == QStringLiteral("--from")) {
        return Text(CommandLine::tr("--from: %1 holds NUL bytes; a list of names that end with "
                                    "NUL (find -print0) takes --null")
                        .arg(Quoted(file)));
    }
    if (list.holdsNul) {
        return Text(CommandLine::tr("%1: %2 holds NUL bytes").arg(option, Quoted(file)));
    }
    return std::nullopt;
}

std::string SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error)).toStdString();
}

// A whole number within [low, high], or nothing.
std::optional<long> NumberIn(const QString& text, long low, long high) {
    bool ok = false;
    const long value = text.toLong(&ok);
    if (!ok || value < low || value > high) return std::nullopt;
    return value;
}

// "movie.mp4: 120 frames"
std::string FramesLine(const std::filesystem::path& movie, int frames) {
    return Text(CommandLine::tr("%1: %n frame(s)", nullptr, frames).arg(DisplayPath(movie)));
}

// "movie.mp4: 7 frames written, 2 kept, 3 failed": what became of the frames a run handled.
std::string WrittenLine(const std::filesystem::path& movie, const RunResult& result) {
    QStringList parts{CommandLine::tr("%n frame(s) written", nullptr, result.writes.written)};
    if (result.writes.kept > 0) parts << CommandLine::tr("%n kept", nullptr, result.writes.kept);
    if (result.writes.failed > 0) {
        parts << CommandLine::tr("%n failed", nullptr, result.writes.failed);
    }
    if (result.framesNotDecoded > 0) {
        parts << CommandLine::tr("%n not decoded", nullptr, result.framesNotDecoded);
    }
    if (result.beyondEnd > 0) {
        parts << CommandLine::tr("%n listed past the movie's end", nullptr,
                                 int(std::min<std::int64_t>(result.beyondEnd, INT32_MAX)));
    }
    return Text(CommandLine::tr("%1: %2").arg(DisplayPath(movie), parts.join(", ")));
}

struct Problem {
    std::string text;
};

// What became of one movie.
struct MovieOutcome {
    std::optional<Problem> problem;  // why it failed
    RunResult result;                // what its run did, where it ran
    bool stopped = false;            // a signal ended it
};

// The record of a frame that was written or kept.
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

// The record of a movie's end. Its numbers add up: the selected frames are
// written, kept, failed or skipped (not reached: after a stop or a failed write).
std::string MovieRecordLine(const std::filesystem::path& movie, const std::filesystem::path& folder,
                            const MovieOutcome& outcome) {
    const RunResult& r = outcome.result;
    const std::int64_t failedFrames = std::int64_t(r.framesNotDecoded) + r.writes.failed;
    const std::int64_t reached = std::int64_t(r.writes.written) + r.writes.kept + failedFrames;
    JsonRecord record;
    record.Text("movie", movie.native())
        .Text("status", outcome.stopped   ? "stopped"
                        : outcome.problem ? "failed"
                                          : "done")
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

// The record of a movie counted.
std::string CountRecordLine(const std::filesystem::path& movie, const MovieOutcome& outcome) {
    JsonRecord record;
    record.Text("movie", movie.native())
        .Text("status", outcome.stopped   ? "stopped"
                        : outcome.problem ? "failed"
                                          : "done")
        .Number("frames", outcome.result.frameCount);
    if (outcome.problem && !outcome.stopped) record.Text("error", outcome.problem->text);
    return record.Line();
}

// The settings of a run, from the options, for one movie's folder.
class OptionSettings : public RunSettings {
  public:
    OptionSettings(const Options& options, std::filesystem::path destination)
        : options_(options), destination_(std::move(destination)) {}

    std::optional<std::filesystem::path> ChooseDestinationFolder() override {
        std::error_code ec;
        // The folders this run makes, so that a movie that fails leaves none behind.
        for (std::filesystem::path p = destination_; !p.empty() && !std::filesystem::exists(p, ec);
             p = p.parent_path()) {
            made_.push_back(p);
            if (p == p.parent_path()) break;
        }
        std::filesystem::create_directories(destination_, ec);
        if (!IsFolder(destination_)) {
            folderError_ = ec ? ec.value() : ENOTDIR;
            made_.clear();
            return std::nullopt;
        }
        return destination_;
    }
    void ReadSelection(FrameSelection& selection) override {
        const std::int32_t last = selection.last;
        selection = options_.selection;
        selection.first = options_.first.value_or(1);
        selection.last = options_.last.value_or(last);
    }
    FrameSettings CurrentFrameSettings() override {
        FrameSettings frame;
        frame.write = {options_.scalePercent, options_.type, options_.compressionFactor,
                       options_.keepDeepFrames, options_.keepHdr};
        frame.naming = options_.naming;
        frame.existing = options_.overwrite ? ExistingFiles::Replace : ExistingFiles::Skip;
        frame.preserveDates = options_.preserveDates;
        frame.writeMetadata = options_.writeMetadata;
        return frame;
    }

    // Why the destination folder could not be made.
    int folderError() const { return folderError_; }
    // Removes the folders this run made, where they stayed empty.
    void RemoveEmptyFoldersMade() {
        std::error_code ec;
        for (const std::filesystem::path& folder : made_) {
            if (!std::filesystem::is_empty(folder, ec) || !std::filesystem::remove(folder, ec)) {
                return;
            }
        }
    }

  private:
    const Options& options_;
    std::filesystem::path destination_;
    std::vector<std::filesystem::path> made_;  // deepest first
    int folderError_ = 0;
};

// Progress on standard error: a line that rewrites itself on a terminal,
// cleared when the movie is done; nothing when quiet or not a terminal.
class ProgressReport : public RunObserver {
  public:
    ProgressReport(ExtractionRun& run, const Options& options, std::filesystem::path movie)
        : run_(run),
          shown_(!options.quiet && ::isatty(STDERR_FILENO) == 1),
          json_(options.json),
          movie_(std::move(movie)) {}

    void RunBusy() override {}
    void StatusMessage(const char*) override {}
    void ProgressShown() override { start_ = Clock::now(); }
    void FrameHandled(std::int32_t done, std::int32_t expected) override {
        if (!shown_) return;
        const double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
        const double rate = seconds > 0 ? done / seconds : 0;
        const double left = rate > 0 ? std::max(0, expected - done) / rate : 0;
        const QString line = CommandLine::tr("%1: frame %2 of %3, %4 frames/s, %5 s left")
                                 .arg(DisplayPath(movie_.filename()))
                                 .arg(done)
                                 .arg(expected)
                                 .arg(rate, 0, 'f', 1)
                                 .arg(left, 0, 'f', 0);
        std::fprintf(stderr, "\r%s\033[K", line.toUtf8().constData());
        lineShown_ = true;
    }
    void ProgressHidden() override {
        if (lineShown_) std::fputs("\r\033[K", stderr);
        lineShown_ = false;
    }
    // On a writer's thread for frames written: nothing here but a record.
    void FrameFinished(const FrameRecord& frame) override {
        if (frame.outcome == FrameOutcome::NotDecoded) {
            if (lineShown_) std::fputs("\r\033[K", stderr);
            const QString movie = DisplayPath(movie_);
            Say(Text(frame.tooLarge ? CommandLine::tr("%1: frame %2 is larger than %3 pixels a "
                                                      "side, the most Reelsnap takes")
                                          .arg(movie)
                                          .arg(frame.index)
                                          .arg(Image::kMaxSide)
                                    : CommandLine::tr("%1: frame %2 could not be decoded")
                                          .arg(movie)
                                          .arg(frame.index)));
        } else if (json_ && frame.outcome != FrameOutcome::Failed) {
            WriteRecord(FrameRecordLine(movie_, frame));
        }
    }
    void RunFinished(const RunResult&) override {}
    void Yield() override {
        if (interrupted) run_.RequestQuit();
    }

  private:
    ExtractionRun& run_;
    bool shown_;
    bool json_;
    bool lineShown_ = false;
    std::filesystem::path movie_;
    Clock::time_point start_;
};

Problem TooLarge() {
    return {Text(CommandLine::tr("too large: more than %1 frames").arg(kMaxMovieSamples))};
}

// Why a movie did not open.
Problem NotOpened(const MovieOpenFailure& failure) {
    if (failure.systemError == EISDIR) return {Text(CommandLine::tr("is a folder"))};
    if (failure.systemError != 0) return {SystemReason(failure.systemError)};
    if (failure.tooLarge) return TooLarge();
    return {Text(CommandLine::tr("not a movie, or cannot be read"))};
}

Problem NoVideo() {
    return {Text(CommandLine::tr("no video stream"))};
}

MovieOutcome FailedWith(Problem problem) {
    MovieOutcome outcome;
    outcome.problem = std::move(problem);
    return outcome;
}

MovieOutcome CountMovie(const Options& options, const std::filesystem::path& movie) {
    MovieOutcome outcome;
    MovieOpenFailure failure;
    auto opened = Movie::Open(movie, &failure);
    if (!opened) return FailedWith(NotOpened(failure));
    if (!opened->hasVideo()) return FailedWith(NoVideo());
    // A movie without an index is read whole: an interrupt breaks that off.
    const std::int32_t frames = CountVideoFramesResponsively(
        *opened, [] {}, [] { return interrupted != 0; });
    if (interrupted) {
        outcome.problem = Problem{Text(CommandLine::tr("interrupted"))};
        outcome.stopped = true;
        return outcome;
    }
    if (opened->tooLarge()) return FailedWith(TooLarge());
    outcome.result.frameCount = frames;
    if (!options.json) std::printf("%s\n", FramesLine(movie, frames).c_str());
    return outcome;
}

// What a run that walked the movie says of its end: a warning or nothing on
// standard error, the problem that fails the movie, if any.
std::optional<Problem> WalkedRunProblem(const RunResult& result, bool quitRequested) {
    if (result.failure) {
        return Problem{
            Text(CommandLine::tr("could not write %1: %2")
                     .arg(Quoted(result.failure->path), WriteFailureReason(*result.failure)))};
    }
    if (result.noFrameDecoded) return Problem{Text(CommandLine::tr("no frame could be decoded"))};
    if (quitRequested) return Problem{Text(CommandLine::tr("interrupted"))};
    if (result.framesNotDecoded > 0) {
        return Problem{Text(CommandLine::tr("%n selected frame(s) could not be decoded", nullptr,
                                            result.framesNotDecoded))};
    }
    return std::nullopt;
}

MovieOutcome ExtractMovie(const Options& options, const std::filesystem::path& movie,
                          const std::filesystem::path& destination, FrameWriterPool& writers) {
    ExtractionRun run(writers);
    OptionSettings settings(options, destination);
    ProgressReport report(run, options, movie);
    MovieOutcome outcome;
    outcome.result = run.Run({TextOfPath(movie)}, settings, report);
    const RunResult& result = outcome.result;
    std::optional<Problem>& problem = outcome.problem;
    switch (result.end) {
        case RunEnd::NoDocument:
        case RunEnd::Folder:
            problem = Problem{Text(CommandLine::tr("is a folder"))};
            return outcome;
        case RunEnd::NoDestination:
            problem = Problem{
                Text(CommandLine::tr("cannot make the folder %1: %2")
                         .arg(Quoted(destination),
                              QString::fromStdString(SystemReason(settings.folderError()))))};
            return outcome;
        case RunEnd::NotAMovie:
            problem = NotOpened({result.systemError, false});
            break;
        case RunEnd::NoVideo:
            problem = NoVideo();
            break;
        case RunEnd::TooLarge:
            problem = TooLarge();
            break;
        case RunEnd::Walked:
            outcome.stopped = run.quitRequested();
            problem = WalkedRunProblem(result, run.quitRequested());
            if (!options.quiet) {
                if (result.selection.first > result.frameCount) {
                    Say(Text(CommandLine::tr("%1: nothing selected: frames from %2 on were asked "
                                             "for, and the movie has %n frame(s)",
                                             nullptr, result.frameCount)
                                 .arg(DisplayPath(movie))
                                 .arg(result.selection.first)));
                }
                std::fprintf(stderr, "%s\n", WrittenLine(movie, result).c_str());
                if (result.writes.kept > 0) {
                    Say(Text(CommandLine::tr("kept %n existing file(s); --overwrite replaces them",
                                             nullptr, result.writes.kept)));
                }
            }
            break;
    }
    if (problem && result.writes.written == 0) settings.RemoveEmptyFoldersMade();
    return outcome;
}

// Each movie's own folder under the output: named after the movie, and
// "clip (2)", "clip (3)" ... for later movies of the same name, in the
// order given.
std::vector<std::filesystem::path> MovieFolders(const std::vector<std::filesystem::path>& movies) {
    std::vector<std::filesystem::path> folders;
    std::set<std::string> taken;
    // The next number to try for each stem: a list of a million clip.mp4
    // files numbers them in one pass, not in a square of them.
    std::map<std::string, int> nextNumber;
    for (const std::filesystem::path& movie : movies) {
        const std::string stem = movie.stem().native();
        std::string name = stem.empty() ? std::string("movie") : stem;
        if (taken.contains(name)) {
            int& n = nextNumber.try_emplace(stem, 2).first->second;
            do {
                name = stem + " (" + std::to_string(n++) + ")";
            } while (taken.contains(name));
        }
        taken.insert(name);
        folders.emplace_back(name);
    }
    return folders;
}

}  // namespace

Parsed ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(CommandLine::tr(
        "Writes a movie's frames as image files, one per selected frame, named frame_7.jpg\n"
        "and so on. Frame i is the movie's i-th frame in display order, counted from 1;\n"
        "the selected frames are the multiples of the step from the first to the last,\n"
        "or those that --every-seconds, --key-frames, --spread, --frames, --times or\n"
        "--scenes choose. An existing file is never replaced without --overwrite.\n\n"
        "Exit status: 0 when every selected frame of every movie was written or was there\n"
        "already; 1 when any movie failed or any selected frame could not be decoded or\n"
        "written (the others are still done); 2 for a usage error; 128 and the signal's\n"
        "number after SIGINT, SIGTERM or SIGHUP (130, 143, 129)."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({"h", "help"}, CommandLine::tr("Show this help and exit."));
    const QCommandLineOption version("version", CommandLine::tr("Show the version and exit."));
    const QCommandLineOption output(
        {"o", "output"},
        CommandLine::tr("Write into DIR (default: the current folder); with several "
                        "movies, --from or --shard, each into a folder named after the movie, "
                        "and \"clip (2)\", \"clip (3)\" ... for later movies of the same name."),
        "DIR");
    const QCommandLineOption from(
        "from",
        CommandLine::tr("Take the movies listed in FILE, one a line (- for standard input), "
                        "after those given."),
        "FILE");
    const QCommandLineOption null(
        "null", CommandLine::tr("With --from: the list's names end with NUL, as find -print0 "
                                "writes them."));
    const QCommandLineOption shard(
        "shard",
        CommandLine::tr("Take only the K-th of N interleaved shares of the movies (K, K+N, "
                        "K+2N ...), 1 <= K <= N. In a Slurm job array (--array=1-N): --shard "
                        "$SLURM_ARRAY_TASK_ID/$SLURM_ARRAY_TASK_COUNT; with task ids from 0: "
                        "--shard $((SLURM_ARRAY_TASK_ID + 1))/$SLURM_ARRAY_TASK_COUNT."),
        "K/N");
    const QCommandLineOption tree(
        "tree",
        CommandLine::tr("Write each movie's frames into DIR/ and its path below BASE without "
                        "its extension (a/clip.mp4: DIR/a/clip/), however the movies are "
                        "split; a movie outside BASE fails."),
        "BASE");
    const QCommandLineOption json(
        "json", CommandLine::tr("Write records on standard output, one JSON object a line: one per "
                                "frame written or kept, one at each movie's end."));
    const QCommandLineOption first("first", CommandLine::tr("First frame index (default 1)."), "N");
    const QCommandLineOption last(
        "last", CommandLine::tr("Last frame index (default: the movie's last)."), "N");
    const QCommandLineOption step("step",
                                  CommandLine::tr("Take every Nth frame index (default 1)."), "N");
    const QCommandLineOption everySeconds(
        "every-seconds",
        CommandLine::tr("Take the frame shown every S seconds from the first frame's time; S "
                        "is a decimal or [[H:]M:]S[.fff]."),
        "S");
    const QCommandLineOption keyFrames("key-frames", CommandLine::tr("Take every key frame."));
    const QCommandLineOption spread(
        "spread", CommandLine::tr("Take N frames spread evenly from the first to the last."), "N");
    const QCommandLineOption frames(
        "frames",
        CommandLine::tr("Take the listed frames: indices and ranges (1,50,100-120), or @FILE "
                        "with one item a line."),
        "LIST");
    const QCommandLineOption times(
        "times",
        CommandLine::tr("Take the frames shown at the listed times (12.5,1:02:03.250), or "
                        "@FILE with one time a line."),
        "LIST");
    const QCommandLineOption scenes(
        "scenes", CommandLine::tr("Take the first frame and the first frame of each scene."));
    const QCommandLineOption sceneThreshold(
        "scene-threshold",
        CommandLine::tr("With --scenes: the least scene score of a cut, 0 to 100 (default 10)."),
        "T");
    const QCommandLineOption scale(
        "scale", CommandLine::tr("Image size in percent, 1 to 100 (default 100)."), "P");
    const QCommandLineOption type(
        "type",
        CommandLine::tr(
            "tiff (or tif), bmp, gif, jpeg (default, or jpg), png, jp2, webp, avif or jxl."),
        "TYPE");
    const QCommandLineOption quality(
        "quality",
        CommandLine::tr("For jpeg, jp2, webp, avif and jxl: low, medium (default) or high as in "
                        "the window, or a number from 1 to 100 (high and 100: jp2, webp and jxl "
                        "lossless)."),
        "QUALITY");
    const QCommandLineOption depth(
        "depth",
        CommandLine::tr("Bits a channel for png and tiff: 8 (default) or 16, which keeps the "
                        "levels of 10-bit and deeper movies (8-bit movies stay 8-bit)."),
        "BITS");
    const QCommandLineOption hdr(
        "hdr",
        CommandLine::tr("HDR movies: tonemap (default) to SDR, or keep their PQ or HLG frames "
                        "as HDR in png (at 16 bits, with a cICP chunk), avif and jxl, tagged "
                        "BT.2020; other types are always tone-mapped."),
        "MODE");
    const QCommandLineOption pad("pad", CommandLine::tr("Pad indices with zeros to eight digits."));
    const QCommandLineOption name(
        "name",
        CommandLine::tr("Name files by TEMPLATE, the type's extension after it: {index} (as "
                        "--pad says), {index:W} (W digits), {time} (HH-MM-SS.mmm), {ms}, {pts}, "
                        "{movie}, {count}, {n} (the frame's place among those taken)."),
        "TEMPLATE");
    const QCommandLineOption appendCount(
        "append-count", CommandLine::tr("Append the movie's frame count: frame_7 of 120.jpg."));
    const QCommandLineOption preserveDates(
        "preserve-dates",
        CommandLine::tr(
            "Date each file at the movie's creation time plus the frame's presentation time."));
    const QCommandLineOption metadata(
        "metadata",
        CommandLine::tr("Write the frame's time and source into each file (jpeg, png, tiff, "
                        "webp, jp2, avif, jxl): the movie's creation time plus the frame's time "
                        "as EXIF DateTimeOriginal, the movie's name, the frame's index and time "
                        "as XMP, and the place the movie was recorded, which is copied as EXIF "
                        "GPS where the movie has one."));
    const QCommandLineOption overwrite(
        "overwrite", CommandLine::tr("Replace existing files of the same names."));
    const QCommandLineOption count(
        "count", CommandLine::tr("Print each movie's frame count; write nothing."));
    const QCommandLineOption jobs(
        "jobs", CommandLine::tr("Encode with N workers (default: one a core, at most 8)."), "N");
    const QCommandLineOption quiet({"q", "quiet"}, CommandLine::tr("Say nothing but errors."));
    parser.addOptions(
        {help,   version,        output,        from,         null,      shard,  tree,   json,
         first,  last,           step,          everySeconds, keyFrames, spread, frames, times,
         scenes, sceneThreshold, scale,         type,         quality,   depth,  hdr,    pad,
         name,   appendCount,    preserveDates, metadata,     overwrite, count,  jobs,   quiet});
    parser.addPositionalArgument("MOVIE", CommandLine::tr("The movies to take frames from."),
                                 "MOVIE...");

    const auto usage = [](const std::string& why) {
        Say(why);
        Say(Text(CommandLine::tr("try --help")));
        return Parsed{std::nullopt, kUsageError};
    };
    if (!parser.parse(arguments)) return usage(parser.errorText().toStdString());
    if (parser.isSet(help)) {
        std::fputs(parser.helpText().toUtf8().constData(), stdout);
        return {std::nullopt, kAllDone};
    }
    if (parser.isSet(version)) {
        std::printf("reelsnap-cli %s\n", REELSNAP_VERSION);
        return {std::nullopt, kAllDone};
    }

    Options o;
    for (const QString& movie : parser.positionalArguments()) o.movies.push_back(PathOfText(movie));
    if (parser.isSet(from)) {
        const std::filesystem::path file = PathOfText(parser.value(from));
        const ListFile listed = ReadListFile(file, parser.isSet(null));
        if (auto problem = ListProblem(listed, QStringLiteral("--from"), file)) {
            return usage(*problem);
        }
        o.movies.insert(o.movies.end(), listed.items.begin(), listed.items.end());
    } else if (parser.isSet(null)) {
        return usage(Text(CommandLine::tr("--null goes with --from")));
    } else if (o.movies.empty()) {
        // An empty list or share is no error: an array may have more tasks than movies.
        return usage(Text(CommandLine::tr("no movie given")));
    }
    if (parser.isSet(shard)) {
        const auto share = ParseShard(parser.value(shard).toStdString());
        if (!share) return usage(Text(CommandLine::tr("--shard takes K/N with 1 <= K <= N")));
        o.movies = ShareOf(o.movies, *share);
    }
    o.folderPerMovie = o.movies.size() > 1 || parser.isSet(from) || parser.isSet(shard);
    if (parser.isSet(tree)) {
        if (parser.value(tree).isEmpty())
            return usage(Text(CommandLine::tr("--tree takes a folder")));
        o.tree = PathOfText(parser.value(tree));
    }
    o.json = parser.isSet(json);
    if (parser.isSet(output)) {
        if (parser.value(output).isEmpty())
            return usage(Text(CommandLine::tr("--output takes a folder")));
        o.output = PathOfText(parser.value(output));
    }
    const auto number = [&](const QCommandLineOption& option, long low, long high) {
        return NumberIn(parser.value(option), low, high);
    };
    if (parser.isSet(first)) {
        const auto n = number(first, 1, INT32_MAX);
        if (!n)
            return usage(
                Text(CommandLine::tr("--first takes a frame index from 1 to %1").arg(INT32_MAX)));
        o.first = std::int32_t(*n);
    }
    if (parser.isSet(last)) {
        const auto n = number(last, 1, INT32_MAX);
        if (!n)
            return usage(
                Text(CommandLine::tr("--last takes a frame index from 1 to %1").arg(INT32_MAX)));
        o.last = std::int32_t(*n);
    }
    if (o.first && o.last && *o.first > *o.last) {
        return usage(Text(CommandLine::tr("--first %1 is after --last %2: no frame is selected")
                              .arg(*o.first)
                              .arg(*o.last)));
    }
    // One selection mode a run.
    const QCommandLineOption* mode = nullptr;
    for (const QCommandLineOption* option :
         {&step, &everySeconds, &keyFrames, &spread, &frames, &times, &scenes}) {
        if (!parser.isSet(*option)) continue;
        if (mode) {
            return usage(Text(CommandLine::tr("--%1 and --%2 choose frames two ways: give one")
                                  .arg(mode->names().first(), option->names().first())));
        }
        mode = option;
    }
    FrameSelection& selection = o.selection;
    if (parser.isSet(step)) {
        const auto n = number(step, 1, INT16_MAX);
        if (!n) return usage(Text(CommandLine::tr("--step takes a number from 1 to 32767")));
        selection.step = std::int16_t(*n);
    } else if (parser.isSet(everySeconds)) {
        const auto ns = ParseTime(parser.value(everySeconds).toStdString());
        if (!ns || *ns <= 0) {
            return usage(Text(CommandLine::tr(
                "--every-seconds takes a time above 0: a decimal or [[H:]M:]S[.fff]")));
        }
        selection.mode = SelectionMode::Seconds;
        selection.intervalNs = *ns;
    } else if (parser.isSet(keyFrames)) {
        selection.mode = SelectionMode::KeyFrames;
    } else if (parser.isSet(spread)) {
        const auto n = number(spread, 1, INT32_MAX);
        if (!n)
            return usage(Text(
                CommandLine::tr("--spread takes a number of frames from 1 to %1").arg(INT32_MAX)));
        selection.mode = SelectionMode::Spread;
        selection.spread = std::int32_t(*n);
    } else if (parser.isSet(frames) || parser.isSet(times)) {
        const bool ofTimes = parser.isSet(times);
        const QString option = ofTimes ? QStringLiteral("--times") : QStringLiteral("--frames");
        std::string list = parser.value(ofTimes ? times : frames).toStdString();
        if (list.starts_with('@')) {
            const std::filesystem::path file =
                PathOfText(parser.value(ofTimes ? times : frames).mid(1));
            const ListFile listed = ReadListFile(file, false);
            if (auto problem = ListProblem(listed, option, file)) return usage(*problem);
            list.clear();
            for (const std::string& item : listed.items) {
                if (!list.empty()) list += ',';
                list += item;
            }
        }
        std::string bad;
        if (ofTimes) {
            auto parsed = ParseTimeList(list, bad);
            if (parsed) selection.timesNs = std::move(*parsed);
            selection.mode = SelectionMode::Times;
            if (!parsed) {
                return usage(Text(CommandLine::tr("--times: “%1” is not a time")
                                      .arg(QString::fromStdString(bad))));
            }
        } else {
            auto parsed = ParseIndexList(list, bad);
            if (parsed) selection.ranges = std::move(*parsed);
            selection.mode = SelectionMode::Frames;
            if (!parsed) {
                return usage(Text(CommandLine::tr("--frames: “%1” is not a frame index or range")
                                      .arg(QString::fromStdString(bad))));
            }
        }
    } else if (parser.isSet(scenes)) {
        selection.mode = SelectionMode::Scenes;
    }
    if (parser.isSet(sceneThreshold)) {
        bool ok = false;
        const double t = parser.value(sceneThreshold).toDouble(&ok);
        if (!ok || !(t >= 0 && t <= 100) || !parser.isSet(scenes)) {
            return usage(Text(
                CommandLine::tr("--scene-threshold takes a number from 0 to 100, with --scenes")));
        }
        selection.sceneThreshold = t;
    }
    if (parser.isSet(scale)) {
        const auto n = number(scale, 1, 100);
        if (!n) return usage(Text(CommandLine::tr("--scale takes a percentage from 1 to 100")));
        o.scalePercent = std::int16_t(*n);
    }
    if (parser.isSet(type)) {
        const std::optional<ImageFileType> named =
            ImageFileTypeNamed(parser.value(type).toStdString());
        if (!named)
            return usage(Text(
                CommandLine::tr("--type takes tiff, bmp, gif, jpeg, png, jp2, webp, avif or jxl")));
        o.type = *named;
    }
    if (parser.isSet(quality)) {
        const auto factor = CompressionFactorNamed(parser.value(quality).toLower().toStdString());
        if (!factor) {
            return usage(Text(
                CommandLine::tr("--quality takes low, medium, high or a number from 1 to 100")));
        }
        o.compressionFactor = *factor;
    }
    if (parser.isSet(depth)) {
        if (parser.value(depth) != "8" && parser.value(depth) != "16") {
            return usage(Text(CommandLine::tr("--depth takes 8 or 16")));
        }
        o.keepDeepFrames = parser.value(depth) == "16";
    }
    if (parser.isSet(hdr)) {
        if (parser.value(hdr) != "tonemap" && parser.value(hdr) != "keep") {
            return usage(Text(CommandLine::tr("--hdr takes tonemap or keep")));
        }
        o.keepHdr = parser.value(hdr) == "keep";
    }
    // Asked of a type that cannot hold it: said once, and the run goes on.
    const QString typeName = QString::fromLatin1(ImageTypeExtension(o.type));
    if (o.keepDeepFrames && !TypeKeepsDeepFrames(o.type)) {
        Say(Text(CommandLine::tr("--depth 16: %1 files hold 8 bits a channel; written at 8")
                     .arg(typeName)));
    }
    if (o.keepHdr && !TypeKeepsHdr(o.type)) {
        Say(Text(
            CommandLine::tr("--hdr keep: %1 files cannot hold HDR; tone-mapped").arg(typeName)));
    }
    if (parser.isSet(jobs)) {
        const auto n = number(jobs, 1, 64);
        if (!n) return usage(Text(CommandLine::tr("--jobs takes a number from 1 to 64")));
        o.jobs = unsigned(*n);
    }
    o.naming.appendFrameCount = parser.isSet(appendCount);
    o.naming.padIndicesWithZeros = parser.isSet(pad);
    if (parser.isSet(name)) {
        if (parser.isSet(appendCount)) {
            return usage(Text(CommandLine::tr(
                "--append-count does not go with --name: put {count} in the name")));
        }
        o.naming.nameTemplate = parser.value(name).toStdString();
        if (const auto problem = NameTemplateProblem(o.naming.nameTemplate)) {
            return usage(Text(CommandLine::tr("--name: %1")
                                  .arg(LocalizedString(QString::fromStdString(*problem)))));
        }
    }
    o.preserveDates = parser.isSet(preserveDates);
    o.writeMetadata = parser.isSet(metadata);
    o.overwrite = parser.isSet(overwrite);
    o.countOnly = parser.isSet(count);
    o.quiet = parser.isSet(quiet);
    return {std::move(o), kAllDone};
}

namespace {

// Where the movie's frames go: its folder below the output as --tree says,
// its own folder where there are several, else the output itself.
class Destinations {
  public:
    explicit Destinations(const Options& options)
        : options_(options), folders_(MovieFolders(options.movies)) {}

    std::variant<std::filesystem::path, Problem> Of(std::size_t i) {
        const std::filesystem::path& movie = options_.movies[i];
        if (!options_.tree) {
            return options_.folderPerMovie ? options_.output / folders_[i] : options_.output;
        }
        const std::optional<std::filesystem::path> folder = TreeFolder(movie, *options_.tree);
        if (!folder) {
            return Problem{
                Text(CommandLine::tr("is not inside %1 (--tree)").arg(Quoted(*options_.tree)))};
        }
        // Two movies of one name that differ in their extension alone would
        // mix their frames.
        const auto [taken, fresh] = takenBy_.emplace(*folder, movie);
        if (!fresh) {
            return Problem{Text(CommandLine::tr("its folder %1 is that of %2")
                                    .arg(Quoted(*folder), Quoted(taken->second)))};
        }
        return options_.output / *folder;
    }

  private:
    const Options& options_;
    std::vector<std::filesystem::path> folders_;
    std::map<std::filesystem::path, std::filesystem::path> takenBy_;
};

}  // namespace

int RunMovies(const Options& options) {
    FrameWriterPool writers(options.jobs ? options.jobs : FrameWriterPool::DefaultWorkers());
    Destinations destinations(options);
    bool failed = false;
    for (std::size_t i = 0; i < options.movies.size() && !interrupted; ++i) {
        const std::filesystem::path& movie = options.movies[i];
        MovieOutcome outcome;
        std::filesystem::path destination;
        auto place = destinations.Of(i);
        if (Problem* problem = std::get_if<Problem>(&place)) {
            outcome.problem = std::move(*problem);
        } else {
            destination = std::get<std::filesystem::path>(place);
            try {
                outcome = options.countOnly ? CountMovie(options, movie)
                                            : ExtractMovie(options, movie, destination, writers);
            } catch (const std::bad_alloc&) {
                outcome.problem = Problem{Text(CommandLine::tr("out of memory"))};
            }
        }
        if (outcome.problem) {
            Say(Text(DisplayPath(movie)) + ": " + outcome.problem->text);
            failed = failed || !outcome.stopped;
        }
        if (options.json) {
            WriteRecord(options.countOnly ? CountRecordLine(movie, outcome)
                                          : MovieRecordLine(movie, destination, outcome));
        }
    }
    const bool recorded = RecordsComplete();
    if (interrupted) return kSignalled + interrupted;
    return failed || !recorded ? kSomeFailed : kAllDone;
}

int RunCommandLine(int argc, char** argv) {
    av_log_set_level(AV_LOG_QUIET);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("reelsnap-cli");
    QCoreApplication::setApplicationVersion(REELSNAP_VERSION);
    const Translations translations;  // the system locale's
    // Names are bytes: the arguments are read as they are, not through the locale.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << TextOfPath(std::string_view(argv[i]));
    const Parsed parsed = ParseCommandLine(arguments);
    if (!parsed.options) return parsed.status;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) HandleUnlessIgnored(signal, NoteInterrupt);
    // A closed standard output is an error of the write, not the end of the process.
    std::signal(SIGPIPE, SIG_IGN);
    return RunMovies(*parsed.options);
}

}  // namespace reelsnap::cli
