#pragma once
// Makes writes really fail, as on a full disk: the process's file-size limit is lowered, so the
// kernel refuses (EFBIG) every byte written past it in any file, at the path the program uses,
// whatever Qt buffers first. Root ignores permissions, so this is the refusal tests can rely on.

#include <sys/resource.h>

#include <csignal>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead of killing the process
        rlimit limit{bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
};
