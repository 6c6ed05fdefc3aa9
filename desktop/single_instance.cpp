#include "desktop/single_instance.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace vela::modSingleInstance {

namespace {

constexpr qint64 kUnreadableLockSeconds = 10;

QString UserTag() {
#if defined(Q_OS_UNIX)
    // /tmp is shared by every user of the machine, so the lock name must tell users apart.
    return QString::number(static_cast<qulonglong>(::getuid()));
#else
    // Elsewhere the temporary folder is already the user's own.
    return qEnvironmentVariable("USERNAME", QStringLiteral("user"));
#endif
}

}  // namespace

QString DefaultLockPath() {
    const QDir temp(QStandardPaths::writableLocation(QStandardPaths::TempLocation));
    return temp.filePath(QStringLiteral("vela-upagrahas-%1.lock").arg(UserTag()));
}

SingleInstanceGuard::SingleInstanceGuard(const QString& path) : lockPath(path), lockFile(path) {
    // A lock is never stale by age: a copy may stay open for days. It is stale only when the
    // process it names is gone, which QLockFile checks on every attempt.
    lockFile.setStaleLockTime(0);
}

bool SingleInstanceGuard::TryAcquire() {
    if (lockFile.isLocked()) return true;
    if (lockFile.tryLock(0)) return true;
    // tryLock(0) removes a dead holder's lock itself. A lock that names no process at all was cut
    // short by a crash while it was being written; once it is older than any start-up could take
    // to write it, it is removed here.
    if (lockFile.error() != QLockFile::LockFailedError) return false;
    qint64 pid = 0;
    QString host;
    QString app;
    if (lockFile.getLockInfo(&pid, &host, &app)) return false;
    const QFileInfo info(lockPath);
    if (!info.exists() || info.lastModified().secsTo(QDateTime::currentDateTime()) < kUnreadableLockSeconds)
        return false;
    lockFile.removeStaleLockFile();
    return lockFile.tryLock(0);
}

}  // namespace vela::modSingleInstance
