#include "RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int OpenRegularFile(const std::string& path, int flags, int& osError)
{
    return OpenRegularFileAt(AT_FDCWD, path, flags, osError);
}

int OpenRegularFileAt(int folder, const std::string& name, int flags, int& osError)
{
    // Without O_NONBLOCK, opening a pipe would wait for its other end.
    int fd = ::openat(folder, name.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0) {
        osError = errno;
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        osError = S_ISDIR(info.st_mode) ? EISDIR : 0;
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

int ReadWholeFile(int fd, std::string& bytes)
{
    bytes.clear();
    char buffer[4096];
    for (;;) {
        ssize_t got = ::pread(fd, buffer, sizeof buffer, static_cast<off_t>(bytes.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            return 0;
        bytes.append(buffer, static_cast<size_t>(got));
    }
}
