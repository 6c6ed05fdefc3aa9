#include "desktop/instance_channel.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QPointer>
#include <QThread>
#include <algorithm>

namespace vela::desktop {

namespace {

constexpr qint64 kMaxLineBytes = 64 * 1024;
const QByteArray kTaken = QByteArrayLiteral("ok\n");

}  // namespace

QString ChannelPathFor(const QString& lockPath) {
    QString path = lockPath;
    if (path.endsWith(QStringLiteral(".lock"))) path.chop(5);
    return path + QStringLiteral(".socket");
}

InstanceChannel::InstanceChannel(QObject* parent) : QObject(parent) {
    connect(&server, &QLocalServer::newConnection, this, &InstanceChannel::Server_NewConnection);
}

bool InstanceChannel::Listen(const QString& path) {
    // Only this user may hand readings over.
    server.setSocketOptions(QLocalServer::UserAccessOption);
    if (server.listen(path)) return true;
    QLocalServer::removeServer(path);
    return server.listen(path);
}

void InstanceChannel::Server_NewConnection() {
    while (QLocalSocket* socket = server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QPointer<QLocalSocket> guarded(socket);
        connect(socket, &QLocalSocket::readyRead, this, [this, guarded] {
            if (!guarded) return;
            if (!guarded->canReadLine()) {
                // A line that never ends is no path; the connection is dropped.
                if (guarded->bytesAvailable() > kMaxLineBytes) guarded->abort();
                return;
            }
            const QString path = QString::fromUtf8(guarded->readLine(kMaxLineBytes)).trimmed();
            guarded->write(kTaken);
            guarded->flush();
            guarded->disconnectFromServer();
            if (!path.isEmpty()) Q_EMIT ReadingHandedOver(path);
        });
    }
}

bool HandOver(const QString& channelPath, const QString& readingPath, int waitMs) {
    const QByteArray line = QFileInfo(readingPath).absoluteFilePath().toUtf8() + '\n';
    QDeadlineTimer deadline(waitMs);
    // The running copy may still be starting, its socket not yet open: try again until the time
    // is up.
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(channelPath);
        if (socket.waitForConnected(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1)))) {
            socket.write(line);
            if (!socket.waitForBytesWritten(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1))))
                return false;
            while (socket.bytesAvailable() < kTaken.size() &&
                   socket.waitForReadyRead(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1)))) {
            }
            return socket.readAll().startsWith(kTaken);
        }
        QThread::msleep(100);
    }
    return false;
}

}  // namespace vela::desktop
