#include "ReplacementFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "InPlaceWrite.h"
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
// short, at the start of a character, to leave room for the rest. The name is made
// relative to the open folder, so a path as long as the system allows still has room.
std::string TemporaryNameFor(const std::string& name)
{
    static constexpr char LETTERS[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    constexpr size_t SUFFIX_LENGTH = 6;
    size_t cut = std::min(name.size(), MAX_NAME_BYTES - 2 - SUFFIX_LENGTH);
    while (cut > 0 && cut < name.size() && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
        --cut;
    std::random_device random;
    std::string temporary(1, '.');
    temporary.append(name, 0, cut).append(1, '-');
    for (size_t i = 0; i < SUFFIX_LENGTH; ++i)
        temporary += LETTERS[random() % (sizeof LETTERS - 1)];
    return temporary;
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
    [](int folder, const char* name, int flags, mode_t mode) { return ::openat(folder, name, flags, mode); },
    ::fallocate,
    ::pwrite,
    ::ftruncate,
    ::fsync,
    ::close,
    ::renameat,
    [](int fromFolder, const char* from, int toFolder, const char* to) {
        return ::renameat2(fromFolder, from, toFolder, to, RENAME_NOREPLACE);
    },
};

ReplacementFile::~ReplacementFile()
{
    Discard();
}

int ReplacementFile::Create(const std::string& path, int access, int& osError)
{
    if (int error = OpenFolderOf(path); error != 0) {
        osError = error;
        return -1;
    }
    struct stat existing {};
    m_targetExisted = ::fstatat(m_folder, m_name.c_str(), &existing, 0) == 0;
    if (m_targetExisted) {
        // Only a regular file is replaced: a rename over a device, a pipe or a folder
        // would take its name away, as root even /dev/full's.
        if (!S_ISREG(existing.st_mode)) {
            osError = S_ISDIR(existing.st_mode) ? EISDIR : 0;
            return -1;
        }
        // A file that may not be written is not replaced either, though its folder
        // would allow it.
        if (::faccessat(m_folder, m_name.c_str(), W_OK, AT_EACCESS) != 0) {
            osError = errno;
            return -1;
        }
    }
    m_fd = CreateBeside(access, osError);
    if (m_fd < 0 && m_targetExisted && (osError == EACCES || osError == EPERM))
        m_fd = StartInPlace(osError);
    else if (m_fd >= 0 && m_targetExisted && (osError = TakeOwnerAndMode(m_fd, existing)) != 0)
        Discard();
    return m_fd;
}

// Follows path's links to the target, and opens the target's folder, which the new
// file's name and the rename are taken relative to. Returns 0 or the error number.
int ReplacementFile::OpenFolderOf(const std::string& path)
{
    std::string target = path;
    if (int error = FollowLinks(target); error != 0)
        return error;
    if (target.back() == '/')
        return EISDIR;
    std::string folder = FolderPartOf(target);
    m_name = target.substr(folder.size());
    m_folder = ::open(folder.empty() ? "." : folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    return m_folder < 0 ? errno : 0;
}

int ReplacementFile::CreateBeside(int access, int& osError)
{
    for (int attempt = 0; attempt < MAX_NAME_ATTEMPTS; ++attempt) {
        std::string temporary = TemporaryNameFor(m_name);
        int fd = s_systemCalls.openat(m_folder, temporary.c_str(), access | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
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

// Where the folder takes no new file, the new bytes wait in an anonymous file in
// memory, which a file-size limit stops as it would the disk, until Commit writes
// them over the old ones. The old file must be readable too, to keep its old bytes.
int ReplacementFile::StartInPlace(int& osError)
{
    m_inPlace = OpenRegularFileAt(m_folder, m_name, O_RDWR, osError);
    if (m_inPlace < 0)
        return -1;
    int fd = ::memfd_create("save", MFD_CLOEXEC);
    if (fd < 0)
        osError = errno;
    return fd;
}

int ReplacementFile::Commit()
{
    int error = m_inPlace >= 0 ? CommitInPlace() : CommitBeside();
    Discard();
    return error;
}

int ReplacementFile::CommitBeside()
{
    int error = s_systemCalls.fsync(m_fd) != 0 ? errno : 0;
    // Linux closes the descriptor even when close is interrupted.
    if (s_systemCalls.close(std::exchange(m_fd, -1)) != 0 && errno != EINTR && error == 0)
        error = errno;
    if (error != 0)
        return error;
    error = RenameOverTarget();
    // A sticky folder lets no one but its owner rename over another user's file,
    // though that file may be writable.
    if ((error == EPERM || error == EACCES) && m_targetExisted)
        return WriteInPlaceInstead(error);
    return error != 0 ? error : FlushFolder();
}

int ReplacementFile::CommitInPlace()
{
    std::string bytes;
    int error = ReadWholeFile(m_fd, bytes);
    if (s_systemCalls.close(std::exchange(m_fd, -1)) != 0 && errno != EINTR && error == 0)
        error = errno;
    return error != 0 ? error : WriteInPlace(m_inPlace, bytes);
}

// The target may have changed while the data was written: a name that was free is
// taken only if it still is, and what stands in the target's place now is replaced
// only if it is a regular file.
int ReplacementFile::RenameOverTarget()
{
    const char* from = m_temporary.c_str();
    const char* to = m_name.c_str();
    if (m_targetExisted) {
        struct stat now {};
        if (::fstatat(m_folder, to, &now, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(now.st_mode))
            return EEXIST;
        if (s_systemCalls.renameat(m_folder, from, m_folder, to) != 0)
            return errno;
    } else if (s_systemCalls.renameNoReplace(m_folder, from, m_folder, to) != 0) {
        // EINVAL: a file system that cannot rename so; the name was free a moment ago.
        if (errno != EINVAL || s_systemCalls.renameat(m_folder, from, m_folder, to) != 0)
            return errno;
    }
    m_temporary.clear();
    return 0;
}

// Takes the new bytes back from the new file, removes it, and writes them over the
// old file where it stands. Without write access to the old file, the rename's error
// stands.
int ReplacementFile::WriteInPlaceInstead(int renameError)
{
    std::string bytes;
    int fd = ::openat(m_folder, m_temporary.c_str(), O_RDONLY | O_CLOEXEC);
    int error = fd < 0 ? errno : ReadWholeFile(fd, bytes);
    if (fd >= 0)
        ::close(fd);
    RemoveTemporary();
    if (error != 0)
        return error;
    m_inPlace = OpenRegularFileAt(m_folder, m_name, O_RDWR, error);
    return m_inPlace < 0 ? renameError : WriteInPlace(m_inPlace, bytes);
}

// Flushes the folder's entries, so that a name just given is on the disk too. A
// folder that may not be read cannot be flushed; the file is in place all the same.
int ReplacementFile::FlushFolder() const
{
    int fd = s_systemCalls.openat(m_folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0)
        return 0;
    int error = s_systemCalls.fsync(fd) != 0 && errno != EINVAL ? errno : 0;
    s_systemCalls.close(fd);
    return error;
}

void ReplacementFile::RemoveTemporary()
{
    if (!m_temporary.empty())
        ::unlinkat(m_folder, std::exchange(m_temporary, std::string()).c_str(), 0);
}

// Closes what is open, the old file written in place last: once its data is flushed,
// its close has nothing left to report.
void ReplacementFile::Discard()
{
    if (m_fd >= 0)
        ::close(std::exchange(m_fd, -1));
    RemoveTemporary();
    if (m_inPlace >= 0)
        ::close(std::exchange(m_inPlace, -1));
    if (m_folder >= 0)
        ::close(std::exchange(m_folder, -1));
}
