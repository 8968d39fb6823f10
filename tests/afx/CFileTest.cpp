#include <gtest/gtest.h>

#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <iostream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "AfxWinMain.h"
#include "CFile.h"
#include "support/FailingSaveStep.h"
#include "support/ScratchFolder.h"

namespace {

const std::string OLD_BYTES = [] {
    std::string bytes;
    for (int i = 0; i < 100; ++i)
        bytes += static_cast<char>(i);
    return bytes;
}();
const std::string NEW_BYTES(41, '\x5A');

constexpr int NO_UNPRIVILEGED_USER = 100;
constexpr int ENDED_BY_A_SIGNAL = -1;

// Runs work in a child process and returns its result (below 100), or
// ENDED_BY_A_SIGNAL. A child still running after ten seconds is ended by its alarm.
int RunInChild(const std::function<int()>& work)
{
    pid_t child = fork();
    if (child == 0) {
        alarm(10);
        _exit(work());
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return ENDED_BY_A_SIGNAL;
    return WIFEXITED(status) ? WEXITSTATUS(status) : ENDED_BY_A_SIGNAL;
}

// Runs work in a child process as a user whom permission bits bind: nobody (65534)
// when the tests run as root, whom no folder's or file's bits stop. Returns work's
// result (below 100), NO_UNPRIVILEGED_USER, or ENDED_BY_A_SIGNAL.
int RunUnprivileged(const std::function<int()>& work)
{
    return RunInChild([&] {
        bool bound = geteuid() != 0 || (setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0);
        return bound ? work() : NO_UNPRIVILEGED_USER;
    });
}

// In a child process: the program's start-up as its main makes it, then a file-size
// limit of this many bytes, as `ulimit -f` or prlimit set.
void StartUnderASizeLimit(rlim_t bytes)
{
    // As a process starts, unless its parent ignored the signal.
    std::signal(SIGXFSZ, SIG_DFL);
    AfxWinInit();
    rlimit limit {};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

class CFileTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return folder.PathOf(name); }
    void WriteBytes(const std::string& name, const std::string& bytes) const { folder.WriteBytes(name, bytes); }
    std::string ReadBytes(const std::string& name) const { return folder.ReadBytes(name); }

    // Writes a file as Save does; returns the cause of the file error, or none, and
    // the error's message.
    static int SaveBytes(const std::string& path, const std::string& bytes, std::string* pMessage = nullptr)
    {
        try {
            CFile file;
            CFileException error;
            if (!file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite, &error))
                throw error;
            file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
            file.Close();
        } catch (const CFileException& e) {
            if (pMessage != nullptr)
                *pMessage = std::string(e.GetErrorMessage());
            return e.m_cause;
        }
        return CFileException::none;
    }

    // A folder "locked" that takes no new file, holding a writable old.svo; the
    // scratch folder lets an unprivileged user through to it.
    void MakeLockedFolderWithOldFile() const
    {
        ASSERT_EQ(chmod(folder.Path().c_str(), 0755), 0);
        ASSERT_EQ(mkdir(PathOf("locked").c_str(), 0755), 0);
        WriteBytes("locked/old.svo", OLD_BYTES);
        ASSERT_EQ(chmod(PathOf("locked/old.svo").c_str(), 0666), 0);
        ASSERT_EQ(chmod(PathOf("locked").c_str(), 0555), 0);
    }

    // Makes nested folders under the scratch folder, the outermost named first, so
    // that the innermost one's path has exactly length bytes; returns that path
    // relative to the scratch folder.
    std::string MakeFolderOfPathLength(const std::string& first, size_t length) const
    {
        std::string relative = first;
        mkdir(PathOf(relative).c_str(), 0755);
        while (PathOf(relative).size() < length) {
            size_t left = length - PathOf(relative).size();  // a '/' and a name
            relative.append(1, '/').append(left > 256 ? 200 : left - 1, 'd');
            mkdir(PathOf(relative).c_str(), 0755);
        }
        return relative;
    }

    ScratchFolder folder;
};

TEST_F(CFileTest, ReadsARegularFileAndItsLength)
{
    WriteBytes("block.svo", std::string("\x35\x01\x00\x80", 4));
    CFile file;
    ASSERT_TRUE(file.Open(PathOf("block.svo").c_str(), CFile::modeRead));
    EXPECT_EQ(file.GetLength(), 4u);
    char buffer[8] = {};
    EXPECT_EQ(file.Read(buffer, 8), 4u);
    EXPECT_EQ(std::string(buffer, 4), std::string("\x35\x01\x00\x80", 4));
    EXPECT_EQ(file.Read(buffer, 0), 0u);
    file.Close();
}

TEST_F(CFileTest, SaveReplacesALongerFileOnlyOnceClosedAndLeavesNothingElse)
{
    WriteBytes("old.svo", std::string(200, 'x'));
    CFile file;
    ASSERT_TRUE(file.Open(PathOf("old.svo").c_str(), CFile::modeCreate | CFile::modeWrite));
    file.Write("abc", 3);
    EXPECT_EQ(ReadBytes("old.svo"), std::string(200, 'x'));
    file.Close();
    EXPECT_EQ(ReadBytes("old.svo"), "abc");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"old.svo"});
}

TEST_F(CFileTest, SaveKeepsTheOldFilesPermissionBitsAndOwnerWhileANewFileTakesTheUmask)
{
    WriteBytes("old.svo", OLD_BYTES);
    ASSERT_EQ(chmod(PathOf("old.svo").c_str(), 0604), 0);
    // Only root can hand a file to another user, and only root can keep its owner.
    bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(PathOf("old.svo").c_str(), 65534, 65534), 0);
    }
    mode_t umaskBefore = umask(027);
    int causeOld = SaveBytes(PathOf("old.svo"), NEW_BYTES);
    int causeNew = SaveBytes(PathOf("new.svo"), NEW_BYTES);
    umask(umaskBefore);

    EXPECT_EQ(causeOld, CFileException::none);
    EXPECT_EQ(causeNew, CFileException::none);
    struct stat old {}, fresh {};
    ASSERT_EQ(stat(PathOf("old.svo").c_str(), &old), 0);
    ASSERT_EQ(stat(PathOf("new.svo").c_str(), &fresh), 0);
    EXPECT_EQ(ReadBytes("old.svo"), NEW_BYTES);
    EXPECT_EQ(old.st_mode & 07777, 0604u);
    EXPECT_EQ(fresh.st_mode & 07777, 0640u);
    EXPECT_EQ(old.st_uid, root ? 65534u : geteuid());
}

TEST_F(CFileTest, SaveThroughSymbolicLinksReplacesTheFileTheyLeadToAndKeepsTheLinks)
{
    // chain.svo -> sub/link.svo -> real.svo, the second relative to its own folder.
    ASSERT_EQ(mkdir(PathOf("sub").c_str(), 0755), 0);
    WriteBytes("sub/real.svo", OLD_BYTES);
    ASSERT_EQ(symlink("real.svo", PathOf("sub/link.svo").c_str()), 0);
    ASSERT_EQ(symlink("sub/link.svo", PathOf("chain.svo").c_str()), 0);
    // A link to a file not yet there makes that file.
    ASSERT_EQ(symlink(PathOf("sub/later.svo").c_str(), PathOf("dangling.svo").c_str()), 0);

    EXPECT_EQ(SaveBytes(PathOf("chain.svo"), NEW_BYTES), CFileException::none);
    EXPECT_EQ(SaveBytes(PathOf("dangling.svo"), NEW_BYTES), CFileException::none);

    EXPECT_EQ(ReadBytes("sub/real.svo"), NEW_BYTES);
    EXPECT_EQ(ReadBytes("sub/later.svo"), NEW_BYTES);
    struct stat info {};
    for (const char* link : {"chain.svo", "sub/link.svo", "dangling.svo"}) {
        ASSERT_EQ(lstat(PathOf(link).c_str(), &info), 0);
        EXPECT_TRUE(S_ISLNK(info.st_mode)) << link;
    }
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"chain.svo", "dangling.svo", "sub"}));
    EXPECT_EQ(folder.Names("sub"), (std::vector<std::string>{"later.svo", "link.svo", "real.svo"}));
}

TEST_F(CFileTest, SaveRefusesAPipeAFolderOrADeviceAndLeavesThemWhereTheyAre)
{
    ASSERT_EQ(mkfifo(PathOf("pipe").c_str(), 0666), 0);
    ASSERT_EQ(mkdir(PathOf("folder.svo").c_str(), 0777), 0);
    ASSERT_EQ(symlink("pipe", PathOf("to-pipe").c_str()), 0);
    // The device that /dev/full is, made here so that nothing outside the folder is at
    // stake; only where the system lets this user make devices.
    bool device = mknod(PathOf("full").c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0;
    if (!device)
        std::cout << "This user may not make devices: only a pipe and a folder are tried.\n";
    std::vector<std::string> before = folder.Names();

    EXPECT_EQ(SaveBytes(PathOf("pipe"), NEW_BYTES), CFileException::invalidFile);
    EXPECT_EQ(SaveBytes(PathOf("to-pipe"), NEW_BYTES), CFileException::invalidFile);
    EXPECT_EQ(SaveBytes(PathOf("folder.svo"), NEW_BYTES), CFileException::accessDenied);
    if (device) {
        EXPECT_EQ(SaveBytes(PathOf("full"), NEW_BYTES), CFileException::invalidFile);
    }

    struct stat info {};
    ASSERT_EQ(lstat(PathOf("pipe").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    ASSERT_EQ(lstat(PathOf("folder.svo").c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    if (device) {
        ASSERT_EQ(lstat(PathOf("full").c_str(), &info), 0);
        EXPECT_TRUE(S_ISCHR(info.st_mode));
        EXPECT_EQ(info.st_rdev, makedev(1, 7));
    }
    EXPECT_EQ(folder.Names(), before);
    EXPECT_TRUE(folder.Names("folder.svo").empty());
}

TEST_F(CFileTest, ANameOfTheLongestLengthAllowedStillSaves)
{
    // 85 characters of two code-page-936 bytes each, three bytes each in UTF-8 on disk:
    // 255 bytes, the most that a name may have.
    std::string name;
    for (int i = 0; i < 85; ++i)
        name += "参";
    ASSERT_EQ(name.size(), 170u);
    EXPECT_EQ(SaveBytes(PathOf(name), NEW_BYTES), CFileException::none);
    std::vector<std::string> names = folder.Names();
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].size(), 255u);
}

TEST_F(CFileTest, WhereTheFolderTakesNoNewFileAWritableOldFileIsWrittenInPlace)
{
    MakeLockedFolderWithOldFile();
    struct stat before {}, after {};
    ASSERT_EQ(stat(PathOf("locked/old.svo").c_str(), &before), 0);

    int cause = RunUnprivileged([&] { return SaveBytes(PathOf("locked/old.svo"), NEW_BYTES); });
    if (cause == NO_UNPRIVILEGED_USER)
        GTEST_SKIP() << "No unprivileged user could be taken on, so the folder's bits cannot bind.";

    EXPECT_EQ(cause, CFileException::none);
    EXPECT_EQ(ReadBytes("locked/old.svo"), NEW_BYTES);
    ASSERT_EQ(stat(PathOf("locked/old.svo").c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "written in place, not replaced";
    EXPECT_EQ(folder.Names("locked"), std::vector<std::string>{"old.svo"});
}

TEST_F(CFileTest, WhereTheFolderTakesNoNewFileASizeLimitLeavesTheOldFileAsItWas)
{
    MakeLockedFolderWithOldFile();
    int cause = RunUnprivileged([&] {
        StartUnderASizeLimit(20);
        return SaveBytes(PathOf("locked/old.svo"), NEW_BYTES);
    });
    if (cause == NO_UNPRIVILEGED_USER)
        GTEST_SKIP() << "No unprivileged user could be taken on, so the folder's bits cannot bind.";

    EXPECT_EQ(cause, CFileException::diskFull);
    EXPECT_EQ(ReadBytes("locked/old.svo"), OLD_BYTES);
    EXPECT_EQ(folder.Names("locked"), std::vector<std::string>{"old.svo"});
}

// A file-size limit raises a signal that would end the program with the user's work;
// once the library has started, it fails the save as a full disk does instead, and no
// part of the new file stays.
TEST_F(CFileTest, ASizeLimitFailsASaveAsAFullDiskAndLeavesNoNewFile)
{
    WriteBytes("old.svo", OLD_BYTES);
    for (const std::string name : {"old.svo", "new.svo"}) {
        for (rlim_t bytes : {0, 20}) {
            int cause = RunInChild([&] {
                StartUnderASizeLimit(bytes);
                return SaveBytes(PathOf(name), NEW_BYTES);
            });
            EXPECT_EQ(cause, CFileException::diskFull) << name << " under a limit of " << bytes << " bytes";
        }
    }
    EXPECT_EQ(ReadBytes("old.svo"), OLD_BYTES);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"old.svo"});
}

// In a sticky folder, as /tmp is, only a file's owner may rename over it, though its
// bits let others write it: another user's writable file is written in place.
TEST_F(CFileTest, AnotherUsersWritableFileInAStickyFolderIsWrittenInPlace)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "Only root can give the file to another user here; SaveInPlaceTest refuses the rename "
                        "through the save's system calls instead.";
    ASSERT_EQ(chmod(folder.Path().c_str(), 0755), 0);
    ASSERT_EQ(mkdir(PathOf("sticky").c_str(), 0777), 0);
    ASSERT_EQ(chmod(PathOf("sticky").c_str(), 01777), 0);
    WriteBytes("sticky/old.svo", OLD_BYTES);
    ASSERT_EQ(chmod(PathOf("sticky/old.svo").c_str(), 0666), 0);
    struct stat before {}, after {};
    ASSERT_EQ(stat(PathOf("sticky/old.svo").c_str(), &before), 0);

    int cause = RunUnprivileged([&] { return SaveBytes(PathOf("sticky/old.svo"), NEW_BYTES); });

    EXPECT_EQ(cause, CFileException::none);
    EXPECT_EQ(ReadBytes("sticky/old.svo"), NEW_BYTES);
    ASSERT_EQ(stat(PathOf("sticky/old.svo").c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "written in place, not replaced";
    EXPECT_EQ(after.st_uid, 0u);
    EXPECT_EQ(folder.Names("sticky"), std::vector<std::string>{"old.svo"});
}

// The new file's name beside the target is longer than the target's, yet every path
// that the system takes, up to 4,095 bytes, is saved: new, over an old file and in
// place.
TEST_F(CFileTest, PathsUpToTheLongestTheSystemTakesAreSaved)
{
    for (size_t length : {4088u, 4091u, 4095u}) {
        std::string inner = MakeFolderOfPathLength(std::string("d") + std::to_string(length), length - 10);
        std::string name = inner + "/servo.svo";
        std::string path = PathOf(name);
        ASSERT_EQ(path.size(), length);

        EXPECT_EQ(SaveBytes(path, OLD_BYTES), CFileException::none) << length << ": new";
        EXPECT_EQ(SaveBytes(path, NEW_BYTES), CFileException::none) << length << ": over the old file";
        EXPECT_EQ(ReadBytes(name), NEW_BYTES) << length;
        {
            FailingSaveStep noNewFile(FailingSaveStep::MakeNewFile, EACCES);
            EXPECT_EQ(SaveBytes(path, "in place"), CFileException::none) << length << ": in place";
        }
        EXPECT_EQ(ReadBytes(name), "in place") << length;
        EXPECT_EQ(folder.Names(inner), std::vector<std::string>{"servo.svo"}) << length;
    }
}

TEST_F(CFileTest, AFileThatMayNotBeWrittenIsRefusedThoughItsFolderTakesNewFiles)
{
    ASSERT_EQ(chmod(folder.Path().c_str(), 0777), 0);
    WriteBytes("read-only.svo", OLD_BYTES);
    ASSERT_EQ(chmod(PathOf("read-only.svo").c_str(), 0444), 0);

    int cause = RunUnprivileged([&] { return SaveBytes(PathOf("read-only.svo"), NEW_BYTES); });
    if (cause == NO_UNPRIVILEGED_USER)
        GTEST_SKIP() << "No unprivileged user could be taken on, so the file's bits cannot bind.";

    EXPECT_EQ(cause, CFileException::accessDenied);
    EXPECT_EQ(ReadBytes("read-only.svo"), OLD_BYTES);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"read-only.svo"});
}

TEST_F(CFileTest, AFolderPutInTheTargetsPlaceWhileWritingStopsTheRenameAndStaysAsItIs)
{
    WriteBytes("old.svo", OLD_BYTES);
    for (const std::string name : {"old.svo", "new.svo"}) {
        CFile file;
        ASSERT_TRUE(file.Open(PathOf(name).c_str(), CFile::modeCreate | CFile::modeWrite)) << name;
        file.Write(NEW_BYTES.data(), static_cast<UINT>(NEW_BYTES.size()));
        unlink(PathOf(name).c_str());
        ASSERT_EQ(mkdir(PathOf(name).c_str(), 0755), 0);
        WriteBytes(name + "/inside", "");
        try {
            file.Close();
            ADD_FAILURE() << name << ": closed as if saved";
        } catch (const CFileException& e) {
            EXPECT_EQ(std::string(e.GetErrorMessage()), "访问 " + PathOf(name) + " 时发生错误。");
        }
        EXPECT_EQ(folder.Names(name), std::vector<std::string>{"inside"}) << name;
    }
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"new.svo", "old.svo"})) << "no new file left beside them";
}

TEST_F(CFileTest, AFolderThatTakesNoNewFileRefusesANewNameAndKeepsNothing)
{
    ASSERT_EQ(chmod(folder.Path().c_str(), 0755), 0);
    ASSERT_EQ(mkdir(PathOf("locked").c_str(), 0555), 0);
    std::string message;
    int cause = RunUnprivileged([&] { return SaveBytes(PathOf("locked/new.svo"), NEW_BYTES, &message); });
    if (cause == NO_UNPRIVILEGED_USER)
        GTEST_SKIP() << "No unprivileged user could be taken on, so the folder's bits cannot bind.";
    EXPECT_EQ(cause, CFileException::accessDenied);
    EXPECT_EQ(folder.Names("locked"), std::vector<std::string>{});
}

TEST_F(CFileTest, MissingFileIsNotFoundAndTheOpeningConstructorThrows)
{
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(PathOf("missing.svo").c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(std::string(error.m_strFileName), PathOf("missing.svo"));
    EXPECT_NE(std::string(error.GetErrorMessage()).find(PathOf("missing.svo")), std::string::npos);

    try {
        CFile opened(PathOf("missing.svo").c_str(), CFile::modeRead);
        FAIL() << "opened a missing file";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
    }
}

TEST_F(CFileTest, FoldersPipesAndDevicesAreRefusedWithoutWaiting)
{
    ASSERT_EQ(mkfifo(PathOf("pipe").c_str(), 0600), 0);
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    for (const std::string& path : {folder.Path(), PathOf("pipe"), std::string("/dev/zero"), std::string("/dev/null")}) {
        CFile reader;
        CFileException error;
        EXPECT_FALSE(reader.Open(path.c_str(), CFile::modeRead, &error)) << path;
        EXPECT_NE(error.m_cause, CFileException::none) << path;
        CFile writer;
        EXPECT_FALSE(writer.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite, &error)) << path;
    }
    clock_gettime(CLOCK_MONOTONIC, &end);
    EXPECT_LT(end.tv_sec - start.tv_sec, 2);
}

TEST_F(CFileTest, CreatingInAMissingFolderFails)
{
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(PathOf("no/such/folder.svo").c_str(), CFile::modeCreate | CFile::modeWrite, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
}

TEST_F(CFileTest, NamesTravelAsCodePage936)
{
    CFile file;
    // "参数.svo" in code page 936.
    std::string name = PathOf("\xB2\xCE\xCA\xFD.svo");
    ASSERT_TRUE(file.Open(name.c_str(), CFile::modeCreate | CFile::modeWrite));
    file.Close();
    EXPECT_EQ(access(PathOf("参数.svo").c_str(), F_OK), -1) << "the literal here is code page 936, not UTF-8";
    EXPECT_EQ(access((folder.Path() + "/\xE5\x8F\x82\xE6\x95\xB0.svo").c_str(), F_OK), 0) << "UTF-8 on disk";

    // A lead byte with no trail byte names no file: an error, not a different file.
    CFileException error;
    EXPECT_FALSE(file.Open(PathOf("bad\x81").c_str(), CFile::modeCreate | CFile::modeWrite, &error));
    EXPECT_EQ(error.m_cause, CFileException::badPath);
}

TEST_F(CFileTest, OperationsOnAClosedFileThrow)
{
    CFile file;
    char buffer[4];
    EXPECT_THROW(file.Read(buffer, 4), CFileException);
    EXPECT_THROW(file.Write(buffer, 4), CFileException);
    EXPECT_THROW(file.GetLength(), CFileException);
}

}  // namespace
