#include "app/main_window.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>

#include "app/command_handlers.h"
#include "files/file_system.h"
#include "ui_main_window.h"

namespace reelsnap {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::MainWindow>()) {
    ui_->setupUi(this);
    ConnectCommands();
    highlight_ = std::make_unique<DropHighlight>(this);
    setAcceptDrops(true);
}

QWidget* MainWindow::dropHighlight() const {
    return highlight_.get();
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
    if (DragReceiveHandler(event->mimeData()) == kNoErr) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

MainWindow::~MainWindow() = default;

MainWindowControls MainWindow::FindControls() {
    MainWindowControls c;
    c.statusText = findChild<QLabel*>("StatusText");
    c.busyIndicator = findChild<QWidget*>("BusyIndicator");
    c.idlePane = findChild<QWidget*>("IdlePane");
    c.progressBar = findChild<QProgressBar*>("ProgressBar");
    c.counterText = findChild<QLabel*>("CounterText");
    c.stopButton = findChild<QPushButton*>("StopButton");
    return c;
}

QMenu* MainWindow::helpMenu() const {
    return findChild<QMenu*>("HelpMenu");
}

void MainWindow::InsertHelpMenuItem(int index, const QString& text, CommandId command) {
    QMenu* menu = helpMenu();
    const QList<QAction*> existing = menu->actions();
    QAction* action = menu->addAction(text);  // owned by the menu
    SetCommand(action, command);
    if (index < existing.size()) {
        menu->removeAction(action);
        menu->insertAction(existing.at(index), action);
    }
    connect(action, &QAction::triggered, this,
            [command] { DispatchCommand(command, CommandOrigin::HelpMenu); });
}

std::int16_t MainWindow::HandleWindowCommand(CommandId) {
    return kEventNotHandledErr;
}

void MainWindow::ConnectCommands() {
    for (QAction* action : findChildren<QAction*>()) {
        if (const CommandId command = CommandOf(action)) {
            connect(action, &QAction::triggered, this,
                    [command] { DispatchCommand(command, CommandOrigin::MainWindow); });
        }
    }
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (const CommandId command = CommandOf(button)) {
            connect(button, &QPushButton::clicked, this,
                    [command] { DispatchCommand(command, CommandOrigin::MainWindow); });
        }
    }
}

// Closing the window quits, as Quit does; a running walk ends after the
// frame in progress.
void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    DispatchCommand(commands::Quit, CommandOrigin::MainWindow);
}

}  // namespace reelsnap
