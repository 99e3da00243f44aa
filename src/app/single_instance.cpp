#include "app/single_instance.h"

#include <unistd.h>
#include <QDir>
#include <QLocalSocket>

namespace reelsnap {
namespace {

constexpr int kConnectTimeoutMs = 1000;
constexpr int kReplyTimeoutMs = 5000;
// The documents go as UTF-8 lines; an empty line ends them.
constexpr char kEnd = '\n';
constexpr char kTaken[] = "taken\n";

QByteArray Message(const QStringList& documents) {
    QByteArray message;
    for (const QString& document : documents) message += document.toUtf8() + kEnd;
    return message + kEnd;
}

bool IsWholeMessage(const QByteArray& received) {
    return received == "\n" || received.endsWith("\n\n");
}

QStringList Documents(const QByteArray& message) {
    QStringList documents;
    for (const QByteArray& line : message.split(kEnd)) {
        if (!line.isEmpty()) documents << QString::fromUtf8(line);
    }
    return documents;
}

}  // namespace

QString SingleInstance::SocketName() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(QString::fromLocal8Bit(runtime)).exists()) {
        return QString::fromLocal8Bit(runtime) + "/com.ondrel.Reelsnap";
    }
    return QDir::tempPath() + QStringLiteral("/com.ondrel.Reelsnap-%1").arg(getuid());
}

bool SingleInstance::HandToRunningInstance(const QStringList& documents) {
    QLocalSocket socket;
    socket.connectToServer(SocketName());
    if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
    socket.write(Message(documents));
    if (!socket.waitForBytesWritten(kReplyTimeoutMs)) return false;
    QByteArray reply;
    while (!reply.endsWith(kEnd) && socket.waitForReadyRead(kReplyTimeoutMs)) {
        reply += socket.readAll();
    }
    return reply == kTaken;
}

bool SingleInstance::Listen() {
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* connection = server_.nextPendingConnection()) Receive(connection);
    });
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (server_.listen(SocketName())) return true;
    // A socket that nobody answered on: a crashed instance left it.
    QLocalServer::removeServer(SocketName());
    return server_.listen(SocketName());
}

void SingleInstance::Receive(QLocalSocket* connection) {
    connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
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
