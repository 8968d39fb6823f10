#include <QAccessible>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "Cp936.h"
#include "FileChooser.h"
#include "FileChooserSteps.h"
#include "QtDriver.h"
#include "codepage.h"
#include "commdlg.h"

namespace {

// The two choosers' filter lists as the program hands them over, in code page 936.
const char LOAD_FILTER[] = "Servo Confige Files (*.svo)\0*.svo\0BIN Files (*.bin)\0*.bin\0All Files (*.*)\0*.*\0\0";
const char SAVE_FILTER[] = "Servo config file (*.svo)\0*.svo\0\xcb\xf9\xd3\xd0\xce\xc4\xbc\xfe   (*.*)\0*.*\0";

// The first accessible under root, depth first, that is what's wanted.
QAccessibleInterface* FindAccessible(QAccessibleInterface* root,
                                     const std::function<bool(QAccessibleInterface*)>& wanted)
{
    if (root == nullptr || wanted(root))
        return root;
    for (int child = 0; child < root->childCount(); ++child) {
        if (QAccessibleInterface* found = FindAccessible(root->child(child), wanted))
            return found;
    }
    return nullptr;
}

// The list of file types, found as a screen reader user finds it: the combo box on the
// line of the label "Files of type:".
QAccessibleInterface* TypeListOf(QFileDialog* chooser)
{
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(chooser);
    QAccessibleInterface* label = FindAccessible(root, [](QAccessibleInterface* node) {
        return node->role() == QAccessible::StaticText &&
               node->text(QAccessible::Name) == QStringLiteral("Files of type:");
    });
    if (label == nullptr)
        return nullptr;
    const QRect line = label->rect();
    return FindAccessible(root, [line](QAccessibleInterface* node) {
        int middle = node->rect().center().y();
        return node->role() == QAccessible::ComboBox && middle >= line.top() && middle <= line.bottom();
    });
}

// The file types as the chooser offers them in its drop-down list, in UTF-8.
std::vector<std::string> TypesShown(QFileDialog* chooser)
{
    std::vector<std::string> shown;
    QAccessibleInterface* types = TypeListOf(chooser);
    QAccessibleInterface* list = types != nullptr && types->childCount() > 0 ? types->child(0) : nullptr;
    for (int type = 0; list != nullptr && type < list->childCount(); ++type)
        shown.push_back(list->child(type)->text(QAccessible::Name).toStdString());
    return shown;
}

// The file type the chooser shows as chosen, in UTF-8.
std::string TypeShown(QFileDialog* chooser)
{
    QAccessibleInterface* types = TypeListOf(chooser);
    return types != nullptr ? types->text(QAccessible::Value).toStdString() : "(no list of file types)";
}

// Chooses the next (Qt::Key_Down) or the previous (Qt::Key_Up) file type with the keyboard.
void PressOnTypes(QFileDialog* chooser, Qt::Key key)
{
    QAccessibleInterface* types = TypeListOf(chooser);
    ASSERT_NE(types, nullptr);
    QTest::keyClick(qobject_cast<QWidget*>(types->object()), key);
}

// The names the chooser lists in the folder it shows, sorted, read from the view that
// accessibility names "Files" (a list or, in the detail view, a tree). Qt reads a folder
// in the background, so the list is awaited until it is the expected one, or a while
// has passed.
std::vector<std::string> FilesShown(QFileDialog* chooser, const std::vector<std::string>& expected)
{
    std::vector<std::string> shown;
    // A list still short when the wait ends is the caller's to see.
    static_cast<void>(QTest::qWaitFor([&] {
        shown.clear();
        QAccessibleInterface* files = FindAccessible(QAccessible::queryAccessibleInterface(chooser), [](auto* node) {
            bool view = node->role() == QAccessible::List || node->role() == QAccessible::Tree;
            return view && node->text(QAccessible::Name) == QStringLiteral("Files") && !node->state().invisible;
        });
        auto* view = qobject_cast<QAbstractItemView*>(files != nullptr ? files->object() : nullptr);
        const QModelIndex folder = view != nullptr ? view->rootIndex() : QModelIndex();
        for (int row = 0; view != nullptr && row < view->model()->rowCount(folder); ++row)
            shown.push_back(view->model()->index(row, 0, folder).data().toString().toStdString());
        std::sort(shown.begin(), shown.end());
        return shown == expected;
    }));
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
    for (const char* name : {"a.svo", "b.bin", "c", "d.txt"})
        std::ofstream(InDirBytes(name)) << "x";
    OPENFILENAME ofn = Chooser(LOAD_FILTER, "*.svo", 0x110006);
    std::vector<std::string> offered;
    std::vector<std::string> chosenTypes;
    std::vector<std::vector<std::string>> filesByType;
    bool qtsOwn = true;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptSave;
    const std::vector<std::vector<std::string>> expectedFiles{{"a.svo"}, {"b.bin"}, {"a.svo", "b.bin", "c", "d.txt"}};
    WhenShown<QFileDialog>([&](QFileDialog* chooser) {
        offered = TypesShown(chooser);
        qtsOwn = chooser->testOption(QFileDialog::DontUseNativeDialog);
        mode = chooser->acceptMode();
        chooser->setDirectory(dir.path());
        for (const std::vector<std::string>& expected : expectedFiles) {
            if (!chosenTypes.empty())
                PressOnTypes(chooser, Qt::Key_Down);
            chosenTypes.push_back(TypeShown(chooser));
            filesByType.push_back(FilesShown(chooser, expected));
        }
        EXPECT_TRUE(NameFieldOf(chooser)->text().isEmpty());
        chooser->reject();
    });
    EXPECT_FALSE(driver.ChooseFile(&ofn, FALSE));
    EXPECT_EQ(offered,
              (std::vector<std::string>{"Servo Confige Files (*.svo)", "BIN Files (*.bin)", "All Files (*.*)"}));
    EXPECT_EQ(chosenTypes,
              (std::vector<std::string>{"Servo Confige Files (*.svo)", "BIN Files (*.bin)", "All Files (*.*)"}));
    // "*.*" takes every file, as it does on the platform, a name without a dot too.
    EXPECT_EQ(filesByType, expectedFiles);
    EXPECT_TRUE(qtsOwn);
    EXPECT_EQ(mode, QFileDialog::AcceptOpen);
    EXPECT_STREQ(file, "");
}

// Three blanks stand before the bracket of the Chinese description, as written.
TEST_F(FileChooserOnScreen, SaveOffersItsTwoTypesWithTheChineseLabelAsGivenAndTheFirstSelected)
{
    OPENFILENAME ofn = Chooser(SAVE_FILTER, ".svo", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    std::vector<std::string> offered;
    std::string selected;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    WhenShown<QFileDialog>([&](QFileDialog* chooser) {
        offered = TypesShown(chooser);
        selected = TypeShown(chooser);
        mode = chooser->acceptMode();
        chooser->reject();
    });
    EXPECT_FALSE(driver.ChooseFile(&ofn, TRUE));
    EXPECT_EQ(offered, (std::vector<std::string>{"Servo config file (*.svo)", "所有文件   (*.*)"}));
    EXPECT_EQ(selected, "Servo config file (*.svo)");
    EXPECT_EQ(mode, QFileDialog::AcceptSave);
}

// The description is shown as given, brackets and all, and has no say in the filtering.
TEST_F(FileChooserOnScreen, ATypeFiltersByItsOwnPatternsWhateverItsDescriptionsBracketsSay)
{
    for (const char* name : {"a.svo", "b.bin", "c.txt"})
        std::ofstream(InDirBytes(name)) << "x";
    const char filter[] = "Text (*.txt)\0*.svo\0Servo and BIN\0*.svo;*.bin\0";
    OPENFILENAME ofn = Chooser(filter, "*.svo", 0x110006);
    std::vector<std::string> offered;
    std::vector<std::vector<std::string>> filesByType;
    const std::vector<std::vector<std::string>> expectedFiles{{"a.svo"}, {"a.svo", "b.bin"}};
    WhenShown<QFileDialog>([&](QFileDialog* chooser) {
        offered = TypesShown(chooser);
        chooser->setDirectory(dir.path());
        filesByType.push_back(FilesShown(chooser, expectedFiles[0]));
        PressOnTypes(chooser, Qt::Key_Down);
        filesByType.push_back(FilesShown(chooser, expectedFiles[1]));
        chooser->reject();
    });
    EXPECT_FALSE(driver.ChooseFile(&ofn, FALSE));
    EXPECT_EQ(offered, (std::vector<std::string>{"Text (*.txt)", "Servo and BIN"}));
    EXPECT_EQ(filesByType, expectedFiles);
}

TEST_F(FileChooserOnScreen, ChoosingAnotherTypeOnSaveKeepsTheTypedName)
{
    OPENFILENAME ofn = Chooser(SAVE_FILTER, ".svo", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    QString afterAllFiles;
    QString afterServoFiles;
    std::vector<std::string> chosenTypes;
    WhenShown<QFileDialog>([&](QFileDialog* chooser) {
        NameFieldOf(chooser)->setText(QStringLiteral("a.svo"));
        PressOnTypes(chooser, Qt::Key_Down);
        chosenTypes.push_back(TypeShown(chooser));
        afterAllFiles = NameFieldOf(chooser)->text();
        PressOnTypes(chooser, Qt::Key_Up);
        chosenTypes.push_back(TypeShown(chooser));
        afterServoFiles = NameFieldOf(chooser)->text();
        chooser->reject();
    });
    EXPECT_FALSE(driver.ChooseFile(&ofn, TRUE));
    EXPECT_EQ(chosenTypes, (std::vector<std::string>{"所有文件   (*.*)", "Servo config file (*.svo)"}));
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

TEST_F(FileChooserOnScreen, APathBeyondTheCodePageComesBackAsItselfInGb18030)
{
    OPENFILENAME ofn = Chooser(SAVE_FILTER, ".svo", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    WhenShown<QFileDialog>([&](QFileDialog* chooser) { TypeAndEnter(chooser, InDir("servo\xF0\x9F\x98\x80")); });
    ASSERT_TRUE(driver.ChooseFile(&ofn, TRUE));
    EXPECT_EQ(std::string(file), ToCp936(dir.path()) + "/servo\x94\x39\xFC\x36.svo");
    EXPECT_EQ(CodePage936ToUtf8(file), std::optional<std::string>(InDirBytes("servo\xF0\x9F\x98\x80.svo")));
    // A name the code page holds comes back as its own bytes.
    EXPECT_EQ(ChosenPathBytes(QString::fromUtf8("/tmp/\xE5\x8F\x82\xE6\x95\xB0.svo")), "/tmp/\xb2\xce\xca\xfd.svo");
}

TEST_F(FileChooserOnScreen, APathTooLongIsNamedInItsRefusalExactlyAsTyped)
{
    OPENFILENAME ofn = Chooser(SAVE_FILTER, ".svo", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    // The emoji takes four bytes: one fewer is no room for the end.
    ofn.nMaxFile = static_cast<DWORD>(ToCp936(dir.path()).size() + 9);
    QStringList boxes;
    WhenShown<QFileDialog>([&](QFileDialog* chooser) {
        AnswerEach<QMessageBox>(chooser, [&](QMessageBox* box) {
            boxes.append(box->text());
            box->accept();
        });
        TypeAndEnter(chooser, InDir("\xF0\x9F\x98\x80.svo"));
        TypeAndEnter(chooser, InDir("b"));
    });
    ASSERT_TRUE(driver.ChooseFile(&ofn, TRUE));
    EXPECT_EQ(boxes, QStringList{InDir("\xF0\x9F\x98\x80.svo") +
                                 QStringLiteral("\nThis path is too long.\nPlease choose a shorter one.")});
}

TEST_F(FileChooserOnScreen, APathLongerThanTheBufferIsRefusedNamingItAndTheChooserStaysOpenForAnother)
{
    std::ofstream(InDirBytes("a.svo")) << "x";
    OPENFILENAME ofn = Chooser(SAVE_FILTER, ".svo", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    ofn.nMaxFile = static_cast<DWORD>(InDirBytes("a.svo").size());  // one short: no room for the end
    QStringList boxes;
    bool openAfterRefusal = false;
    WhenShown<QFileDialog>([&](QFileDialog* chooser) {
        // Refused before the question about replacing the existing a.svo. Every box is
        // noted and answered, so that one more than expected fails the test rather than
        // waiting for an answer.
        AnswerEach<QMessageBox>(chooser, [&](QMessageBox* box) {
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
        TypeAndEnter(chooser, InDir("b.s"));
    });
    ASSERT_TRUE(driver.ChooseFile(&ofn, TRUE));
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(boxes, QStringList{QStringLiteral("Save As|") + InDir("a.svo") +
                                 QStringLiteral("\nThis path is too long.\nPlease choose a shorter one.")});
    EXPECT_EQ(std::string(file), InDirBytes("b.s"));
}
