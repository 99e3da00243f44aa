// The application object: it owns the long-lived parts (main window,
// preferences window, writer pool, chooser, preferences, string cache and
// the extraction run) and hands them on by reference. It is the run's
// settings and its observer, and it receives the open-documents events.
#pragma once

#include <QIcon>
#include <QObject>
#include <QStringList>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/desktop_notices.h"
#include "app/main_window.h"
#include "app/status_line.h"
#include "extract/extraction_run.h"
#include "extract/frame_writer_pool.h"
#include "platform/preferences_domain.h"
#include "settings/settings_store.h"

namespace reelsnap {

class Chooser;
class OpenDocumentsEvent;
class PickerWindow;
class PreferencesWindow;

class Application : public QObject, private RunSettings, private RunObserver {
    Q_OBJECT
  public:
    // Start-up: the main window and its menus, the preferences window filled
    // from `preferencesFile` (which shows the idle message), the window
    // shown. Without a chooser the file dialogs ask, over the main window.
    explicit Application(const std::filesystem::path& preferencesFile,
                         std::unique_ptr<Chooser> chooser = nullptr);
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // 0, or the status of the Help-menu lookup when it failed; the
    // application runs either way and ends with this status.
    std::int16_t status() const { return status_; }

    MainWindow& mainWindow() { return *mainWindow_; }
    PreferencesWindow& preferencesWindow() { return *preferencesWindow_; }
    SettingsStore& settings() { return settings_; }
    PreferencesDomain& preferences() { return domain_; }
    ExtractionRun& run() { return run_; }
    DesktopNotices& desktopNotices() { return notices_; }

    const QStringList& pendingDocuments() const { return pendingDocuments_; }
    bool runInProgress() const { return runInProgress_; }
    int deferredRuns() const { return deferredRuns_; }
    bool quitAfterRunArmed() const { return quitAfterRunArmed_; }
    void DisarmQuitAfterRun() { quitAfterRunArmed_ = false; }

    // Posts the list to the application's own queue as one open-documents event.
    void PostOpenDocuments(const QStringList& documents);
    // Posts the picker's marked frames of the movie as an open-documents
    // event: a run of those frames alone.
    void PostPickedFrames(const std::filesystem::path& movie,
                          const std::vector<std::int32_t>& frames);
    // Stores the list as PendingDocuments and schedules a run one millisecond later.
    std::int16_t HandleOpenDocuments(const OpenDocumentsEvent& event);

    // Sends a command on after its window's handler: the Help menu's
    // handler for its items, the application's, then the standard handling
    // (Quit quits).
    void DispatchCommand(CommandId command, CommandOrigin origin);
    std::int16_t HandleCommand(CommandId command);
    std::int16_t HandleHelpMenuCommand(CommandId command);
    // The frame-count command: asks for a movie and tells its frame count.
    std::int16_t CountFramesOfChosenMovie();
    // File ▸ Open Movie: the chosen movie is handed in as a drop is.
    std::int16_t OpenChosenMovie();
    // File ▸ Pick Frames: the chosen movie opens in the picker.
    std::int16_t PickFramesOfChosenMovie();
    // The picker, made when first wanted.
    PickerWindow& picker();
    void ShowPreferencesSheet();

    // The one-millisecond timer's callback: a run, or, while one is in
    // progress, a run that starts when it has ended.
    void ExtractionRunTimer();
    // Armed one second after a run when QuitWhenDone is set: says goodbye
    // and ends the process at once.
    void QuitAfterRun();
    // Shows the last message and fades the main window out; no run starts after it.
    void SayGoodbye();

  signals:
    void runFinished();

  protected:
    bool event(QEvent* event) override;

  private:
    static void SetApplicationLooks();
    void RestoreWindowGeometry();
    void SaveWindowGeometry();
    void AddHelpMenuItems();
    void ConnectWindows();

    // RunSettings
    std::optional<std::filesystem::path> ChooseDestinationFolder() override;
    void ReadSelection(FrameSelection& selection) override;
    FrameSettings CurrentFrameSettings() override;
    // The frame settings from the preferences window's live scale and the
    // stored settings, read together.
    FrameSettings ReadFrameSettings();
    // RunObserver
    void RunBusy() override;
    void StatusMessage(const char* key) override;
    void ProgressShown() override;
    void FrameHandled(std::int32_t done, std::int32_t expected) override;
    void ProgressHidden() override;
    void RunFinished(const RunResult& result) override;
    void Yield() override;
    // A run that ended while the window was not the active one is told in
    // a notification: what was written and where, or why it stopped.
    void NotifyIfUnseen(const RunResult& result);
    QString EndMessage(const RunResult& result) const;

    PreferencesDomain domain_;
    SettingsStore settings_{domain_};
    LocalizedStringCache strings_;
    FrameWriterPool writers_;
    ExtractionRun run_{writers_};
    DesktopNotices notices_;
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<Chooser> chooser_;
    std::unique_ptr<PreferencesWindow>
        preferencesWindow_;  // a child of the main window; goes first

    // The frame settings as last read; dropped when the preferences window
    // changes one, and read again when the preferences file changed.
    std::optional<FrameSettings> frameSettings_;
    std::filesystem::path lastDestination_;  // the folder the last run wrote into
    QStringList pendingDocuments_;
    std::vector<std::int32_t> pendingFrames_;  // the picker's, for the pending run
    bool runInProgress_ = false;
    int deferredRuns_ = 0;
    bool quitAfterRunArmed_ = false;
    bool quitting_ = false;
    std::int16_t status_ = 0;
    std::unique_ptr<PickerWindow> picker_;  // uses the chooser; goes before it
};

// Reelsnap's icon, at the sizes windows and alerts use.
QIcon ApplicationIcon();

// The process entry: runs the application with the launch arguments as the
// open-documents list; returns the exit status.
int RunApplication(int argc, char** argv);

// The application's name, organisation and desktop file name (its id), as
// the desktop and its docks know it.
void SetApplicationIdentity();

// The launch arguments as an open-documents list: each file as an absolute path.
QStringList LaunchDocuments(const QStringList& arguments);

}  // namespace reelsnap
