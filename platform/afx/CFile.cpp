#include "CFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "codepage.h"

namespace {

int OpenFlagsFor(UINT nOpenFlags)
{
    int access = (nOpenFlags & CFile::modeReadWrite) ? O_RDWR : (nOpenFlags & CFile::modeWrite) ? O_WRONLY : O_RDONLY;
    int flags = access | O_CLOEXEC | O_NONBLOCK;  // never wait on a pipe or device
    if (nOpenFlags & CFile::modeCreate)
        flags |= O_CREAT | O_TRUNC;
    return flags;
}

// Opens the named file and keeps it only if it is a regular file; returns -1 with an
// error number otherwise.
int OpenRegularFile(const std::string& path, UINT nOpenFlags, int& osError)
{
    int fd = ::open(path.c_str(), OpenFlagsFor(nOpenFlags), 0666);
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
    int flags = ::fcntl(fd, F_GETFL);
    ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

}  // namespace

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags)
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        throw error;
}

CFile::~CFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_fd >= 0)
        return FALSE;
    m_strFileName = lpszFileName;

    int osError = 0;
    int cause = CFileException::none;
    std::optional<std::string> path = CodePage936ToUtf8(static_cast<LPCTSTR>(m_strFileName));
    if (!path || path->empty()) {
        osError = EILSEQ;
        cause = CFileException::badPath;
    } else {
        m_fd = OpenRegularFile(*path, nOpenFlags, osError);
        if (m_fd < 0)
            cause = osError != 0 ? CFileException::OsErrorToException(osError) : CFileException::invalidFile;
    }
    if (m_fd >= 0)
        return TRUE;
    if (pError != nullptr) {
        pError->m_cause = cause;
        pError->m_lOsError = osError;
        pError->m_strFileName = m_strFileName;
    }
    return FALSE;
}

ULONGLONG CFile::GetLength() const
{
    struct stat info {};
    if (::fstat(m_fd, &info) != 0)
        ThrowOsError(errno);
    return static_cast<ULONGLONG>(info.st_size);
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    UINT total = 0;
    char* buffer = static_cast<char*>(lpBuf);
    while (total < nCount) {
        ssize_t got = ::read(m_fd, buffer + total, nCount - total);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ThrowOsError(errno);
        }
        if (got == 0)
            break;
        total += static_cast<UINT>(got);
    }
    return total;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    UINT total = 0;
    const char* buffer = static_cast<const char*>(lpBuf);
    while (total < nCount) {
        ssize_t put = ::write(m_fd, buffer + total, nCount - total);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            ThrowOsError(errno);
        }
        if (put == 0)
            ThrowOsError(ENOSPC);
        total += static_cast<UINT>(put);
    }
}

void CFile::Close()
{
    if (m_fd < 0)
        return;
    int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 && errno != EINTR)
        ThrowOsError(errno);
}

void CFile::ThrowOsError(int osError) const
{
    throw CFileException(CFileException::OsErrorToException(osError), osError, m_strFileName);
}
