// The main window: status lines, busy and progress display, the Stop button,
// the menu bar; a drop target for movie files.
#pragma once

#include <QMainWindow>
#include <memory>

#include "app/app_state.h"
#include "app/commands.h"
#include "files/drop_target.h"

class QMenu;

namespace Ui {
class MainWindow;
}

namespace reelsnap {

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The six controls, looked up by name; a missing one stays null.
    MainWindowControls FindControls();
    // The Help menu, or null when the window has none.
    QMenu* helpMenu() const;
    // Adds an item carrying `command` at `index` of the Help menu.
    void InsertHelpMenuItem(int index, const QString& text, CommandId command);

    // The window's own handler: it handles no command itself.
    std::int16_t HandleWindowCommand(CommandId command);

    // The drop highlight, for tests and screenshots.
    QWidget* dropHighlight() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void ConnectCommands();

    std::unique_ptr<Ui::MainWindow> ui_;
    std::unique_ptr<DropHighlight> highlight_;  // a child widget; goes before the window
    bool dragAcceptable_ = false;
};

}  // namespace reelsnap
