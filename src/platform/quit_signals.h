// SIGTERM, SIGINT and SIGHUP as a Quit (each unless it was ignored at start): the signal only wakes
// the event loop (through a socket pair), and the application quits as it quits for its Quit
// command, so that the frame in progress completes.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>
#include <vector>

namespace reelsnap {

class QuitSignals : public QObject {
    Q_OBJECT
  public:
    // Installs the handlers; they stay until the object goes.
    QuitSignals();
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

  signals:
    void quitRequested();

  private:
    std::unique_ptr<QSocketNotifier> notifier_;
    std::vector<int> installed_;  // the signals whose handler this object set
};

}  // namespace reelsnap
