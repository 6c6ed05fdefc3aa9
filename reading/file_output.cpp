#include "reading/file_output.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <utility>

#include "astro/text.h"

namespace vela::reading {

namespace {

namespace fs = std::filesystem;

WriteCall gWriteCall = nullptr;

// Closes a POSIX descriptor when it goes out of scope, unless it was closed by hand first.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : fd(descriptor) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    int Get() const { return fd; }
    // Closes now: the error number, or 0 (a failed close can mean unwritten data).
    int Close() {
        const int open = fd;
        fd = -1;
        return ::close(open) == 0 ? 0 : errno;
    }

private:
    int fd;
};

std::string Quoted(const fs::path& p) { return astro::QuotedForMessage(p.native()); }

std::string SystemReason(int error) { return std::generic_category().message(error); }

OutputProblem Failed(std::string reason) { return OutputProblem{false, std::move(reason)}; }

fs::path FolderOf(const fs::path& target) { return target.has_parent_path() ? target.parent_path() : fs::path("."); }

bool IsSaveTemporaryName(std::string_view name) {
    return name.size() > kSaveTemporaryPrefix.size() + 4 && name.starts_with(kSaveTemporaryPrefix) &&
           name.ends_with(".tmp");
}

// Removes what killed writes left in the folder: this user's own regular files with the temporary
// name, untouched for an hour. Best effort: a folder that cannot be listed is left as it is.
void RemoveStaleTemporaries(const fs::path& folder) {
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) return;
    const int dirFd = ::dirfd(listing);
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(listing)) {
        if (!IsSaveTemporaryName(entry->d_name)) continue;
        struct stat info {};
        if (::fstatat(dirFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) continue;
        if (now - info.st_mtime < kStaleTemporarySeconds) continue;
        ::unlinkat(dirFd, entry->d_name, 0);
    }
    ::closedir(listing);
}

// A new file in the folder under a name that no other file has (O_EXCL refuses an existing one);
// -1 with errno set when none could be made.
int CreateUniqueIn(const fs::path& folder, std::string_view prefix, mode_t mode, fs::path& made) {
    static unsigned counter = 0;
    const auto stamp = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (unsigned attempt = 0; attempt < 16; ++attempt) {
        char unique[64];
        std::snprintf(unique, sizeof unique, "%lx-%llx-%x.tmp", static_cast<unsigned long>(::getpid()), stamp,
                      counter++);
        std::string name(prefix);
        name += unique;
        made = folder / name;
        const int fd = ::open(made.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Writes every byte from the offset on; the error number of the write that failed, or 0.
int WriteAll(int fd, std::string_view bytes, off_t offset = -1) {
    if (offset >= 0 && ::lseek(fd, offset, SEEK_SET) < 0) return errno;
    const WriteCall writeCall = gWriteCall != nullptr ? gWriteCall : &::write;
    while (!bytes.empty()) {
        const ssize_t written = writeCall(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (written == 0) return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

int WriteAndSync(int fd, std::string_view bytes) {
    if (const int error = WriteAll(fd, bytes); error != 0) return error;
    return ::fsync(fd) == 0 ? 0 : errno;
}

// Syncs the folder, so that a rename survives a power cut. Some file systems cannot sync a folder
// (EINVAL); there the rename is as safe as they make it.
int SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    Descriptor dir(fd);
    if (::fsync(fd) != 0 && errno != EINVAL) return errno;
    return 0;
}

// The name a path stands for once its symbolic links are followed (a link to a link as well, and a
// link whose file does not exist yet); errno ELOOP when the links go round.
std::optional<fs::path> FollowLinks(fs::path path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        std::string destination(4096, '\0');
        const ssize_t length = ::readlink(path.c_str(), destination.data(), destination.size());
        if (length < 0) return std::nullopt;
        destination.resize(static_cast<std::size_t>(length));
        const fs::path next(destination);
        path = next.is_absolute() ? next : FolderOf(path) / next;
    }
    errno = ELOOP;
    return std::nullopt;
}

// What the new file takes over from the one it replaces.
struct Existing {
    struct stat info {};
};

// Why an existing name cannot be written, or nothing.
std::optional<std::string> RefusalOf(const fs::path& target, const struct stat& info) {
    if (S_ISDIR(info.st_mode)) return Quoted(target) + " is a folder, not a file.";
    if (!S_ISREG(info.st_mode))
        return Quoted(target) + " is not an ordinary file (a pipe, a device or a socket); nothing was written to it.";
    // A file nobody may write is protected on purpose, even from an administrator.
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(target.c_str(), W_OK) != 0)
        return Quoted(target) + " is write-protected; it was left as it was.";
    return std::nullopt;
}

// Reads a whole regular file; the error number, or 0.
int ReadAll(int fd, std::string& bytes) {
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (got == 0) return 0;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

// Rewrites the file in place (all its names keep it), after its old bytes are safe in a synced
// backup beside it.
std::optional<OutputProblem> WriteInPlace(const fs::path& target, std::string_view bytes) {
    const fs::path folder = FolderOf(target);
    const int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW);
    if (fd < 0) {
        const int error = errno;
        return Failed(Quoted(target) + " could not be opened for writing: " + SystemReason(error) + ".");
    }
    Descriptor file(fd);
    std::string old;
    if (const int error = ReadAll(fd, old); error != 0)
        return Failed(Quoted(target) + " could not be read before writing: " + SystemReason(error) + ".");

    fs::path backup;
    const int backupFd = CreateUniqueIn(folder, kBackupPrefix, 0600, backup);
    if (backupFd < 0) {
        const int error = errno;
        return Failed("No backup of " + Quoted(target) + " could be made in the folder " + Quoted(folder) + ": " +
                      SystemReason(error) + ".");
    }
    Descriptor backupFile(backupFd);
    int error = WriteAndSync(backupFd, old);
    if (const int closeError = backupFile.Close(); error == 0) error = closeError;
    if (error == 0) error = SyncFolder(folder);
    if (error != 0) {
        ::unlink(backup.c_str());
        return Failed("No backup of " + Quoted(target) + " could be made: " + SystemReason(error) + ".");
    }

    error = WriteAll(fd, bytes, 0);
    if (error == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) error = errno;
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (error == 0) error = file.Close();
    if (error == 0) {
        ::unlink(backup.c_str());
        return std::nullopt;
    }
    // The old bytes go back where they were.
    const int reopened = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW);
    bool restored = false;
    if (reopened >= 0) {
        Descriptor again(reopened);
        restored = WriteAll(reopened, old, 0) == 0 && ::ftruncate(reopened, static_cast<off_t>(old.size())) == 0 &&
                   ::fsync(reopened) == 0 && again.Close() == 0;
    }
    if (restored) {
        ::unlink(backup.c_str());
        return Failed("Writing " + Quoted(target) + " failed: " + SystemReason(error) + ".");
    }
    return Failed("Writing " + Quoted(target) + " failed: " + SystemReason(error) + ". Its earlier contents are in " +
                  Quoted(backup) + ".");
}

// A stand-in for a file's identity within one run: the file itself when it exists, else its
// folder and name.
std::string IdentityOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0)
        return "file " + std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino);
    const fs::path followed = FollowLinks(fs::path(path)).value_or(fs::path(path));
    std::error_code ignored;
    const fs::path folder = fs::weakly_canonical(fs::absolute(FolderOf(followed), ignored), ignored);
    return "name " + (folder / followed.filename()).native();
}

}  // namespace

void SetWriteCallForTesting(WriteCall call) { gWriteCall = call; }

std::optional<OutputProblem> WriteOutputFile(const std::string& path, std::string_view bytes) {
    if (path.empty() || !fs::path(path).has_filename()) return Failed("No file name was given.");
    const auto followed = FollowLinks(fs::path(path));
    if (!followed) {
        const int error = errno;
        return Failed("The link " + Quoted(path) + " could not be followed: " + SystemReason(error) + ".");
    }
    const fs::path target = *followed;
    const fs::path folder = FolderOf(target);

    std::optional<Existing> existing;
    struct stat info {};
    if (::lstat(target.c_str(), &info) == 0) {
        if (auto refusal = RefusalOf(target, info)) return Failed(*refusal);
        existing = Existing{info};
    } else if (errno != ENOENT) {
        const int error = errno;
        return Failed(Quoted(target) + " could not be examined: " + SystemReason(error) + ".");
    }

    // Several names for one file: a rename would leave the other names with the old bytes.
    if (existing && existing->info.st_nlink > 1) return WriteInPlace(target, bytes);

    // The earlier file is replaced only by a complete new one that has reached the disk: a
    // failure at any step leaves it as it was.
    RemoveStaleTemporaries(folder);
    fs::path temporary;
    const int fd = CreateUniqueIn(folder, kSaveTemporaryPrefix, 0666, temporary);
    if (fd < 0) {
        const int error = errno;
        return Failed("No file could be created in the folder " + Quoted(folder) + ": " + SystemReason(error) + ".");
    }
    Descriptor file(fd);
    if (existing) {
        // The owner first (changing it may clear set-id bits), then the permissions. An owner that
        // cannot be kept (another user's file in a shared folder) is kept by writing in place.
        const auto& old = existing->info;
        struct stat made {};
        if (::fstat(fd, &made) == 0 && (made.st_uid != old.st_uid || made.st_gid != old.st_gid) &&
            ::fchown(fd, old.st_uid, old.st_gid) != 0) {
            file.Close();
            ::unlink(temporary.c_str());
            return WriteInPlace(target, bytes);
        }
        if (::fchmod(fd, old.st_mode & 07777) != 0) {
            const int error = errno;
            file.Close();
            ::unlink(temporary.c_str());
            return Failed("The permissions of " + Quoted(target) + " could not be kept: " + SystemReason(error) + ".");
        }
    }
    int error = WriteAndSync(fd, bytes);
    if (const int closeError = file.Close(); error == 0) error = closeError;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Failed("Writing " + Quoted(target) + " failed: " + SystemReason(error) + ".");
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
        ::unlink(temporary.c_str());
        return Failed(Quoted(target) + " could not be replaced: " + SystemReason(error) + ".");
    }
    if (const int syncError = SyncFolder(folder); syncError != 0) return OutputProblem{true, SystemReason(syncError)};
    return std::nullopt;
}

std::optional<std::string> CheckDistinctOutputs(const std::vector<std::string>& outputs,
                                                const std::vector<std::string>& inputs) {
    std::vector<std::pair<std::string, const std::string*>> seen;
    for (const std::string& input : inputs) seen.emplace_back(IdentityOf(input), &input);
    const std::size_t inputCount = seen.size();
    for (const std::string& output : outputs) {
        const std::string identity = IdentityOf(output);
        for (std::size_t k = 0; k < seen.size(); ++k) {
            if (seen[k].first != identity) continue;
            if (k < inputCount)
                return "The output " + astro::QuotedForMessage(output) + " is the reading " +
                       astro::QuotedForMessage(*seen[k].second) + " itself; it was not overwritten.";
            return "The outputs " + astro::QuotedForMessage(*seen[k].second) + " and " +
                   astro::QuotedForMessage(output) + " are the same file; give each its own name.";
        }
        seen.emplace_back(identity, &output);
    }
    return std::nullopt;
}

}  // namespace vela::reading
