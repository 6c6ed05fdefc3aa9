// A disk that fills up, for one scope: files this process writes stop growing at the given size
// (RLIMIT_FSIZE), and a write past it fails with EFBIG instead of raising SIGXFSZ. Works for any
// user, root included, where a read-only folder would not.
#pragma once

#include <sys/resource.h>

#include <csignal>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        limitSet = ::getrlimit(RLIMIT_FSIZE, &saved) == 0;
        oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        limitSet = limitSet && ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // False when the limit could not be set; the test then proves nothing.
    bool IsSet() const { return limitSet; }

private:
    rlimit saved{};
    void (*oldHandler)(int) = SIG_DFL;
    bool limitSet = false;
};
