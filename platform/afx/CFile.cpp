#include "CFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "RegularFile.h"
#include "ReplacementFile.h"
#include "codepage.h"

namespace {

int AccessFor(UINT nOpenFlags)
{
    return (nOpenFlags & CFile::modeReadWrite) ? O_RDWR : (nOpenFlags & CFile::modeWrite) ? O_WRONLY : O_RDONLY;
}

}  // namespace

CFile::CFile() = default;

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags)
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        throw error;
}

// A file made with modeCreate and not closed goes with the replacement, leaving the
// old one as it was.
CFile::~CFile()
{
    if (m_fd >= 0 && !m_pReplacement)
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
        m_fd = (nOpenFlags & modeCreate) ? CreateReplacement(*path, nOpenFlags, osError)
                                         : OpenRegularFile(*path, AccessFor(nOpenFlags), osError);
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

int CFile::CreateReplacement(const std::string& path, UINT nOpenFlags, int& osError)
{
    m_pReplacement = std::make_unique<ReplacementFile>();
    int fd = m_pReplacement->Create(path, AccessFor(nOpenFlags), osError);
    if (fd < 0)
        m_pReplacement.reset();
    return fd;
}

void CFile::Close()
{
    if (m_fd < 0)
        return;
    int fd = m_fd;
    m_fd = -1;
    if (std::unique_ptr<ReplacementFile> replacement = std::move(m_pReplacement)) {
        if (int osError = replacement->Commit(); osError != 0)
            ThrowOsError(osError);
        return;
    }
    if (::close(fd) != 0 && errno != EINTR)
        ThrowOsError(errno);
}

void CFile::ThrowOsError(int osError) const
{
    throw CFileException(CFileException::OsErrorToException(osError), osError, m_strFileName);
}
