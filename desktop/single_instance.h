// One running copy per user.
//
// Start-up takes a lock file before the window is built. The lock lives in the user's temporary
// folder under a name that carries the user's id, so two users of one machine each get their own
// copy, and a second copy of the same user sees the lock and ends. A lock left behind by a copy
// that crashed or was killed names a process that no longer runs; such a lock is removed and taken.
#pragma once

#include <QLockFile>
#include <QString>

namespace vela::modSingleInstance {

inline constexpr char kAlreadyRunningMessage[] = "Application is already running";

// <temporary folder>/vela-upagrahas-<user id>.lock
QString DefaultLockPath();

class SingleInstanceGuard {
public:
    explicit SingleInstanceGuard(const QString& lockPath);
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    // True when this process now holds the lock (it keeps it until the guard is destroyed);
    // false when another living process holds it.
    bool TryAcquire();

private:
    QString lockPath;
    QLockFile lockFile;
};

}  // namespace vela::modSingleInstance
