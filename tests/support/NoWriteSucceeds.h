// While one lives, no write to a file of this process gets through: a file-size limit
// of 0 (RLIMIT_FSIZE) makes each fail with EFBIG, as a full disk would, SIGXFSZ
// ignored. With a limit of n bytes, a write gets only as far as byte n of its file. Tests keep their assertions outside its life, since test output written
// to a file would fail too.
#pragma once

#include <csignal>
#include <sys/resource.h>

class NoWriteSucceeds {
public:
    // Only the soft limit goes down, so that it can come back up.
    explicit NoWriteSucceeds(rlim_t bytesAllowed = 0) : m_handler(signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_limit);
        rlimit none{bytesAllowed, m_limit.rlim_max};
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~NoWriteSucceeds()
    {
        setrlimit(RLIMIT_FSIZE, &m_limit);
        signal(SIGXFSZ, m_handler);
    }
    NoWriteSucceeds(const NoWriteSucceeds&) = delete;
    NoWriteSucceeds& operator=(const NoWriteSucceeds&) = delete;

private:
    rlimit m_limit{};
    void (*m_handler)(int);
};
