#include "extract/extraction_run.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/status_line.h"
#include "extract/frame_counting.h"
#include "extract/frame_writer_pool.h"
#include "extract/output_naming.h"
#include "files/choosers.h"
#include "files/file_system.h"
#include "platform/movie.h"
#include "settings/live_values.h"
#include "settings/settings_store.h"

namespace reelsnap {
namespace {

constexpr int kProgressScale = 512;

FrameWriterPool& Writers() {
    static FrameWriterPool pool;
    return pool;
}

void SetVisible(QWidget* widget, bool visible) {
    if (widget) widget->setVisible(visible);
}

void SetStopButton(bool shownAndEnabled) {
    if (QPushButton* stop = State().controls.stopButton) {
        stop->setEnabled(shownAndEnabled);
        stop->setVisible(shownAndEnabled);
    }
}

void ShowBusyLook() {
    const MainWindowControls& c = State().controls;
    SetVisible(c.busyIndicator, true);
    SetVisible(c.idlePane, false);
    SetStopButton(true);
}

void ShowIdleLook() {
    const MainWindowControls& c = State().controls;
    SetVisible(c.busyIndicator, false);
    SetVisible(c.idlePane, true);
    SetStopButton(false);
}

void ShowProgressDisplay() {
    const MainWindowControls& c = State().controls;
    if (QProgressBar* bar = c.progressBar) {
        bar->setRange(0, kProgressScale);
        bar->setValue(0);
        bar->show();
    }
    // A run that handles no frame must not show the previous run's counter.
    if (c.counterText) c.counterText->clear();
    SetVisible(c.counterText, true);
    SetStopButton(true);
}

void HideProgressDisplay() {
    const MainWindowControls& c = State().controls;
    SetVisible(c.progressBar, false);
    SetVisible(c.counterText, false);
    SetStopButton(false);
}

// The bar's value for the frames done; full when nothing was expected, and
// held at full when more frames come than were expected.
int ProgressValue(std::int32_t done, std::int32_t expected) {
    if (expected <= 0) return done > 0 && expected == 0 ? kProgressScale : 0;
    const std::int64_t value = std::int64_t(done) * kProgressScale / expected;
    return int(std::clamp<std::int64_t>(value, 0, kProgressScale));
}

struct Selection {
    std::int16_t step = 1;
    std::int32_t first = 1;
    std::int32_t last = 0;
};

class FrameWalk {
  public:
    FrameWalk(Movie& movie, std::string destination, std::int32_t frameCount,
              const QString& counterFormat, Selection selection)
        : movie_(movie),
          destination_(std::move(destination)),
          frameCount_(frameCount),
          counterFormat_(counterFormat),
          selection_(selection) {}

    void Walk() {
        AppState& state = State();
        std::int64_t t = movie_.NextVideoSampleTime(0, true);
        if (t < 0) return;
        for (std::int32_t i = 1;; ++i) {
            if (i % 10 == 0) QCoreApplication::processEvents();
            if (selection_.first <= i && i <= selection_.last && i % selection_.step == 0) {
                HandleFrame(i, t);
            } else if (i > selection_.last) {
                state.stopRequested = true;
            }
            if (state.stopRequested || state.quitRequested || Writers().FirstFailure()) return;
            t = movie_.NextVideoSampleTime(t, false);
            if (t < 0 || i == INT32_MAX) return;
        }
    }

  private:
    void HandleFrame(std::int32_t i, std::int64_t t) {
        AppState& state = State();
        ++state.framesDone;
        if (QProgressBar* bar = state.controls.progressBar) {
            bar->setValue(ProgressValue(state.framesDone, state.framesExpected));
        }
        ShowStatusMessage(FillCounterFormat(counterFormat_, state.framesDone, state.framesExpected),
                          2);
        std::optional<Image> image = movie_.FrameImageAtTime(t);
        if (!image) return;
        const std::optional<std::string> name = BuildFrameFileName(i, frameCount_);
        if (!name) return;
        std::string path = destination_;
        if (path.empty() || path.back() != '/') path += '/';
        path += *name;
        // The settings of this frame are read now, as it is handed out.
        const FrameWriteSettings settings =
            CurrentFrameWriteSettings(CurrentLiveValues().CurrentScalePercent());
        Writers().Submit({std::move(*image), std::filesystem::path(path), settings});
    }

    Movie& movie_;
    std::string destination_;
    std::int32_t frameCount_;
    const QString& counterFormat_;
    Selection selection_;
};

// The frames the walk will hand out: the multiples of step in
// first..min(last, N).
std::int32_t FramesToHandOut(const Selection& s, std::int32_t frameCount) {
    const std::int64_t last = std::min(s.last, frameCount);
    if (last < s.first) return 0;
    return std::int32_t(last / s.step - (std::int64_t(s.first) - 1) / s.step);
}

Selection ReadSelection(std::int32_t frameCount) {
    Selection s{1, 1, frameCount};
    LiveValues& live = CurrentLiveValues();
    s.step = live.CurrentSkip();
    live.CurrentInitialFrameIndex(s.first);
    live.CurrentFinalFrameIndex(s.last);
    if (s.step < 1) s.step = 1;
    return s;
}

// From taking the first document to the walk's clean-up. A write that
// failed is handed back.
std::optional<FrameWriteFailure> RunFirstDocument() {
    AppState& state = State();
    if (!state.hasPendingDocuments) return std::nullopt;
    state.framesExpected = 0;
    state.framesDone = 0;
    if (state.pendingDocuments.isEmpty()) return std::nullopt;
    const std::filesystem::path document(state.pendingDocuments.first().toStdString());
    if (IsFolderRef(document)) {
        ShowStatusMessage(kFolderMessage, 1);
        return std::nullopt;
    }
    const QString& counterFormat = GetCachedLocalizedString(kCounterFormat);
    std::filesystem::path destination;
    if (!ChooseDestinationFolder(destination)) return std::nullopt;
    if (destination.string().size() >= 4096 || document.string().size() >= 4095) {
        return std::nullopt;
    }
    std::unique_ptr<Movie> movie = Movie::Open(document);
    if (!movie) return std::nullopt;

    ShowProgressDisplay();
    const std::int32_t frameCount = CountVideoFrames(*movie);
    const Selection selection = ReadSelection(frameCount);
    state.framesDone = 0;
    state.framesExpected = FramesToHandOut(selection, frameCount);
    FrameWalk(*movie, destination.string(), frameCount, counterFormat, selection).Walk();

    // Every frame handed out is complete before the run ends.
    Writers().WaitUntilIdle();
    std::optional<FrameWriteFailure> failure = Writers().FirstFailure();
    Writers().ClearFailure();
    HideProgressDisplay();
    return failure;
}

QString WriteFailureMessage(const FrameWriteFailure& failure) {
    const QString reason = failure.error != 0 ? QString::fromLocal8Bit(std::strerror(failure.error))
                                              : LocalizedString(kNotEncodedReason);
    return LocalizedString(kWriteFailedMessage)
        .arg(QString::fromStdString(failure.path.filename().string()), reason);
}

// The window fades out over a quarter of a second, so that the last message
// is seen.
void FadeOutAndHide(QWidget& window) {
    constexpr int kFadeMilliseconds = 250;
    QElapsedTimer clock;
    clock.start();
    for (qint64 t = 0; t < kFadeMilliseconds; t = clock.elapsed()) {
        window.setWindowOpacity(1.0 - double(t) / kFadeMilliseconds);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(10);
    }
    window.hide();
}

}  // namespace

void ExtractionRunTimer() {
    AppState& state = State();
    if (state.quitting) return;
    if (state.runInProgress) {
        ++state.deferredRuns;
        return;
    }
    ExtractionRun();
    if (state.deferredRuns > 0) {
        --state.deferredRuns;
        QTimer::singleShot(1, [] { ExtractionRunTimer(); });
    }
}

void ExtractionRun() {
    AppState& state = State();
    state.runInProgress = true;
    state.stopRequested = false;
    ShowBusyLook();
    const std::optional<FrameWriteFailure> failure = RunFirstDocument();
    ShowIdleLook();
    ShowStatusMessage(failure ? WriteFailureMessage(*failure) : kIdleMessage, 1);
    state.runInProgress = false;
    ++state.runsCompleted;
    if (ReadBoolSetting(keys::QuitWhenDone)) {
        state.quitAfterRunArmed = true;
        QTimer::singleShot(1000, [] { QuitAfterRun(); });
    }
}

void QuitAfterRun() {
    AppState& state = State();
    // A run that started meanwhile arms its own when it ends.
    if (!state.quitAfterRunArmed || state.runInProgress) return;
    SayGoodbye();
    FinishFrameWriters();
    std::fflush(nullptr);
    std::_Exit(0);
}

void SayGoodbye() {
    AppState& state = State();
    state.quitting = true;  // no run starts any more
    ShowStatusMessage(kByeMessage, 1);
    if (MainWindow* window = state.mainWindow) FadeOutAndHide(*window);
}

void FinishFrameWriters() {
    Writers().WaitUntilIdle();
}

}  // namespace reelsnap
