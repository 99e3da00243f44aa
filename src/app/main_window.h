// The main window: status lines, busy and progress display, the Stop button,
// the menu bar; a drop target for movie files. It shows the looks the run
// asks for and passes on the commands and drops it receives.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <cstdint>
#include <map>
#include <memory>

#include "files/drop_target.h"
#include "platform/commands.h"

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;

namespace Ui {
class MainWindow;
}

namespace reelsnap {

enum class CommandOrigin { MainWindow, HelpMenu, PreferencesWindow };

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow();
    ~MainWindow() override;

    // The six controls of the window.
    QLabel* statusText() const;  // status line 1
    QWidget* busyIndicator() const;
    QWidget* idlePane() const;
    QProgressBar* progressBar() const;
    QLabel* counterText() const;  // status line 2
    QPushButton* stopButton() const;
    QMenu* helpMenu() const;
    // The drop highlight, for tests and screenshots.
    QWidget* dropHighlight() const;

    // Adds an item carrying `command` at `index` of the Help menu.
    void InsertHelpMenuItem(int index, const QString& text, CommandId command);
    // The command an action or button of the window carries, or 0.
    CommandId CommandOf(const QObject* control) const;

    // Shows the translated text on line 1 or 2 (any other line: nothing) and
    // draws it at once.
    void ShowStatusMessage(const QString& message, std::int32_t line);

    void ShowBusyLook();
    void ShowIdleLook();
    // The bar at 0, an empty counter, both shown.
    void ShowProgressDisplay();
    void HideProgressDisplay();
    // The bar at the share of the expected frames done.
    void ShowProgress(std::int32_t done, std::int32_t expected);
    // The title shows the destination folder; "[*]" in its name stays as it is.
    void ShowDestinationFolder(const QString& displayName, const QString& path);
    // Fades the window out over a quarter of a second, then hides it.
    void FadeOutAndHide();
    // Shows the window above the others, as a second launch asks.
    void BringToFront();

  signals:
    void commandTriggered(CommandId command, CommandOrigin origin);
    void documentsDropped(const QStringList& files);
    void movieDroppedForPicking(const QString& movie);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void ConnectCommands();
    void ConnectCommand(QAction* action, CommandId command, CommandOrigin origin);
    void SetStopButton(bool shownAndEnabled);

    std::unique_ptr<Ui::MainWindow> ui_;
    std::unique_ptr<DropHighlight> highlight_;  // a child widget; goes before the window
    bool dragAcceptable_ = false;
    std::map<const QObject*, CommandId> commands_;
};

}  // namespace reelsnap
