#include "app/command_handlers.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "app/app_state.h"
#include "app/main_window.h"
#include "extract/frame_counting.h"
#include "files/choosers.h"
#include "files/file_system.h"
#include "platform/movie.h"
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

void DispatchCommand(CommandId command, CommandOrigin origin) {
    AppState& state = State();
    std::int16_t status = kEventNotHandledErr;
    if (origin == CommandOrigin::PreferencesWindow) {
        if (state.preferencesWindow)
            status = state.preferencesWindow->PreferencesCommandHandler(command);
    } else if (state.mainWindow) {
        status = state.mainWindow->HandleWindowCommand(command);
    }
    if (status == kEventNotHandledErr && origin == CommandOrigin::HelpMenu) {
        status = HandleHelpMenuCommand(command);
    }
    if (status == kEventNotHandledErr) status = HandleCommand(command);
    if (status == kEventNotHandledErr) StandardCommand(command);
}

std::int16_t HandleCommand(CommandId command) {
    switch (command) {
        case commands::Help:
            OpenWebPage(kProductPage);
            return kNoErr;
        case commands::FrameCount:
            return CountFramesOfChosenMovie();
        case commands::Preferences:
            ShowPreferencesSheet();
            return kNoErr;
        case commands::Stop:
            State().stopRequested = true;
            return kNoErr;
        case commands::Quit:
            State().quitRequested = true;
            return kEventNotHandledErr;
        default:
            return kEventNotHandledErr;
    }
}

std::int16_t HandleHelpMenuCommand(CommandId command) {
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

std::int16_t CountFramesOfChosenMovie() {
    std::filesystem::path file;
    if (const std::int16_t status = ChooseFile(nullptr, &kChooseFilePrompt, &file);
        status != kNoErr) {
        return status;
    }
    auto movie = Movie::Open(file);
    if (!movie) return kNoErr;
    const std::int32_t frames = CountVideoFrames(*movie);
    const QString name = CopyCatalogName(file);
    if (name.isEmpty()) return kNoErr;
    // One substitution, so that a "%1" in the name stays as it is.
    ShowAlert(QStringLiteral("The movie \"%1\" has %2 frames.").arg(name, QString::number(frames)));
    return kNoErr;
}

std::int16_t ShowAlert(const QString& message, const QString& explanation) {
    QApplication::beep();
    QMessageBox alert(QMessageBox::Information, QStringLiteral("Reelsnap"), message,
                      QMessageBox::Ok, State().mainWindow);
    // The application's own icon, as the platform's alerts show it.
    if (const QIcon icon = QApplication::windowIcon(); !icon.isNull()) {
        alert.setIconPixmap(icon.pixmap(64));
    }
    alert.setTextFormat(Qt::PlainText);  // a movie's name is not markup
    alert.setDefaultButton(QMessageBox::Ok);
    if (!explanation.isEmpty()) alert.setInformativeText(explanation);
    alert.exec();
    return kNoErr;
}

}  // namespace reelsnap
