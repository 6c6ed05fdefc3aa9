// The reading file's calls to the file system, watched one by one: an open that no swap of the
// file can make wait, and a save whose steps reach the disk in the order that survives a power cut
// (write, sync the file, rename, sync the folder).
//
// This executable puts its own stat, lstat, fsync and rename in front of the C library's. They pass
// every call on, note what they saw, and on request do what a race or a failing disk would do at
// that moment, so the faults are exact and repeatable. It is a program of its own, so the other
// tests keep the plain calls.
#include <dlfcn.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "reading/calculation_driver.h"
#include "reading/reading_file.h"
#include "tests/support/reference_forms.h"

namespace {

namespace fs = std::filesystem;

// What the test asks of the calls, and what they saw. Only the test's own thread changes these
// while a call under test runs.
struct Hooks {
    std::string swapPath;            // after the first look at this name, a pipe takes the file's place
    int fileSyncError = 0;           // errno the next fsync of a file fails with
    int folderSyncError = 0;         // errno the next fsync of a folder fails with
    std::vector<std::string> calls;  // "fsync file NAME", "fsync folder NAME", "rename FROM TO" (file names only)
};
Hooks gHooks;

template <class Function>
Function Real(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

std::string BaseName(const std::string& path) { return fs::path(path).filename().string(); }

// A look at a name: the moment a race can swap what the name stands for.
void AfterLookAt(const char* path) {
    if (gHooks.swapPath.empty() || path != gHooks.swapPath) return;
    gHooks.swapPath.clear();
    ::unlink(path);
    ::mkfifo(path, 0600);
}

}  // namespace

extern "C" int stat(const char* __restrict path, struct stat* __restrict buf) noexcept {
    static const auto real = Real<int (*)(const char*, struct stat*)>("stat");
    const int result = real(path, buf);
    AfterLookAt(path);
    return result;
}

extern "C" int lstat(const char* __restrict path, struct stat* __restrict buf) noexcept {
    static const auto real = Real<int (*)(const char*, struct stat*)>("lstat");
    const int result = real(path, buf);
    AfterLookAt(path);
    return result;
}

extern "C" int fsync(int fd) {
    static const auto real = Real<int (*)(int)>("fsync");
    struct stat info {};
    const bool folder = ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
    char target[4096] = {};
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t length = ::readlink(link.c_str(), target, sizeof target - 1);
    gHooks.calls.push_back(std::string(folder ? "fsync folder " : "fsync file ") +
                           (length > 0 ? BaseName(std::string(target, static_cast<std::size_t>(length))) : "?"));
    int& error = folder ? gHooks.folderSyncError : gHooks.fileSyncError;
    if (error != 0) {
        errno = error;
        error = 0;
        return -1;
    }
    return real(fd);
}

extern "C" int rename(const char* from, const char* to) noexcept {
    static const auto real = Real<int (*)(const char*, const char*)>("rename");
    gHooks.calls.push_back("rename " + BaseName(from) + " " + BaseName(to));
    return real(from, to);
}

namespace vela::reading {
namespace {

// The New Delhi reading, calculated.
reading::Reading SampleReading() {
    reading::Reading s;
    EXPECT_TRUE(reading::RunCalculation(NewDelhiForm(), s, false).Succeeded());
    return s;
}

std::string Slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> FolderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    return names;
}

class FileCalls : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "vela-calls-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        gHooks = Hooks{};
    }
    void TearDown() override {
        gHooks = Hooks{};
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    fs::path folder;
};

// Releases a reader stuck on the pipe after a while, so that a reader that waits fails the test
// rather than hanging it; a reader that never waits ends the watch at once.
class PipeWatch {
public:
    explicit PipeWatch(fs::path pipe)
        : thread([this, pipe = std::move(pipe)] {
              std::unique_lock lock(mutex);
              if (done.wait_for(lock, std::chrono::seconds(10), [this] { return finished; })) return;
              const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
              if (fd >= 0) ::close(fd);
          }) {}
    PipeWatch(const PipeWatch&) = delete;
    PipeWatch& operator=(const PipeWatch&) = delete;
    ~PipeWatch() {
        {
            std::lock_guard lock(mutex);
            finished = true;
        }
        done.notify_one();
        thread.join();
    }

private:
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    std::thread thread;
};

TEST_F(FileCalls, a_file_that_becomes_a_pipe_after_a_look_at_its_name_cannot_make_opening_wait) {
    const fs::path path = folder / "asha.ved";
    {
        std::ofstream out(path, std::ios::binary);
        out << ReadingFileText(SampleReading(), 34);
    }
    gHooks.swapPath = path.string();
    reading::BirthForm form;
    OpenedReading opened;
    std::optional<reading::UserMessage> message;
    {
        const PipeWatch watch(path);
        message = OpenReadingFile(path.string(), form, opened);
    }
    // The name is looked at only by the open itself, so the file opened is the reading.
    EXPECT_EQ(message, std::nullopt) << message->text;
    EXPECT_EQ(form.name, "Asha");
    EXPECT_EQ(form.zoneRow, 34);
}

TEST_F(FileCalls, a_save_syncs_the_file_before_the_rename_and_the_folder_after_it) {
    const fs::path target = folder / "asha.ved";
    ASSERT_EQ(SaveReadingFile(target.string(), SampleReading(), 34), std::nullopt);
    ASSERT_EQ(gHooks.calls.size(), 3u);
    const std::string temporary = gHooks.calls[0].substr(std::string("fsync file ").size());
    EXPECT_EQ(gHooks.calls[0].rfind("fsync file .vela-upagrahas-save-", 0), 0u) << gHooks.calls[0];
    EXPECT_EQ(temporary.substr(temporary.size() - 4), ".tmp");
    EXPECT_EQ(gHooks.calls[1], "rename " + temporary + " asha.ved");
    EXPECT_EQ(gHooks.calls[2], "fsync folder " + folder.filename().string());
    EXPECT_EQ(Slurp(target), ReadingFileText(SampleReading(), 34));
}

TEST_F(FileCalls, a_file_the_disk_does_not_take_leaves_the_earlier_one_and_no_temporary_file) {
    const fs::path target = folder / "asha.ved";
    {
        std::ofstream out(target, std::ios::binary);
        out << "the earlier reading";
    }
    gHooks.fileSyncError = EIO;
    const auto message = SaveReadingFile(target.string(), SampleReading(), 34);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text,
              "The reading could not be saved. Writing \"" + target.string() + "\" failed: Input/output error.");
    EXPECT_EQ(Slurp(target), "the earlier reading");
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"asha.ved"});
}

TEST_F(FileCalls, a_folder_the_disk_does_not_confirm_is_reported_after_the_rename) {
    const fs::path target = folder / "asha.ved";
    gHooks.folderSyncError = EIO;
    const auto message = SaveReadingFile(target.string(), SampleReading(), 34);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text, "The reading was written to \"" + target.string() +
                                 "\", but the disk did not confirm it: Input/output error.");
    EXPECT_EQ(Slurp(target), ReadingFileText(SampleReading(), 34));
}

}  // namespace
}  // namespace vela::reading
