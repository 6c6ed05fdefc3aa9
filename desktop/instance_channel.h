// Handing a reading to the copy of the program that already runs.
//
// One copy runs per user (desktop). When the desktop opens a reading (a double click on a .ved
// file starts `vela-upagrahas FILE.ved`) while that copy runs, the new start hands the file over a
// local socket beside the lock and ends; the running copy opens and calculates the reading and
// comes to the front.
//
// The exchange: the start sends one frame, four bytes of length (big-endian) and then the path's
// bytes exactly as the system names the file (never cut, trimmed or re-encoded); the running copy
// answers "ok" once it has the whole frame; the start answers "go" and only then reports success.
// The running copy opens the reading on "go" alone, so a start that gave up (its wait ran out while
// the running copy was stopped, say) leaves nothing to be opened later. A connection that stays
// silent for a second is closed, at most kMaxChannelConnections are served at once, and the
// channel listens again when its socket fails or is removed.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QTimer>

namespace vela::desktop {

inline constexpr char kHandOverFailedMessage[] = QT_TRANSLATE_NOOP(
    "vela::desktop::StartUp", "Application is already running, and the reading could not be handed to it:");

// How long a start waits for the running copy to take a reading (it may be starting up itself).
inline constexpr int kHandOverWaitMs = 5000;
// How long a start's message (the reading could not be handed over, or the program already runs)
// stays on screen before the start ends by itself: a start from a script or a file manager that
// nobody answers never waits for ever.
inline constexpr int kStartMessageMs = 8000;
// How long the running copy waits for the next bytes of a connection before it closes it.
inline constexpr int kChannelSilenceMs = 1000;
inline constexpr int kMaxChannelConnections = 16;
// A path longer than this is no path.
inline constexpr quint32 kMaxHandedPathBytes = 64 * 1024;

// The socket beside a lock file: the same name ending in .socket instead of .lock.
QString ChannelPathFor(const QString& lockPath);

// The running copy's end.
class InstanceChannel : public QObject {
    Q_OBJECT

public:
    explicit InstanceChannel(QObject* parent = nullptr);

    // Starts listening; a socket left behind by a copy that crashed is replaced (whoever calls this
    // holds the lock, so no living copy owns it). False when the socket cannot be made; the
    // program then runs without taking readings from later starts, and tries again each second.
    bool Listen(const QString& path);

Q_SIGNALS:
    // An absolute path handed over by a later start (its bytes as file_names.h decodes them).
    void ReadingHandedOver(const QString& path);
    // The socket failed or went away and the channel is listening again (or not): one line.
    void ChannelTrouble(const QString& what);

private:
    void AcceptConnections();
    void CheckSocket();

    QString socketPath;
    QByteArray listeningIdentity;  // the socket file listened on (device and inode)
    bool failing = false;          // the socket could not be made again; said once
    QLocalServer server;
    QTimer watch;
    int connections = 0;
};

// A later start's end: hands the path (made absolute) to the running copy; true when it took it
// within waitMs. A path that is not a readable file is refused here and never handed over; *why
// says why (with the path printable) when it is not null.
bool HandOver(const QString& channelPath, const QString& readingPath, int waitMs = kHandOverWaitMs,
              QString* why = nullptr);

}  // namespace vela::desktop
