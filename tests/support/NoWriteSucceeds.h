// While one lives, no write to a file of this process gets through: a file-size limit
// of 0 (RLIMIT_FSIZE) makes each fail with EFBIG, as a full disk would, SIGXFSZ
// ignored. Tests keep their assertions outside its life, since test output written
// to a file would fail too.
#pragma once

#include <csignal>
#include <sys/resource.h>

class NoWriteSucceeds {
public:
    NoWriteSucceeds();
    ~NoWriteSucceeds();
    NoWriteSucceeds(const NoWriteSucceeds&) = delete;
    NoWriteSucceeds& operator=(const NoWriteSucceeds&) = delete;

private:
    rlimit m_limit{};
    void (*m_handler)(int) = SIG_DFL;
};
