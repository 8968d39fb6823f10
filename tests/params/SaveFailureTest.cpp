// Save when one of its steps fails on the disk: the user is told which file could not
// be saved and why, the log says nothing of a success, the old file keeps every byte
// and no half-written file is left beside it.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "app/LogMessages.h"
#include "device/DeviceDialogTest.h"
#include "support/FailingSaveStep.h"
#include "support/NoWriteSucceeds.h"
#include "support/OpenDialog.h"
#include "support/ScratchFolder.h"

namespace {

const std::string OLD_BYTES(100, 'z');
const std::string DEFAULT_VALUES_SAVED("\x35\x01\x00\x00\x00\x00\x00\x00\x00\x04\x02\xEF\x04\x9C\xC8\xC8\x13\x88\x27\x10"
                                       "\x1D\x4C\x10\x00\x1D\x4C\x01\x00\x00\x00\x40\x40\x00\x00\x1F\x00\x00\x00\x00\x00\x00",
                                       41);

class SaveFailureTest : public OpenDialog {
protected:
    std::string PathOf(const std::string& name) const { return folder.PathOf(name); }

    void Save(const std::string& name)
    {
        driver.AnswerFileChooser(PathOf(name));
        Click(IDC_SAVE);
    }

    // The one message box shown, as the user reads it, with its caption and icon.
    void ExpectOneFileError(const std::string& text)
    {
        ASSERT_EQ(driver.MessageBoxes().size(), 1u);
        const auto& box = driver.MessageBoxes()[0];
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.caption, std::string(AfxGetApp()->m_pszAppName));
        EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    }

    ScratchFolder folder;
};

struct FailedStep : NamedCase {
    FailingSaveStep::Step step;
    int error;
    bool oldFileThere;
    const char* before;  // the message's text before the file's name
    const char* after;   // and after it
};

class SaveStepTest : public SaveFailureTest, public ::testing::WithParamInterface<FailedStep> {};

TEST_P(SaveStepTest, ThatFailsIsReportedNamingTheFileAndLeavesTheOldFileAlone)
{
    const FailedStep& failed = GetParam();
    if (failed.oldFileThere)
        folder.WriteBytes("servo.svo", OLD_BYTES);
    Run([&] {
        FailingSaveStep failing(failed.step, failed.error);
        Save("servo.svo");
        EXPECT_EQ(failing.Calls(), 1) << "the step was reached once";
        ExpectOneFileError(failed.before + PathOf("servo.svo") + failed.after);
        EXPECT_EQ(LogRows(), 0) << "no " << LOG_FILE_SAVED;
        // The block holds the encoding all the same.
        EXPECT_EQ(Block(), DEFAULT_VALUES_SAVED);
    });
    if (failed.oldFileThere) {
        EXPECT_EQ(folder.ReadBytes("servo.svo"), OLD_BYTES);
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"servo.svo"});
    } else {
        EXPECT_EQ(folder.Names(), std::vector<std::string>{});
    }
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, SaveStepTest,
    ::testing::Values(
        FailedStep{{"NewFileBesideTheOldOneCannotBeMade"}, FailingSaveStep::MakeNewFile, ENOSPC, true,
                   "磁盘已满，无法写入 ", "。"},
        FailedStep{{"NewFileUnderANewNameIsRefused"}, FailingSaveStep::MakeNewFile, EACCES, false, "拒绝访问 ", "。"},
        FailedStep{{"NewFileOverQuota"}, FailingSaveStep::MakeNewFile, EDQUOT, false, "磁盘已满，无法写入 ", "。"},
        FailedStep{{"FlushOverTheOldFile"}, FailingSaveStep::Flush, EIO, true, "访问 ", " 时发生硬件 I/O 错误。"},
        FailedStep{{"FlushUnderANewName"}, FailingSaveStep::Flush, ENOSPC, false, "磁盘已满，无法写入 ", "。"},
        FailedStep{{"CloseOverTheOldFile"}, FailingSaveStep::CloseFile, EIO, true, "访问 ", " 时发生硬件 I/O 错误。"},
        FailedStep{{"CloseUnderANewName"}, FailingSaveStep::CloseFile, EDQUOT, false, "磁盘已满，无法写入 ", "。"},
        FailedStep{{"RenameOverTheOldFile"}, FailingSaveStep::Rename, EBUSY, true, "", " 正被其他程序使用。"},
        FailedStep{{"RenameToANewName"}, FailingSaveStep::Rename, EXDEV, false, "访问 ", " 时发生错误。"}),
    CaseName());

TEST_F(SaveFailureTest, WriteThatStopsHalfWayLeavesTheOldFileAndNoPartOfTheNewOne)
{
    folder.WriteBytes("servo.svo", OLD_BYTES);
    Run([&] {
        {
            NoWriteSucceeds full(20);
            Save("servo.svo");
        }
        ExpectOneFileError("磁盘已满，无法写入 " + PathOf("servo.svo") + "。");
        EXPECT_EQ(LogRows(), 0);
    });
    EXPECT_EQ(folder.ReadBytes("servo.svo"), OLD_BYTES);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"servo.svo"});
}

TEST_F(SaveFailureTest, AfterAFailedStepTheNextSaveSucceeds)
{
    folder.WriteBytes("servo.svo", OLD_BYTES);
    Run([&] {
        {
            FailingSaveStep failing(FailingSaveStep::Flush, EIO);
            Save("servo.svo");
        }
        Save("servo.svo");
        ASSERT_EQ(LogRows(), 1);
        EXPECT_EQ(LogMessage(0), LOG_FILE_SAVED);
    });
    EXPECT_EQ(folder.ReadBytes("servo.svo"), DEFAULT_VALUES_SAVED);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"servo.svo"});
}

// Where no new file can be made beside it, the old file is written where it stands;
// each of the steps that end that write can fail as well.
struct FailedInPlaceStep : NamedCase {
    FailingSaveStep::Step step;
    int error;
    const char* before;
    const char* after;
};

class SaveInPlaceStepTest : public SaveFailureTest, public ::testing::WithParamInterface<FailedInPlaceStep> {};

TEST_P(SaveInPlaceStepTest, ThatFailsIsReportedNamingTheFileAndLogsNothing)
{
    const FailedInPlaceStep& failed = GetParam();
    folder.WriteBytes("servo.svo", OLD_BYTES);
    Run([&] {
        FailingSaveStep noNewFile(FailingSaveStep::MakeNewFile, EACCES);
        FailingSaveStep failing(failed.step, failed.error);
        Save("servo.svo");
        EXPECT_EQ(failing.Calls(), 1);
        ExpectOneFileError(failed.before + PathOf("servo.svo") + failed.after);
        EXPECT_EQ(LogRows(), 0);
    });
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"servo.svo"});
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, SaveInPlaceStepTest,
    ::testing::Values(
        FailedInPlaceStep{{"CutToTheNewLength"}, FailingSaveStep::CutToLength, EIO, "访问 ", " 时发生硬件 I/O 错误。"},
        FailedInPlaceStep{{"Flush"}, FailingSaveStep::Flush, ENOSPC, "磁盘已满，无法写入 ", "。"},
        FailedInPlaceStep{{"Close"}, FailingSaveStep::CloseFile, EIO, "访问 ", " 时发生硬件 I/O 错误。"}),
    CaseName());

TEST_F(SaveFailureTest, InPlaceSaveThatSucceedsCutsTheOldFileToTheBlock)
{
    folder.WriteBytes("servo.svo", OLD_BYTES);
    Run([&] {
        FailingSaveStep noNewFile(FailingSaveStep::MakeNewFile, EACCES);
        Save("servo.svo");
        EXPECT_EQ(noNewFile.Calls(), 1);
        EXPECT_TRUE(driver.MessageBoxes().empty());
        ASSERT_EQ(LogRows(), 1);
        EXPECT_EQ(LogMessage(0), LOG_FILE_SAVED);
    });
    EXPECT_EQ(folder.ReadBytes("servo.svo"), DEFAULT_VALUES_SAVED);
}

}  // namespace
