#pragma once

#include <csignal>
#include <sys/resource.h>

// Files may grow to `bytes` at most while it lives: writes fail part way, as
// on a full disk, even for root.
struct FileSizeLimit
{
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limited = saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved), std::signal(SIGXFSZ, handler); }
    rlimit saved{};
    void (*handler)(int) = std::signal(SIGXFSZ, SIG_IGN);
};
