#include "desktop/instance_channel.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QPointer>
#include <QThread>
#include <QtEndian>

#include <algorithm>
#include <memory>

#include "desktop/file_names.h"

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace vela::desktop {

namespace {

const QByteArray kTaken = QByteArrayLiteral("ok\n");
const QByteArray kGo = QByteArrayLiteral("go\n");
constexpr int kWatchMs = 1000;

// The identity of the socket file this copy listens on, to notice when it is removed or replaced.
QByteArray SocketIdentity(const QString& path) {
#if defined(Q_OS_UNIX)
    struct stat info {};
    if (::stat(EncodeFileName(path).constData(), &info) != 0 || !S_ISSOCK(info.st_mode)) return {};
    return QByteArray::number(static_cast<qulonglong>(info.st_dev)) + ':' +
           QByteArray::number(static_cast<qulonglong>(info.st_ino));
#else
    return QFileInfo::exists(path) ? QByteArrayLiteral("here") : QByteArray();
#endif
}

// Why the file cannot be handed over (it must be a readable ordinary file), or nothing.
QString RefusalOf(const QByteArray& path) {
#if defined(Q_OS_UNIX)
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return QString::fromLocal8Bit(std::strerror(errno));
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    if (!regular) return QStringLiteral("it is not an ordinary file");
    return {};
#else
    const QFileInfo info(QString::fromUtf8(path));
    return info.isFile() && info.isReadable() ? QString() : QStringLiteral("it is not a readable file");
#endif
}

int Remaining(const QDeadlineTimer& deadline) {
    return static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1));
}

// Reads until the socket holds at least `size` bytes or the time is up.
bool WaitForBytes(QLocalSocket& socket, qint64 size, const QDeadlineTimer& deadline) {
    while (socket.bytesAvailable() < size) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(Remaining(deadline))) return false;
    }
    return true;
}

}  // namespace

QString ChannelPathFor(const QString& lockPath) {
    QString path = lockPath;
    if (path.endsWith(QStringLiteral(".lock"))) path.chop(5);
    return path + QStringLiteral(".socket");
}

InstanceChannel::InstanceChannel(QObject* parent) : QObject(parent) {
    connect(&server, &QLocalServer::newConnection, this, &InstanceChannel::AcceptConnections);
    watch.setInterval(kWatchMs);
    connect(&watch, &QTimer::timeout, this, &InstanceChannel::CheckSocket);
}

bool InstanceChannel::Listen(const QString& path) {
    socketPath = path;
    watch.start();
    if (server.isListening()) server.close();
    // Only this user may hand readings over.
    server.setSocketOptions(QLocalServer::UserAccessOption);
    server.setMaxPendingConnections(kMaxChannelConnections);
    bool listening = server.listen(path);
    if (!listening) {
        QLocalServer::removeServer(path);
        listening = server.listen(path);
    }
    listeningIdentity = listening ? SocketIdentity(path) : QByteArray();
    return listening;
}

// Each second: a server that stopped (Qt closes it when a connection cannot be accepted, as when a
// flood has used up the open files) or a socket file that was removed or replaced is made anew.
void InstanceChannel::CheckSocket() {
    if (socketPath.isEmpty()) return;
    QString what;
    if (!server.isListening())
        what = QStringLiteral("the hand-over socket %1 is closed").arg(PrintableFileName(socketPath));
    else if (SocketIdentity(socketPath) != listeningIdentity)
        what = QStringLiteral("the hand-over socket %1 was removed or replaced").arg(PrintableFileName(socketPath));
    else
        return;
    if (Listen(socketPath)) {
        failing = false;
        Q_EMIT ChannelTrouble(what + QStringLiteral("; listening again"));
    } else if (!failing) {
        failing = true;  // said once; tried again every second
        Q_EMIT ChannelTrouble(what + QStringLiteral("; it cannot be made again: ") + server.errorString());
    }
}

void InstanceChannel::AcceptConnections() {
    while (QLocalSocket* socket = server.nextPendingConnection()) {
        if (connections >= kMaxChannelConnections) {
            // Too many at once: the later ones go at once, so a flood cannot use up the open files.
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++connections;
        connect(socket, &QObject::destroyed, this, [this] { --connections; });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto* silence = new QTimer(socket);
        silence->setSingleShot(true);
        silence->setInterval(kChannelSilenceMs);
        QPointer<QLocalSocket> guarded(socket);
        connect(silence, &QTimer::timeout, socket, [guarded] {
            if (guarded) {
                guarded->abort();
                guarded->deleteLater();
            }
        });
        silence->start();
        // 0: waiting for the frame; 1: answered "ok", waiting for "go"; 2: done.
        auto stage = std::make_shared<int>(0);
        auto path = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, guarded, silence, stage, path] {
            if (!guarded) return;
            silence->start();
            const auto drop = [&guarded] {
                guarded->abort();
                guarded->deleteLater();
            };
            if (*stage == 0) {
                if (guarded->bytesAvailable() < 4) return;
                uchar head[4];
                guarded->peek(reinterpret_cast<char*>(head), 4);
                const quint32 length = qFromBigEndian<quint32>(head);
                if (length == 0 || length > kMaxHandedPathBytes) return drop();
                if (guarded->bytesAvailable() < 4 + static_cast<qint64>(length)) return;
                guarded->read(4);
                *path = guarded->read(length);
                *stage = 1;
                guarded->write(kTaken);
                guarded->flush();
            }
            if (*stage == 1) {
                if (guarded->bytesAvailable() < kGo.size()) return;
                if (guarded->read(kGo.size()) != kGo) return drop();
                *stage = 2;
                silence->stop();
                guarded->disconnectFromServer();
                Q_EMIT ReadingHandedOver(DecodeFileName(*path));
            }
        });
    }
}

bool HandOver(const QString& channelPath, const QString& readingPath, int waitMs, QString* why) {
    const auto fail = [why](const QString& reason) {
        if (why != nullptr) *why = reason;
        return false;
    };
    const QString absolute = AbsoluteFileName(readingPath);
    const QByteArray bytes = EncodeFileName(absolute);
    if (const QString refusal = RefusalOf(bytes); !refusal.isEmpty())
        return fail(QStringLiteral("%1 cannot be opened: %2.").arg(PrintableFileName(absolute), refusal));
    if (bytes.size() > static_cast<qsizetype>(kMaxHandedPathBytes))
        return fail(QStringLiteral("%1 is too long a name to hand over.").arg(PrintableFileName(absolute)));
    QByteArray frame(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(bytes.size()), frame.data());
    frame += bytes;

    QDeadlineTimer deadline(waitMs);
    // The running copy may still be starting, its socket not yet open: try again until the time
    // is up.
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(channelPath);
        if (!socket.waitForConnected(Remaining(deadline))) {
            QThread::msleep(100);
            continue;
        }
        socket.write(frame);
        bool written = true;
        while (written && socket.bytesToWrite() > 0) written = socket.waitForBytesWritten(Remaining(deadline));
        if (!written || !WaitForBytes(socket, kTaken.size(), deadline)) {
            // Refused (too many at once) or no answer: try again while there is time.
            socket.abort();
            if (!deadline.hasExpired()) QThread::msleep(100);
            continue;
        }
        if (socket.read(kTaken.size()) != kTaken) return fail(QStringLiteral("the running copy gave no answer"));
        // From here on the reading is the running copy's: "go" is sent even at the last moment.
        socket.write(kGo);
        if (!socket.waitForBytesWritten(1000) && socket.bytesToWrite() > 0)
            return fail(QStringLiteral("the running copy went away"));
        socket.waitForDisconnected(1000);
        return true;
    }
    return fail(QStringLiteral("the running copy did not answer within %1 seconds").arg(waitMs / 1000.0));
}

}  // namespace vela::desktop
