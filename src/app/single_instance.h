// One Reelsnap a user: a later launch hands its files to the running one
// over a per-user local socket and ends; the running one takes them as an
// open-documents event and comes to the front.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QStringList>

namespace reelsnap {

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    // The socket in $XDG_RUNTIME_DIR, or in the temporary folder under the
    // user's id where there is none.
    static QString SocketName();

    // Hands the documents (perhaps none) to a running instance; true when
    // one took them.
    static bool HandToRunningInstance(const QStringList& documents);

    // Listens for later launches, taking over a socket that a crashed
    // instance left; call it once no instance took the documents.
    bool Listen();

  signals:
    void documentsReceived(const QStringList& documents);

  private:
    void Receive(QLocalSocket* connection);

    QLocalServer server_;
};

}  // namespace reelsnap
