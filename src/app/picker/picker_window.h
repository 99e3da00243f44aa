// The picker: a window to step through a movie frame by frame, see each
// frame's index and time, mark frames, and write just those (through the
// application's run) or a contact sheet of them.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "app/picker/frame_source.h"
#include "imaging/image_types.h"

namespace Ui {
class PickerWindow;
}

namespace reelsnap {

class Chooser;

class PickerWindow : public QMainWindow {
    Q_OBJECT
  public:
    // The type and compression a contact sheet is written with: the
    // preferences', read when it is saved.
    struct SheetSettings {
        ImageFileType type = ImageFileType::Jpeg;
        float compressionFactor = 0.7f;
    };
    static constexpr std::size_t kDefaultCacheBytes = std::size_t(256) << 20;

    PickerWindow(Chooser& chooser, std::function<SheetSettings()> sheetSettings,
                 std::size_t cacheBytes = kDefaultCacheBytes);
    ~PickerWindow() override;

    // Shows the window with the movie's first frame; marks are cleared.
    void OpenMovie(const std::filesystem::path& movie);

    Ui::PickerWindow& ui() { return *ui_; }
    const std::filesystem::path& movie() const { return movie_; }
    std::int32_t shownIndex() const { return shown_; }
    const QImage& shownImage() const { return image_; }
    const std::set<std::int32_t>& marks() const { return marks_; }
    // True once the frame asked for last is the one shown (or failed).
    bool settled() const { return source_ && shown_ == target_ && !opening_; }
    const FrameSource* frameSource() const { return source_.get(); }

  signals:
    // Extract Marked: the run is the application's.
    void extractRequested(const std::filesystem::path& movie,
                          const std::vector<std::int32_t>& frames);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void ConnectActions();
    void ConnectSource();
    void Go(std::int32_t index, FrameSource::Precision precision = FrameSource::Precision::Exact);
    void Step(int frames);
    void StepKeyFrame(int direction);
    void StepSecond(int direction);
    void GoToTyped();
    void ToggleMark();
    void ClearMarks();
    void ExtractMarked();
    void SaveContactSheet();
    void Opened(const MovieOutline& outline);
    void FrameShown(std::int32_t index, const QImage& image);
    void FrameFailed(std::int32_t index);
    void SheetSaved(const std::filesystem::path& path, const QString& failure);
    void ShowPosition(std::int32_t index);
    void ShowFrameImage();
    void RebuildMarksStrip();
    void EnableMarkCommands();
    // The commands that need an open movie.
    void EnableMovieCommands(bool open);
    void OpenChosenMovie();
    void ShowStatus(const QString& text);
    QSize ViewBound() const;
    QString FrameLabel(std::int32_t index) const;

    std::unique_ptr<Ui::PickerWindow> ui_;
    Chooser& chooser_;
    std::function<SheetSettings()> sheetSettings_;
    std::size_t cacheBytes_;
    std::unique_ptr<FrameSource> source_;
    std::filesystem::path movie_;
    MovieOutline outline_;
    bool opening_ = false;
    std::int32_t shown_ = 0;   // the frame on screen
    std::int32_t target_ = 0;  // the frame asked for last; steps go on from it
    QImage image_;
    QSize bound_;
    std::set<std::int32_t> marks_;                    // in index order
    std::map<std::int32_t, QImage> thumbnails_;       // of the marked frames
    std::optional<std::filesystem::path> sheetPath_;  // the sheet being made
};

}  // namespace reelsnap
