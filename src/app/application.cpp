#include "app/application.h"

#include <malloc.h>
#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" {
#include <libavutil/log.h>
}

#include "app/command_handlers.h"
#include "app/open_documents.h"
#include "app/picker/picker_window.h"
#include "app/single_instance.h"
#include "files/choosers.h"
#include "files/file_system.h"
#include "platform/path_text.h"
#include "platform/quit_signals.h"
#include "platform/status_codes.h"
#include "platform/translations.h"
#include "settings/preferences_window.h"

namespace reelsnap {
namespace {

// The main window's size and place, as QWidget::saveGeometry() gives them.
const QString kWindowGeometryKey = QStringLiteral("MainWindowGeometry");

// Frame images are megabytes each. Left to itself the allocator maps each
// one afresh and unmaps it when freed, and the kernel then clears every page
// again for the next frame; kept in the heap, the memory of one frame serves
// the next. What the heap keeps is bounded by the frames in flight at once.
void KeepFreedFrameMemory() {
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
}

QString WriteFailureMessage(const FrameWriteFailure& failure) {
    return LocalizedString(kWriteFailedMessage)
        .arg(DisplayPath(failure.path.filename()), WriteFailureReason(failure));
}

}  // namespace

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int size : {32, 64, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1/com.ondrel.Reelsnap.png").arg(size));
    }
    return icon;
}

Application::Application(const std::filesystem::path& preferencesFile,
                         std::unique_ptr<Chooser> chooser)
    : domain_(preferencesFile),
      mainWindow_(std::make_unique<MainWindow>()),
      chooser_(chooser ? std::move(chooser)
                       : std::make_unique<FileDialogChooser>(mainWindow_.get())) {
    mainWindow_->hide();
    SetApplicationLooks();
    RestoreWindowGeometry();
    preferencesWindow_ =
        std::make_unique<PreferencesWindow>(mainWindow_.get(), settings_, *chooser_);
    ConnectWindows();
    preferencesWindow_->FillPreferencesWindow();  // also shows the idle message
    mainWindow_->show();
    AddHelpMenuItems();
}

PickerWindow& Application::picker() {
    if (!picker_) {
        picker_ = std::make_unique<PickerWindow>(*chooser_, [this] {
            return PickerWindow::SheetSettings{
                ImageFileTypeFromNumber(settings_.ReadImageType()).value_or(ImageFileType::Jpeg),
                settings_.ImageCompressionFactor()};
        });
        connect(picker_.get(), &PickerWindow::extractRequested, this,
                &Application::PostPickedFrames);
    }
    return *picker_;
}

Application::~Application() {
    writers_.WaitUntilIdle();
    SaveWindowGeometry();
}

// The version, and the icon that every window and alert shows.
void Application::SetApplicationLooks() {
    QApplication::setApplicationVersion(QStringLiteral(REELSNAP_VERSION));
    QApplication::setWindowIcon(ApplicationIcon());
}

void Application::RestoreWindowGeometry() {
    const QVariant geometry = domain_.Value(kWindowGeometryKey);
    if (geometry.typeId() == QMetaType::QByteArray) {
        mainWindow_->restoreGeometry(geometry.toByteArray());
    }
}

void Application::SaveWindowGeometry() {
    const QByteArray geometry = mainWindow_->saveGeometry();
    if (domain_.Value(kWindowGeometryKey).toByteArray() == geometry) return;
    domain_.SetValue(kWindowGeometryKey, geometry);
    domain_.Synchronize();
}

void Application::ConnectWindows() {
    connect(mainWindow_.get(), &MainWindow::commandTriggered, this, &Application::DispatchCommand);
    connect(mainWindow_.get(), &MainWindow::documentsDropped, this,
            &Application::PostOpenDocuments);
    connect(mainWindow_.get(), &MainWindow::movieDroppedForPicking, this,
            [this](const QString& movie) { picker().OpenMovie(PathOfText(movie)); });
    connect(
        preferencesWindow_.get(), &PreferencesWindow::commandNotHandled, this,
        [this](CommandId command) { DispatchCommand(command, CommandOrigin::PreferencesWindow); });
    connect(preferencesWindow_.get(), &PreferencesWindow::filling, this,
            [this] { mainWindow_->ShowStatusMessage(kIdleMessage, 1); });
    connect(preferencesWindow_.get(), &PreferencesWindow::settingsChanged, this,
            [this] { frameSettings_.reset(); });
}

void Application::AddHelpMenuItems() {
    QMenu* help = mainWindow_->helpMenu();
    if (!help) {
        status_ = kHelpMenuNotFoundErr;
        return;
    }
    // Both at the first free place, before the About item's group: the
    // App Store item ends up above the website's.
    const QList<QAction*> actions = help->actions();
    const auto separator =
        std::find_if(actions.begin(), actions.end(), [](QAction* a) { return a->isSeparator(); });
    const int index = int(separator - actions.begin());
    mainWindow_->InsertHelpMenuItem(index, LocalizedString(kWebSiteItem), commands::WebSite);
    mainWindow_->InsertHelpMenuItem(index, LocalizedString(kAppStoreItem), commands::AppStore);
}

void Application::ShowPreferencesSheet() {
    preferencesWindow_->ShowSheet();
}

void Application::ExtractionRunTimer() {
    if (quitting_) return;
    if (runInProgress_) {
        ++deferredRuns_;
        return;
    }
    runInProgress_ = true;
    run_.Run(pendingDocuments_, *this, *this);
    runInProgress_ = false;
    emit runFinished();
    if (deferredRuns_ > 0) {
        --deferredRuns_;
        QTimer::singleShot(1, this, [this] { ExtractionRunTimer(); });
    }
}

void Application::QuitAfterRun() {
    // A run that started meanwhile arms its own when it ends.
    if (!quitAfterRunArmed_ || runInProgress_) return;
    SaveWindowGeometry();  // the process ends without unwinding
    SayGoodbye();
    writers_.WaitUntilIdle();
    std::fflush(nullptr);
    std::_Exit(0);
}

void Application::SayGoodbye() {
    quitting_ = true;
    mainWindow_->ShowStatusMessage(kByeMessage, 1);
    mainWindow_->FadeOutAndHide();
}

std::optional<std::filesystem::path> Application::ChooseDestinationFolder() {
    // The stored copy folder when CopyTo is on and it still exists, else the user's choice.
    std::filesystem::path folder;
    if (!settings_.ReadBoolSetting(keys::CopyTo) || !settings_.ResolveCopyToLocation(folder)) {
        // The question starts where the last answer was, not in the working folder.
        std::filesystem::path last;
        const bool known = settings_.ResolveFolder(keys::LastDestination, last);
        const QString prompt = LocalizedString(kDestinationPrompt);
        if (ChooseFolder(*chooser_, known ? &last : nullptr, LocalizedString(kDestinationTitle),
                         &prompt, &folder) != kNoErr) {
            return std::nullopt;
        }
        settings_.StoreFolder(keys::LastDestination, folder);
    }
    lastDestination_ = folder;
    const QString displayName = DisplayNameOfFolder(folder);
    if (!displayName.isEmpty()) {
        mainWindow_->ShowDestinationFolder(displayName, DisplayPath(folder));
    }
    return folder;
}

void Application::ReadSelection(FrameSelection& selection) {
    if (!pendingFrames_.empty()) {
        // The picker's marks, whatever the preferences select.
        selection = FrameSelection{};
        selection.mode = SelectionMode::Frames;
        selection.last = INT32_MAX;
        for (const std::int32_t index : pendingFrames_) selection.ranges.emplace_back(index, index);
        return;
    }
    selection.step = preferencesWindow_->CurrentSkip();
    preferencesWindow_->CurrentInitialFrameIndex(selection.first);
    preferencesWindow_->CurrentFinalFrameIndex(selection.last);
    // The popup's modes are the first five, each with its number.
    const auto mode = SelectionMode(preferencesWindow_->CurrentSelectionMode());
    const double value = preferencesWindow_->CurrentSelectionValue();
    switch (mode) {
        case SelectionMode::Seconds:
            selection.intervalNs = std::llround(value * 1e9);
            break;
        case SelectionMode::Spread:
            selection.spread = std::int32_t(value);
            break;
        case SelectionMode::Scenes:
            selection.sceneThreshold = value;
            break;
        default:
            break;
    }
    selection.mode = mode;
}

FrameSettings Application::CurrentFrameSettings() {
    // Another process's change is seen from the next frame, as one made here.
    const bool fileChanged = domain_.ChangedSinceLastLook();
    if (fileChanged || !frameSettings_) frameSettings_ = ReadFrameSettings();
    return *frameSettings_;
}

FrameSettings Application::ReadFrameSettings() {
    const SettingsStore::ReadBatch batch(settings_);
    FrameSettings frame;
    frame.write.scalePercent = preferencesWindow_->CurrentScalePercent();
    frame.write.compressionFactor = settings_.ImageCompressionFactor();
    frame.write.type = ImageFileTypeFromNumber(settings_.ReadImageType());
    frame.write.keepDeepFrames = settings_.ReadBoolSetting(keys::KeepDeepFrames);
    frame.write.keepHdr = settings_.ReadInt16Setting(keys::HdrMovies) == 2;
    frame.naming.appendFrameCount = settings_.ReadBoolSetting(keys::AppendFrameCount);
    frame.naming.padIndicesWithZeros = settings_.ReadBoolSetting(keys::PadIndicesWithZeros);
    frame.naming.byTime = settings_.ReadInt16Setting(keys::NameBy) == 2;
    frame.preserveDates = settings_.ReadBoolSetting(keys::PreserveDates);
    frame.writeMetadata = settings_.ReadBoolSetting(keys::WriteFrameMetadata);
    return frame;
}

void Application::RunBusy() {
    mainWindow_->ShowBusyLook();
}

void Application::StatusMessage(const char* key) {
    mainWindow_->ShowStatusMessage(key, 1);
}

void Application::ProgressShown() {
    mainWindow_->ShowProgressDisplay();
    notices_.ShowLauncherProgress(0);
}

void Application::FrameHandled(std::int32_t done, std::int32_t expected) {
    mainWindow_->ShowProgress(done, expected);
    notices_.ShowLauncherProgress(expected > 0 ? double(done) / expected : 1.0);
    const QString& format = strings_.GetCachedLocalizedString(kCounterFormat);
    mainWindow_->ShowStatusMessage(FillCounterFormat(format, done, expected), 2);
}

void Application::ProgressHidden() {
    mainWindow_->HideProgressDisplay();
    notices_.HideLauncherProgress();
}

void Application::RunFinished(const RunResult& result) {
    mainWindow_->ShowIdleLook();
    // A failure takes the idle message's place, so that it is seen; the
    // folder message the run showed stays until the next drop, run or command.
    if (result.end != RunEnd::Folder) mainWindow_->ShowStatusMessage(EndMessage(result), 1);
    NotifyIfUnseen(result);
    if (settings_.ReadBoolSetting(keys::QuitWhenDone)) {
        quitAfterRunArmed_ = true;
        QTimer::singleShot(1000, this, [this] { QuitAfterRun(); });
    }
}

// Line 1 after a run: why it failed, naming the file, or the idle message.
QString Application::EndMessage(const RunResult& result) const {
    const QString movie = DisplayPath(PathOfText(pendingDocuments_.value(0)).filename());
    switch (result.end) {
        case RunEnd::NotAMovie:
            if (result.systemError != 0) {
                return LocalizedString(kCannotOpenMessage)
                    .arg(movie, QString::fromLocal8Bit(std::strerror(result.systemError)));
            }
            return LocalizedString(kNotAMovieMessage).arg(movie);
        case RunEnd::NoVideo:
            return LocalizedString(kNoVideoMessage).arg(movie);
        case RunEnd::TooLarge:
            return LocalizedString(kTooLargeMessage).arg(movie);
        default:
            break;
    }
    if (result.failure) return WriteFailureMessage(*result.failure);
    if (result.noFrameDecoded) return LocalizedString(kNothingDecodedMessage).arg(movie);
    return kIdleMessage;
}

void Application::NotifyIfUnseen(const RunResult& result) {
    if (mainWindow_->isActiveWindow() || result.end == RunEnd::NoDocument ||
        result.end == RunEnd::NoDestination) {
        return;
    }
    const bool wroteAll = result.end == RunEnd::Walked && !result.failure && !result.noFrameDecoded;
    if (wroteAll) {
        notices_.Notify(tr("%n frame(s) written", nullptr, result.writes.written),
                        DisplayPath(lastDestination_),
                        QUrl::fromLocalFile(TextOfPath(lastDestination_)));
    } else {
        // Line 1 says why, as the window would have shown it.
        const QUrl folder = result.end == RunEnd::Walked
                                ? QUrl::fromLocalFile(TextOfPath(lastDestination_))
                                : QUrl();
        notices_.Notify(tr("Extraction stopped"), mainWindow_->statusText()->text(), folder);
    }
}

// The one place where the application lets pending events in while it works:
// the walk's yields, and the count of a long movie.
void Application::Yield() {
    QCoreApplication::processEvents();
}

void SetApplicationIdentity() {
    // The name is the class of the window's WM_CLASS, which the desktop
    // file's StartupWMClass names; the desktop file's own name is the
    // application id, which Wayland docks match.
    QApplication::setApplicationName("Reelsnap");
    QApplication::setOrganizationName("Ondrel");
    QApplication::setApplicationDisplayName("Reelsnap");
    QApplication::setDesktopFileName("com.ondrel.Reelsnap");
}

QStringList LaunchDocuments(const QStringList& arguments) {
    QStringList documents;
    for (const QString& argument : arguments) {
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(PathOfText(argument), ec);
        documents.append(TextOfPath(ec ? PathOfText(argument) : absolute));
    }
    return documents;
}

int RunApplication(int argc, char** argv) {
    av_log_set_level(AV_LOG_QUIET);
    KeepFreedFrameMemory();
    QApplication app(argc, argv);
    SetApplicationIdentity();
    QApplication::setQuitOnLastWindowClosed(false);
    const Translations translations;  // the system locale's
    // Names are bytes: the arguments are read as they are, not through the locale.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << TextOfPath(std::string_view(argv[i]));
    const QStringList documents = LaunchDocuments(arguments);
    if (SingleInstance::HandToRunningInstance(documents)) return 0;
    SingleInstance instance;
    instance.Listen();  // without it this instance runs on alone
    Application application(PreferencesDomain::ApplicationFile());
    // A termination signal quits as Quit does: the frame in progress completes.
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, &application, [&application] {
        application.DispatchCommand(commands::Quit, CommandOrigin::MainWindow);
    });
    // Handled once the event loop runs, with the main window on screen.
    if (!documents.isEmpty()) application.PostOpenDocuments(documents);
    QObject::connect(&instance, &SingleInstance::documentsReceived, &application,
                     [&application](const QStringList& handedOn) {
                         if (!handedOn.isEmpty()) application.PostOpenDocuments(handedOn);
                         application.mainWindow().BringToFront();
                     });
    QApplication::exec();
    return application.status();
}

}  // namespace reelsnap
