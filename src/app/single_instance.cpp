#include "app/single_instance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLocalSocket>

#include "platform/path_text.h"

namespace reelsnap {
namespace {

constexpr int kConnectTimeoutMs = 1000;
constexpr int kReplyTimeoutMs = 5000;
// The documents go as their names' bytes, each ended by a NUL (no name
// holds one); an empty name ends them.
constexpr char kEnd = '\0';
constexpr char kTaken[] = "taken\n";

QByteArray Message(const QStringList& documents) {
    QByteArray message;
    for (const QString& document : documents) {
        message += QByteArray::fromStdString(PathOfText(document).native()) + kEnd;
    }
    return message + kEnd;
}

bool IsWholeMessage(const QByteArray& received) {
    return received == QByteArray(1, kEnd) || received.endsWith(QByteArray(2, kEnd));
}

QStringList Documents(const QByteArray& message) {
    QStringList documents;
    for (const QByteArray& name : message.split(kEnd)) {
        if (!name.isEmpty())
            documents << TextOfPath(std::string_view(name.data(), std::size_t(name.size())));
    }
    return documents;
}

// A folder only this user can change: theirs, a folder and not a link,
// writable by no one else.
bool IsPrivateFolder(const QByteArray& folder) {
    struct stat st {};
    return ::lstat(folder.constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::getuid() && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// True when the process at the other end of the socket is this user's.
bool PeerIsThisUser(const QLocalSocket& socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) ==
               0 &&
           peer.uid == ::getuid();
}

}  // namespace

QString SingleInstance::SocketName() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && IsPrivateFolder(runtime)) {
        return TextOfPath(std::string_view(runtime.constData())) + "/com.ondrel.Reelsnap";
    }
    // Without a runtime folder: a folder of the user's own in the temporary
    // folder, made private; one that someone else made first is not used.
    const QByteArray folder = QFile::encodeName(QDir::tempPath()) + "/com.ondrel.Reelsnap-" +
                              QByteArray::number(::getuid());
    ::mkdir(folder.constData(), 0700);
    if (!IsPrivateFolder(folder)) return {};
    return QFile::decodeName(folder) + "/socket";
}

bool SingleInstance::HandToRunningInstance(const QStringList& documents) {
    const QString name = SocketName();
    if (name.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kConnectTimeoutMs) || !PeerIsThisUser(socket)) return false;
    socket.write(Message(documents));
    if (!socket.waitForBytesWritten(kReplyTimeoutMs)) return false;
    QByteArray reply;
    while (!reply.endsWith('\n') && socket.waitForReadyRead(kReplyTimeoutMs)) {
        reply += socket.readAll();
    }
    return reply == kTaken;
}

bool SingleInstance::Listen() {
    const QString name = SocketName();
    if (name.isEmpty()) return false;
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* connection = server_.nextPendingConnection()) Receive(connection);
    });
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (server_.listen(name)) return true;
    // A socket that nobody answered on: a crashed instance left it.
    QLocalServer::removeServer(name);
    return server_.listen(name);
}

void SingleInstance::Receive(QLocalSocket* connection) {
    connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
    // Another user's process is not handed anything, nor heard.
    if (!PeerIsThisUser(*connection)) {
        connection->abort();
        connection->deleteLater();
        return;
    }
    connect(connection, &QLocalSocket::readyRead, this, [this, connection] {
        // What came so far waits in the socket until the message is whole.
        if (!IsWholeMessage(connection->peek(connection->bytesAvailable()))) return;
        const QStringList documents = Documents(connection->readAll());
        connection->write(kTaken);
        connection->flush();
        emit documentsReceived(documents);
    });
}

}  // namespace reelsnap
