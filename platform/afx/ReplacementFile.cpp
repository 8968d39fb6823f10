#include "ReplacementFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "RegularFile.h"

namespace {

// The kernel's own limits: symbolic links followed in a row, bytes of one name.
constexpr int MAX_LINK_HOPS = 40;
constexpr size_t MAX_NAME_BYTES = 255;
constexpr int MAX_NAME_ATTEMPTS = 100;

// The part of a path up to and including its last '/'; empty for a bare name.
std::string FolderPartOf(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Follows path's symbolic links to the file that they lead to, which need not exist
// yet. Returns 0 or the error number.
int FollowLinks(std::string& path)
{
    for (int hop = 0; hop < MAX_LINK_HOPS; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0)
            return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(info.st_mode))
            return 0;
        std::string link(PATH_MAX, '\0');
        ssize_t length = ::readlink(path.c_str(), link.data(), link.size());
        if (length <= 0)
            return length < 0 ? errno : ENOENT;
        if (static_cast<size_t>(length) == link.size())
            return ENAMETOOLONG;
        link.resize(static_cast<size_t>(length));
        path = link.front() == '/' ? link : FolderPartOf(path) + link;
    }
    return ELOOP;
}

// A hidden name beside the target's, such as ".servo.svo-k3Xq9Z". A long name is cut
// short, at the start of a character, to leave room for the rest.
std::string TemporaryPathFor(const std::string& target)
{
    static constexpr char LETTERS[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    constexpr size_t SUFFIX_LENGTH = 6;
    std::string folder = FolderPartOf(target);
    std::string name = target.substr(folder.size());
    size_t cut = std::min(name.size(), MAX_NAME_BYTES - 2 - SUFFIX_LENGTH);
    while (cut > 0 && cut < name.size() && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
        --cut;
    std::random_device random;
    std::string path = folder + "." + name.substr(0, cut) + "-";
    for (size_t i = 0; i < SUFFIX_LENGTH; ++i)
        path += LETTERS[random() % (sizeof LETTERS - 1)];
    return path;
}

// Flushes a folder's entries, so that a name just given is on the disk too. A folder
// that may not be read cannot be flushed; the file is in place all the same.
int FlushFolderOf(const std::string& path)
{
    std::string folder = FolderPartOf(path);
    const ReplacementFile::SystemCalls& calls = ReplacementFile::s_systemCalls;
    int fd = calls.open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0)
        return 0;
    int error = calls.fsync(fd) != 0 && errno != EINVAL ? errno : 0;
    calls.close(fd);
    return error;
}

// The new file takes the old one's owner where that is allowed (as root: nobody else
// may give a file away), then its permission bits, which a change of owner clears in
// part. Returns 0 or the error number.
int TakeOwnerAndMode(int fd, const struct stat& old)
{
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && errno != EPERM)
        return errno;
    return ::fchmod(fd, old.st_mode & 07777) != 0 ? errno : 0;
}

}  // namespace

ReplacementFile::SystemCalls ReplacementFile::s_systemCalls = {
    [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); },
    ::ftruncate,
    ::fsync,
    ::close,
    ::rename,
    [](const char* from, const char* to) { return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE); },
};

ReplacementFile::~ReplacementFile()
{
    Discard();
}

int ReplacementFile::Create(const std::string& path, int access, int& osError)
{
    m_target = path;
    if (int error = FollowLinks(m_target); error != 0) {
        osError = error;
        return -1;
    }
    if (m_target.back() == '/') {
        osError = EISDIR;
        return -1;
    }
    struct stat existing {};
    m_targetExisted = ::stat(m_target.c_str(), &existing) == 0;
    if (m_targetExisted) {
        // Only a regular file is replaced: a rename over a device, a pipe or a folder
        // would take its name away, as root even /dev/full's.
        if (!S_ISREG(existing.st_mode)) {
            osError = S_ISDIR(existing.st_mode) ? EISDIR : 0;
            return -1;
        }
        // A file that may not be written is not replaced either, though its folder
        // would allow it.
        if (::faccessat(AT_FDCWD, m_target.c_str(), W_OK, AT_EACCESS) != 0) {
            osError = errno;
            return -1;
        }
    }
    m_fd = CreateBeside(access, osError);
    // Where the folder takes no new file, the old file is written where it is, and cut
    // to its new length only once the new data is in it (Commit).
    if (m_fd < 0 && m_targetExisted && (osError == EACCES || osError == EPERM))
        m_fd = OpenRegularFile(m_target, access, osError);
    else if (m_fd >= 0 && m_targetExisted && (osError = TakeOwnerAndMode(m_fd, existing)) != 0)
        Discard();
    return m_fd;
}

int ReplacementFile::CreateBeside(int access, int& osError)
{
    for (int attempt = 0; attempt < MAX_NAME_ATTEMPTS; ++attempt) {
        std::string temporary = TemporaryPathFor(m_target);
        int fd = s_systemCalls.open(temporary.c_str(), access | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            m_temporary = temporary;
            return fd;
        }
        if (errno != EEXIST)
            break;
    }
    osError = errno;
    return -1;
}

int ReplacementFile::Commit()
{
    int error = 0;
    if (m_temporary.empty()) {
        off_t end = ::lseek(m_fd, 0, SEEK_CUR);
        if (end < 0 || s_systemCalls.ftruncate(m_fd, end) != 0)
            error = errno;
    }
    if (error == 0 && s_systemCalls.fsync(m_fd) != 0)
        error = errno;
    // Linux closes the descriptor even when close is interrupted.
    if (s_systemCalls.close(std::exchange(m_fd, -1)) != 0 && errno != EINTR && error == 0)
        error = errno;
    if (error == 0 && !m_temporary.empty())
        error = PutInPlace();
    if (error != 0)
        Discard();
    return error;
}

// The target may have changed while the data was written: a name that was free is
// taken only if it still is, and what stands in the target's place now is replaced
// only if it is a regular file.
int ReplacementFile::PutInPlace()
{
    if (m_targetExisted) {
        struct stat now {};
        if (::lstat(m_target.c_str(), &now) == 0 && !S_ISREG(now.st_mode))
            return EEXIST;
        if (s_systemCalls.rename(m_temporary.c_str(), m_target.c_str()) != 0)
            return errno;
    } else if (s_systemCalls.renameNoReplace(m_temporary.c_str(), m_target.c_str()) != 0) {
        // EINVAL: a file system that cannot rename so; the name was free a moment ago.
        if (errno != EINVAL || s_systemCalls.rename(m_temporary.c_str(), m_target.c_str()) != 0)
            return errno;
    }
    m_temporary.clear();
    return FlushFolderOf(m_target);
}

void ReplacementFile::Discard()
{
    if (m_fd >= 0)
        ::close(std::exchange(m_fd, -1));
    if (!m_temporary.empty())
        ::unlink(std::exchange(m_temporary, std::string()).c_str());
}
