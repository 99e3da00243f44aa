#include "files/choosers.h"

#include <QFileDialog>
#include <QFileInfo>

#include "app/app_state.h"
#include "app/main_window.h"
#include "files/file_system.h"
#include "settings/settings_store.h"

namespace reelsnap {
namespace {

std::unique_ptr<Chooser>& Installed() {
    static std::unique_ptr<Chooser> chooser = std::make_unique<FileDialogChooser>();
    return chooser;
}

QString StartDirectory(const std::filesystem::path* start) {
    return start ? QString::fromStdString(start->string()) : QString();
}

}  // namespace

std::optional<std::filesystem::path> FileDialogChooser::AskForFile(
    const QString& message, const std::filesystem::path* start) {
    const QString file =
        QFileDialog::getOpenFileName(State().mainWindow, message, StartDirectory(start));
    if (file.isEmpty()) return std::nullopt;
    return std::filesystem::path(file.toStdString());
}

std::optional<std::filesystem::path> FileDialogChooser::AskForFolder(
    const QString& message, const std::filesystem::path* start) {
    const QString folder =
        QFileDialog::getExistingDirectory(State().mainWindow, message, StartDirectory(start));
    if (folder.isEmpty()) return std::nullopt;
    return std::filesystem::path(folder.toStdString());
}

Chooser& CurrentChooser() {
    return *Installed();
}

std::unique_ptr<Chooser> SetChooser(std::unique_ptr<Chooser> chooser) {
    std::swap(Installed(), chooser);
    return chooser;
}

std::int16_t ChooseFile(const std::filesystem::path* defaultLocation, const QString* message,
                        std::filesystem::path* file) {
    auto chosen = CurrentChooser().AskForFile(message ? *message : QString(), defaultLocation);
    if (!chosen) return kUserCanceledErr;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(*chosen, ec)) return kFileNotFoundErr;
    *file = std::move(*chosen);
    return kNoErr;
}

std::int16_t ChooseFolder(const std::filesystem::path* defaultLocation, const QString* message,
                          std::filesystem::path* folder) {
    auto chosen = CurrentChooser().AskForFolder(message ? *message : QString(), defaultLocation);
    if (!chosen) return kUserCanceledErr;
    if (!IsFolderRef(*chosen)) return kFileNotFoundErr;
    *folder = std::move(*chosen);
    return kNoErr;
}

QString DisplayNameOfFolder(const std::filesystem::path& folder) {
    QString name;
    if (NameOfRef(folder, &name) != kNoErr) return QString();
    return name;
}

bool ChooseDestinationFolder(std::filesystem::path& folder) {
    if (!(ReadBoolSetting(keys::CopyTo) && ResolveCopyToLocation(folder))) {
        std::filesystem::path chosen;
        if (ChooseFolder(nullptr, &kDestinationPrompt, &chosen) != kNoErr) return false;
        folder = std::move(chosen);
    }
    const QString displayName = DisplayNameOfFolder(folder);
    MainWindow* window = State().mainWindow;
    if (displayName.isEmpty() || !window) return true;
    // "[*]" in a title is Qt's modified marker; doubled it stands for itself.
    window->setWindowTitle(
        QString(displayName).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
    FileSpec spec;
    if (SpecFromRef(folder, &spec) != kNoErr) return true;
    window->setWindowFilePath(QString::fromStdString(folder.string()));
    window->setWindowModified(false);
    return true;
}

}  // namespace reelsnap
