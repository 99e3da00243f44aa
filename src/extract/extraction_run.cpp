#include "extract/extraction_run.h"

#include <algorithm>
#include <new>
#include <unordered_map>

#include "extract/frame_counting.h"
#include "movie/movie.h"
#include "platform/file_io.h"
#include "platform/path_text.h"

namespace reelsnap {
namespace {

// True when the name is taken, by anything: a dangling link too.
bool NameTaken(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

RunResult Ended(RunEnd end) {
    RunResult result;
    result.end = end;
    return result;
}

}  // namespace

std::int32_t FramesToHandOut(const FrameSelection& s, std::int32_t frameCount) {
    const std::int64_t last = std::min(s.last, frameCount);
    if (last < s.first) return 0;
    return std::int32_t(last / s.step - (std::int64_t(s.first) - 1) / s.step);
}

// The walk over the movie's video samples in time order: frame i is the
// i-th sample, as the count finds them.
class FrameWalk {
  public:
    // `movieFile` is the movie's file name.
    FrameWalk(ExtractionRun& run, Movie& movie, const std::filesystem::path& movieFile,
              std::filesystem::path destination, std::int32_t frameCount,
              const FrameSelection& selection, RunSettings& settings, RunObserver& observer)
        : run_(run),
          movie_(movie),
          movieName_(movieFile.stem().string()),
          movieFileName_(TextOfPath(movieFile).toStdString()),
          destination_(std::move(destination)),
          frameCount_(frameCount),
          selection_(selection),
          settings_(settings),
          observer_(observer) {}

    void Walk() {
        std::int64_t t = movie_.NextVideoSampleTime(0, true);
        if (t < 0) return;
        for (std::int32_t i = 1;; ++i) {
            if (i % 10 == 0) observer_.Yield();
            if (selection_.first <= i && i <= selection_.last && i % selection_.step == 0) {
                HandleFrame(i, t, NextWantedTime(i, t));
            } else if (i > selection_.last) {
                run_.RequestStop();
            }
            if (run_.WalkEnds()) return;
            t = movie_.NextVideoSampleTime(t, false);
            if (t < 0 || i == INT32_MAX) return;
        }
    }

    // The listed frames, in ascending order: each decoded from the key frame
    // before it, or on from the frame before where that is nearer.
    void WalkList(const std::vector<std::int32_t>& indices) {
        const std::vector<std::int64_t>& times = movie_.SampleTimes();
        for (std::size_t k = 0; k < indices.size(); ++k) {
            const std::int32_t i = indices[k];
            if (std::size_t(i) > times.size()) return;
            const std::int64_t next =
                k + 1 < indices.size() && std::size_t(indices[k + 1]) <= times.size()
                    ? times[std::size_t(indices[k + 1]) - 1]
                    : Movie::kNoFrameAfter;
            HandleFrame(i, times[std::size_t(i) - 1], next);
            if (run_.WalkEnds()) return;
        }
    }

    // Every frame from first to last is decoded and scored against the one
    // before; the first and each whose score reaches the threshold are
    // handed out. How many scenes are to come is known only at the end: the
    // count expected meanwhile is the scenes so far spread over the range.
    void WalkScenes() {
        const std::vector<std::int64_t>& times = movie_.SampleTimes();
        const std::int32_t first = selection_.first;
        const auto last = std::int32_t(
            std::min<std::int64_t>({selection_.last, frameCount_, std::int64_t(times.size())}));
        for (std::int32_t i = first; i <= last; ++i) {
            if (i % 10 == 0) observer_.Yield();
            const std::int64_t t = times[std::size_t(i) - 1];
            const std::int64_t next = i < last ? times[std::size_t(i)] : Movie::kNoFrameAfter;
            // Every frame is decoded in turn, each scored against the one before.
            const std::optional<double> score = movie_.SceneScoreAt(t);
            if (i == first || (score && *score >= selection_.sceneThreshold)) {
                const std::int64_t scanned = std::int64_t(i) - first + 1;
                const std::int64_t found = run_.framesDone_ + 1;
                run_.framesExpected_ = std::int32_t(std::max<std::int64_t>(
                    found, found * (std::int64_t(last) - first + 1) / scanned));
                HandleFrame(i, t, next);
            }
            if (run_.WalkEnds()) return;
        }
        // The count is known now: the counter ends at it.
        run_.framesExpected_ = run_.framesDone_;
        if (run_.framesDone_ > 0) {
            observer_.FrameHandled(run_.framesDone_, run_.framesExpected_);
            observer_.Yield();
        }
    }

  private:
    // The time of the frame the walk hands out after frame i at `t`, so
    // that the movie decodes nothing for the frames between that it skips.
    std::int64_t NextWantedTime(std::int32_t i, std::int64_t t) {
        if (std::int64_t(i) + selection_.step > selection_.last) return Movie::kNoFrameAfter;
        for (int k = 0; k < selection_.step && t >= 0; ++k) {
            t = movie_.NextVideoSampleTime(t, false);
        }
        return t < 0 ? Movie::kNoFrameAfter : t;
    }

    void HandleFrame(std::int32_t i, std::int64_t t, std::int64_t nextTime) {
        ++run_.framesDone_;
        observer_.FrameHandled(run_.framesDone_, run_.framesExpected_);
        observer_.Yield();
        // The settings of this frame are taken now, as it is handed out; the
        // layout the movie hands the image over in follows from them.
        const FrameSettings frame = settings_.CurrentFrameSettings();
        FrameFacts facts;
        facts.index = i;
        facts.frameCount = frameCount_;
        facts.timeNs = movie_.NanosecondsFromStart(t);
        facts.pts = t;
        facts.position = run_.framesDone_;
        facts.movie = movieName_;
        FrameRecord record;
        record.index = i;
        record.timeNs = facts.timeNs;
        record.pts = t;
        record.timeBaseNum = movie_.timeBase().num;
        record.timeBaseDen = movie_.timeBase().den;
        record.keyFrame = movie_.IsKeyFrame(i);
        const std::optional<std::string> name = BuildFrameFileName(facts, frame.naming);
        const std::filesystem::path path = destination_ / name.value_or(std::string());
        if (name && frame.write.type && NameTakenInThisRun(i, path, *frame.write.type, record)) {
            return;
        }
        // A file that is there already and stays is not decoded for: a run
        // again over the same frames finishes those a stopped one left.
        if (name && frame.existing == ExistingFiles::Skip && frame.write.type) {
            record.file = FinalFramePath(path, ImageTypeExtension(*frame.write.type));
            if (NameTaken(record.file)) {
                ++run_.framesKeptUndecoded_;
                record.outcome = FrameOutcome::Kept;
                observer_.FrameFinished(record);
                return;
            }
        }
        std::optional<Image> image = movie_.FrameImageAtTime(t, nextTime, LayoutFor(frame.write));
        if (!image) {
            record.outcome = FrameOutcome::NotDecoded;
            record.tooLarge = movie_.lastFrameTooLarge();
            record.file.clear();
            observer_.FrameFinished(record);
            return;
        }
        ++run_.framesDecoded_;
        if (!name) return;
        FrameJob job;
        job.image = std::move(*image);
        job.path = path;
        job.settings = frame.write;
        job.existing = frame.existing;
        if (frame.preserveDates) job.modified = movie_.PresentationDate(t);
        if (frame.writeMetadata) job.story = StoryOf(i, t);
        // The walk ends before its last frames are written: the observer outlives it.
        job.finished = [&observer = observer_, record](FrameOutcome outcome,
                                                       const std::filesystem::path& file,
                                                       int error) mutable {
            record.outcome = outcome;
            record.file = file;
            record.error = error;
            observer.FrameFinished(record);
        };
        run_.writers_.Submit(std::move(job));
    }

    // A name that an earlier frame of this run took (frames closer than the
    // time in their names tells apart) would lose one of the two frames:
    // a failed write naming both, which ends the walk.
    bool NameTakenInThisRun(std::int32_t i, const std::filesystem::path& path, ImageFileType type,
                            FrameRecord& record) {
        const auto [taken, added] = namesTaken_.try_emplace(path.native(), i);
        if (added) return false;
        FrameWriteFailure failure;
        failure.path = FinalFramePath(path, ImageTypeExtension(type));
        failure.frame = i;
        failure.sameNameAs = taken->second;
        run_.nameClash_ = failure;
        record.outcome = FrameOutcome::Failed;
        record.file = failure.path;
        observer_.FrameFinished(record);
        return true;
    }

    FrameStory StoryOf(std::int32_t i, std::int64_t t) {
        run_.storiesTold_ = true;
        FrameStory story;
        if (movie_.RecordsCreationTime()) story.takenNs = movie_.PresentationDate(t);
        story.movieName = movieFileName_;
        story.index = i;
        story.timeNs = movie_.NanosecondsFromStart(t);
        story.location = ParseIso6709(movie_.LocationTag());
        return story;
    }

    ExtractionRun& run_;
    Movie& movie_;
    std::string movieName_;
    std::string movieFileName_;
    std::filesystem::path destination_;
    std::int32_t frameCount_;
    const FrameSelection& selection_;
    RunSettings& settings_;
    RunObserver& observer_;
    // The ".jpg" names of the frames handed out, and whose they are.
    std::unordered_map<std::string, std::int32_t> namesTaken_;
};

bool ExtractionRun::WalkEnds() const {
    return stopRequested_ || quitRequested_ || nameClash_ || writers_.FirstFailure();
}

RunResult ExtractionRun::Run(const QStringList& documents, RunSettings& settings,
                             RunObserver& observer) {
    stopRequested_ = false;
    observer.RunBusy();
    RunResult result = RunFirstDocument(documents, settings, observer);
    observer.RunFinished(result);
    return result;
}

// From taking the first document to the walk's clean-up.
RunResult ExtractionRun::RunFirstDocument(const QStringList& documents, RunSettings& settings,
                                          RunObserver& observer) {
    framesExpected_ = 0;
    framesDone_ = 0;
    nameClash_.reset();
    if (documents.isEmpty()) return Ended(RunEnd::NoDocument);
    const std::filesystem::path document = PathOfText(documents.first());
    if (IsFolder(document)) {
        observer.StatusMessage(kFolderMessage);
        return Ended(RunEnd::Folder);
    }
    const std::optional<std::filesystem::path> destination = settings.ChooseDestinationFolder();
    if (!destination || destination->string().size() >= 4096 || document.string().size() >= 4095) {
        return Ended(RunEnd::NoDestination);
    }
    RemoveStaleTemporaryFiles(*destination, IsFrameFileName);
    MovieOpenFailure openFailure;
    std::unique_ptr<Movie> movie = Movie::Open(document, &openFailure);
    if (!movie) {
        RunResult result = Ended(openFailure.tooLarge ? RunEnd::TooLarge : RunEnd::NotAMovie);
        result.systemError = openFailure.systemError;
        return result;
    }
    if (!movie->hasVideo()) return Ended(RunEnd::NoVideo);

    observer.ProgressShown();
    RunResult result = Ended(RunEnd::Walked);
    try {
        WalkMovie(*movie, document.filename(), *destination, settings, observer, result);
    } catch (const std::bad_alloc&) {
        // A movie that memory cannot hold ends its run; it never aborts the program.
        result.end = RunEnd::TooLarge;
    }
    if (movie->tooLarge()) result.end = RunEnd::TooLarge;

    // Every frame handed out is complete before the run ends.
    writers_.WaitUntilIdle();
    // Frames written before the clash were handed out before it.
    result.failure = writers_.FirstFailure();
    if (!result.failure) result.failure = nameClash_;
    result.framesSelected = std::max(framesExpected_, framesDone_);
    result.framesHandled = framesDone_;
    result.framesDecoded = framesDecoded_;
    result.framesNotDecoded =
        framesDone_ - framesDecoded_ - framesKeptUndecoded_ - (nameClash_ ? 1 : 0);
    result.noFrameDecoded = result.framesNotDecoded > 0 && framesDecoded_ == 0;
    result.writes = writers_.TakeCounts();
    result.writes.kept += framesKeptUndecoded_;
    if (nameClash_) ++result.writes.failed;
    result.decoderFrames = movie->framesDecoded();
    result.decodeErrors = movie->decodeErrors();
    if (storiesTold_) {
        result.dateLeftOut = movie->TagsCreationTime() && !movie->RecordsCreationTime();
        const std::string place = movie->LocationTag();
        result.placeLeftOut = !place.empty() && !ParseIso6709(place);
    }
    result.timeBaseNum = movie->timeBase().num;
    result.timeBaseDen = movie->timeBase().den;
    writers_.ClearFailure();
    observer.ProgressHidden();
    return result;
}

void ExtractionRun::WalkMovie(Movie& movie, const std::filesystem::path& movieFile,
                              const std::filesystem::path& destination, RunSettings& settings,
                              RunObserver& observer, RunResult& result) {
    // Counting a movie without a sample index reads all of it; a stop breaks it off.
    const std::int32_t frameCount = CountVideoFramesResponsively(
        movie, [&observer] { observer.Yield(); },
        [this] { return stopRequested_ || quitRequested_; });
    FrameSelection selection;
    selection.last = frameCount;
    settings.ReadSelection(selection);
    selection.step = std::max<std::int16_t>(selection.step, 1);
    result.frameCount = frameCount;
    framesDone_ = 0;
    framesDecoded_ = 0;
    framesKeptUndecoded_ = 0;
    storiesTold_ = false;
    // A stop while the movie was counted, or a movie too large to count, ends
    // the run before any frame.
    if (stopRequested_ || quitRequested_ || movie.tooLarge()) {
        result.selection = std::move(selection);
        return;
    }
    FrameWalk walk(*this, movie, movieFile, destination, frameCount, selection, settings, observer);
    if (selection.mode == SelectionMode::Step) {
        framesExpected_ = FramesToHandOut(selection, frameCount);
        walk.Walk();
    } else {
        if (selection.mode == SelectionMode::Scenes) {
            walk.WalkScenes();
        } else {
            const SelectedFrames selected = SelectFrames(selection, movie, frameCount);
            // Key frames are decoded alone, without the frames between them.
            movie.DecodeOnlyKeyFrames(selection.mode == SelectionMode::KeyFrames);
            result.beyondEnd = selected.beyondEnd;
            framesExpected_ = std::int32_t(selected.indices.size());
            walk.WalkList(selected.indices);
        }
    }
    result.selection = std::move(selection);
}

}  // namespace reelsnap
