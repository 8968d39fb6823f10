#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

#include "QtDriver.h"
#include "commctrl.h"
#include "dlgtemplate.h"
#include "input.h"

namespace {

constexpr DWORD EDIT_STYLE = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
constexpr DWORD PUSH_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD CHECK_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;

const DLGITEMTEMPLATE_QV ITEMS[] = {
    {WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST, 0, 233, 42, 57, 43, 1016, "COMBOBOX", ""},
    {PUSH_STYLE, 0, 157, 230, 92, 13, 1001, "BUTTON", "Reflash USB"},
    {WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT, 0, 14, 49, 74, 8, -1, "STATIC", "Dead Band(0.2-51us ) "},
    {EDIT_STYLE, 0, 101, 43, 46, 12, 1003, "EDIT", ""},
    {EDIT_STYLE | ES_NUMBER, 0, 233, 65, 49, 12, 1005, "EDIT", ""},
    {EDIT_STYLE & ~static_cast<DWORD>(WS_VISIBLE), 0, 243, 183, 58, 12, 1011, "EDIT", ""},
    {CHECK_STYLE, 0, 18, 155, 59, 10, 1027, "BUTTON", "Internal OSC"},
};
const DLGTEMPLATE_QV TEMPLATE = {WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
                                  WS_EX_APPWINDOW, 0, 0, 319, 260, "Quorvel", "Tahoma", 9, 700, 0, 0, ITEMS,
                                  static_cast<int>(std::size(ITEMS))};

std::vector<int> g_commands;
std::vector<int> g_selectionChanges;
std::vector<int> g_listNotifications;  // CBN_DROPDOWN, CBN_CLOSEUP and CBN_SELCHANGE, in order

// Ends the dialog on OK and Cancel as the class library's defaults do, and records
// every command.
INT_PTR TestDialogProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM)
{
    if (msg == WM_INITDIALOG) {
        for (const char* item : {"1", "2", "4"})
            SendDlgItemMessage(hDlg, 1016, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendDlgItemMessage(hDlg, 1016, CB_SETCURSEL, 1, 0);
        SetWindowText(GetDlgItem(hDlg, 1005), "156");
        return TRUE;
    }
    if (msg != WM_COMMAND)
        return FALSE;
    if (HIWORD(wParam) == BN_CLICKED)
        g_commands.push_back(LOWORD(wParam));
    if (HIWORD(wParam) == CBN_SELCHANGE)
        g_selectionChanges.push_back(LOWORD(wParam));
    if (LOWORD(wParam) == 1016)
        g_listNotifications.push_back(HIWORD(wParam));
    if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(hDlg, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

class QtDialogInputTest : public ::testing::Test {
protected:
    QtDialogInputTest()
    {
        g_commands.clear();
        g_selectionChanges.clear();
        g_listNotifications.clear();
    }

    // Runs the dialog modally with the steps inside its loop; Esc-like cancel ends it
    // after the steps if they have not ended it themselves.
    INT_PTR RunDialog(const std::function<void()>& steps)
    {
        hDlg = CreateDialogIndirectParam(nullptr, &TEMPLATE, nullptr, TestDialogProc, 0);
        EXPECT_NE(hDlg, nullptr);
        QTimer::singleShot(0, [this, steps] {
            // Qt hands the keyboard to a window once the window system made it active.
            EXPECT_TRUE(QTest::qWaitForWindowActive(driver.WidgetOf(hDlg)));
            steps();
            if (!IsDialogEnded(hDlg))
                EndDialog(hDlg, -1);
        });
        GetDisplayDriver().RunModalLoop(hDlg);
        INT_PTR result = GetDialogResult(hDlg);
        DestroyWindow(hDlg);
        return result;
    }

    // Qt's keys go to the widget that Qt has given the focus.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, key, modifiers);
    }

    void Type(const char* text)
    {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClicks(focused, QString::fromLatin1(text));
    }

    // A key pressed in the open list, which is a window of its own.
    void PressInList(QComboBox* combo, Qt::Key key)
    {
        ASSERT_TRUE(combo->view()->isVisible()) << "the list is not open";
        QTest::keyClick(combo->view(), key);
    }

    LRESULT Dropped(int id) { return SendMessage(Item(id), CB_GETDROPPEDSTATE, 0, 0); }
    HWND Item(int id) { return GetDlgItem(hDlg, id); }
    QWidget* WidgetOf(int id) { return driver.WidgetOf(Item(id)); }
    int FocusedId() { return GetDlgCtrlID(GetFocus()); }
    int QtFocusedId() { return GetDlgCtrlID(driver.WindowOf(QApplication::focusWidget())); }

    QtDriver driver;
    HWND hDlg = nullptr;
};

}  // namespace

TEST_F(QtDialogInputTest, TheFirstTabStopHasTheFocusInTheWindowSystemAndInQt)
{
    RunDialog([this] {
        EXPECT_EQ(FocusedId(), 1016);
        EXPECT_EQ(QtFocusedId(), 1016);
    });
}

TEST_F(QtDialogInputTest, TabAndShiftTabWalkTheVisibleTabStopsAndWrap)
{
    std::vector<int> forward;
    std::vector<int> backward;
    RunDialog([&] {
        for (int i = 0; i < 5; ++i) {
            Press(Qt::Key_Tab);
            forward.push_back(QtFocusedId());
        }
        for (int i = 0; i < 2; ++i) {
            Press(Qt::Key_Backtab);
            backward.push_back(FocusedId());
        }
    });
    EXPECT_EQ(forward, (std::vector<int>{1001, 1003, 1005, 1027, 1016}));
    EXPECT_EQ(backward, (std::vector<int>{1027, 1005}));
}

TEST_F(QtDialogInputTest, SpaceTogglesTheFocusedCheckBoxAndTheBoxShowsIt)
{
    bool shown = false;
    RunDialog([&] {
        SetFocus(Item(1027));
        Press(Qt::Key_Space);
        shown = qobject_cast<QCheckBox*>(WidgetOf(1027))->isChecked();
        EXPECT_EQ(SendMessage(Item(1027), BM_GETCHECK, 0, 0), BST_CHECKED);
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(g_commands, std::vector<int>{1027});
}

TEST_F(QtDialogInputTest, EnterOnAFocusedPushButtonClicksItAndTheDialogStaysOpen)
{
    bool endedByEnter = true;
    INT_PTR result = RunDialog([&] {
        SetFocus(Item(1001));
        Press(Qt::Key_Return);
        endedByEnter = IsDialogEnded(hDlg);
    });
    EXPECT_FALSE(endedByEnter);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(g_commands, std::vector<int>{1001});
}

TEST_F(QtDialogInputTest, EnterInAnEditRunsOk)
{
    INT_PTR result = RunDialog([&] {
        SetFocus(Item(1003));
        Press(Qt::Key_Return);
    });
    EXPECT_EQ(result, IDOK);
}

TEST_F(QtDialogInputTest, EscapeEndsTheDialogWithCancel)
{
    EXPECT_EQ(RunDialog([&] { Press(Qt::Key_Escape); }), IDCANCEL);
}

TEST_F(QtDialogInputTest, TheCloseBoxCancelsAndQtDoesNotCloseTheWindowItself)
{
    bool stillVisible = false;
    INT_PTR result = RunDialog([&] {
        QWidget* window = driver.WidgetOf(hDlg);
        window->close();
        stillVisible = window->isVisible();
    });
    EXPECT_TRUE(stillVisible);
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(QtDialogInputTest, TypedLettersDoNotEnterADigitsOnlyEditButDigitsDo)
{
    QString shown;
    RunDialog([&] {
        SetFocus(Item(1005));
        SetWindowText(Item(1005), "");
        Type("a1b2");
        shown = qobject_cast<QLineEdit*>(WidgetOf(1005))->text();
    });
    EXPECT_EQ(shown, QStringLiteral("12"));
}

TEST_F(QtDialogInputTest, APastedMinusOneEntersADigitsOnlyEdit)
{
    std::string held;
    QString shown;
    RunDialog([&] {
        SetFocus(Item(1005));
        SetWindowText(Item(1005), "");
        QGuiApplication::clipboard()->setText(QStringLiteral("-1"));
        Press(Qt::Key_V, Qt::ControlModifier);
        char buffer[16] = {};
        GetWindowText(Item(1005), buffer, sizeof buffer);
        held = buffer;
        shown = qobject_cast<QLineEdit*>(WidgetOf(1005))->text();
    });
    EXPECT_EQ(held, "-1");
    EXPECT_EQ(shown, QStringLiteral("-1"));
}

TEST_F(QtDialogInputTest, TabbingIntoAnEditShowsItsWholeTextSelected)
{
    QString selected;
    RunDialog([&] {
        SetFocus(Item(1003));
        Press(Qt::Key_Tab);
        selected = qobject_cast<QLineEdit*>(WidgetOf(1005))->selectedText();
    });
    EXPECT_EQ(selected, QStringLiteral("156"));
}

TEST_F(QtDialogInputTest, ASelectionMadeInTheEditWidgetBecomesTheEditsSelectionInBytes)
{
    DWORD first = 0;
    DWORD last = 0;
    RunDialog([&] {
        // Two double-byte characters, then "12": the second character and the "1".
        SetWindowText(Item(1003), "\xd5\xd2\xb5\xbd" "12");
        auto* edit = qobject_cast<QLineEdit*>(WidgetOf(1003));
        edit->setSelection(1, 2);
        SendMessage(Item(1003), EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    });
    EXPECT_EQ(first, 2u);
    EXPECT_EQ(last, 5u);
}

TEST_F(QtDialogInputTest, ChoosingAListItemSelectsItInTheWindowSystem)
{
    LRESULT selection = -1;
    RunDialog([&] {
        auto* combo = qobject_cast<QComboBox*>(WidgetOf(1016));
        emit combo->activated(2);
        selection = SendMessage(Item(1016), CB_GETCURSEL, 0, 0);
        EXPECT_EQ(combo->currentIndex(), 2);
    });
    EXPECT_EQ(selection, 2);
}

TEST_F(QtDialogInputTest, ArrowKeysInAFocusedDropListMoveItsSelectionWhichTheWidgetShows)
{
    std::vector<int> shown;
    RunDialog([&] {
        auto* combo = qobject_cast<QComboBox*>(WidgetOf(1016));
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_End}) {
            Press(key);
            EXPECT_EQ(combo->currentIndex(), SendMessage(Item(1016), CB_GETCURSEL, 0, 0));
            shown.push_back(combo->currentIndex());
        }
        EXPECT_EQ(combo->currentText(), QStringLiteral("4"));
    });
    EXPECT_EQ(shown, (std::vector<int>{2, 1, 0, 0, 2}));
    EXPECT_EQ(g_selectionChanges, (std::vector<int>{1016, 1016, 1016, 1016}));
}

TEST_F(QtDialogInputTest, TheHiddenEditHasAHiddenWidget)
{
    RunDialog([&] {
        EXPECT_FALSE(WidgetOf(1011)->isVisible());
        EXPECT_TRUE(WidgetOf(1005)->isVisible());
    });
}

TEST_F(QtDialogInputTest, AClickOnAnEditGivesItTheFocus)
{
    int focused = 0;
    RunDialog([&] {
        QTest::mouseClick(WidgetOf(1003), Qt::LeftButton);
        focused = FocusedId();
        EXPECT_EQ(QtFocusedId(), 1003);
    });
    EXPECT_EQ(focused, 1003);
}

TEST_F(QtDialogInputTest, ChineseFromAnInputMethodArrivesAsCodePage936Bytes)
{
    std::string held;
    RunDialog([&] {
        SetFocus(Item(1003));
        SetWindowText(Item(1003), "");
        QInputMethodEvent event;
        event.setCommitString(QString::fromUtf16(u"\u627E\u5230"));
        QApplication::sendEvent(WidgetOf(1003), &event);
        char buffer[16] = {};
        GetWindowText(Item(1003), buffer, sizeof buffer);
        held = buffer;
    });
    EXPECT_EQ(held, "\xD5\xD2\xB5\xBD");
}

TEST_F(QtDialogInputTest, AltF4CancelsTheDialog)
{
    EXPECT_EQ(RunDialog([&] { Press(Qt::Key_F4, Qt::AltModifier); }), IDCANCEL);
}

TEST_F(QtDialogInputTest, EditingKeysReachTheEditsOwnRules)
{
    QString afterDelete;
    QString afterBackspace;
    RunDialog([&] {
        SetFocus(Item(1005));
        Press(Qt::Key_Home);
        Press(Qt::Key_Delete);
        afterDelete = qobject_cast<QLineEdit*>(WidgetOf(1005))->text();
        Press(Qt::Key_End);
        Press(Qt::Key_Backspace);
        afterBackspace = qobject_cast<QLineEdit*>(WidgetOf(1005))->text();
    });
    EXPECT_EQ(afterDelete, QStringLiteral("56"));
    EXPECT_EQ(afterBackspace, QStringLiteral("5"));
}

// A control without the focus is each picture's reference.
TEST_F(QtDialogInputTest, PushButtonsCheckBoxesAndListsShowTheFocusOnceTheKeyboardMovesIt)
{
    RunDialog([&] {
        auto picture = [this](int id) { return WidgetOf(id)->grab().toImage(); };
        QImage button = picture(1001);
        QImage check = picture(1027);
        UserClick(Item(1003));
        QImage list = picture(1016);
        UserClick(Item(1001));
        EXPECT_EQ(picture(1001), button);  // a click gives the focus without a cue
        Press(Qt::Key_Backtab);
        EXPECT_NE(picture(1016), list);
        Press(Qt::Key_Tab);
        EXPECT_NE(picture(1001), button);
        for (int i = 0; i < 3; ++i)
            Press(Qt::Key_Tab);
        EXPECT_NE(picture(1027), check);
        EXPECT_EQ(picture(1001), button);
    });
}

TEST_F(QtDialogInputTest, F4DropsTheListInTheWindowSystemWhichTheWidgetShowsAndEnterInItKeepsTheChoice)
{
    INT_PTR result = RunDialog([&] {
        auto* combo = qobject_cast<QComboBox*>(WidgetOf(1016));
        Press(Qt::Key_F4);
        EXPECT_EQ(Dropped(1016), TRUE);
        EXPECT_TRUE(combo->view()->isVisible());
        PressInList(combo, Qt::Key_Down);
        EXPECT_EQ(combo->view()->currentIndex().row(), 2);
        PressInList(combo, Qt::Key_Return);
        EXPECT_EQ(Dropped(1016), FALSE);
        EXPECT_FALSE(combo->view()->isVisible());
        EXPECT_EQ(SendMessage(Item(1016), CB_GETCURSEL, 0, 0), 2);
        EXPECT_EQ(combo->currentText(), QStringLiteral("4"));
    });
    EXPECT_EQ(result, -1);
    EXPECT_EQ(g_listNotifications, (std::vector<int>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_CLOSEUP}));
}

TEST_F(QtDialogInputTest, EscInTheListOpenedWithAltDownClosesItAndLeavesTheDialogOpen)
{
    INT_PTR result = RunDialog([&] {
        auto* combo = qobject_cast<QComboBox*>(WidgetOf(1016));
        Press(Qt::Key_Down, Qt::AltModifier);
        PressInList(combo, Qt::Key_Up);
        PressInList(combo, Qt::Key_Escape);
        EXPECT_FALSE(combo->view()->isVisible());
        EXPECT_EQ(combo->currentText(), QStringLiteral("2"));
        EXPECT_FALSE(IsDialogEnded(hDlg));
    });
    EXPECT_EQ(result, -1);
    EXPECT_EQ(g_listNotifications, (std::vector<int>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_CLOSEUP, CBN_SELCHANGE}));
}

TEST_F(QtDialogInputTest, AListOpenedOrClosedWithTheMouseOrByQtIsTheWindowSystemsDroppedState)
{
    std::vector<LRESULT> dropped;
    RunDialog([&] {
        auto* combo = qobject_cast<QComboBox*>(WidgetOf(1016));
        SetFocus(Item(1003));
        QTest::mouseClick(combo, Qt::LeftButton);
        dropped.push_back(Dropped(1016));
        EXPECT_EQ(FocusedId(), 1016);
        combo->hidePopup();  // what Qt does on a click outside the list
        dropped.push_back(Dropped(1016));
        QTest::mouseClick(combo, Qt::LeftButton);
        combo->view()->parentWidget()->close();  // Qt closing every popup by itself
        dropped.push_back(Dropped(1016));
        SendMessage(Item(1016), CB_SHOWDROPDOWN, TRUE, 0);
        EXPECT_TRUE(combo->view()->isVisible());
        SendMessage(Item(1016), CB_SHOWDROPDOWN, FALSE, 0);
        EXPECT_FALSE(combo->view()->isVisible());
    });
    EXPECT_EQ(dropped, (std::vector<LRESULT>{TRUE, FALSE, FALSE}));
    EXPECT_EQ(g_listNotifications,
              (std::vector<int>{CBN_DROPDOWN, CBN_CLOSEUP, CBN_DROPDOWN, CBN_CLOSEUP, CBN_DROPDOWN, CBN_CLOSEUP}));
}

// The window system counts the rows from what the widget reports; the widget shows
// exactly that many, whole, within the window's rectangle, and Page Down moves by them.
TEST_F(QtDialogInputTest, TheOpenListShowsTheWindowSystemsCountOfWholeRowsAndPageDownMovesByThemLessOne)
{
    RunDialog([&] {
        for (const char* item : {"8", "16", "32", "64", "128", "256"})
            SendMessage(Item(1016), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        auto* combo = qobject_cast<QComboBox*>(WidgetOf(1016));
        Press(Qt::Key_F4);
        int rowHeight = combo->view()->sizeHintForRow(0);
        int shown = combo->view()->viewport()->height();
        int counted = static_cast<int>(SendMessage(Item(1016), CB_GETMINVISIBLE, 0, 0));
        RECT rect{};
        GetWindowRect(Item(1016), &rect);
        EXPECT_EQ(shown % rowHeight, 0) << shown << " pixels of rows " << rowHeight << " high";
        EXPECT_EQ(shown / rowHeight, counted);
        ASSERT_GE(counted, 2) << "the rectangle leaves room for a page of more than one item";
        EXPECT_LT(counted, 9) << "the rectangle leaves room for fewer than the nine items";
        EXPECT_LE(combo->height() + combo->view()->parentWidget()->height(), rect.bottom - rect.top);
        PressInList(combo, Qt::Key_Home);
        PressInList(combo, Qt::Key_PageDown);
        EXPECT_EQ(SendMessage(Item(1016), CB_GETCURSEL, 0, 0), counted - 1);
        EXPECT_EQ(combo->view()->currentIndex().row(), counted - 1);
        PressInList(combo, Qt::Key_Escape);
    });
}
