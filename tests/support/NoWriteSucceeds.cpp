#include "support/NoWriteSucceeds.h"

NoWriteSucceeds::NoWriteSucceeds()
{
    getrlimit(RLIMIT_FSIZE, &m_limit);
    m_handler = signal(SIGXFSZ, SIG_IGN);
    // Only the soft limit goes down, so that it can come back up.
    rlimit none{0, m_limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &none);
}

NoWriteSucceeds::~NoWriteSucceeds()
{
    setrlimit(RLIMIT_FSIZE, &m_limit);
    signal(SIGXFSZ, m_handler);
}
