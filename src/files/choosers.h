// The file and folder choosers.
#pragma once

#include <QString>
#include <QtGlobal>
#include <cstdint>
#include <filesystem>
#include <optional>

class QWidget;

namespace reelsnap {

// Asks the user; answers nothing when the user cancels. The application
// uses QFileDialog; tests install their own answers.
class Chooser {
  public:
    virtual ~Chooser() = default;
    // `filter` is a file dialog's name filter; empty: any file.
    virtual std::optional<std::filesystem::path> AskForFile(const QString& message,
                                                            const std::filesystem::path* start,
                                                            const QString& filter) = 0;
    // `title` is the dialog's own, short; `message` the question in full,
    // for a dialog that has a place for it (QFileDialog has none).
    virtual std::optional<std::filesystem::path> AskForFolder(
        const QString& title, const QString& message, const std::filesystem::path* start) = 0;
    // A name for a file to write, starting at `suggested`; the dialog asks
    // before a file is replaced.
    virtual std::optional<std::filesystem::path> AskForNewFile(
        const QString& title, const std::filesystem::path& suggested, const QString& filter) = 0;
    // A whole number from `minimum` to `maximum`, starting at `value`.
    virtual std::optional<int> AskForNumber(const QString& title, const QString& label, int value,
                                            int minimum, int maximum) = 0;
};

// QFileDialog, over the window it belongs to.
class FileDialogChooser : public Chooser {
  public:
    explicit FileDialogChooser(QWidget* parent) : parent_(parent) {}
    std::optional<std::filesystem::path> AskForFile(const QString& message,
                                                    const std::filesystem::path* start,
                                                    const QString& filter) override;
    std::optional<std::filesystem::path> AskForFolder(const QString& title, const QString& message,
                                                      const std::filesystem::path* start) override;
    std::optional<std::filesystem::path> AskForNewFile(const QString& title,
                                                       const std::filesystem::path& suggested,
                                                       const QString& filter) override;
    std::optional<int> AskForNumber(const QString& title, const QString& label, int value,
                                    int minimum, int maximum) override;

  private:
    QWidget* parent_;
};

// Keys of the "LocalizedStrings" table.
inline const char* const kDestinationPrompt = QT_TRANSLATE_NOOP(
    "LocalizedStrings", "Choose a folder for the destination of the movie frames.");
inline const char* const kDestinationTitle =
    QT_TRANSLATE_NOOP("LocalizedStrings", "Choose Destination Folder");
inline const char* const kCopyToTitle = QT_TRANSLATE_NOOP("LocalizedStrings", "Choose Copy Folder");
inline const char* const kChooseFilePrompt = QT_TRANSLATE_NOOP("LocalizedStrings", "Choose a file");
inline const char* const kOpenMoviePrompt = QT_TRANSLATE_NOOP("LocalizedStrings", "Open Movie");
// The movie files a file dialog offers first.
inline const char* const kMovieFilter = QT_TRANSLATE_NOOP(
    "LocalizedStrings",
    "Movies (*.mp4 *.m4v *.mov *.mkv *.webm *.avi *.mpg *.mpeg *.ts *.mts *.m2ts *.wmv *.flv "
    "*.3gp *.ogv *.dv *.mxf *.h264 *.264 *.hevc *.265);;All files (*)");

// 0 when exactly one existing file was chosen; -128 when the user cancelled.
std::int16_t ChooseFile(Chooser& chooser, const std::filesystem::path* defaultLocation,
                        const QString* message, std::filesystem::path* file,
                        const QString& filter = QString());
// 0 when an existing folder was chosen; -128 when the user cancelled.
std::int16_t ChooseFolder(Chooser& chooser, const std::filesystem::path* defaultLocation,
                          const QString& title, const QString* message,
                          std::filesystem::path* folder);

// The folder's name as a file manager shows it ("/" for the root).
QString DisplayNameOfFolder(const std::filesystem::path& folder);

}  // namespace reelsnap
