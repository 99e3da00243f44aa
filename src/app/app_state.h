// Application-wide values that several parts of the shell and the run share.
// Everything here lives on the main thread.
#pragma once

#include <QPointer>
#include <QStringList>
#include <cstdint>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace reelsnap {

class MainWindow;
class PreferencesWindow;
class Chooser;

struct MainWindowControls {
    QPointer<QLabel> statusText;  // status line 1
    QPointer<QWidget> busyIndicator;
    QPointer<QWidget> idlePane;
    QPointer<QProgressBar> progressBar;
    QPointer<QLabel> counterText;  // status line 2
    QPointer<QPushButton> stopButton;
};

struct AppState {
    QPointer<MainWindow> mainWindow;
    MainWindowControls controls;
    QPointer<PreferencesWindow> preferencesWindow;

    bool hasPendingDocuments = false;
    QStringList pendingDocuments;
    bool stopRequested = false;
    bool quitRequested = false;
    std::int32_t framesDone = 0;
    std::int32_t framesExpected = 0;

    // A run in progress, and the runs whose timers fired meanwhile.
    bool runInProgress = false;
    int deferredRuns = 0;
    std::int64_t runsCompleted = 0;
    // QuitAfterRun was armed by a run's end; the application is saying goodbye.
    bool quitAfterRunArmed = false;
    bool quitting = false;
};

AppState& State();

}  // namespace reelsnap
