// The file and folder choosers, and the choice of a run's destination.
#pragma once

#include <QString>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

class QWidget;

namespace reelsnap {

// Asks the user; answers nothing when the user cancels. The application
// uses QFileDialog; tests install their own answers.
class Chooser {
  public:
    virtual ~Chooser() = default;
    virtual std::optional<std::filesystem::path> AskForFile(const QString& message,
                                                            const std::filesystem::path* start) = 0;
    virtual std::optional<std::filesystem::path> AskForFolder(
        const QString& message, const std::filesystem::path* start) = 0;
};

class FileDialogChooser : public Chooser {
  public:
    std::optional<std::filesystem::path> AskForFile(const QString& message,
                                                    const std::filesystem::path* start) override;
    std::optional<std::filesystem::path> AskForFolder(const QString& message,
                                                      const std::filesystem::path* start) override;
};

Chooser& CurrentChooser();
// Replaces the chooser; returns the previous one.
std::unique_ptr<Chooser> SetChooser(std::unique_ptr<Chooser> chooser);

inline const QString kDestinationPrompt =
    QStringLiteral("Choose a folder for the destination of the movie frames.");
inline const QString kChooseFilePrompt = QStringLiteral("Choose a file");

// 0 when exactly one existing file was chosen; -128 when the user cancelled.
std::int16_t ChooseFile(const std::filesystem::path* defaultLocation, const QString* message,
                        std::filesystem::path* file);
// 0 when an existing folder was chosen; -128 when the user cancelled.
std::int16_t ChooseFolder(const std::filesystem::path* defaultLocation, const QString* message,
                          std::filesystem::path* folder);

// The stored copy folder when CopyTo is on and it still exists, else the
// user's choice. Titles the main window after the folder. False when no
// destination is known.
bool ChooseDestinationFolder(std::filesystem::path& folder);

// The folder's name as a file manager shows it ("/" for the root).
QString DisplayNameOfFolder(const std::filesystem::path& folder);

}  // namespace reelsnap
