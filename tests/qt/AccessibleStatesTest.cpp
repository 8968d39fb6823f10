#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

#include "AfxWinMain.h"
#include "QtDriver.h"
#include "app/QuorvelDlg.h"
#include "input.h"

namespace {

// The main dialog's controls that take the keyboard focus, in Tab order.
const int FOCUSABLE_CONTROLS[] = {1000, 1001, 1003, 1005, 1006, 1007, 1008, 1009, 1010, 1012, 1013,
                                  1014, 1016, 1026, 1027, 1028, 1029, 1033, 1034, 1035, 1036, 1037};

// Collects every object under an accessible object that reports the focus.
void CollectFocused(QAccessibleInterface* node, std::vector<QAccessibleInterface*>& focused)
{
    if (node == nullptr)
        return;
    if (node->state().focused)
        focused.push_back(node);
    for (int index = 0; index < node->childCount(); ++index)
        CollectFocused(node->child(index), focused);
}

// The main dialog on screen, as a screen reader reads its states.
class AccessibleStates : public ::testing::Test {
protected:
    static void SetUpTestSuite() { AfxWinInit(); }

    void Run(const std::function<void()>& steps)
    {
        QTimer::singleShot(0, [this, steps] {
            hDlg = dlg.GetSafeHwnd();
            EXPECT_TRUE(QTest::qWaitForWindowActive(driver.WidgetOf(hDlg)));
            steps();
            ::EndDialog(hDlg, IDCANCEL);
        });
        dlg.DoModal();
    }

    HWND Item(int id) { return GetDlgItem(hDlg, id); }
    QAccessibleInterface* AccessibleOf(QObject* object) { return QAccessible::queryAccessibleInterface(object); }
    QAccessibleInterface* AccessibleOf(int id) { return AccessibleOf(driver.WidgetOf(Item(id))); }

    std::vector<QAccessibleInterface*> Focused()
    {
        std::vector<QAccessibleInterface*> focused;
        CollectFocused(AccessibleOf(driver.WidgetOf(hDlg)), focused);
        return focused;
    }

    QtDriver driver;
    CQuorvelDlg dlg;
    HWND hDlg = nullptr;
};

TEST_F(AccessibleStates, EveryControlThatTakesTheFocusIsFocusableAndLabelsGroupsAndScrollBarsAreNot)
{
    Run([this] {
        for (int id : FOCUSABLE_CONTROLS)
            EXPECT_TRUE(AccessibleOf(id)->state().focusable) << "control " << id;
        // The device list's edit field, where its focus is.
        EXPECT_TRUE(AccessibleOf(1000)->child(1)->state().focusable);
        QWidget* dialog = driver.WidgetOf(hDlg);
        std::vector<QWidget*> others;
        for (QWidget* widget : dialog->findChildren<QLabel*>())
            others.push_back(widget);
        for (QWidget* widget : dialog->findChildren<QGroupBox*>())
            others.push_back(widget);
        for (QWidget* widget : dialog->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly))
            others.push_back(widget);
        // 10 labels, 2 groups and 7 scroll bars.
        EXPECT_EQ(others.size(), 19u);
        for (QWidget* widget : others)
            EXPECT_FALSE(AccessibleOf(widget)->state().focusable) << widget->metaObject()->className();
    });
}

TEST_F(AccessibleStates, OnlyTheControlWithTheFocusReportsItNeverTheItemOfAClosedList)
{
    Run([this] {
        SetFocus(Item(1003));
        std::vector<QAccessibleInterface*> focused = Focused();
        ASSERT_EQ(focused.size(), 1u);
        EXPECT_EQ(focused[0], AccessibleOf(1003));

        SetFocus(Item(1029));
        focused = Focused();
        ASSERT_EQ(focused.size(), 1u);
        EXPECT_EQ(focused[0], AccessibleOf(1029));

        // Tab moves the focus on, and the report with it.
        UserKey(Item(1029), VK_TAB, 0);
        ASSERT_EQ(GetDlgCtrlID(GetFocus()), 1033);
        focused = Focused();
        ASSERT_EQ(focused.size(), 1u);
        EXPECT_EQ(focused[0], AccessibleOf(1033));
    });
}

TEST_F(AccessibleStates, ADropDownComboBoxHasTheFocusInItsEditField)
{
    Run([this] {
        SetFocus(Item(1000));
        std::vector<QAccessibleInterface*> focused = Focused();
        ASSERT_EQ(focused.size(), 1u);
        auto* combo = qobject_cast<QComboBox*>(driver.WidgetOf(Item(1000)));
        EXPECT_EQ(focused[0], AccessibleOf(combo->lineEdit()));
    });
}

TEST_F(AccessibleStates, TheLogsFocusedRowReportsTheFocusOnlyWhileTheLogHoldsIt)
{
    Run([this] {
        for (const char* time : {"12:00:00", "12:00:01", "12:00:02"})
            dlg.m_listLog.InsertItem(0, time);
        UserClickListRow(Item(1026), 1);
        QAccessibleInterface* log = AccessibleOf(1026);
        std::vector<QAccessibleInterface*> cells;
        for (QAccessibleInterface* focused : Focused()) {
            if (focused != log) {
                EXPECT_EQ(focused->parent(), log);
                cells.push_back(focused);
            }
        }
        ASSERT_FALSE(cells.empty());
        EXPECT_EQ(cells[0]->text(QAccessible::Name), QStringLiteral("12:00:01"));

        SetFocus(Item(1003));
        std::vector<QAccessibleInterface*> focused = Focused();
        ASSERT_EQ(focused.size(), 1u);
        EXPECT_EQ(focused[0], AccessibleOf(1003));

        // Back on the log, its focused row is heard again.
        SetFocus(Item(1026));
        EXPECT_EQ(Focused().size(), 1 + cells.size());
    });
}

TEST_F(AccessibleStates, ADroppedListLeavesTheFocusWithItsComboBox)
{
    Run([this] {
        SetFocus(Item(1016));
        auto* combo = qobject_cast<QComboBox*>(driver.WidgetOf(Item(1016)));
        combo->showPopup();
        ASSERT_TRUE(QTest::qWaitFor([combo] { return combo->view()->isVisible(); }, 2000)) << "the list never dropped";
        std::vector<QAccessibleInterface*> focused = Focused();
        combo->hidePopup();
        ASSERT_EQ(focused.size(), 1u);
        EXPECT_EQ(focused[0], AccessibleOf(1016));
        // The list under it reads as before: its items by name, the chosen one selected.
        QAccessibleInterface* items = AccessibleOf(1016)->child(0);
        ASSERT_EQ(items->childCount(), 6);
        EXPECT_EQ(items->child(4)->text(QAccessible::Name), QStringLiteral("16"));
        EXPECT_TRUE(items->child(4)->state().selected);
        EXPECT_FALSE(items->child(3)->state().selected);
    });
}

}  // namespace
