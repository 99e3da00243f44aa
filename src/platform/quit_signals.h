// SIGTERM, SIGINT and SIGHUP as a Quit (each unless it was ignored at start): the signal only wakes
// the event loop (through a socket pair), and the application quits as it quits for its Quit
// command, so that the frame in progress completes.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>
#include <vector>

namespace reelsnap {

// Sets `handler` for the signal (restarting interrupted calls), unless the
// signal was ignored when the program started: that stays ignored, as nohup
// and shells that start background jobs ask. True when the handler is set.
bool HandleUnlessIgnored(int signal, void (*handler)(int));

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
