// Files whose names hold characters that code page 936 lacks: the program carries such a
// path in GB18030, and the file on disk is the one of that UTF-8 name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CFile.h"
#include "CFileException.h"
#include "support/ScratchFolder.h"

namespace {

// "ñandú-😀.svo": UTF-8 on disk, GB18030 in the program ("ú" is in code page 936).
const std::string NAME_ON_DISK = "\xC3\xB1" "and\xC3\xBA-\xF0\x9F\x98\x80.svo";
const std::string NAME_IN_PROGRAM = "\x81\x30\x8A\x39" "and\xA8\xB2-\x94\x39\xFC\x36.svo";
const std::string BLOCK(41, '\x35');

}  // namespace

TEST(PathNames, ASaveAndALoadReachTheFileOfTheUtf8Name)
{
    ScratchFolder folder;
    CFile saved;
    ASSERT_TRUE(saved.Open(folder.PathOf(NAME_IN_PROGRAM).c_str(), CFile::modeCreate | CFile::modeWrite));
    saved.Write(BLOCK.data(), static_cast<UINT>(BLOCK.size()));
    saved.Close();
    EXPECT_EQ(folder.Names(), std::vector<std::string>{NAME_ON_DISK});
    EXPECT_EQ(folder.ReadBytes(NAME_ON_DISK), BLOCK);

    CFile loaded(folder.PathOf(NAME_IN_PROGRAM).c_str(), CFile::modeRead);
    std::string read(64, '\0');
    read.resize(loaded.Read(read.data(), static_cast<UINT>(read.size())));
    EXPECT_EQ(read, BLOCK);
}

TEST(PathNames, AFileErrorNamesThePathWithTheBytesItWasGiven)
{
    ScratchFolder folder;
    CFileException error;
    CFile missing;
    ASSERT_FALSE(missing.Open(folder.PathOf(NAME_IN_PROGRAM).c_str(), CFile::modeRead, &error));
    // "未找到 %s。"
    EXPECT_EQ(std::string(error.GetErrorMessage()),
              "\xCE\xB4\xD5\xD2\xB5\xBD " + folder.PathOf(NAME_IN_PROGRAM) + "\xA1\xA3");
}
