#include "cli/command_line.h"

#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <map>

extern "C" {
#include <libavutil/log.h>
}

#include "extract/frame_counting.h"
#include "platform/movie.h"
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

// Set by SIGINT, SIGTERM and SIGHUP; the run then ends after the frame in
// progress.
volatile std::sig_atomic_t interrupted = 0;

extern "C" void NoteInterrupt(int) {
    interrupted = 1;
}

void Say(const std::string& line) {
    std::fprintf(stderr, "reelsnap-cli: %s\n", line.c_str());
}

QString Quoted(const std::filesystem::path& path) {
    return CommandLine::tr("“%1”").arg(QString::fromStdString(path.string()));
}

// A whole number within [low, high], or nothing.
std::optional<long> NumberIn(const QString& text, long low, long high) {
    bool ok = false;
    const long value = text.toLong(&ok);
    if (!ok || value < low || value > high) return std::nullopt;
    return value;
}

// "movie.mp4: 120 frames"
std::string FramesLine(const std::string& movie, int frames) {
    return Text(CommandLine::tr("%1: %2 frames").arg(QString::fromStdString(movie)).arg(frames));
}

struct Problem {
    std::string text;
};

// The settings of a run, from the options, for one movie's folder.
class OptionSettings : public RunSettings {
  public:
    OptionSettings(const Options& options, std::filesystem::path destination)
        : options_(options), destination_(std::move(destination)) {}

    std::optional<std::filesystem::path> ChooseDestinationFolder() override {
        std::error_code ec;
        std::filesystem::create_directories(destination_, ec);
        if (!std::filesystem::is_directory(destination_, ec)) return std::nullopt;
        return destination_;
    }
    void ReadSelection(FrameSelection& selection) override {
        selection.step = options_.step;
        if (options_.first) selection.first = *options_.first;
        if (options_.last) selection.last = *options_.last;
    }
    FrameWriteSettings CurrentFrameWriteSettings() override {
        return {options_.scalePercent, options_.type, options_.compressionFactor};
    }
    FrameNaming CurrentNaming() override { return options_.naming; }
    bool PreserveDates() override { return options_.preserveDates; }
    ExistingFiles ExistingFilesRule() override {
        return options_.overwrite ? ExistingFiles::Replace : ExistingFiles::Skip;
    }

  private:
    const Options& options_;
    std::filesystem::path destination_;
};

// Progress on standard error: a line that rewrites itself on a terminal,
// one line per movie otherwise, nothing when quiet.
class ProgressReport : public RunObserver {
  public:
    ProgressReport(ExtractionRun& run, const Options& options, std::string movie)
        : run_(run),
          quiet_(options.quiet),
          terminal_(::isatty(STDERR_FILENO) == 1),
          movie_(std::move(movie)) {}

    void RunBusy() override {}
    void StatusMessage(const char* key) override {
        folderMessage_ = QCoreApplication::translate("LocalizedStrings", key).toStdString();
    }
    void ProgressShown() override { start_ = Clock::now(); }
    void FrameHandled(std::int32_t done, std::int32_t expected) override {
        done_ = done;
        if (quiet_ || !terminal_) return;
        const double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
        const double rate = seconds > 0 ? done / seconds : 0;
        const double left = rate > 0 ? std::max(0, expected - done) / rate : 0;
        const QString line = CommandLine::tr("%1: frame %2 of %3, %4 frames/s, %5 s left")
                                 .arg(QString::fromStdString(movie_))
                                 .arg(done)
                                 .arg(expected)
                                 .arg(rate, 0, 'f', 1)
                                 .arg(left, 0, 'f', 0);
        std::fprintf(stderr, "\r%s   ", line.toUtf8().constData());
    }
    void ProgressHidden() override {
        if (quiet_) return;
        if (terminal_ && done_ > 0) std::fputc('\n', stderr);
        std::fprintf(stderr, "%s\n", FramesLine(movie_, done_).c_str());
    }
    void RunFinished(const RunResult&) override {}
    void Yield() override {
        if (interrupted) run_.RequestQuit();
    }

    const std::string& folderMessage() const { return folderMessage_; }

  private:
    ExtractionRun& run_;
    bool quiet_;
    bool terminal_;
    std::string movie_;
    std::string folderMessage_;
    Clock::time_point start_;
    std::int32_t done_ = 0;
};

std::optional<Problem> CountMovie(const std::filesystem::path& movie) {
    std::error_code ec;
    if (std::filesystem::is_directory(movie, ec))
        return Problem{Text(CommandLine::tr("is a folder"))};
    auto opened = Movie::Open(movie);
    if (!opened) return Problem{Text(CommandLine::tr("not a movie, or cannot be read"))};
    std::printf("%s\n", FramesLine(movie.string(), CountVideoFrames(*opened)).c_str());
    return std::nullopt;
}

std::optional<Problem> ExtractMovie(const Options& options, const std::filesystem::path& movie,
                                    const std::filesystem::path& destination,
                                    FrameWriterPool& writers) {
    ExtractionRun run(writers);
    OptionSettings settings(options, destination);
    ProgressReport report(run, options, movie.filename().string());
    const RunResult result = run.Run({QString::fromStdString(movie.string())}, settings, report);
    for (const std::filesystem::path& skipped : writers.TakeSkippedFiles()) {
        if (!options.quiet) {
            Say(Text(
                CommandLine::tr("kept the existing %1 (see --overwrite)").arg(Quoted(skipped))));
        }
    }
    switch (result.end) {
        case RunEnd::NoDocument:
        case RunEnd::Folder:
            return Problem{Text(CommandLine::tr("is a folder"))};
        case RunEnd::NoDestination:
            return Problem{
                Text(CommandLine::tr("cannot make the folder %1").arg(Quoted(destination)))};
        case RunEnd::NotAMovie:
            return Problem{Text(CommandLine::tr("not a movie, or cannot be read"))};
        case RunEnd::Walked:
            break;
    }
    if (result.failure) {
        const QString reason = result.failure->error != 0
                                   ? QString::fromLocal8Bit(std::strerror(result.failure->error))
                                   : CommandLine::tr("the image could not be encoded");
        return Problem{Text(
            CommandLine::tr("could not write %1: %2").arg(Quoted(result.failure->path), reason))};
    }
    if (result.noFrameDecoded) return Problem{Text(CommandLine::tr("no frame could be decoded"))};
    if (run.quitRequested()) return Problem{Text(CommandLine::tr("interrupted"))};
    return std::nullopt;
}

}  // namespace

Parsed ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(CommandLine::tr(
        "Writes a movie's frames as image files, one per selected frame, named frame_7.jpg\n"
        "and so on. Frame i is the movie's i-th frame in display order, counted from 1;\n"
        "the selected frames are the multiples of the step from the first to the last.\n"
        "An existing file is never replaced without --overwrite.\n\n"
        "Exit status: 0 when every movie was done, 1 when any movie failed (the others\n"
        "are still done), 2 for a usage error."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({"h", "help"}, CommandLine::tr("Show this help and exit."));
    const QCommandLineOption version("version", CommandLine::tr("Show the version and exit."));
    const QCommandLineOption output(
        {"o", "output"},
        CommandLine::tr("Write into DIR (default: the current folder); with several "
                        "movies, each into a folder named after the movie."),
        "DIR");
    const QCommandLineOption first("first", CommandLine::tr("First frame index (default 1)."), "N");
    const QCommandLineOption last(
        "last", CommandLine::tr("Last frame index (default: the movie's last)."), "N");
    const QCommandLineOption step("step",
                                  CommandLine::tr("Take every Nth frame index (default 1)."), "N");
    const QCommandLineOption scale(
        "scale", CommandLine::tr("Image size in percent, 1 to 100 (default 100)."), "P");
    const QCommandLineOption type(
        "type", CommandLine::tr("tiff, bmp, gif, jpeg (default), png or jp2."), "TYPE");
    const QCommandLineOption quality(
        "quality",
        CommandLine::tr("For jpeg and jp2: low, medium (default), high or max (jp2: lossless)."),
        "QUALITY");
    const QCommandLineOption pad("pad", CommandLine::tr("Pad indices with zeros to eight digits."));
    const QCommandLineOption appendCount(
        "append-count", CommandLine::tr("Append the movie's frame count: frame_7 of 120.jpg."));
    const QCommandLineOption preserveDates(
        "preserve-dates",
        CommandLine::tr(
            "Date each file at the movie's creation time plus the frame's presentation time."));
    const QCommandLineOption overwrite(
        "overwrite", CommandLine::tr("Replace existing files of the same names."));
    const QCommandLineOption count(
        "count", CommandLine::tr("Print each movie's frame count; write nothing."));
    const QCommandLineOption jobs(
        "jobs", CommandLine::tr("Encode with N workers (default: one a core, at most 8)."), "N");
    const QCommandLineOption quiet({"q", "quiet"}, CommandLine::tr("Say nothing but errors."));
    parser.addOptions({help, version, output, first, last, step, scale, type, quality, pad,
                       appendCount, preserveDates, overwrite, count, jobs, quiet});
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
    o.movies = parser.positionalArguments();
    if (o.movies.isEmpty()) return usage(Text(CommandLine::tr("no movie given")));
    if (parser.isSet(output)) o.output = parser.value(output).toStdString();
    const auto number = [&](const QCommandLineOption& option, long low, long high) {
        return NumberIn(parser.value(option), low, high);
    };
    if (parser.isSet(first)) {
        const auto n = number(first, 1, INT32_MAX);
        if (!n) return usage(Text(CommandLine::tr("--first takes a frame index from 1")));
        o.first = std::int32_t(*n);
    }
    if (parser.isSet(last)) {
        const auto n = number(last, 1, INT32_MAX);
        if (!n) return usage(Text(CommandLine::tr("--last takes a frame index from 1")));
        o.last = std::int32_t(*n);
    }
    if (parser.isSet(step)) {
        const auto n = number(step, 1, INT16_MAX);
        if (!n) return usage(Text(CommandLine::tr("--step takes a number from 1 to 32767")));
        o.step = std::int16_t(*n);
    }
    if (parser.isSet(scale)) {
        const auto n = number(scale, 1, 100);
        if (!n) return usage(Text(CommandLine::tr("--scale takes a percentage from 1 to 100")));
        o.scalePercent = std::int16_t(*n);
    }
    if (parser.isSet(type)) {
        static const std::map<QString, ImageFileType> kTypes = {
            {"tiff", ImageFileType::Tiff}, {"bmp", ImageFileType::Bmp},
            {"gif", ImageFileType::Gif},   {"jpeg", ImageFileType::Jpeg},
            {"png", ImageFileType::Png},   {"jp2", ImageFileType::Jpeg2000}};
        const auto it = kTypes.find(parser.value(type).toLower());
        if (it == kTypes.end())
            return usage(Text(CommandLine::tr("--type takes tiff, bmp, gif, jpeg, png or jp2")));
        o.type = it->second;
    }
    if (parser.isSet(quality)) {
        static const std::map<QString, float> kQualities = {
            {"low", 0.4f}, {"medium", 0.7f}, {"high", 0.9f}, {"max", 1.0f}};
        const auto it = kQualities.find(parser.value(quality).toLower());
        if (it == kQualities.end())
            return usage(Text(CommandLine::tr("--quality takes low, medium, high or max")));
        o.compressionFactor = it->second;
    }
    if (parser.isSet(jobs)) {
        const auto n = number(jobs, 1, 64);
        if (!n) return usage(Text(CommandLine::tr("--jobs takes a number from 1 to 64")));
        o.jobs = unsigned(*n);
    }
    o.naming = {parser.isSet(appendCount), parser.isSet(pad)};
    o.preserveDates = parser.isSet(preserveDates);
    o.overwrite = parser.isSet(overwrite);
    o.countOnly = parser.isSet(count);
    o.quiet = parser.isSet(quiet);
    return {std::move(o), kAllDone};
}

int RunMovies(const Options& options) {
    FrameWriterPool writers(options.jobs ? options.jobs : FrameWriterPool::DefaultWorkers());
    int status = kAllDone;
    for (const QString& name : options.movies) {
        if (interrupted) break;
        const std::filesystem::path movie = name.toStdString();
        const std::filesystem::path destination =
            options.movies.size() > 1 ? options.output / movie.stem() : options.output;
        const std::optional<Problem> problem =
            options.countOnly ? CountMovie(movie)
                              : ExtractMovie(options, movie, destination, writers);
        if (problem) {
            Say(movie.string() + ": " + problem->text);
            status = kSomeFailed;
        }
    }
    return interrupted ? kSomeFailed : status;
}

int RunCommandLine(int argc, char** argv) {
    av_log_set_level(AV_LOG_QUIET);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("reelsnap-cli");
    QCoreApplication::setApplicationVersion(REELSNAP_VERSION);
    const Translations translations;  // the system locale's
    const Parsed parsed = ParseCommandLine(QCoreApplication::arguments());
    if (!parsed.options) return parsed.status;
    std::signal(SIGINT, NoteInterrupt);
    std::signal(SIGTERM, NoteInterrupt);
    std::signal(SIGHUP, NoteInterrupt);
    return RunMovies(*parsed.options);
}

}  // namespace reelsnap::cli
