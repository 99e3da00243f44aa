// SIGTERM, SIGINT and SIGHUP as a Quit: the signal only wakes the event
// loop (through a socket pair), and the application quits as it quits for
// its Quit command, so that the frame in progress completes.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

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
};

}  // namespace reelsnap
