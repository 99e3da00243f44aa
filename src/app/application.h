// Start-up: the main window and its controls, the drop target, the
// preferences window, the menus and the handlers; then the event loop.
#pragma once

#include <QStringList>
#include <cstdint>
#include <memory>

class QTranslator;

namespace reelsnap {

class MainWindow;

// What start-up made; destroying it tears the windows down in order.
class Shell {
  public:
    Shell();
    ~Shell();
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    // 0, or the status of the Help-menu lookup when it failed; the
    // application runs either way and ends with this status.
    std::int16_t status() const { return status_; }
    MainWindow& mainWindow() { return *mainWindow_; }

  private:
    std::unique_ptr<QTranslator> translator_;
    std::unique_ptr<MainWindow> mainWindow_;
    std::int16_t status_ = 0;
};

inline constexpr std::int16_t kHelpMenuNotFoundErr = -5600;

// The process entry: runs the application with the launch arguments as the
// open-documents list; returns the exit status.
int RunApplication(int argc, char** argv);

// The launch arguments as an open-documents list: each file as an absolute path.
QStringList LaunchDocuments(const QStringList& arguments);

}  // namespace reelsnap
