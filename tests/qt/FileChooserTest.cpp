#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "FileChooser.h"
#include "FileChooserSteps.h"
#include "QtDriver.h"
#include "codepage.h"
#include "commdlg.h"

namespace {

// The two choosers' filter lists as the program hands them over, in code page 936.
const char LOAD_FILTER[] = "Servo Confige Files (*.svo)\0*.svo\0BIN Files (*.bin)\0*.bin\0All Files (*.*)\0*.*\0\0";
const char SAVE_FILTER[] = "Servo config file (*.svo)\0*.svo\0\xcb\xf9\xd3\xd0\xce\xc4\xbc\xfe   (*.*)\0*.*\0";

// The file types as the chooser shows them, in UTF-8.
std::vector<std::string> TypesShown(QFileDialog* chooser)
{
    std::vector<std::string> shown;
    auto* types = chooser->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    for (int type = 0; types != nullptr && type < types->count(); ++type)
        shown.push_back(types->itemText(type).toStdString());
    return shown;
}

class FileChooserOnScreen : public ::testing::Test {
protected:
    OPENFILENAME Chooser(const char* filter, const char* defExt, DWORD flags)
    {
        OPENFILENAME ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.lpstrFilter = filter;
        ofn.lpstrFile = file;
        ofn.nMaxFile = sizeof file;
        ofn.Flags = flags;
        ofn.lpstrDefExt = defExt;
        return ofn;
    }

    QString InDir(const char* name) { return dir.filePath(QString::fromUtf8(name)); }
    std::string InDirBytes(const char* name) { return InDir(name).toStdString(); }

    QtDriver driver;
    QTemporaryDir dir;
    char file[4096] = {};
};

}  // namespace

TEST_F(FileChooserOnScreen, LoadOffersItsThreeTypesAsLabelledEachFilteringByItsPatternAndCancelChoosesNothing)
{
    OPENFILENAME ofn = Chooser(LOAD_FILTER, "*.svo", 0x110006);
    std::vector<std::string> offered;
    std::string selected;
    QStringList filtersByType;
    bool qtsOwn = true;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptSave;
    WhenShown<QFileDialog>([&](QFileDialog* chooser) {
        offered = TypesShown(chooser);
        selected = chooser->selectedNameFilter().toStdString();
        qtsOwn = chooser->testOption(QFileDialog::DontUseNativeDialog);
        mode = chooser->acceptMode();
        auto* types = chooser->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        auto* model = chooser->findChild<QFileSystemModel*>();
        for (int type = 0; type < types->count(); ++type) {
            types->setCurrentIndex(type);
            emit types->activated(type);
            emit types->textActivated(types->itemText(type));
            filtersByType.append(model->nameFilters().join(u' '));
        }
        EXPECT_TRUE(NameFieldOf(chooser)->text().isEmpty());
        chooser->reject();
    });
    EXPECT_FALSE(driver.ChooseFile(&ofn, FALSE));
    EXPECT_EQ(offered,
              (std::vector<std::string>{"Servo Confige Files (*.svo)", "BIN Files (*.bin)", "All Files (*.*)"}));
    EXPECT_EQ(selected, "Servo Confige Files (*.svo)");
    // "*.*" takes every file, as it does on the platform, a name without a dot too.
    EXPECT_EQ(filtersByType, (QStringList{"*.svo", "*.bin", "*"}));
    EXPECT_TRUE(qtsOwn);
    EXPECT_EQ(mode, QFileDialog::AcceptOpen);
    EXPECT_STREQ(file, "");
}

TEST_F(FileChooserOnScreen, SaveOffersItsTwoTypesWithTheChineseLabelAsGivenAndTheFirstSelected)
{
    OPENFILENAME ofn = Chooser(SAVE_FILTER, ".svo", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    std::vector<std::string> offered;
    std::string selected;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    WhenShown<QFileDialog>([&](QFileDialog* chooser) {
        offered = TypesShown(chooser);
        selected = chooser->selectedNameFilter().toStdString();
        mode = chooser->acceptMode();
        chooser->reject();
    });
    EXPECT_FALSE(driver.ChooseFile(&ofn, TRUE));
    EXPECT_EQ(offered, (std::vector<std::string>{"Servo config file (*.svo)", "所有文件   (*.*)"}));
    EXPECT_EQ(selected, "Servo config file (*.svo)");
    EXPECT_EQ(mode, QFileDialog::AcceptSave);
}

TEST_F(FileChooserOnScreen, ChoosingAnotherTypeOnSaveKeepsTheTypedName)
{
    OPENFILENAME ofn = Chooser(SAVE_FILTER, ".svo", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    QString afterAllFiles;
    QString afterServoFiles;
    WhenShown<QFileDialog>([&](QFileDialog* chooser) {
        auto* types = chooser->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        NameFieldOf(chooser)->setText(QStringLiteral("a.svo"));
        for (int type : {1, 0}) {
            types->setCurrentIndex(type);
            emit types->activated(type);
            (type == 1 ? afterAllFiles : afterServoFiles) = NameFieldOf(chooser)->text();
        }
        chooser->reject();
    });
    EXPECT_FALSE(driver.ChooseFile(&ofn, TRUE));
    EXPECT_EQ(afterAllFiles, QStringLiteral("a.svo"));
    EXPECT_EQ(afterServoFiles, QStringLiteral("a.svo"));
}

TEST_F(FileChooserOnScreen, ANameTypedWithoutAnExtensionGetsTheDefaultOneAndOneWithADotKeepsItsOwn)
{
    OPENFILENAME load = Chooser(LOAD_FILTER, "*.svo", 0x110006);
    WhenShown<QFileDialog>([&](QFileDialog* chooser) { TypeAndEnter(chooser, InDir("servo")); });
    ASSERT_TRUE(driver.ChooseFile(&load, FALSE));
    EXPECT_EQ(std::string(file), InDirBytes("servo.svo"));

    OPENFILENAME save = Chooser(SAVE_FILTER, ".svo", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    WhenShown<QFileDialog>([&](QFileDialog* chooser) { TypeAndEnter(chooser, InDir("servo.bak")); });
    ASSERT_TRUE(driver.ChooseFile(&save, TRUE));
    EXPECT_EQ(std::string(file), InDirBytes("servo.bak"));
}

TEST_F(FileChooserOnScreen, SavingOverAnExistingFileAsksFirstAndNoKeepsTheChooserOpen)
{
    std::ofstream(InDirBytes("old.svo")) << "x";
    OPENFILENAME ofn = Chooser(SAVE_FILTER, ".svo", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    QStringList questions;
    bool openAfterNo = false;
    WhenShown<QFileDialog>([&](QFileDialog* chooser) {
        // The typed name without its extension names the existing file.
        WhenShown<QMessageBox>([&](QMessageBox* box) {
            questions.append(box->text());
            box->button(QMessageBox::No)->click();
        });
        TypeAndEnter(chooser, InDir("old"));
        openAfterNo = chooser->isVisible();
        WhenShown<QMessageBox>([&](QMessageBox* box) {
            questions.append(box->text());
            box->button(QMessageBox::Yes)->click();
        });
        QTest::keyClick(NameFieldOf(chooser), Qt::Key_Return);
    });
    ASSERT_TRUE(driver.ChooseFile(&ofn, TRUE));
    EXPECT_TRUE(openAfterNo);
    ASSERT_EQ(questions.size(), 2);
    EXPECT_TRUE(questions[0].contains(QStringLiteral("old.svo"))) << questions[0].toStdString();
    EXPECT_EQ(std::string(file), InDirBytes("old.svo"));
}

TEST_F(FileChooserOnScreen, OpeningAnExistingFileOrSavingWithoutTheFlagAsksNothing)
{
    std::ofstream(InDirBytes("old.svo")) << "x";
    int questions = 0;
    for (BOOL save : {FALSE, TRUE}) {
        OPENFILENAME ofn = Chooser(LOAD_FILTER, "*.svo", save ? OFN_HIDEREADONLY : 0x110006);
        WhenShown<QFileDialog>([&](QFileDialog* chooser) { TypeAndEnter(chooser, InDir("old.svo")); });
        auto* watch = new QTimer;
        QObject::connect(watch, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++questions;
                box->button(QMessageBox::Yes)->click();
            }
        });
        watch->start(10);
        EXPECT_TRUE(driver.ChooseFile(&ofn, save));
        delete watch;
        EXPECT_EQ(std::string(file), InDirBytes("old.svo"));
    }
    EXPECT_EQ(questions, 0);
}

TEST_F(FileChooserOnScreen, APathTheCodePageCannotHoldComesBackAsOneTheFileLayerRefuses)
{
    OPENFILENAME ofn = Chooser(SAVE_FILTER, ".svo", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    WhenShown<QFileDialog>([&](QFileDialog* chooser) { TypeAndEnter(chooser, InDir("servo\xF0\x9F\x98\x80.svo")); });
    ASSERT_TRUE(driver.ChooseFile(&ofn, TRUE));
    EXPECT_EQ(std::string(file), InDirBytes("servo?.svo") + "\x81");
    EXPECT_EQ(CodePage936ToUtf8(file), std::nullopt);
    // A name the code page holds comes back as its own bytes.
    EXPECT_EQ(ChosenPathBytes(QString::fromUtf8("/tmp/参数.svo")), "/tmp/\xb2\xce\xca\xfd.svo");
}

TEST_F(FileChooserOnScreen, APathLongerThanTheBufferIsRefusedNamingItAndTheChooserStaysOpenForAnother)
{
    std::ofstream(InDirBytes("a.svo")) << "x";
    OPENFILENAME ofn = Chooser(SAVE_FILTER, ".svo", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    ofn.nMaxFile = static_cast<DWORD>(InDirBytes("a.svo").size());  // one short: no room for the end
    QStringList boxes;
    bool openAfterRefusal = false;
    WhenShown<QFileDialog>([&](QFileDialog* chooser) {
        // Refused before the question about replacing the existing a.svo.
        WhenShown<QMessageBox>([&](QMessageBox* box) {
            boxes.append(box->windowTitle() + u'|' + box->text());
            EXPECT_EQ(box->icon(), QMessageBox::Warning);
            // A question about replacing a.svo, had it come first, is answered No.
            if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                ok->click();
            else
                box->reject();
        });
        TypeAndEnter(chooser, InDir("a"));
        openAfterRefusal = chooser->isVisible();
        NameFieldOf(chooser)->clear();
        TypeAndEnter(chooser, InDir("b.s"));
    });
    ASSERT_TRUE(driver.ChooseFile(&ofn, TRUE));
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(boxes, QStringList{QStringLiteral("Save As|") + InDir("a.svo") +
                                 QStringLiteral("\nThis path is too long.\nPlease choose a shorter one.")});
    EXPECT_EQ(std::string(file), InDirBytes("b.s"));
}
