#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "CFile.h"

namespace {

class CFileTest : public ::testing::Test {
protected:
    CFileTest()
    {
        char pattern[] = "/tmp/quorvel-cfile-XXXXXX";
        folder = mkdtemp(pattern);
    }
    ~CFileTest() override { std::system(("rm -rf " + folder).c_str()); }

    std::string PathOf(const std::string& name) const { return folder + "/" + name; }

    void WriteBytes(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
    }

    std::string ReadBytes(const std::string& name) const
    {
        std::ifstream in(PathOf(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::string folder;
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

TEST_F(CFileTest, CreateEmptiesALongerFile)
{
    WriteBytes("old.svo", std::string(200, 'x'));
    CFile file;
    ASSERT_TRUE(file.Open(PathOf("old.svo").c_str(), CFile::modeCreate | CFile::modeWrite));
    file.Write("abc", 3);
    file.Close();
    EXPECT_EQ(ReadBytes("old.svo"), "abc");
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
    for (const std::string& path : {folder, PathOf("pipe"), std::string("/dev/zero"), std::string("/dev/null")}) {
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
    EXPECT_EQ(access((folder + "/\xE5\x8F\x82\xE6\x95\xB0.svo").c_str(), F_OK), 0) << "UTF-8 on disk";

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

TEST_F(CFileTest, WritingPastTheSpaceAllowedThrowsDiskFull)
{
    // A child process whose file size limit is 10 bytes stands in for a full disk.
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{10, 10};
        setrlimit(RLIMIT_FSIZE, &limit);
        CFile file;
        if (!file.Open(PathOf("full.svo").c_str(), CFile::modeCreate | CFile::modeWrite))
            _exit(2);
        try {
            file.Write(std::string(41, 'x').data(), 41);
        } catch (const CFileException& e) {
            _exit(e.m_cause == CFileException::diskFull ? 0 : 3);
        }
        _exit(4);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadBytes("full.svo"), std::string(10, 'x'));
}

}  // namespace
