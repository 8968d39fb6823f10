#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

#include "HeadlessDriver.h"

namespace {

BOOL Choose(BOOL save, char* path, DWORD size, DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT)
{
    OPENFILENAME ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.lpstrFilter = "Servo config file (*.svo)\0*.svo\0All (*.*)\0*.*\0";
    ofn.lpstrFile = path;
    ofn.nMaxFile = size;
    ofn.Flags = flags;
    ofn.lpstrDefExt = ".svo";
    return save ? GetSaveFileName(&ofn) : GetOpenFileName(&ofn);
}

TEST(HeadlessFileChooser, AnswersInOrderAndRecordsWhatItWasAsked)
{
    HeadlessDriver driver;
    driver.AnswerFileChooser("/tmp/quorvel-headless-chooser");
    driver.CancelFileChooser();

    char path[260] = "";
    ASSERT_TRUE(Choose(TRUE, path, sizeof path));
    EXPECT_STREQ(path, "/tmp/quorvel-headless-chooser.svo");
    EXPECT_FALSE(Choose(FALSE, path, sizeof path));
    EXPECT_FALSE(Choose(FALSE, path, sizeof path));

    ASSERT_EQ(driver.FileChoosers().size(), 3u);
    const auto& first = driver.FileChoosers()[0];
    EXPECT_TRUE(first.save);
    EXPECT_EQ(first.filters.size(), 2u);
    EXPECT_EQ(first.defaultExtension, ".svo");
    EXPECT_EQ(first.initialName, "");
    EXPECT_FALSE(driver.FileChoosers()[1].save);
}

TEST(HeadlessFileChooser, SavingOverAnExistingFileIsConfirmed)
{
    char existing[] = "/tmp/quorvel-chooser-XXXXXX.svo";
    int fd = mkstemps(existing, 4);
    ASSERT_GE(fd, 0);
    close(fd);
    HeadlessDriver driver;
    driver.AnswerFileChooser(existing);
    driver.AnswerFileChooser(existing);
    char path[260] = "";
    EXPECT_TRUE(Choose(TRUE, path, sizeof path));
    EXPECT_TRUE(driver.FileChoosers()[0].askedToOverwrite);
    EXPECT_TRUE(Choose(TRUE, path, sizeof path, OFN_HIDEREADONLY));
    EXPECT_FALSE(driver.FileChoosers()[1].askedToOverwrite);
    unlink(existing);
}

TEST(HeadlessFileChooser, APathLongerThanTheBufferIsNotChosen)
{
    HeadlessDriver driver;
    driver.AnswerFileChooser("/tmp/a-rather-long-name.svo");
    char path[8] = "";
    EXPECT_FALSE(Choose(FALSE, path, sizeof path));
    EXPECT_STREQ(path, "");
}

}  // namespace
