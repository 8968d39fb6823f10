// Save when one of its steps fails on the disk: the user is told which file could not
// be saved and why, the log says nothing of a success, the old file keeps every byte
// and no half-written file is left beside it.
#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/stat.h>
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
        FailedStep{{"RenameToANewName"}, FailingSaveStep::Rename, EXDEV, false, "访问 ", " 时发生错误。"},
        FailedStep{{"RenameToANewNameRefused"}, FailingSaveStep::Rename, EPERM, false, "拒绝访问 ", "。"}),
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
// each step of that write can fail, over a longer old file and a shorter one, and
// each failure puts every old byte back, the old length too.
struct FailedInPlaceStep : NamedCase {
    FailingSaveStep::Step step;
    int error;
    size_t oldLength;
    const char* before;
    const char* after;
};

class SaveInPlaceStepTest : public SaveFailureTest, public ::testing::WithParamInterface<FailedInPlaceStep> {};

TEST_P(SaveInPlaceStepTest, ThatFailsIsReportedAndLeavesEveryOldByte)
{
    const FailedInPlaceStep& failed = GetParam();
    const std::string oldBytes = OLD_BYTES.substr(0, failed.oldLength);
    folder.WriteBytes("servo.svo", oldBytes);
    Run([&] {
        FailingSaveStep noNewFile(FailingSaveStep::MakeNewFile, EACCES);
        FailingSaveStep failing(failed.step, failed.error);
        Save("servo.svo");
        EXPECT_EQ(failing.Calls(), 1);
        ExpectOneFileError(failed.before + PathOf("servo.svo") + failed.after);
        EXPECT_EQ(LogRows(), 0);
    });
    EXPECT_EQ(folder.ReadBytes("servo.svo"), oldBytes);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"servo.svo"});
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, SaveInPlaceStepTest,
    ::testing::Values(
        FailedInPlaceStep{{"ReserveSpace"}, FailingSaveStep::ReserveSpace, ENOSPC, 100, "磁盘已满，无法写入 ", "。"},
        FailedInPlaceStep{{"WriteHalfWay"}, FailingSaveStep::WriteInPlace, EIO, 100, "访问 ", " 时发生硬件 I/O 错误。"},
        FailedInPlaceStep{{"WriteHalfWayOverAShorterFile"}, FailingSaveStep::WriteInPlace, EIO, 10, "访问 ",
                          " 时发生硬件 I/O 错误。"},
        FailedInPlaceStep{{"CutToTheNewLength"}, FailingSaveStep::CutToLength, EIO, 100, "访问 ", " 时发生硬件 I/O 错误。"},
        FailedInPlaceStep{{"Flush"}, FailingSaveStep::Flush, ENOSPC, 100, "磁盘已满，无法写入 ", "。"},
        FailedInPlaceStep{{"FlushOverAShorterFile"}, FailingSaveStep::Flush, EDQUOT, 10, "磁盘已满，无法写入 ", "。"},
        FailedInPlaceStep{{"Close"}, FailingSaveStep::CloseFile, EIO, 100, "访问 ", " 时发生硬件 I/O 错误。"}),
    CaseName());

// A file-size limit that the block, or the old file that a failure would have to put
// back, goes beyond stops the save before any byte reaches the old file: not even its
// time of change moves.
struct SizeLimit : NamedCase {
    rlim_t bytes;
};

class SaveInPlaceOverALimitTest : public SaveFailureTest, public ::testing::WithParamInterface<SizeLimit> {};

TEST_P(SaveInPlaceOverALimitTest, WritesNothing)
{
    folder.WriteBytes("servo.svo", OLD_BYTES);
    const timespec LONG_AGO[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, PathOf("servo.svo").c_str(), LONG_AGO, 0), 0);
    Run([&] {
        {
            FailingSaveStep noNewFile(FailingSaveStep::MakeNewFile, EACCES);
            NoWriteSucceeds limit(GetParam().bytes);
            Save("servo.svo");
        }
        ExpectOneFileError("磁盘已满，无法写入 " + PathOf("servo.svo") + "。");
        EXPECT_EQ(LogRows(), 0);
    });
    EXPECT_EQ(folder.ReadBytes("servo.svo"), OLD_BYTES);
    struct stat info {};
    ASSERT_EQ(stat(PathOf("servo.svo").c_str(), &info), 0);
    EXPECT_EQ(info.st_mtim.tv_sec, 1000000000);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"servo.svo"});
}

INSTANTIATE_TEST_SUITE_P(EachLimit, SaveInPlaceOverALimitTest,
                         ::testing::Values(SizeLimit{{"BelowTheBlock"}, 20}, SizeLimit{{"BelowTheOldFileOnly"}, 99}),
                         CaseName());

struct InPlaceSave : NamedCase {
    FailingSaveStep::Step noNewFile;  // the step that sends the save to the old file
    int error;
    int reserveError;                 // 0, or the file system cannot reserve space
    size_t oldLength;
};

class SaveInPlaceTest : public SaveFailureTest, public ::testing::WithParamInterface<InPlaceSave> {};

// Whether no new file could be made or the rename over the old file was refused (as in
// a sticky folder), the old file takes the block in place, with no file left beside it.
TEST_P(SaveInPlaceTest, ThatSucceedsLeavesTheOldFileHoldingTheBlockAlone)
{
    const InPlaceSave& save = GetParam();
    folder.WriteBytes("servo.svo", OLD_BYTES.substr(0, save.oldLength));
    struct stat before {}, after {};
    ASSERT_EQ(stat(PathOf("servo.svo").c_str(), &before), 0);
    Run([&] {
        FailingSaveStep noNewFile(save.noNewFile, save.error);
        std::optional<FailingSaveStep> noReserve;
        if (save.reserveError != 0)
            noReserve.emplace(FailingSaveStep::ReserveSpace, save.reserveError);
        Save("servo.svo");
        EXPECT_EQ(noNewFile.Calls(), 1);
        if (noReserve) {
            EXPECT_EQ(noReserve->Calls(), 1);
        }
        EXPECT_TRUE(driver.MessageBoxes().empty());
        ASSERT_EQ(LogRows(), 1);
        EXPECT_EQ(LogMessage(0), LOG_FILE_SAVED);
    });
    EXPECT_EQ(folder.ReadBytes("servo.svo"), DEFAULT_VALUES_SAVED);
    ASSERT_EQ(stat(PathOf("servo.svo").c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "written in place";
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"servo.svo"});
}

INSTANTIATE_TEST_SUITE_P(
    EachWay, SaveInPlaceTest,
    ::testing::Values(InPlaceSave{{"NoNewFileOverALongerFile"}, FailingSaveStep::MakeNewFile, EACCES, 0, 100},
                      InPlaceSave{{"NoNewFileOverAShorterFile"}, FailingSaveStep::MakeNewFile, EPERM, 0, 10},
                      InPlaceSave{{"RenameRefusedOverALongerFile"}, FailingSaveStep::Rename, EPERM, 0, 100},
                      InPlaceSave{{"RenameRefusedOverAShorterFile"}, FailingSaveStep::Rename, EACCES, 0, 10},
                      InPlaceSave{{"FileSystemThatCannotReserveSpace"}, FailingSaveStep::MakeNewFile, EACCES,
                                  EOPNOTSUPP, 10}),
    CaseName());

TEST_F(SaveFailureTest, RenameRefusedAndThenAFailedWriteInPlaceLeavesTheOldFileAndNoNewOne)
{
    folder.WriteBytes("servo.svo", OLD_BYTES);
    Run([&] {
        FailingSaveStep noRename(FailingSaveStep::Rename, EPERM);
        FailingSaveStep failing(FailingSaveStep::WriteInPlace, EIO);
        Save("servo.svo");
        EXPECT_EQ(failing.Calls(), 1);
        ExpectOneFileError("访问 " + PathOf("servo.svo") + " 时发生硬件 I/O 错误。");
        EXPECT_EQ(LogRows(), 0);
    });
    EXPECT_EQ(folder.ReadBytes("servo.svo"), OLD_BYTES);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"servo.svo"});
}

}  // namespace
