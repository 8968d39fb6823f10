#include "InPlaceWrite.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include "RegularFile.h"
#include "ReplacementFile.h"

namespace {

// Writes all of bytes from the start of the file; returns 0 or the error number.
int WriteFromStart(int fd, const char* bytes, size_t count, ssize_t (*pwrite)(int, const void*, size_t, off_t))
{
    size_t total = 0;
    while (total < count) {
        ssize_t put = pwrite(fd, bytes + total, count - total, static_cast<off_t>(total));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return put < 0 ? errno : ENOSPC;
        total += static_cast<size_t>(put);
    }
    return 0;
}

// The file-size limit (RLIMIT_FSIZE) would stop the write part way, or the old bytes
// from being put back after the file was cut: refused whole.
int CheckSizeLimit(size_t length)
{
    rlimit limit {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && length > limit.rlim_cur)
        return EFBIG;
    return 0;
}

// Reserves the disk blocks that the new bytes need without changing the file's
// length, so that a full disk or quota stops the save before anything is written.
// Where the file system cannot reserve, its free space must hold what the file grows
// by.
int ReserveSpace(int fd, size_t newLength, size_t oldLength)
{
    if (newLength == 0)
        return 0;
    if (ReplacementFile::s_systemCalls.fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(newLength)) == 0)
        return 0;
    if (errno != EOPNOTSUPP && errno != ENOSYS)
        return errno;
    struct statvfs disk {};
    if (newLength <= oldLength || ::fstatvfs(fd, &disk) != 0)
        return 0;
    return newLength - oldLength > disk.f_bavail * disk.f_frsize ? ENOSPC : 0;
}

// Puts all the old bytes back, those that the file was cut short of too, and the old
// length. What cannot be put back stays as it is: the error that ended the save is
// the one reported.
void PutBack(int fd, const std::string& oldBytes)
{
    WriteFromStart(fd, oldBytes.data(), oldBytes.size(), ::pwrite);
    ::ftruncate(fd, static_cast<off_t>(oldBytes.size()));
    ::fsync(fd);
}

}  // namespace

int WriteInPlace(int fd, const std::string& newBytes)
{
    const ReplacementFile::SystemCalls& calls = ReplacementFile::s_systemCalls;
    std::string oldBytes;
    int error = ReadWholeFile(fd, oldBytes);
    if (error == 0)
        error = CheckSizeLimit(std::max(newBytes.size(), oldBytes.size()));
    if (error == 0)
        error = ReserveSpace(fd, newBytes.size(), oldBytes.size());
    if (error != 0)
        return error;

    // The file grows, if it does, only by the new bytes themselves, and is cut to
    // their length only once they are all in.
    error = WriteFromStart(fd, newBytes.data(), newBytes.size(), calls.pwrite);
    if (error == 0 && calls.ftruncate(fd, static_cast<off_t>(newBytes.size())) != 0)
        error = errno;
    if (error == 0 && calls.fsync(fd) != 0)
        error = errno;
    if (error != 0)
        PutBack(fd, oldBytes);
    return error;
}
