#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "QtDriver.h"
#include "winuser.h"

namespace {

// Combo boxes as a screen reader sees them through Qt's accessibility: a drop list with
// its label on its line, the stretcher's values with "16" chosen, and a drop-down combo
// box without a label.
class AccessibleComboBoxTest : public ::testing::Test {
protected:
    AccessibleComboBoxTest()
    {
        WNDCLASS parentClass{0, DefWindowProc, "AccessibleTestParent"};
        RegisterClass(&parentClass);
        parent = CreateWindowEx(0, "AccessibleTestParent", "Quorvel", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                                nullptr, nullptr, nullptr);
        Child("STATIC", SS_LEFT, "Stretcher : ", 10, 24, 80, 16);
        list = Child("COMBOBOX", CBS_DROPDOWNLIST, "", 100, 20, 100, 120);
        for (const char* item : {"1", "2", "4", "8", "16", "32"})
            SendMessage(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendMessage(list, CB_SETCURSEL, 4, 0);
        box = Child("COMBOBOX", CBS_DROPDOWN | CBS_SORT, "", 100, 200, 170, 76);
        SendMessage(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("USB Servo Adapter"));
        SendMessage(box, CB_SETCURSEL, 0, 0);
    }
    ~AccessibleComboBoxTest() override { DestroyWindow(parent); }

    HWND Child(LPCTSTR className, DWORD style, LPCTSTR text, int x, int y, int width, int height)
    {
        return CreateWindowEx(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent, nullptr,
                              nullptr, nullptr);
    }

    QComboBox* ComboOf(HWND hWnd) { return qobject_cast<QComboBox*>(driver.WidgetOf(hWnd)); }
    QAccessibleInterface* AccessibleOf(HWND hWnd) { return QAccessible::queryAccessibleInterface(ComboOf(hWnd)); }

    // The names of the items that the list under the combo box holds selected.
    QStringList SelectedInList(HWND hWnd)
    {
        QStringList names;
        QAccessibleInterface* items = AccessibleOf(hWnd)->child(0);
        for (int index = 0; index < items->childCount(); ++index) {
            if (items->child(index)->state().selected)
                names.append(items->child(index)->text(QAccessible::Name));
        }
        return names;
    }

    QtDriver driver;
    HWND parent;
    HWND list;
    HWND box;
};

}  // namespace

TEST_F(AccessibleComboBoxTest, IsNamedByItsLabelOrWithoutOneByTheTextItShowsWhichIsItsValue)
{
    QAccessibleInterface* labelled = AccessibleOf(list);
    ASSERT_NE(labelled, nullptr);
    EXPECT_EQ(labelled->role(), QAccessible::ComboBox);
    EXPECT_EQ(labelled->text(QAccessible::Name), QStringLiteral("Stretcher :"));
    EXPECT_EQ(labelled->text(QAccessible::Value), QStringLiteral("16"));
    SendMessage(list, CB_SETCURSEL, 3, 0);
    EXPECT_EQ(labelled->text(QAccessible::Name), QStringLiteral("Stretcher :"));
    EXPECT_EQ(labelled->text(QAccessible::Value), QStringLiteral("8"));

    QAccessibleInterface* unlabelled = AccessibleOf(box);
    EXPECT_EQ(unlabelled->text(QAccessible::Name), QStringLiteral("USB Servo Adapter"));
    // The edit field's text, even where no item holds it.
    SetWindowText(box, "USB");
    EXPECT_EQ(unlabelled->text(QAccessible::Name), QStringLiteral("USB"));
    EXPECT_EQ(unlabelled->text(QAccessible::Value), QStringLiteral("USB"));
}

TEST_F(AccessibleComboBoxTest, ItsChildrenAreTheListThatDropsDownAndADropDownsEditField)
{
    QAccessibleInterface* dropList = AccessibleOf(list);
    ASSERT_EQ(dropList->childCount(), 1);
    EXPECT_EQ(dropList->child(0)->object(), ComboOf(list)->view());
    EXPECT_EQ(dropList->child(0)->role(), QAccessible::List);
    EXPECT_EQ(dropList->indexOfChild(dropList->child(0)), 0);

    QAccessibleInterface* dropDown = AccessibleOf(box);
    ASSERT_EQ(dropDown->childCount(), 2);
    EXPECT_EQ(dropDown->child(0)->object(), ComboOf(box)->view());
    EXPECT_EQ(dropDown->child(1)->object(), ComboOf(box)->lineEdit());
    EXPECT_EQ(dropDown->indexOfChild(dropDown->child(1)), 1);
    EXPECT_EQ(dropDown->indexOfChild(dropList->child(0)), -1);
}

TEST_F(AccessibleComboBoxTest, ItsListSelectsTheItemItShowsWhetherOpenOrClosed)
{
    EXPECT_EQ(SelectedInList(list), QStringList{QStringLiteral("16")});
    SendMessage(list, CB_SETCURSEL, 0, 0);
    EXPECT_EQ(SelectedInList(list), QStringList{QStringLiteral("1")});

    // Qt selects the shown item as the list opens; a later choice is selected all the same.
    driver.WidgetOf(parent)->show();
    ComboOf(list)->showPopup();
    ComboOf(list)->hidePopup();
    SendMessage(list, CB_SETCURSEL, 5, 0);
    EXPECT_EQ(SelectedInList(list), QStringList{QStringLiteral("32")});
    SendMessage(list, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_TRUE(SelectedInList(list).isEmpty());
}

TEST_F(AccessibleComboBoxTest, IsExpandedWhileItsListIsOpenWhichItsActionsOpenAndClose)
{
    QAccessibleInterface* combo = AccessibleOf(list);
    driver.WidgetOf(parent)->show();
    EXPECT_TRUE(combo->state().expandable);
    EXPECT_FALSE(combo->state().expanded);
    EXPECT_FALSE(combo->state().editable);
    EXPECT_TRUE(AccessibleOf(box)->state().editable);

    combo->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    EXPECT_TRUE(ComboOf(list)->view()->isVisible());
    EXPECT_TRUE(combo->state().expanded);
    combo->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(ComboOf(list)->view()->isVisible());
    EXPECT_FALSE(combo->state().expanded);
}
