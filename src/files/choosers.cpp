#include "files/choosers.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>

#include "files/file_system.h"
#include "platform/file_io.h"
#include "platform/path_text.h"

namespace reelsnap {
namespace {

QString StartDirectory(const std::filesystem::path* start) {
    return start ? TextOfPath(*start) : QString();
}

}  // namespace

std::optional<std::filesystem::path> FileDialogChooser::AskForFile(
    const QString& message, const std::filesystem::path* start, const QString& filter) {
    const QString file =
        QFileDialog::getOpenFileName(parent_, message, StartDirectory(start), filter);
    if (file.isEmpty()) return std::nullopt;
    return PathOfText(file);
}

std::optional<std::filesystem::path> FileDialogChooser::AskForFolder(
    const QString& title, const QString& /*message*/, const std::filesystem::path* start) {
    const QString folder = QFileDialog::getExistingDirectory(parent_, title, StartDirectory(start));
    if (folder.isEmpty()) return std::nullopt;
    return PathOfText(folder);
}

std::optional<std::filesystem::path> FileDialogChooser::AskForNewFile(
    const QString& title, const std::filesystem::path& suggested, const QString& filter) {
    const QString file =
        QFileDialog::getSaveFileName(parent_, title, TextOfPath(suggested), filter);
    if (file.isEmpty()) return std::nullopt;
    return PathOfText(file);
}

std::optional<int> FileDialogChooser::AskForNumber(const QString& title, const QString& label,
                                                   int value, int minimum, int maximum) {
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(minimum, maximum);
    dialog.setIntValue(value);
    // Wide enough for its title and the application's name after it, which
    // the window manager would otherwise cut short on so small a dialog.
    const QString shown = title + QStringLiteral(" — ") + QGuiApplication::applicationDisplayName();
    dialog.setMinimumWidth(dialog.fontMetrics().horizontalAdvance(shown) + 120);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.intValue();
}

std::int16_t ChooseFile(Chooser& chooser, const std::filesystem::path* defaultLocation,
                        const QString* message, std::filesystem::path* file,
                        const QString& filter) {
    auto chosen = chooser.AskForFile(message ? *message : QString(), defaultLocation, filter);
    if (!chosen) return kUserCanceledErr;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(*chosen, ec)) return kFileNotFoundErr;
    *file = std::move(*chosen);
    return kNoErr;
}

std::int16_t ChooseFolder(Chooser& chooser, const std::filesystem::path* defaultLocation,
                          const QString& title, const QString* message,
                          std::filesystem::path* folder) {
    auto chosen = chooser.AskForFolder(title, message ? *message : QString(), defaultLocation);
    if (!chosen) return kUserCanceledErr;
    if (!IsFolder(*chosen)) return kFileNotFoundErr;
    *folder = std::move(*chosen);
    return kNoErr;
}

QString DisplayNameOfFolder(const std::filesystem::path& folder) {
    QString name;
    if (NameOfRef(folder, &name) != kNoErr) return QString();
    return name;
}

}  // namespace reelsnap
