// The extraction run: the first document of a list becomes one image file
// per selected video frame in the destination folder. The run knows no
// window: it reads its settings through RunSettings and tells a RunObserver
// what happens.
#pragma once

#include <QStringList>
#include <QtGlobal>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "extract/frame_selection.h"
#include "extract/frame_writer_pool.h"
#include "extract/output_naming.h"

namespace reelsnap {

class Movie;

// A key of the "LocalizedStrings" table, shown on status line 1.
inline const char* const kFolderMessage =
    QT_TRANSLATE_NOOP("LocalizedStrings", "Reelsnap does not process folders.");

// The settings a frame is handed out with, as a value.
struct FrameSettings {
    FrameWriteSettings write;
    FrameNaming naming;
    // What a frame file does to a file that has its name.
    ExistingFiles existing = ExistingFiles::KeepBeside;
    // The file's date is the movie's creation time plus the frame's
    // presentation time.
    bool preserveDates = false;
    // The file carries the frame's story: when it was taken, from which
    // movie, and where (the movie's location is copied).
    bool writeMetadata = false;
};

// What the run reads, each when the run needs it.
class RunSettings {
  public:
    virtual ~RunSettings() = default;
    // The destination folder, stored or asked for; nothing when none is known.
    virtual std::optional<std::filesystem::path> ChooseDestinationFolder() = 0;
    // Once per run: overwrites the mode, its values, and the first and last
    // index where set.
    virtual void ReadSelection(FrameSelection& selection) = 0;
    // For every frame, as it is handed out: the settings as they are now. It
    // is called once a frame, so it hands out a value kept up to date, not
    // one read afresh.
    virtual FrameSettings CurrentFrameSettings() = 0;
};

enum class RunEnd {
    NoDocument,     // the list holds no first item
    Folder,         // the first item is a folder
    NoDestination,  // no destination folder, or no path for it or the movie
    NotAMovie,      // the file does not open as a movie (systemError may say why)
    NoVideo,        // the movie has no video stream
    TooLarge,       // the movie has more samples than one run may take, or memory ran out
    Walked,         // the frame walk ran (to its end, a stop, or a failed write)
};

// A frame handed out, and what became of it.
struct FrameRecord {
    std::int32_t index = 0;  // from 1
    std::int64_t timeNs = 0;
    std::int64_t pts = 0;
    int timeBaseNum = 1;  // a pts of t is t * num / den seconds
    int timeBaseDen = 600;
    bool keyFrame = false;
    FrameOutcome outcome = FrameOutcome::Written;
    std::filesystem::path file;  // its final name; empty when it did not decode
    int error = 0;               // errno of a failed write; 0 when it could not be encoded
    bool tooLarge = false;       // not decoded: larger than the largest image
};

struct RunResult {
    RunEnd end = RunEnd::NoDocument;
    std::optional<FrameWriteFailure> failure;  // the earliest failed write
    // Frames were handled, and not one of them gave a picture.
    bool noFrameDecoded = false;
    int systemError = 0;  // why the document could not be read, where known
    std::int32_t frameCount = 0;
    FrameSelection selection;
    std::int64_t beyondEnd = 0;       // listed frames or times past the movie's end
    std::int32_t framesSelected = 0;  // as far as the walk knew them (scenes: those found)
    std::int32_t framesHandled = 0;
    std::int32_t framesDecoded = 0;
    std::int32_t framesNotDecoded = 0;  // handed out, decoded, and no image came
    WriteCounts writes;                 // kept: also those whose file was there before decoding
    std::int64_t decoderFrames = 0;     // frames the decoder gave out, wanted or not
    std::int64_t decodeErrors = 0;
    // Frames carried metadata, and the movie's recorded date or place could
    // not be read: it was left out, not wrapped into another.
    bool dateLeftOut = false;
    bool placeLeftOut = false;
    int timeBaseNum = 1;  // a pts of t is t * num / den seconds
    int timeBaseDen = 600;
};

// Told what the run does, in this order: busy; progress shown; a frame
// handled per selected frame; progress hidden; finished.
class RunObserver {
  public:
    virtual ~RunObserver() = default;
    virtual void RunBusy() = 0;
    // A key of the "LocalizedStrings" table for status line 1.
    virtual void StatusMessage(const char* key) = 0;
    // The progress display is prepared: the bar at 0, no counter yet.
    virtual void ProgressShown() = 0;
    virtual void FrameHandled(std::int32_t done, std::int32_t expected) = 0;
    // What became of a frame handed out, once known: on a writer's thread
    // for a frame that was encoded, on the run's thread for one that did
    // not decode or whose file was there already; always before
    // ProgressHidden.
    virtual void FrameFinished(const FrameRecord&) {}
    virtual void ProgressHidden() = 0;
    virtual void RunFinished(const RunResult& result) = 0;
    // Lets pending commands (Stop, Quit) take effect: at every tenth frame
    // index, after every handled frame, and while a movie is counted.
    virtual void Yield() = 0;
};

class ExtractionRun {
  public:
    explicit ExtractionRun(FrameWriterPool& writers) : writers_(writers) {}

    // Takes the first document of the list through the run; further
    // documents are ignored.
    RunResult Run(const QStringList& documents, RunSettings& settings, RunObserver& observer);

    // The Stop command; cleared when a run starts.
    void RequestStop() { stopRequested_ = true; }
    // The Quit command; never cleared.
    void RequestQuit() { quitRequested_ = true; }
    bool stopRequested() const { return stopRequested_; }
    bool quitRequested() const { return quitRequested_; }

    std::int32_t framesDone() const { return framesDone_; }
    std::int32_t framesExpected() const { return framesExpected_; }
    void ResetFramesDone() { framesDone_ = 0; }

  private:
    RunResult RunFirstDocument(const QStringList& documents, RunSettings& settings,
                               RunObserver& observer);
    void WalkMovie(Movie& movie, const std::filesystem::path& movieFile,
                   const std::filesystem::path& destination, RunSettings& settings,
                   RunObserver& observer, RunResult& result);
    bool WalkEnds() const;

    FrameWriterPool& writers_;
    std::atomic<bool> stopRequested_ = false;
    std::atomic<bool> quitRequested_ = false;
    std::int32_t framesDone_ = 0;
    std::int32_t framesExpected_ = 0;
    std::int32_t framesDecoded_ = 0;
    std::int32_t framesKeptUndecoded_ = 0;
    bool storiesTold_ = false;                    // a frame of the run carried metadata
    std::optional<FrameWriteFailure> nameClash_;  // a frame named as an earlier one

    friend class FrameWalk;
};

// The frames the walk hands out: the multiples of step in first..min(last, N).
std::int32_t FramesToHandOut(const FrameSelection& selection, std::int32_t frameCount);

}  // namespace reelsnap
