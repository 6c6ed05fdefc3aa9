#include "desktop/single_instance.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

#include "astro/text.h"

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace vela::desktop {

namespace {

constexpr qint64 kUnreadableLockSeconds = 10;

QString QuotedPath(const QString& path) {
    return QString::fromStdString(astro::QuotedForMessage(QFile::encodeName(path).toStdString()));
}

// An absolute folder that only this user can write to: a lock in it can be neither taken nor
// blocked by anybody else.
bool IsPrivateFolder(const QString& path) {
    if (path.isEmpty() || !QDir::isAbsolutePath(path)) return false;
#if defined(Q_OS_UNIX)
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
#else
    return QFileInfo(path).isDir();
#endif
}

}  // namespace

RuntimeFolder UserRuntimeFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (IsPrivateFolder(runtime)) return {QDir::cleanPath(runtime), {}};

    // Without a session's runtime folder: a folder of the program's own in the user's cache.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty() || !QDir::isAbsolutePath(cache))
        return {{}, QStringLiteral("there is no runtime folder (XDG_RUNTIME_DIR) and no cache folder for this user")};
    const QString folder = QDir::cleanPath(cache + QStringLiteral("/vela-upagrahas"));
    if (!QFileInfo::exists(folder) && QDir().mkpath(folder))
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!IsPrivateFolder(folder))
        return {{},
                QStringLiteral("there is no runtime folder (XDG_RUNTIME_DIR), and the folder %1 could not be made "
                               "or is not this user's alone")
                    .arg(QuotedPath(folder))};
    return {folder, {}};
}

QString DefaultLockPath() {
    const RuntimeFolder folder = UserRuntimeFolder();
    return folder.path.isEmpty() ? QString() : QDir(folder.path).filePath(QStringLiteral("vela-upagrahas.lock"));
}

SingleInstanceGuard::SingleInstanceGuard() : SingleInstanceGuard(DefaultLockPath()) {
    if (lockPath.isEmpty()) whyNot = UserRuntimeFolder().problem;
}

SingleInstanceGuard::SingleInstanceGuard(const QString& path) : lockPath(path), lockFile(path) {
    // A lock is never stale by age alone: a copy may stay open for days. It is stale when the
    // process it names is gone, which QLockFile checks on every attempt for a lock of this host.
    lockFile.setStaleLockTime(0);
}

SingleInstanceGuard::Outcome SingleInstanceGuard::Refuse(Outcome outcome, const QString& why) {
    whyNot = why;
    return outcome;
}

SingleInstanceGuard::Outcome SingleInstanceGuard::TryAcquire() {
    if (lockPath.isEmpty())
        return Refuse(Outcome::NoLock, whyNot.isEmpty() ? QStringLiteral("no lock file was named") : whyNot);
    whyNot.clear();
    if (lockFile.isLocked() || lockFile.tryLock(0)) return Outcome::Acquired;

    const QString quoted = QuotedPath(lockPath);
    switch (lockFile.error()) {
        case QLockFile::NoError:
        case QLockFile::LockFailedError:
            break;
        case QLockFile::PermissionError:
            return Refuse(Outcome::NoLock,
                          QStringLiteral("the lock file %1 could not be made: permission denied").arg(quoted));
        case QLockFile::UnknownError:
            return Refuse(Outcome::NoLock, QStringLiteral("the lock file %1 could not be made or written (a missing "
                                                          "folder, a read-only folder or a full disk)")
                                               .arg(quoted));
    }
    // Something is in the lock's place. Only a lock file can name a running copy.
    const QFileInfo info(lockPath);
    if (info.isSymLink() || (info.exists() && !info.isFile()))
        return Refuse(Outcome::NoLock,
                      QStringLiteral("%1 is in the lock file's place and is no lock file").arg(quoted));
    staleProblem.clear();
    if (TakeStaleLock()) return Outcome::Acquired;
    if (!staleProblem.isEmpty()) return Refuse(Outcome::NoLock, staleProblem);
    if (lockFile.error() == QLockFile::LockFailedError)
        return Refuse(Outcome::AlreadyRunning, QString::fromUtf8(kAlreadyRunningMessage));
    return Refuse(Outcome::NoLock, QStringLiteral("the lock file %1 could not be taken").arg(quoted));
}

namespace {

// True while a running copy holds the lock: QLockFile keeps an flock on its lock file for as long
// as it holds it, and the system drops that lock when the holder ends, however it ends. Reading
// the file is enough to ask, so a lock that is write-protected can be asked too.
bool IsHeldByLiveCopy(const QString& path) {
#if defined(Q_OS_UNIX)
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);  // releases the probe's own lock
    return held;
#else
    Q_UNUSED(path);
    return false;
#endif
}

}  // namespace

// tryLock(0) has already removed most locks of this host whose process is gone, but not one it may
// not open for writing (a write-protected lock). What is left: such a lock, a lock that names no
// process at all (cut short by a crash while it was being written), and a lock that names another
// host. A lock that no live copy holds is taken over by removing it, whatever its permissions or
// date (a date in the future counts as old), once it is older than a living copy's lock could be.
bool SingleInstanceGuard::TakeStaleLock() {
    const QFileInfo info(lockPath);
    if (!info.exists()) return lockFile.tryLock(0);  // its holder ended a moment ago
    if (IsHeldByLiveCopy(lockPath)) return false;
    const qint64 age = info.lastModified().secsTo(QDateTime::currentDateTime());
    const bool young = age >= 0;  // a date in the future is a clock's error, not a living copy
    qint64 pid = 0;
    QString host;
    QString app;
    if (lockFile.getLockInfo(&pid, &host, &app)) {
        // On this host the flock above is the answer; another host's copy cannot be asked.
        const bool thisHost = host.isEmpty() || host == QSysInfo::machineHostName();
        if (!thisHost && young && age < kForeignLockSeconds) return false;
    } else if (young && age < kUnreadableLockSeconds) {
        return false;  // another copy may be writing it this very moment
    }
#if defined(Q_OS_UNIX)
    // Removing needs the folder, not the file, to be writable.
    if (::unlink(QFile::encodeName(lockPath).constData()) != 0 && errno != ENOENT) {
        staleProblem = QStringLiteral(
                           "the lock file %1 is left from a copy that no longer runs, and it cannot be "
                           "removed from its folder %2: %3")
                           .arg(QuotedPath(lockPath), QuotedPath(info.absolutePath()),
                                QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
#else
    lockFile.removeStaleLockFile();
#endif
    return lockFile.tryLock(0);
}

}  // namespace vela::desktop
