#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "app/LogMessages.h"
#include "support/NoWriteSucceeds.h"
#include "support/OpenDialog.h"
#include "support/ScratchFolder.h"

namespace {

const std::string DEFAULT_VALUES_SAVED("\x35\x01\x00\x00\x00\x00\x00\x00\x00\x04\x02\xEF\x04\x9C\xC8\xC8\x13\x88\x27\x10"
                                       "\x1D\x4C\x10\x00\x1D\x4C\x01\x00\x00\x00\x40\x40\x00\x00\x1F\x00\x00\x00\x00\x00\x00",
                                       41);
const std::string DEFAULT_BLOCK("\x35\x01\x00\x00\x00\x00\x00\x00\x80\x04\x02\xF4\x00\x40\xD0\xD0\x11\x94\x29\x04"
                                "\x1D\x4C\x10\x00\x1D\x4C\x01\x00\x00\x00\x40\x40\x00\x00\x00\x00\x00\x00\x00\x00\x00",
                                41);

class ParameterFileTest : public OpenDialog {
protected:
    std::string PathOf(const std::string& name) const { return folder.PathOf(name); }
    void WriteFile(const std::string& name, const std::string& bytes) const { folder.WriteBytes(name, bytes); }
    std::string ReadFile(const std::string& name) const { return folder.ReadBytes(name); }

    void Save(const std::string& name)
    {
        driver.AnswerFileChooser(PathOf(name));
        Click(IDC_SAVE);
    }

    void Load(const std::string& name)
    {
        driver.AnswerFileChooser(PathOf(name));
        Click(IDC_LOAD);
    }

    ScratchFolder folder;
};

TEST_F(ParameterFileTest, SaveRightAfterStartUpWritesTheDefaultValuesOverTheDefaultBlock)
{
    Run([&] {
        Save("servo.svo");
        EXPECT_EQ(ReadFile("servo.svo"), DEFAULT_VALUES_SAVED);
        ASSERT_EQ(LogRows(), 1);
        EXPECT_EQ(LogMessage(0), LOG_FILE_SAVED);
    });
}

TEST_F(ParameterFileTest, SaveOffersItsTwoFileTypesOverTheMainDialog)
{
    AfxGetApp()->m_pMainWnd = &dlg;  // as the application's start-up makes it
    Run([&] {
        Save("servo");
        ASSERT_EQ(driver.FileChoosers().size(), 1u);
        const auto& chooser = driver.FileChoosers()[0];
        EXPECT_TRUE(chooser.save);
        EXPECT_EQ(chooser.owner, m_hDlg);
        EXPECT_EQ(chooser.defaultExtension, ".svo");
        EXPECT_EQ(chooser.initialName, "");
        EXPECT_EQ(chooser.flags & 0x110006u, 6u);
        ASSERT_EQ(chooser.filters.size(), 2u);
        EXPECT_EQ(chooser.filters[0], (std::pair<std::string, std::string>{"Servo config file (*.svo)", "*.svo"}));
        EXPECT_EQ(chooser.filters[1], (std::pair<std::string, std::string>{"所有文件   (*.*)", "*.*"}));
        // A name typed without an extension gets the default one.
        EXPECT_EQ(ReadFile("servo.svo"), DEFAULT_VALUES_SAVED);
    });
}

TEST_F(ParameterFileTest, LoadOffersItsThreeFileTypesOverTheMainDialog)
{
    WriteFile("a.svo", DEFAULT_VALUES_SAVED);
    Run([&] {
        Load("a.svo");
        ASSERT_EQ(driver.FileChoosers().size(), 1u);
        const auto& chooser = driver.FileChoosers()[0];
        EXPECT_FALSE(chooser.save);
        EXPECT_EQ(chooser.owner, m_hDlg);
        EXPECT_EQ(chooser.defaultExtension, "*.svo");
        EXPECT_EQ(chooser.flags & 0x110006u, 0x110006u);
        ASSERT_EQ(chooser.filters.size(), 3u);
        EXPECT_EQ(chooser.filters[0].first, "Servo Confige Files (*.svo)");
        EXPECT_EQ(chooser.filters[1], (std::pair<std::string, std::string>{"BIN Files (*.bin)", "*.bin"}));
        EXPECT_EQ(chooser.filters[2], (std::pair<std::string, std::string>{"All Files (*.*)", "*.*"}));
    });
}

TEST_F(ParameterFileTest, SavedFileLoadedAndSavedAgainComesBackTheSame)
{
    Run([&] {
        Save("first.svo");
        Load("first.svo");
        Save("second.svo");
        EXPECT_EQ(ReadFile("second.svo"), DEFAULT_VALUES_SAVED);
        EXPECT_EQ(LogMessage(1), LOG_FILE_LOADED);
    });
}

TEST_F(ParameterFileTest, DefaultBlockFileLoadedAndSavedChangesOnlyByte34)
{
    WriteFile("default.svo", DEFAULT_BLOCK);
    Run([&] {
        Load("default.svo");
        EXPECT_EQ(Text(IDC_DEAD_BAND), "2.2");
        EXPECT_EQ(Text(IDC_PULSE_LOWER), "900");
        EXPECT_TRUE(IsChecked(IDC_INTERNAL_OSC));
        Save("again.svo");
    });
    std::string expected = DEFAULT_BLOCK;
    expected[34] = 0x1F;
    EXPECT_EQ(ReadFile("again.svo"), expected);
}

TEST_F(ParameterFileTest, ShortFileReplacesOnlyItsOwnBytes)
{
    WriteFile("ten.svo", std::string("\xAA\xBB\xCC\xDD\xEE\xFF\x11\x22\x80\x09", 10));
    Run([&] {
        Load("ten.svo");
        EXPECT_EQ(Block().substr(0, 10), std::string("\xAA\xBB\xCC\xDD\xEE\xFF\x11\x22\x80\x09", 10));
        EXPECT_EQ(Block().substr(10), DEFAULT_BLOCK.substr(10));
        EXPECT_TRUE(IsChecked(IDC_INTERNAL_OSC));
        EXPECT_TRUE(IsChecked(IDC_100PWM));
        EXPECT_TRUE(IsChecked(IDC_INVERTER));
        EXPECT_EQ(Text(IDC_DEAD_BAND), "2.2");  // byte 11 of the block as it was
        EXPECT_EQ(LogMessage(0), LOG_FILE_LOADED);
    });
}

TEST_F(ParameterFileTest, EmptyFileKeepsTheBlockButReplacesWhatWasTyped)
{
    WriteFile("empty.svo", "");
    Run([&] {
        SetText(IDC_NEUTRAL, "55");
        Load("empty.svo");
        EXPECT_EQ(Block(), DEFAULT_BLOCK);
        EXPECT_EQ(Text(IDC_NEUTRAL), "0");
        EXPECT_EQ(Text(IDC_DEAD_BAND), "2.2");
        EXPECT_EQ(LogMessage(0), LOG_FILE_LOADED);
    });
}

TEST_F(ParameterFileTest, LongFileFillsTheFirst128BytesAndSaveStillWrites41)
{
    std::string bytes;
    for (int i = 0; i < 200; ++i)
        bytes += static_cast<char>(i);
    WriteFile("long.bin", bytes);
    Run([&] {
        dlg.m_eeprom[128] = 0x5A;
        Load("long.bin");
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(dlg.m_eeprom), 128), bytes.substr(0, 128));
        EXPECT_EQ(dlg.m_eeprom[128], 0x5A);
        EXPECT_EQ(dlg.m_nEepromLen, 41u);
        Save("short.svo");
        EXPECT_EQ(ReadFile("short.svo").size(), 41u);
    });
}

TEST_F(ParameterFileTest, SavingOverALongerFileLeaves41BytesAndNothingElse)
{
    WriteFile("old.svo", std::string(500, 'z'));
    Run([&] {
        Save("old.svo");
        EXPECT_TRUE(driver.FileChoosers()[0].askedToOverwrite);
    });
    EXPECT_EQ(ReadFile("old.svo"), DEFAULT_VALUES_SAVED);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"old.svo"});
}

TEST_F(ParameterFileTest, SaveWhoseWritesAllFailKeepsTheOldFileLeavesNoNewOneAndLogsNothing)
{
    WriteFile("old.svo", std::string(100, 'z'));
    Run([&] {
        {
            NoWriteSucceeds full;
            Save("old.svo");
            Save("new.svo");
        }
        ASSERT_EQ(driver.MessageBoxes().size(), 2u);
        EXPECT_EQ(driver.MessageBoxes()[0].text, "磁盘已满，无法写入 " + PathOf("old.svo") + "。");
        EXPECT_EQ(driver.MessageBoxes()[1].text, "磁盘已满，无法写入 " + PathOf("new.svo") + "。");
        EXPECT_EQ(LogRows(), 0);
    });
    EXPECT_EQ(ReadFile("old.svo"), std::string(100, 'z'));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"old.svo"});
}

TEST_F(ParameterFileTest, APathTooLongForTheChooserIsRefusedNamingItAndNeverTakenAsCancel)
{
    // 4096 bytes with the extension: one more than the chooser's buffer holds.
    std::string tooLong = PathOf(std::string(4091 - folder.Path().size(), 'a'));
    Run([&] {
        driver.AnswerFileChooser(tooLong);
        driver.AnswerFileChooser(PathOf("servo.svo"));
        Click(IDC_SAVE);
        driver.AnswerFileChooser(tooLong);
        driver.CancelFileChooser();
        Click(IDC_LOAD);

        ASSERT_EQ(driver.MessageBoxes().size(), 2u);
        const auto& onSave = driver.MessageBoxes()[0];
        EXPECT_EQ(onSave.caption, "Save As");
        // Named by its first 30 bytes and its last 60.
        EXPECT_EQ(onSave.text, folder.Path() + "/aaaaa..." + std::string(56, 'a') +
                                   ".svo\nThis path is too long.\nPlease choose a shorter one.");
        EXPECT_EQ(onSave.type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
        EXPECT_EQ(driver.MessageBoxes()[1].caption, "Open");
        // Save went on with the name chosen next; Load was cancelled after the refusal.
        ASSERT_EQ(LogRows(), 1);
        EXPECT_EQ(LogMessage(0), LOG_FILE_SAVED);
    });
    EXPECT_EQ(ReadFile("servo.svo"), DEFAULT_VALUES_SAVED);
}

TEST_F(ParameterFileTest, CancelledSaveStillEncodesTheDialogValues)
{
    WriteFile("ten.svo", DEFAULT_BLOCK.substr(0, 10));
    Run([&] {
        SetText(IDC_NEUTRAL, "-1");
        SetText(IDC_LEFT_RANGE, "5");
        driver.CancelFileChooser();
        Click(IDC_SAVE);
        EXPECT_EQ(LogRows(), 0);
        EXPECT_EQ(static_cast<unsigned char>(Block()[22]), 0x0F);
        EXPECT_EQ(static_cast<unsigned char>(Block()[23]), 0xFF);

        SetText(IDC_NEUTRAL, "7");
        Load("ten.svo");
        EXPECT_EQ(Text(IDC_NEUTRAL), "-1");
        EXPECT_EQ(Text(IDC_LEFT_RANGE), "5");
        EXPECT_EQ(Text(IDC_DEAD_BAND), "3.2");
    });
}

TEST_F(ParameterFileTest, CancelledLoadChangesNothing)
{
    Run([&] {
        SetText(IDC_NEUTRAL, "12");
        driver.CancelFileChooser();
        Click(IDC_LOAD);
        EXPECT_EQ(Text(IDC_NEUTRAL), "12");
        EXPECT_EQ(Block(), DEFAULT_BLOCK);
        EXPECT_EQ(LogRows(), 0);
        EXPECT_TRUE(driver.MessageBoxes().empty());
    });
}

TEST_F(ParameterFileTest, MissingFileEndsLoadWithAFileErrorNamingItAndNoRow)
{
    Run([&] {
        SetText(IDC_NEUTRAL, "12");
        Load("missing.svo");
        ASSERT_EQ(driver.MessageBoxes().size(), 1u);
        const auto& box = driver.MessageBoxes()[0];
        EXPECT_NE(box.text.find(PathOf("missing.svo")), std::string::npos) << box.text;
        EXPECT_EQ(box.caption, std::string(AfxGetApp()->m_pszAppName));
        EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
        EXPECT_EQ(LogRows(), 0);
        EXPECT_EQ(Text(IDC_NEUTRAL), "12");
        EXPECT_EQ(Block(), DEFAULT_BLOCK);
    });
}

TEST_F(ParameterFileTest, LoadOfAFolderPipeOrDeviceEndsInAFileErrorWithoutWaiting)
{
    ASSERT_EQ(mkfifo(PathOf("pipe").c_str(), 0600), 0);
    ASSERT_EQ(mkdir(PathOf("folder.svo").c_str(), 0700), 0);
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    Run([&] {
        Load("pipe");
        Load("folder.svo");
        driver.AnswerFileChooser("/dev/zero");
        Click(IDC_LOAD);
        EXPECT_EQ(driver.MessageBoxes().size(), 3u);
        EXPECT_EQ(LogRows(), 0);
        EXPECT_EQ(Block(), DEFAULT_BLOCK);
    });
    clock_gettime(CLOCK_MONOTONIC, &end);
    EXPECT_LT(end.tv_sec - start.tv_sec, 3);
}

TEST_F(ParameterFileTest, SaveThatCannotCreateItsFileSaysSoAndLogsNothing)
{
    Run([&] {
        Save("no-such-folder/servo.svo");
        ASSERT_EQ(driver.MessageBoxes().size(), 1u);
        EXPECT_NE(driver.MessageBoxes()[0].text.find(PathOf("no-such-folder/servo.svo")), std::string::npos);
        EXPECT_EQ(LogRows(), 0);
        // The block holds the encoding all the same.
        EXPECT_EQ(Block(), DEFAULT_VALUES_SAVED);
    });
    EXPECT_NE(access(PathOf("no-such-folder").c_str(), F_OK), 0);
}

TEST_F(ParameterFileTest, FileNamesTravelInTheProgramsCodePage)
{
    Run([&] {
        Save("参数");
        Load("参数.svo");
        EXPECT_EQ(LogMessage(0), LOG_FILE_LOADED);
    });
    // On disk the name is UTF-8.
    EXPECT_EQ(access((folder.Path() + "/\xE5\x8F\x82\xE6\x95\xB0.svo").c_str(), F_OK), 0);
}

}  // namespace
