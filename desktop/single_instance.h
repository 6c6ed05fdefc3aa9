// One running copy per user.
//
// Start-up takes a lock file before the window is built. The lock lives in the user's own runtime
// folder ($XDG_RUNTIME_DIR, else a private folder under the user's cache folder), never in a folder
// that other users can write to and never in the working folder, so another user can neither
// share nor block it. A second copy of the same user sees the lock and ends. A lock left behind by
// a copy that crashed or was killed is held by no process; such a lock is removed and taken,
// whatever its permissions, contents or date, when its folder is writable (otherwise the program
// starts without the lock and says which file blocks it and why). A lock that cannot be made at all (a full disk, a
// read-only or missing folder, a folder where the lock file should be) does not stop the program: it starts without the
// lock and says why.
#pragma once

#include <QLockFile>
#include <QString>

namespace vela::desktop {

inline constexpr char kAlreadyRunningMessage[] =
    QT_TRANSLATE_NOOP("vela::desktop::StartUp", "Application is already running");

// A lock that names another host cannot be checked for a living process. The runtime folder is
// the machine's own, so such a lock is nearly always this machine's from before its name changed;
// it counts as held only while it is younger than this.
inline constexpr qint64 kForeignLockSeconds = 60;

// The folder for what must be one per user and session (the lock, and anything a running copy is
// reached through): $XDG_RUNTIME_DIR when it is a folder of this user's that nobody else can
// write to, else <cache folder>/vela-upagrahas, made private to the user when missing.
struct RuntimeFolder {
    QString path;     // absolute; empty when there is no usable folder
    QString problem;  // why there is none, when path is empty
};
RuntimeFolder UserRuntimeFolder();

// <runtime folder>/vela-upagrahas.lock, or an empty text when there is no runtime folder.
QString DefaultLockPath();

class SingleInstanceGuard {
public:
    enum class Outcome {
        Acquired,        // this copy holds the lock until the guard is destroyed
        AlreadyRunning,  // a living copy holds it
        NoLock           // no lock could be made or read; WhyNot() says why
    };

    // The lock at DefaultLockPath().
    SingleInstanceGuard();
    // The lock at the given path.
    explicit SingleInstanceGuard(const QString& lockPath);
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    Outcome TryAcquire();
    // Why the last TryAcquire did not give Acquired, as one line for standard error; empty after
    // Acquired.
    QString WhyNot() const { return whyNot; }

private:
    Outcome Refuse(Outcome outcome, const QString& why);
    bool TakeStaleLock();

    QString lockPath;
    QString whyNot;
    QString staleProblem;  // why a lock that no copy holds could not be taken over
    QLockFile lockFile;
};

}  // namespace vela::desktop
