#include "cli/movie_job.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "cli/cli_texts.h"
#include "cli/interruption.h"
#include "cli/progress_report.h"
#include "extract/frame_counting.h"
#include "movie/movie.h"
#include "platform/file_io.h"
#include "platform/path_text.h"

namespace reelsnap::cli {
namespace {

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

}  // namespace

MovieOutcome CountMovie(const Options& options, const std::filesystem::path& movie) {
    MovieOutcome outcome;
    MovieOpenFailure failure;
    auto opened = Movie::Open(movie, &failure);
    if (!opened) return FailedWith(NotOpened(failure));
    if (!opened->hasVideo()) return FailedWith(NoVideo());
    // A movie without an index is read whole: an interrupt breaks that off.
    const std::int32_t frames = CountVideoFramesResponsively(
        *opened, [] {}, [] { return InterruptingSignal() != 0; });
    if (InterruptingSignal() != 0) {
        outcome.problem = Problem{Text(CommandLine::tr("interrupted"))};
        outcome.stopped = true;
        return outcome;
    }
    if (opened->tooLarge()) return FailedWith(TooLarge());
    outcome.result.frameCount = frames;
    if (!options.json) std::printf("%s\n", FramesLine(movie, frames).c_str());
    return outcome;
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
                if (result.dateLeftOut) {
                    Say(Text(CommandLine::tr("%1: the date the movie records is none that a "
                                             "file can hold; left out of the metadata")
                                 .arg(DisplayPath(movie))));
                }
                if (result.placeLeftOut) {
                    Say(Text(CommandLine::tr("%1: the place the movie records cannot be read; "
                                             "left out of the metadata")
                                 .arg(DisplayPath(movie))));
                }
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

}  // namespace reelsnap::cli
