// The one routine that writes the program's files: what an attack on saving and exporting found,
// each case in a temporary folder of its own, as an ordinary file user would meet it.
#include "reading/file_output.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/disk_files.h"

namespace vela::reading {
namespace {

namespace fs = std::filesystem;

using test_support::FolderEntries;
using test_support::Slurp;
using test_support::Spit;

// A full disk: every write fails as write(2) does when no block is left.
ssize_t DiskFull(int, const void*, std::size_t) {
    errno = ENOSPC;
    return -1;
}

// A disk that fills up between two writes: the first write goes through, the second fails.
int gWriteCalls = 0;
ssize_t SecondWriteFails(int fd, const void* data, std::size_t size) {
    if (++gWriteCalls == 2) return DiskFull(fd, data, size);
    return ::write(fd, data, size);
}

class FileOutput : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "vela-output-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override {
        SetWriteCallForTesting(nullptr);
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    mode_t ModeOf(const fs::path& p) const {
        struct stat info {};
        EXPECT_EQ(::stat(p.c_str(), &info), 0);
        return info.st_mode & 07777;
    }
    fs::path folder;
};

TEST_F(FileOutput, a_full_disk_fails_with_its_reason_and_leaves_the_earlier_file_and_no_temporary) {
    const fs::path target = folder / "asha.svg";
    Spit(target, "the earlier chart");
    SetWriteCallForTesting(&DiskFull);
    const auto problem = WriteOutputFile(target.string(), "<svg/>");
    ASSERT_TRUE(problem.has_value());
    EXPECT_FALSE(problem->written);
    EXPECT_EQ(problem->reason, "Writing \"" + target.string() + "\" failed: No space left on device.");
    EXPECT_EQ(Slurp(target), "the earlier chart");
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"asha.svg"});
}

TEST_F(FileOutput, a_replaced_file_keeps_its_permissions_and_a_new_one_follows_the_umask) {
    const fs::path target = folder / "asha.ved";
    Spit(target, "old");
    ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
    EXPECT_EQ(WriteOutputFile(target.string(), "new"), std::nullopt);
    EXPECT_EQ(Slurp(target), "new");
    EXPECT_EQ(ModeOf(target), 0600u);

    const mode_t old = ::umask(022);
    EXPECT_EQ(WriteOutputFile((folder / "fresh.ved").string(), "new"), std::nullopt);
    ::umask(old);
    EXPECT_EQ(ModeOf(folder / "fresh.ved"), 0644u);
}

// Another user's file, written by the administrator: it stays that user's.
TEST_F(FileOutput, a_replaced_file_keeps_its_owner) {
    if (::geteuid() != 0) GTEST_SKIP() << "only the administrator can give a file to another user";
    const fs::path target = folder / "asha.ved";
    Spit(target, "old");
    ASSERT_EQ(::chown(target.c_str(), 65534, 65534), 0);
    EXPECT_EQ(WriteOutputFile(target.string(), "new"), std::nullopt);
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
    EXPECT_EQ(Slurp(target), "new");
}

TEST_F(FileOutput, a_write_protected_file_is_refused_and_left_as_it_was) {
    const fs::path target = folder / "asha.ved";
    Spit(target, "kept");
    ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
    const auto problem = WriteOutputFile(target.string(), "new");
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->reason, "\"" + target.string() + "\" is write-protected; it was left as it was.");
    EXPECT_EQ(Slurp(target), "kept");
    EXPECT_EQ(ModeOf(target), 0444u);
}

TEST_F(FileOutput, a_symbolic_link_stays_and_the_file_it_points_to_is_written) {
    fs::create_directory(folder / "readings");
    Spit(folder / "readings" / "asha.ved", "old");
    fs::create_symlink("readings/asha.ved", folder / "link.ved");
    EXPECT_EQ(WriteOutputFile((folder / "link.ved").string(), "new"), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(folder / "link.ved"));
    EXPECT_EQ(Slurp(folder / "readings" / "asha.ved"), "new");

    // A link to a file that does not exist yet makes that file.
    fs::create_symlink("readings/later.ved", folder / "later.ved");
    EXPECT_EQ(WriteOutputFile((folder / "later.ved").string(), "made"), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(folder / "later.ved"));
    EXPECT_EQ(Slurp(folder / "readings" / "later.ved"), "made");
}

TEST_F(FileOutput, hard_links_keep_sharing_the_file_and_a_failed_write_puts_the_old_bytes_back) {
    const fs::path first = folder / "asha.ved";
    const fs::path second = folder / "copy.ved";
    Spit(first, "old bytes, longer than the new");
    fs::create_hard_link(first, second);
    EXPECT_EQ(WriteOutputFile(first.string(), "new"), std::nullopt);
    EXPECT_EQ(Slurp(second), "new");
    EXPECT_EQ(fs::hard_link_count(first), 2u);
    EXPECT_EQ(FolderEntries(folder), (std::vector<std::string>{"asha.ved", "copy.ved"}));

    // The backup is written, the file itself is not: the old bytes go back from the backup.
    gWriteCalls = 0;
    SetWriteCallForTesting(&SecondWriteFails);
    const auto problem = WriteOutputFile(first.string(), "newer and longer than before");
    SetWriteCallForTesting(nullptr);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->reason, "Writing \"" + first.string() + "\" failed: No space left on device.");
    EXPECT_EQ(Slurp(second), "new");
    EXPECT_EQ(fs::hard_link_count(first), 2u);
    EXPECT_EQ(FolderEntries(folder), (std::vector<std::string>{"asha.ved", "copy.ved"}));
}

struct NotAFile {
    const char* name;
    const char* message;  // after the quoted path
};

class RefusedTarget : public FileOutput, public ::testing::WithParamInterface<NotAFile> {};

TEST_P(RefusedTarget, is_left_alone_and_named) {
    const fs::path target = folder / "out";
    const std::string kind = GetParam().name;
    if (kind == "fifo") {
        ASSERT_EQ(::mkfifo(target.c_str(), 0600), 0);
    }
    if (kind == "folder") fs::create_directory(target);
    if (kind == "device") fs::create_symlink("/dev/null", target);  // a device node, reached by a link
    const auto problem = WriteOutputFile(target.string(), "bytes");
    ASSERT_TRUE(problem.has_value());
    const std::string shown = kind == "device" ? "/dev/null" : target.string();
    EXPECT_EQ(problem->reason, "\"" + shown + "\" " + GetParam().message);
    EXPECT_EQ(fs::is_fifo(target), kind == "fifo");
    EXPECT_EQ(fs::is_directory(target), kind == "folder");
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"out"});
}

INSTANTIATE_TEST_SUITE_P(
    WriteOutputFile, RefusedTarget,
    ::testing::Values(
        NotAFile{"fifo", "is not an ordinary file (a pipe, a device or a socket); nothing was written to it."},
        NotAFile{"device", "is not an ordinary file (a pipe, a device or a socket); nothing was written to it."},
        NotAFile{"folder", "is a folder, not a file."}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(FileOutput, outputs_that_are_the_input_or_each_other_are_refused_by_any_spelling) {
    const std::string reading = (folder / "asha.ved").string();
    Spit(reading, "the reading");
    fs::create_symlink("asha.ved", folder / "alias.ved");
    const std::string pdf = (folder / "asha.pdf").string();
    const std::string sameSvg = (folder / "." / "asha.pdf").string();

    EXPECT_EQ(CheckDistinctOutputs({pdf, (folder / "asha.svg").string()}, {reading}), std::nullopt);
    EXPECT_EQ(CheckDistinctOutputs({reading}, {reading}),
              "The output \"" + reading + "\" is the reading \"" + reading + "\" itself; it was not overwritten.");
    EXPECT_TRUE(CheckDistinctOutputs({(folder / "alias.ved").string()}, {reading}).has_value());
    EXPECT_EQ(CheckDistinctOutputs({pdf, sameSvg}, {reading}),
              "The outputs \"" + pdf + "\" and \"" + sameSvg + "\" are the same file; give each its own name.");
    EXPECT_EQ(Slurp(reading), "the reading");
}

}  // namespace
}  // namespace vela::reading
