#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTableView>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "LogListRows.h"
#include "QtDriver.h"

namespace {

struct Notification {
    int id;
    int code;
    int checkWhenNotified;
};
std::vector<Notification> g_notifications;

LRESULT RecordingParentProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND) {
        HWND hChild = reinterpret_cast<HWND>(lParam);
        g_notifications.push_back(
            {LOWORD(wParam), HIWORD(wParam), static_cast<int>(SendMessage(hChild, BM_GETCHECK, 0, 0))});
        return 0;
    }
    return DefWindowProc(hWnd, msg, wParam, lParam);
}

// Raw windows under a plain top-level window, shown by a Qt driver.
class QtDriverTest : public ::testing::Test {
protected:
    QtDriverTest()
    {
        g_notifications.clear();
        WNDCLASS parentClass{0, RecordingParentProc, "QtTestParent"};
        RegisterClass(&parentClass);
        parent = CreateWindowEx(0, "QtTestParent", "Quorvel", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 400, 300,
                                nullptr, nullptr, nullptr, nullptr);
    }
    ~QtDriverTest() override { DestroyWindow(parent); }

    HWND Child(LPCTSTR className, DWORD style, int id, LPCTSTR text, int x, int y, int width, int height)
    {
        return CreateWindowEx(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }

    template <class T>
    T* WidgetOf(HWND hWnd)
    {
        return qobject_cast<T*>(driver.WidgetOf(hWnd));
    }

    QtDriver driver;
    HWND parent;
};

}  // namespace

TEST_F(QtDriverTest, ATopLevelWindowShowsItsCaptionAndSize)
{
    QWidget* window = driver.WidgetOf(parent);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorvel"));
    EXPECT_EQ(window->size(), QSize(400, 300));
}

TEST_F(QtDriverTest, ButtonsBecomePushButtonsCheckBoxesAndGroupBoxesAtTheirRectangles)
{
    HWND push = Child("BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 1014, "Read Config", 150, 422, 120, 28);
    HWND check = Child("BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 1027, "Internal OSC", 36, 310, 118, 20);
    HWND group = Child("BUTTON", BS_GROUPBOX, -1, "Program", 14, 406, 610, 96);

    ASSERT_NE(WidgetOf<QPushButton>(push), nullptr);
    EXPECT_EQ(WidgetOf<QPushButton>(push)->text(), QStringLiteral("Read Config"));
    EXPECT_EQ(WidgetOf<QPushButton>(push)->geometry(), QRect(150, 422, 120, 28));
    ASSERT_NE(WidgetOf<QCheckBox>(check), nullptr);
    EXPECT_EQ(WidgetOf<QCheckBox>(check)->text(), QStringLiteral("Internal OSC"));
    EXPECT_EQ(WidgetOf<QCheckBox>(check)->geometry(), QRect(36, 310, 118, 20));
    ASSERT_NE(WidgetOf<QGroupBox>(group), nullptr);
    EXPECT_EQ(WidgetOf<QGroupBox>(group)->title(), QStringLiteral("Program"));
    EXPECT_EQ(WidgetOf<QGroupBox>(group)->geometry(), QRect(14, 406, 610, 96));
}

TEST_F(QtDriverTest, ACheckBoxClickedWithTheMouseTogglesInTheWindowSystemBeforeTheParentHears)
{
    HWND check = Child("BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 1035, "Narrow Band", 204, 356, 118, 20);
    QCheckBox* box = WidgetOf<QCheckBox>(check);
    ASSERT_NE(box, nullptr);

    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(SendMessage(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(box->isChecked());
    ASSERT_EQ(g_notifications.size(), 1u);
    EXPECT_EQ(g_notifications[0].id, 1035);
    EXPECT_EQ(g_notifications[0].code, BN_CLICKED);
    EXPECT_EQ(g_notifications[0].checkWhenNotified, BST_CHECKED);

    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(SendMessage(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_FALSE(box->isChecked());
}

TEST_F(QtDriverTest, SetCheckFromTheProgramIsShownAndNobodyIsTold)
{
    HWND check = Child("BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 1033, "100%PWM", 36, 358, 118, 20);
    SendMessage(check, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_TRUE(WidgetOf<QCheckBox>(check)->isChecked());
    EXPECT_TRUE(g_notifications.empty());
}

TEST_F(QtDriverTest, AClickPressedOnAButtonAndReleasedElsewhereClicksNothing)
{
    HWND push = Child("BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 1036, "Load", 14, 14, 100, 28);
    QPushButton* button = WidgetOf<QPushButton>(push);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(300, 5));
    EXPECT_TRUE(g_notifications.empty());
}

TEST_F(QtDriverTest, ANewCaptionIsShown)
{
    HWND push = Child("BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 1037, "Save", 134, 14, 100, 28);
    SetWindowText(push, "Saved");
    EXPECT_EQ(WidgetOf<QPushButton>(push)->text(), QStringLiteral("Saved"));
}

TEST_F(QtDriverTest, TheLogListShowsItsColumnsLeftAlignedAtTheirWidthsAndItsRowsNewestFirst)
{
    HWND log = Child(WC_LISTVIEW, LVS_REPORT | WS_BORDER | WS_TABSTOP, 1026, "", 14, 514, 610, 142);
    InsertColumn(log, 0, "\xca\xb1\xbc\xe4", 60);
    InsertColumn(log, 1, "\xd0\xc5\xcf\xa2", 280);
    InsertRow(log, "12:00:01", "\xd5\xd2\xb5\xbd\xc9\xe8\xb1\xb8");
    InsertRow(log, "12:00:02", "ERROR:");

    QTableView* list = WidgetOf<QTableView>(log);
    ASSERT_NE(list, nullptr);
    QAbstractItemModel* model = list->model();
    EXPECT_EQ(list->geometry(), QRect(14, 514, 610, 142));
    ASSERT_EQ(model->columnCount(), 2);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QString::fromUtf16(u"\u65F6\u95F4"));
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), QString::fromUtf16(u"\u4FE1\u606F"));
    EXPECT_EQ(list->horizontalHeader()->sectionSize(0), 60);
    EXPECT_EQ(list->horizontalHeader()->sectionSize(1), 280);
    for (int column : {0, 1}) {
        EXPECT_EQ(model->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() &
                      Qt::AlignHorizontal_Mask,
                  Qt::AlignLeft);
        EXPECT_EQ(model->index(0, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask,
                  Qt::AlignLeft);
    }
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->index(0, 0).data().toString(), QStringLiteral("12:00:02"));
    EXPECT_EQ(model->index(0, 1).data().toString(), QStringLiteral("ERROR:"));
    EXPECT_EQ(model->index(1, 0).data().toString(), QStringLiteral("12:00:01"));
    EXPECT_EQ(model->index(1, 1).data().toString(), QString::fromUtf16(u"\u627E\u5230\u8BBE\u5907"));
}

TEST_F(QtDriverTest, ADestroyedWindowTakesItsWidgetAlong)
{
    HWND push = Child("BUTTON", BS_PUSHBUTTON, 1001, "Reflash USB", 314, 460, 184, 26);
    QPointer<QWidget> widget = driver.WidgetOf(push);
    ASSERT_FALSE(widget.isNull());
    DestroyWindow(push);
    EXPECT_TRUE(widget.isNull());
    EXPECT_EQ(driver.WidgetOf(push), nullptr);
}

TEST_F(QtDriverTest, AMessageBoxShowsCaptionTextWarningIconAndAnOkButton)
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });
    int result = MessageBox(parent, "\xc7\xeb\xca\xe4\xc8\xeb\xd2\xbb\xb8\xf6\xca\xfd\xd7\xd6\xa1\xa3", "Quorvel",
                            MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(title, QStringLiteral("Quorvel"));
    EXPECT_EQ(text, QString::fromUtf16(u"\u8BF7\u8F93\u5165\u4E00\u4E2A\u6570\u5B57\u3002"));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

TEST_F(QtDriverTest, AListWithoutRoomForOneItemStillOpensWithOneWhole)
{
    HWND list = Child("COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 1016, "", 20, 20, 100, 26);
    for (const char* item : {"1", "2", "4"})
        SendMessage(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    driver.WidgetOf(parent)->show();
    auto* combo = WidgetOf<QComboBox>(list);
    combo->showPopup();
    EXPECT_GE(combo->view()->viewport()->height(), combo->view()->sizeHintForRow(0));
    combo->hidePopup();
}

// Each item that comes or goes reaches the widget as that one item, in the window's
// sorted place, and the box goes on showing the window's selection.
TEST_F(QtDriverTest, ADeviceListShowsEachItemComeOrGoneAloneAndKeepsItsSelection)
{
    HWND list = Child("COMBOBOX", CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_TABSTOP, 1000, "", 20, 20, 120, 60);
    auto* combo = WidgetOf<QComboBox>(list);
    ASSERT_NE(combo, nullptr);
    std::vector<int> inserted;
    std::vector<int> removed;
    int resets = 0;
    QObject::connect(combo->model(), &QAbstractItemModel::rowsInserted,
                     [&](const QModelIndex&, int first, int) { inserted.push_back(first); });
    QObject::connect(combo->model(), &QAbstractItemModel::rowsRemoved,
                     [&](const QModelIndex&, int first, int) { removed.push_back(first); });
    QObject::connect(combo->model(), &QAbstractItemModel::modelReset, [&] { ++resets; });

    for (const char* item : {"m", "a", "z"}) {
        SendMessage(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        if (item[0] == 'm')
            SendMessage(list, CB_SETCURSEL, 0, 0);
    }
    SendMessage(list, CB_DELETESTRING, 0, 0);

    EXPECT_EQ(inserted, (std::vector<int>{0, 0, 2}));
    EXPECT_EQ(removed, std::vector<int>{0});
    EXPECT_EQ(resets, 0);
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("m"));
    EXPECT_EQ(combo->itemText(1), QStringLiteral("z"));
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(combo->currentText(), QStringLiteral("m"));

    // The selected item gone: nothing is current, though the field keeps its text.
    SendMessage(list, CB_DELETESTRING, 0, 0);
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->lineEdit()->text(), QStringLiteral("m"));
}

// A label created after its edit names it, follows its own text without the blanks
// that pad it, and yields to a nearer label on the line.
TEST_F(QtDriverTest, ALabelNamesTheEditToItsRightOnItsLine)
{
    HWND edit = Child("EDIT", WS_BORDER | WS_TABSTOP, 1012, "0", 200, 100, 100, 24);
    HWND far = Child("STATIC", SS_LEFT, -1, "Neutral ", 10, 104, 100, 16);
    auto* field = WidgetOf<QLineEdit>(edit);
    SetWindowText(far, "Centre  ");
    EXPECT_EQ(field->accessibleName(), QStringLiteral("Centre"));
    EXPECT_EQ(WidgetOf<QLabel>(far)->buddy(), field);
    HWND near = Child("STATIC", SS_LEFT, -1, "Neutral", 120, 100, 70, 16);
    EXPECT_EQ(field->accessibleName(), QStringLiteral("Neutral"));
    EXPECT_EQ(WidgetOf<QLabel>(near)->buddy(), field);
    EXPECT_EQ(WidgetOf<QLabel>(far)->buddy(), nullptr);
}

// The event filter asks this of every widget that takes an event.
TEST_F(QtDriverTest, APartOfAControlIsTheControlsAndAWidgetOfAnotherTopLevelWindowIsNobodys)
{
    HWND device = Child("COMBOBOX", CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_TABSTOP, 1000, "", 20, 20, 120, 60);
    HWND log = Child(WC_LISTVIEW, LVS_REPORT | WS_BORDER | WS_TABSTOP, 1026, "", 14, 114, 310, 142);
    InsertColumn(log, 0, "Time", 60);
    auto* combo = WidgetOf<QComboBox>(device);
    auto* list = WidgetOf<QTableView>(log);
    ASSERT_NE(combo, nullptr);
    ASSERT_NE(list, nullptr);

    EXPECT_EQ(driver.WindowOf(combo), device);
    EXPECT_EQ(driver.WindowOf(combo->lineEdit()), device);
    EXPECT_EQ(driver.WindowOf(list->viewport()), log);
    EXPECT_EQ(driver.WindowOf(list->horizontalHeader()), log);
    EXPECT_EQ(driver.WindowOf(driver.WidgetOf(parent)), parent);
    EXPECT_EQ(driver.WindowOf(nullptr), nullptr);

    // A message box over the window is a window of its own, though Qt makes it a child.
    QMessageBox box(QMessageBox::Warning, "Quorvel", "ERROR:", QMessageBox::Ok, driver.WidgetOf(parent));
    EXPECT_EQ(driver.WindowOf(&box), nullptr);
    EXPECT_EQ(driver.WindowOf(box.button(QMessageBox::Ok)), nullptr);
}

// Freed memory is usually handed out again at once, so a new widget usually takes the
// address of the one deleted just before (not under the address sanitizer, which holds
// freed memory back).
TEST_F(QtDriverTest, AWidgetAtTheAddressOfAGoneOneIsFoundAsWhatItIsNow)
{
    HWND destroyed = Child("BUTTON", BS_PUSHBUTTON, 1001, "Reflash USB", 314, 460, 184, 26);
    DestroyWindow(destroyed);
    HWND button = Child("BUTTON", BS_PUSHBUTTON, 1014, "Read Config", 150, 422, 120, 28);
    EXPECT_EQ(driver.WindowOf(driver.WidgetOf(button)), button);

    // Deleted by Qt behind the window system's back, the window left standing.
    delete driver.WidgetOf(button);
    auto stranger = std::make_unique<QPushButton>();
    EXPECT_EQ(driver.WindowOf(stranger.get()), nullptr);
    stranger.reset();
    auto partOfTheWindow = std::make_unique<QPushButton>(driver.WidgetOf(parent));
    EXPECT_EQ(driver.WindowOf(partOfTheWindow.get()), parent);
    partOfTheWindow.reset();
    HWND next = Child("BUTTON", BS_PUSHBUTTON, 1015, "Write Config", 290, 422, 120, 28);
    EXPECT_EQ(driver.WindowOf(driver.WidgetOf(next)), next);
    DestroyWindow(button);
    EXPECT_EQ(driver.WindowOf(driver.WidgetOf(next)), next);
}
