// Every file the program writes: a saved reading (.ved), a .jhd chart, a CSV table, a PDF, a chart
// image. The callers turn their records into bytes; this routine alone puts bytes on the disk.
//
// Flow: the window or a command makes the bytes -> WriteOutputFile -> the file on disk, or a
// sentence that says why not, with an earlier file of that name as it was.
//
// The new bytes go into a temporary file beside the target; every write is checked, the file is
// synced and then renamed over the target, and the folder is synced. An existing target keeps its
// permissions and owner; a name that is a symbolic link writes the file the link points to (the
// link stays); a write-protected target, a folder, a pipe, a device or a socket is refused and
// left alone. A target with more than one hard link cannot be renamed over without splitting its
// names: its old bytes are first copied to a synced backup beside it, then it is written in place;
// a failure puts the old bytes back from the backup (and, when even that fails, names the backup
// that holds them). A target whose owner the new file could not take over (another user's file in a
// folder this user may write) is written in place the same way, so it keeps its owner.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vela::reading {

// Temporary files of a write are named kSaveTemporaryPrefix + a unique part + ".tmp", beside the
// target. A write that was killed leaves one behind; the next write in that folder removes those
// older than kStaleTemporarySeconds (younger ones may belong to a write still running).
inline constexpr std::string_view kSaveTemporaryPrefix = ".vela-upagrahas-save-";
inline constexpr long long kStaleTemporarySeconds = 60 * 60;
// The backup of a file with several hard links while it is written in place. It is never removed
// by the clean-up above: after a failed write it may be the only copy of the old bytes.
inline constexpr std::string_view kBackupPrefix = ".vela-upagrahas-backup-";

struct OutputProblem {
    // True when the new file is in place but the disk did not confirm the folder's change.
    bool written = false;
    // One sentence, paths quoted printable: "Writing "/home/asha/asha.svg" failed: No space left on
    // device." When written, only the system's reason ("Input/output error").
    std::string reason;
};

// Writes the bytes to the path as described above; nothing when the file is written and synced.
std::optional<OutputProblem> WriteOutputFile(const std::string& path, std::string_view bytes);

// The outputs of one run, refused before anything is written when one of them is one of the
// inputs or two of them name the same file (by the file itself for names that exist, through
// links and other spellings, by folder and name for those that do not yet). One sentence naming
// the clash, or nothing.
std::optional<std::string> CheckDistinctOutputs(const std::vector<std::string>& outputs,
                                                const std::vector<std::string>& inputs);

// A seam for tests: the call that writes bytes to a descriptor (::write unless replaced). A test
// sets one that fails with ENOSPC to stand for a full disk; nullptr puts ::write back.
using WriteCall = ssize_t (*)(int fd, const void* data, std::size_t size);
void SetWriteCallForTesting(WriteCall call);

}  // namespace vela::reading
