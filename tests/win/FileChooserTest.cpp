#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "commdlg.h"

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

TEST(FileFilter, EndsAtTheFirstEmptyDescription)
{
    const char load[] = "Servo Confige Files (*.svo)\0*.svo\0BIN Files (*.bin)\0*.bin\0All Files (*.*)\0*.*\0\0";
    EXPECT_EQ(FileFilterPairs(load), (Pairs{{"Servo Confige Files (*.svo)", "*.svo"},
                                            {"BIN Files (*.bin)", "*.bin"},
                                            {"All Files (*.*)", "*.*"}}));
    const char save[] = "Servo config file (*.svo)\0*.svo\0x (*.*)\0*.*\0";
    EXPECT_EQ(FileFilterPairs(save).size(), 2u);
    EXPECT_TRUE(FileFilterPairs(nullptr).empty());
    EXPECT_TRUE(FileFilterPairs("").empty());
}

TEST(FileFilter, DescriptionWithoutPatternEndsTheListSafely)
{
    const char odd[] = "Only a description\0\0";
    EXPECT_EQ(FileFilterPairs(odd), (Pairs{{"Only a description", ""}}));
}

TEST(DefaultExtension, IsAddedOnlyToANameWithoutOne)
{
    EXPECT_EQ(WithDefaultExtension("/home/u/servo", "*.svo"), "/home/u/servo.svo");
    EXPECT_EQ(WithDefaultExtension("/home/u/servo", ".svo"), "/home/u/servo.svo");
    EXPECT_EQ(WithDefaultExtension("/home/u/servo.bin", ".svo"), "/home/u/servo.bin");
    EXPECT_EQ(WithDefaultExtension("/home/u.d/servo", ".svo"), "/home/u.d/servo.svo");
    EXPECT_EQ(WithDefaultExtension("/home/u/servo", nullptr), "/home/u/servo");
}

TEST(PathTooLong, IsNamedWholeUpTo90BytesAndBeyondByItsEndsWithNoCodePage936CharacterCutInTwo)
{
    std::string path90 = "/home/u/" + std::string(78, 'a') + ".svo";
    EXPECT_EQ(PathTooLongText(path90), path90 + "\nThis path is too long.\nPlease choose a shorter one.");
    // "参" is two bytes; 15 of them after "/": the cut after byte 30 falls mid-character.
    std::string folder = "/";
    for (int i = 0; i < 15; ++i)
        folder += "\xB2\xCE";
    std::string path = folder + "/" + std::string(100, 'b');
    EXPECT_EQ(PathTooLongText(path).substr(0, 34), folder + "...");
    // The same at the tail's start: the last 60 bytes begin with a trail byte.
    std::string pairs;
    for (int i = 0; i < 30; ++i)
        pairs += "\xB2\xCE";
    std::string text = PathTooLongText(std::string("/") + std::string(100, 'c') + pairs + "d");
    EXPECT_EQ(text.substr(0, text.find('\n')), std::string("/") + std::string(29, 'c') + "..." + pairs.substr(2) + "d");
    // Nor is a four-byte character of a name beyond the code page (an emoji): the head's
    // end falls in the eighth, the tail's start in the third of the second run.
    std::string emoji;
    for (int i = 0; i < 16; ++i)
        emoji += "\x94\x39\xFC\x36";
    std::string four = PathTooLongText(std::string("/") + emoji + "x" + emoji + "yz");
    EXPECT_EQ(four.substr(0, four.find('\n')), std::string("/") + emoji.substr(0, 32) + "..." + emoji.substr(0, 56) + "yz");
}

TEST(FileChooser, WithoutAUserChoosesNothing)
{
    char path[260] = "untouched";
    OPENFILENAME ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.lpstrFile = path;
    ofn.nMaxFile = sizeof path;
    EXPECT_FALSE(GetOpenFileName(&ofn));
    EXPECT_FALSE(GetSaveFileName(&ofn));
    EXPECT_STREQ(path, "untouched");
}

}  // namespace
