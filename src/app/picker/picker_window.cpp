#include "app/picker/picker_window.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeySequence>
#include <QListWidgetItem>
#include <QMimeData>
#include <QResizeEvent>
#include <algorithm>

#include "app/picker/contact_sheet.h"
#include "extract/frame_selection.h"
#include "files/choosers.h"
#include "platform/path_text.h"
#include "platform/status_codes.h"
#include "platform/translations.h"
#include "ui_picker_window.h"

namespace reelsnap {

namespace {

constexpr int kThumbnailWidth = 96;
constexpr int kSheetFrameWidth = 320;
constexpr int kSheetSpread = 16;

// The type a chosen name asks for by its extension, if any.
std::optional<ImageFileType> TypeOfName(const std::filesystem::path& name) {
    const std::string extension = name.extension().string();
    if (extension.size() < 2) return std::nullopt;
    return ImageFileTypeNamed(std::string_view(extension).substr(1));
}

}  // namespace

PickerWindow::PickerWindow(Chooser& chooser, std::function<SheetSettings()> sheetSettings,
                           std::size_t cacheBytes)
    : ui_(std::make_unique<Ui::PickerWindow>()),
      chooser_(chooser),
      sheetSettings_(std::move(sheetSettings)),
      cacheBytes_(cacheBytes) {
    ui_->setupUi(this);
    setAcceptDrops(true);
    // Space marks too, as M does; the menus show M.
    ui_->MarkAction->setShortcuts({QKeySequence(Qt::Key_M), QKeySequence(Qt::Key_Space)});
    ui_->MarksStrip->setFocusPolicy(Qt::NoFocus);
    ConnectActions();
    EnableMarkCommands();
}

PickerWindow::~PickerWindow() = default;

void PickerWindow::ConnectActions() {
    const auto on = [this](QAction* action, auto&& call) {
        connect(action, &QAction::triggered, this, std::forward<decltype(call)>(call));
    };
    on(ui_->NextFrameAction, [this] { Step(1); });
    on(ui_->PreviousFrameAction, [this] { Step(-1); });
    on(ui_->NextKeyFrameAction, [this] { StepKeyFrame(1); });
    on(ui_->PreviousKeyFrameAction, [this] { StepKeyFrame(-1); });
    on(ui_->SecondForwardAction, [this] { StepSecond(1); });
    on(ui_->SecondBackAction, [this] { StepSecond(-1); });
    on(ui_->FirstFrameAction, [this] { Go(1); });
    on(ui_->LastFrameAction, [this] { Go(outline_.frameCount()); });
    on(ui_->GoToAction, [this] {
        ui_->GoToField->setFocus();
        ui_->GoToField->selectAll();
    });
    on(ui_->ClosePickerAction, [this] { close(); });
    on(ui_->OpenPickedMovieAction, [this] { OpenChosenMovie(); });
    on(ui_->MarkAction, [this] { ToggleMark(); });
    on(ui_->ClearMarksAction, [this] { ClearMarks(); });
    on(ui_->ExtractMarkedAction, [this] { ExtractMarked(); });
    on(ui_->ContactSheetAction, [this] { SaveContactSheet(); });
    connect(ui_->MarkButton, &QPushButton::clicked, ui_->MarkAction, &QAction::trigger);
    connect(ui_->ClearMarksButton, &QPushButton::clicked, ui_->ClearMarksAction, &QAction::trigger);
    connect(ui_->ExtractMarkedButton, &QPushButton::clicked, ui_->ExtractMarkedAction,
            &QAction::trigger);
    connect(ui_->ContactSheetButton, &QPushButton::clicked, ui_->ContactSheetAction,
            &QAction::trigger);
    connect(ui_->GoToField, &QLineEdit::returnPressed, this, [this] { GoToTyped(); });
    connect(ui_->MarksStrip, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Go(item->data(Qt::UserRole).toInt()); });
    // Dragging shows key frames, which come at once; the exact frame on release.
    connect(ui_->TimelineSlider, &QSlider::sliderMoved, this,
            [this](int value) { Go(value, FrameSource::Precision::KeyFrame); });
    connect(ui_->TimelineSlider, &QSlider::sliderReleased, this,
            [this] { Go(ui_->TimelineSlider->value()); });
    connect(ui_->TimelineSlider, &QSlider::actionTriggered, this, [this](int action) {
        if (action == QAbstractSlider::SliderMove) return;
        Go(ui_->TimelineSlider->sliderPosition());
    });
}

void PickerWindow::OpenMovie(const std::filesystem::path& movie) {
    source_.reset();  // a decode in progress ends first
    movie_ = movie;
    outline_ = {};
    shown_ = target_ = 0;
    image_ = QImage();
    marks_.clear();
    thumbnails_.clear();
    sheetPath_.reset();
    RebuildMarksStrip();
    EnableMarkCommands();
    // Nothing of the movie before stays: its timeline, ticks and commands
    // come back once this one has opened.
    ui_->TimelineSlider->setRange(0, 0);
    ui_->TimelineSlider->SetKeyFrames({});
    EnableMovieCommands(false);
    ui_->FrameView->clear();
    ui_->FramePositionText->clear();
    ui_->FrameTimeText->clear();
    setWindowTitle(tr("Pick Frames – %1").arg(DisplayPath(movie.filename())));
    show();
    raise();
    activateWindow();
    ui_->FrameView->setFocus();
    opening_ = true;
    ShowStatus(tr("Opening “%1”…").arg(DisplayPath(movie.filename())));
    bound_ = ViewBound();
    source_ = std::make_unique<FrameSource>(movie, bound_, cacheBytes_);
    ConnectSource();
}

void PickerWindow::ConnectSource() {
    FrameSource* source = source_.get();
    connect(source, &FrameSource::opened, this, &PickerWindow::Opened);
    connect(source, &FrameSource::openFailed, this, [this] {
        opening_ = false;
        ShowStatus(tr("“%1” could not be opened as a movie.").arg(DisplayPath(movie_.filename())));
    });
    connect(source, &FrameSource::frameShown, this, &PickerWindow::FrameShown);
    connect(source, &FrameSource::frameFailed, this, &PickerWindow::FrameFailed);
    connect(source, &FrameSource::sheetSaved, this, &PickerWindow::SheetSaved);
}

void PickerWindow::Opened(const MovieOutline& outline) {
    outline_ = outline;
    opening_ = false;
    ui_->TimelineSlider->setRange(1, outline_.frameCount());
    ui_->TimelineSlider->SetKeyFrames(outline_.keyFrames);
    EnableMovieCommands(true);
    ShowStatus(QString());
    Go(1);
}

QSize PickerWindow::ViewBound() const {
    return ui_->FrameView->size() * ui_->FrameView->devicePixelRatioF();
}

void PickerWindow::Go(std::int32_t index, FrameSource::Precision precision) {
    if (!source_ || outline_.frameCount() == 0) return;
    index = std::clamp(index, 1, outline_.frameCount());
    if (precision == FrameSource::Precision::KeyFrame) {
        // What will be shown is the key frame: the position says so at once.
        target_ = outline_.KeyFrameAtOrBefore(index);
    } else {
        target_ = index;
    }
    source_->Show(index, precision);
}

void PickerWindow::Step(int frames) {
    Go(target_ + frames);
}

void PickerWindow::StepKeyFrame(int direction) {
    const auto& keys = outline_.keyFrames;
    if (direction > 0) {
        const auto next = std::upper_bound(keys.begin(), keys.end(), target_);
        if (next != keys.end()) Go(*next);
    } else {
        const auto at = std::lower_bound(keys.begin(), keys.end(), target_);
        if (at != keys.begin()) Go(*std::prev(at));
    }
}

// Another movie in this window, chosen as the main window's Open Movie
// chooses one.
void PickerWindow::OpenChosenMovie() {
    std::filesystem::path file;
    const QString prompt = LocalizedString(kOpenMoviePrompt);
    if (ChooseFile(chooser_, movie_.empty() ? nullptr : &movie_, &prompt, &file,
                   LocalizedString(kMovieFilter)) == kNoErr) {
        OpenMovie(file);
    }
}

void PickerWindow::StepSecond(int direction) {
    if (target_ < 1) return;
    const std::int64_t time = outline_.timesNs[std::size_t(target_) - 1];
    Go(outline_.FrameShownAt(time + direction * 1'000'000'000LL));
}

void PickerWindow::GoToTyped() {
    const QString text = ui_->GoToField->text().trimmed();
    bool isNumber = false;
    const int index = text.toInt(&isNumber);
    if (isNumber && index >= 1) {
        Go(index);
    } else if (const auto time = ParseTime(text.toStdString()); time && !isNumber) {
        Go(outline_.FrameShownAt(*time));
    } else {
        ShowStatus(tr("“%1” is neither a frame number nor a time.").arg(text));
        return;
    }
    ui_->FrameView->setFocus();
}

void PickerWindow::FrameShown(std::int32_t index, const QImage& image) {
    shown_ = index;
    image_ = image;
    ShowFrameImage();
    ShowPosition(index);
    if (!ui_->PickerStatusText->text().isEmpty() && !sheetPath_) ShowStatus(QString());
}

void PickerWindow::FrameFailed(std::int32_t index) {
    shown_ = index;
    image_ = QImage();
    ui_->FrameView->clear();
    ShowPosition(index);
    ShowStatus(tr("Frame %1 could not be decoded.").arg(index));
}

void PickerWindow::ShowPosition(std::int32_t index) {
    ui_->FramePositionText->setText(tr("Frame %1 of %2").arg(index).arg(outline_.frameCount()));
    ui_->FrameTimeText->setText(FrameTimeText(outline_.timesNs[std::size_t(index) - 1]));
    if (!ui_->TimelineSlider->isSliderDown()) {
        const QSignalBlocker quiet(ui_->TimelineSlider);
        ui_->TimelineSlider->setValue(index);
    }
}

void PickerWindow::ShowFrameImage() {
    if (image_.isNull()) return;
    QPixmap pixmap = QPixmap::fromImage(image_);
    pixmap.setDevicePixelRatio(ui_->FrameView->devicePixelRatioF());
    ui_->FrameView->setPixmap(pixmap);
}

void PickerWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const QSize bound = ViewBound();
    if (!source_ || bound == bound_) return;
    // Frames at the new size; the kept ones were for the old.
    bound_ = bound;
    source_->SetBound(bound);
    if (shown_ > 0) source_->Show(target_);
}

void PickerWindow::ToggleMark() {
    if (shown_ < 1 || image_.isNull()) return;
    if (marks_.erase(shown_) != 0) {
        thumbnails_.erase(shown_);
    } else {
        marks_.insert(shown_);
        thumbnails_[shown_] = image_.scaledToWidth(kThumbnailWidth, Qt::SmoothTransformation);
    }
    RebuildMarksStrip();
    EnableMarkCommands();
    ShowStatus(tr("%n frame(s) marked", nullptr, int(marks_.size())));
}

void PickerWindow::ClearMarks() {
    marks_.clear();
    thumbnails_.clear();
    RebuildMarksStrip();
    EnableMarkCommands();
    ShowStatus(QString());
}

void PickerWindow::RebuildMarksStrip() {
    ui_->MarksStrip->clear();
    for (const std::int32_t index : marks_) {
        auto item = std::make_unique<QListWidgetItem>(QPixmap::fromImage(thumbnails_[index]),
                                                      QString::number(index));
        item->setData(Qt::UserRole, index);
        item->setToolTip(FrameLabel(index));
        ui_->MarksStrip->addItem(item.release());  // the list owns it
    }
}

void PickerWindow::EnableMovieCommands(bool open) {
    for (QAction* action :
         {ui_->NextFrameAction, ui_->PreviousFrameAction, ui_->NextKeyFrameAction,
          ui_->PreviousKeyFrameAction, ui_->SecondForwardAction, ui_->SecondBackAction,
          ui_->FirstFrameAction, ui_->LastFrameAction, ui_->GoToAction, ui_->MarkAction}) {
        action->setEnabled(open);
    }
    ui_->MarkButton->setEnabled(open);
    ui_->GoToField->setEnabled(open);
    ui_->TimelineSlider->setEnabled(open);
}

void PickerWindow::EnableMarkCommands() {
    const bool any = !marks_.empty();
    ui_->ClearMarksAction->setEnabled(any);
    ui_->ClearMarksButton->setEnabled(any);
    ui_->ExtractMarkedAction->setEnabled(any);
    ui_->ExtractMarkedButton->setEnabled(any);
}

void PickerWindow::ExtractMarked() {
    if (marks_.empty()) return;
    emit extractRequested(movie_, std::vector<std::int32_t>(marks_.begin(), marks_.end()));
}

QString PickerWindow::FrameLabel(std::int32_t index) const {
    return tr("%1 · %2").arg(index).arg(FrameTimeText(outline_.timesNs[std::size_t(index) - 1]));
}

void PickerWindow::SaveContactSheet() {
    if (!source_ || outline_.frameCount() == 0 || sheetPath_) return;
    std::vector<std::int32_t> frames(marks_.begin(), marks_.end());
    if (frames.empty()) {
        const std::optional<int> count =
            chooser_.AskForNumber(tr("Save Contact Sheet"), tr("Frames on the sheet:"),
                                  kSheetSpread, 1, std::min(outline_.frameCount(), 400));
        if (!count) return;
        frames = SpreadIndices(1, outline_.frameCount(), *count);
    }
    const SheetSettings settings = sheetSettings_();
    std::filesystem::path suggested = movie_;
    suggested.replace_filename(movie_.stem().string() + " contact sheet." +
                               ImageTypeExtension(settings.type));
    const QString filter = tr("Images (*.%1)").arg(ImageTypeExtension(settings.type));
    std::optional<std::filesystem::path> path =
        chooser_.AskForNewFile(tr("Save Contact Sheet"), suggested, filter);
    if (!path) return;
    if (!TypeOfName(*path)) *path += std::string(".") + ImageTypeExtension(settings.type);
    sheetPath_ = *path;
    ShowStatus(tr("Making the contact sheet…"));
    // The frames' shape: the one shown, else the movie's common 16:9.
    const QSize shape = image_.isNull() ? QSize(16, 9) : image_.size();
    const int height = std::clamp(kSheetFrameWidth * shape.height() / std::max(1, shape.width()), 1,
                                  2 * kSheetFrameWidth);
    FrameSource::SheetJob job;
    for (const std::int32_t index : frames) job.labels.push_back(FrameLabel(index));
    job.indices = std::move(frames);
    job.bound = QSize(kSheetFrameWidth, height);
    job.type = TypeOfName(*path).value_or(settings.type);
    job.compressionFactor = settings.compressionFactor;
    job.path = *path;
    source_->SaveSheet(std::move(job));
}

void PickerWindow::SheetSaved(const std::filesystem::path& path, const QString& failure) {
    if (sheetPath_ != path) return;
    sheetPath_.reset();
    if (!failure.isEmpty()) {
        ShowStatus(tr("Could not write “%1”: %2.").arg(DisplayPath(path.filename()), failure));
    } else {
        ShowStatus(tr("Contact sheet saved as “%1”.").arg(DisplayPath(path.filename())));
    }
}

void PickerWindow::ShowStatus(const QString& text) {
    ui_->PickerStatusText->setText(text);
}

void PickerWindow::closeEvent(QCloseEvent* event) {
    // A decode in progress ends now; the window opens afresh next time.
    source_.reset();
    sheetPath_.reset();
    opening_ = false;
    QMainWindow::closeEvent(event);
}

void PickerWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile()) event->acceptProposedAction();
}

void PickerWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) return;
    event->acceptProposedAction();
    OpenMovie(PathOfText(urls.first().toLocalFile()));
}

}  // namespace reelsnap
