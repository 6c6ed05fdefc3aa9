// Handing a reading to the copy of the program that already runs.
//
// One copy runs per user (desktop). When the desktop opens a reading (a double click on
// a .ved file starts `vela-upagrahas FILE.ved`) while that copy runs, the new start hands the
// file's path over a local socket beside the lock and ends; the running copy opens and calculates
// the reading and comes to the front. The exchange is one line each way: the absolute path, then
// "ok" once the running copy has taken it.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace vela::desktop {

inline constexpr char kHandOverFailedMessage[] = QT_TRANSLATE_NOOP(
    "vela::desktop::StartUp", "Application is already running, and the reading could not be handed to it:");

// How long a start waits for the running copy to take a reading (it may be starting up itself).
inline constexpr int kHandOverWaitMs = 5000;

// The socket beside a lock file: the same name ending in .socket instead of .lock.
QString ChannelPathFor(const QString& lockPath);

// The running copy's end.
class InstanceChannel : public QObject {
    Q_OBJECT

public:
    explicit InstanceChannel(QObject* parent = nullptr);

    // Starts listening; a socket left behind by a copy that crashed is replaced (whoever calls this
    // holds the lock, so no living copy owns it). False when the socket cannot be made; the
    // program then runs without taking readings from later starts.
    bool Listen(const QString& path);

Q_SIGNALS:
    // An absolute path handed over by a later start.
    void ReadingHandedOver(const QString& path);

private:
    void Server_NewConnection();

    QLocalServer server;
};

// A later start's end: hands the path (made absolute) to the running copy; true when it took it
// within waitMs.
bool HandOver(const QString& channelPath, const QString& readingPath, int waitMs = kHandOverWaitMs);

}  // namespace vela::desktop
