#include "app/command_handlers.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>
#include <new>

#include "app/application.h"
#include "app/main_window.h"
#include "app/picker/picker_window.h"
#include "app/status_line.h"
#include "extract/frame_counting.h"
#include "files/choosers.h"
#include "files/file_system.h"
#include "movie/movie.h"
#include "platform/library_versions.h"
#include "platform/path_text.h"
#include "settings/preferences_window.h"

namespace reelsnap {
namespace {

void OpenWebPage(const char* address) {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(address)));
}

// What is left when no handler took the command.
void StandardCommand(CommandId command) {
    // exit(), not quit(): quit() would first ask the windows to close, and
    // closing the main window is itself a Quit.
    if (command == commands::Quit) QCoreApplication::exit(0);
}

}  // namespace

void Application::DispatchCommand(CommandId command, CommandOrigin origin) {
    // The windows' own handlers have passed the command on by now: the
    // preferences window's handles its commands, the main window's none.
    std::int16_t status = kEventNotHandledErr;
    if (origin == CommandOrigin::HelpMenu) status = HandleHelpMenuCommand(command);
    if (status == kEventNotHandledErr) status = HandleCommand(command);
    if (status == kEventNotHandledErr) StandardCommand(command);
}

std::int16_t Application::HandleCommand(CommandId command) {
    switch (command) {
        case commands::Help:
            OpenWebPage(kProductPage);
            return kNoErr;
        case commands::About:
            ShowAbout(mainWindow_.get());
            return kNoErr;
        case commands::FrameCount:
            return CountFramesOfChosenMovie();
        case commands::OpenMovie:
            return OpenChosenMovie();
        case commands::PickFrames:
            return PickFramesOfChosenMovie();
        case commands::Preferences:
            ShowPreferencesSheet();
            return kNoErr;
        case commands::ShowDestination:
            // The folder of the last run, in the file manager.
            if (!lastDestination_.empty()) {
                QDesktopServices::openUrl(QUrl::fromLocalFile(TextOfPath(lastDestination_)));
            }
            return kNoErr;
        case commands::Stop:
            run_.RequestStop();
            return kNoErr;
        case commands::Quit:
            run_.RequestQuit();
            return kEventNotHandledErr;
        default:
            return kEventNotHandledErr;
    }
}

std::int16_t Application::HandleHelpMenuCommand(CommandId command) {
    switch (command) {
        case commands::WebSite:
            OpenWebPage(kProductPage);
            return kNoErr;
        case commands::AppStore:
            OpenWebPage(kAppStorePage);
            return kNoErr;
        default:
            return kEventNotHandledErr;
    }
}

QString CopyCatalogName(const std::filesystem::path& item) {
    QString name;
    if (NameOfRef(item, &name) != kNoErr) return QString();
    return name;
}

std::int16_t Application::OpenChosenMovie() {
    std::filesystem::path file;
    const QString prompt = LocalizedString(kOpenMoviePrompt);
    if (const std::int16_t status =
            ChooseFile(*chooser_, nullptr, &prompt, &file, LocalizedString(kMovieFilter));
        status != kNoErr) {
        return status;
    }
    // As a drop: one open-documents event in the application's own queue.
    PostOpenDocuments({TextOfPath(file)});
    return kNoErr;
}

std::int16_t Application::PickFramesOfChosenMovie() {
    std::filesystem::path file;
    const QString prompt = tr("Pick Frames");
    if (const std::int16_t status =
            ChooseFile(*chooser_, nullptr, &prompt, &file, LocalizedString(kMovieFilter));
        status != kNoErr) {
        return status;
    }
    picker().OpenMovie(file);
    return kNoErr;
}

std::int16_t Application::CountFramesOfChosenMovie() {
    std::filesystem::path file;
    const QString prompt = LocalizedString(kChooseFilePrompt);
    if (const std::int16_t status = ChooseFile(*chooser_, nullptr, &prompt, &file);
        status != kNoErr) {
        return status;
    }
    auto movie = Movie::Open(file);
    if (!movie) return kNoErr;
    // The window takes commands while a long movie is counted; Quit breaks the count off.
    std::int32_t frames = 0;
    try {
        frames = CountVideoFramesResponsively(
            *movie, [this] { Yield(); }, [this] { return run_.quitRequested(); });
    } catch (const std::bad_alloc&) {
        QApplication::beep();  // memory cannot hold the movie's tables
        return kNoErr;
    }
    if (run_.quitRequested()) return kNoErr;
    if (movie->tooLarge()) {
        QApplication::beep();  // the count stopped short: no number to show
        return kNoErr;
    }
    const QString name = CopyCatalogName(file);
    if (name.isEmpty()) return kNoErr;
    // One substitution, so that a "%1" in the name stays as it is.
    ShowAlert(mainWindow_.get(),
              LocalizedString(kFrameCountAlert).arg(name, QString::number(frames)));
    return kNoErr;
}

void ShowAlert(QWidget* parent, const QString& message) {
    QApplication::beep();
    QMessageBox alert(QMessageBox::Information, QStringLiteral("Reelsnap"), message,
                      QMessageBox::Ok, parent);
    // The application's own icon, as the platform's alerts show it.
    if (const QIcon icon = QApplication::windowIcon(); !icon.isNull()) {
        alert.setIconPixmap(icon.pixmap(64));
    }
    alert.setTextFormat(Qt::PlainText);  // a movie's name is not markup
    alert.setDefaultButton(QMessageBox::Ok);
    alert.exec();
}

QString AboutText() {
    QString libraries;
    for (const auto& [name, version] : LibraryVersions()) {
        libraries += QStringLiteral("<br>%1 %2")
                         .arg(QString::fromStdString(name).toHtmlEscaped(),
                              QString::fromStdString(version).toHtmlEscaped());
    }
    libraries += QStringLiteral("<br>Qt %1").arg(QString::fromLatin1(qVersion()));
    // A licence the table knows is translated; another is shown as libavcodec names it.
    const QString ffmpegLicence = LocalizedString(QString::fromStdString(FfmpegLicence()));
    return QStringLiteral("<h3>Reelsnap %1</h3><p>%2</p><p>%3</p><p>%4%5</p><p>%6</p>")
        .arg(QCoreApplication::applicationVersion().toHtmlEscaped(),
             LocalizedString(kAboutSummary).toHtmlEscaped(),
             LocalizedString(kAboutLicence).toHtmlEscaped(),
             LocalizedString(kAboutLibraries).toHtmlEscaped(), libraries,
             LocalizedString(kAboutFfmpegLicence).arg(ffmpegLicence).toHtmlEscaped());
}

void ShowAbout(QWidget* parent) {
    QMessageBox::about(parent, LocalizedString(kAboutTitle), AboutText());
}

}  // namespace reelsnap
