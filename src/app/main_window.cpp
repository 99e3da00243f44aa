#include "app/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <algorithm>

#include "app/status_line.h"
#include "platform/status_codes.h"
#include "ui_main_window.h"

namespace reelsnap {
namespace {

constexpr int kProgressScale = 512;

// The bar's value for the frames done; full when nothing was expected, and
// held at full when more frames come than were expected.
int ProgressValue(std::int32_t done, std::int32_t expected) {
    if (expected <= 0) return done > 0 && expected == 0 ? kProgressScale : 0;
    const std::int64_t value = std::int64_t(done) * kProgressScale / expected;
    return int(std::clamp<std::int64_t>(value, 0, kProgressScale));
}

}  // namespace

MainWindow::MainWindow() : ui_(std::make_unique<Ui::MainWindow>()) {
    ui_->setupUi(this);
    // The shortcut as the menus show it, in the user's language (Strg+O).
    ui_->IdlePane->setText(
        ui_->IdlePane->text().arg(ui_->OpenAction->shortcut().toString(QKeySequence::NativeText)));
    ConnectCommands();
    highlight_ = std::make_unique<DropHighlight>(this);
    setAcceptDrops(true);
}

MainWindow::~MainWindow() = default;

QLabel* MainWindow::statusText() const {
    return ui_->StatusText;
}
QWidget* MainWindow::busyIndicator() const {
    return ui_->BusyIndicator;
}
QWidget* MainWindow::idlePane() const {
    return ui_->IdlePane;
}
QProgressBar* MainWindow::progressBar() const {
    return ui_->ProgressBar;
}
QLabel* MainWindow::counterText() const {
    return ui_->CounterText;
}
QPushButton* MainWindow::stopButton() const {
    return ui_->StopButton;
}
QMenu* MainWindow::helpMenu() const {
    return ui_->HelpMenu;
}
QWidget* MainWindow::dropHighlight() const {
    return highlight_.get();
}

void MainWindow::BringToFront() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void MainWindow::InsertHelpMenuItem(int index, const QString& text, CommandId command) {
    QMenu* menu = helpMenu();
    const QList<QAction*> existing = menu->actions();
    QAction* action = menu->addAction(text);  // owned by the menu
    if (index < existing.size()) {
        menu->removeAction(action);
        menu->insertAction(existing.at(index), action);
    }
    ConnectCommand(action, command, CommandOrigin::HelpMenu);
}

CommandId MainWindow::CommandOf(const QObject* control) const {
    const auto it = commands_.find(control);
    return it == commands_.end() ? 0 : it->second;
}

void MainWindow::ConnectCommand(QAction* action, CommandId command, CommandOrigin origin) {
    commands_[action] = command;
    connect(action, &QAction::triggered, this,
            [this, command, origin] { emit commandTriggered(command, origin); });
}

void MainWindow::ShowStatusMessage(const QString& message, std::int32_t line) {
    QLabel* label = line == 1 ? ui_->StatusText : line == 2 ? ui_->CounterText : nullptr;
    if (!label) return;
    label->setText(LocalizedString(message));
    if (label->isVisible()) label->repaint();
}

void MainWindow::SetStopButton(bool shownAndEnabled) {
    ui_->StopButton->setEnabled(shownAndEnabled);
    ui_->StopButton->setVisible(shownAndEnabled);
}

void MainWindow::ShowBusyLook() {
    ui_->BusyIndicator->setVisible(true);
    ui_->IdlePane->setVisible(false);
    SetStopButton(true);
}

void MainWindow::ShowIdleLook() {
    ui_->BusyIndicator->setVisible(false);
    ui_->IdlePane->setVisible(true);
    SetStopButton(false);
}

void MainWindow::ShowProgressDisplay() {
    ui_->ProgressBar->setRange(0, kProgressScale);
    ui_->ProgressBar->setValue(0);
    ui_->ProgressBar->show();
    // A run that handles no frame must not show the previous run's counter.
    ui_->CounterText->clear();
    ui_->CounterText->setVisible(true);
    SetStopButton(true);
}

void MainWindow::HideProgressDisplay() {
    ui_->ProgressBar->setVisible(false);
    ui_->CounterText->setVisible(false);
    SetStopButton(false);
}

void MainWindow::ShowProgress(std::int32_t done, std::int32_t expected) {
    ui_->ProgressBar->setValue(ProgressValue(done, expected));
}

void MainWindow::ShowDestinationFolder(const QString& displayName, const QString& path) {
    ui_->ShowDestinationAction->setEnabled(true);
    // "[*]" in a title is Qt's modified marker; doubled it stands for itself.
    setWindowTitle(QString(displayName).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
    setWindowFilePath(path);
    setWindowModified(false);
}

void MainWindow::FadeOutAndHide() {
    constexpr int kFadeMilliseconds = 250;
    QElapsedTimer clock;
    clock.start();
    for (qint64 t = 0; t < kFadeMilliseconds; t = clock.elapsed()) {
        setWindowOpacity(1.0 - double(t) / kFadeMilliseconds);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(10);
    }
    hide();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    dragAcceptable_ = IsDragAcceptable(event->mimeData());
    if (!dragAcceptable_) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    highlight_->ShowInside(centralWidget()->geometry());
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (dragAcceptable_) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void MainWindow::dragLeaveEvent(QDragLeaveEvent*) {
    if (dragAcceptable_) highlight_->hide();
}

void MainWindow::dropEvent(QDropEvent* event) {
    highlight_->hide();
    // With Shift held, the movie opens in the picker instead.
    const bool toPicker = event->modifiers().testFlag(Qt::ShiftModifier);
    const auto send = [this, toPicker](const QStringList& files) {
        if (toPicker) {
            emit movieDroppedForPicking(files.value(0));
        } else {
            emit documentsDropped(files);
        }
    };
    if (DragReceiveHandler(event->mimeData(), send) == kNoErr) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void MainWindow::ConnectCommands() {
    const std::pair<QAction*, CommandId> actions[] = {
        {ui_->OpenAction, commands::OpenMovie},
        {ui_->PickFramesAction, commands::PickFrames},
        {ui_->CountFramesAction, commands::FrameCount},
        {ui_->ShowDestinationAction, commands::ShowDestination},
        {ui_->PreferencesAction, commands::Preferences},
        {ui_->QuitAction, commands::Quit},
        {ui_->HelpAction, commands::Help},
        {ui_->AboutAction, commands::About}};
    for (const auto& [action, command] : actions) {
        ConnectCommand(action, command, CommandOrigin::MainWindow);
    }
    commands_[ui_->StopButton] = commands::Stop;
    connect(ui_->StopButton, &QPushButton::clicked, this,
            [this] { emit commandTriggered(commands::Stop, CommandOrigin::MainWindow); });
}

// Escape stops a run, as the Stop button does (it is enabled only then).
void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && ui_->StopButton->isEnabled()) {
        ui_->StopButton->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// Closing the window quits, as Quit does; a running walk ends after the
// frame in progress.
void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit commandTriggered(commands::Quit, CommandOrigin::MainWindow);
}

}  // namespace reelsnap
