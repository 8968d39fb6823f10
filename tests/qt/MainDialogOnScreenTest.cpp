#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTableView>
#include <fstream>
#include <functional>
#include <iterator>
#include <gtest/gtest.h>
#include <vector>

#include "AfxWinMain.h"
#include "FileChooserSteps.h"
#include "LogListRows.h"
#include "QtDriver.h"
#include "ReportView.h"
#include "app/QuorvelDlg.h"

namespace {

// The template's controls in order: class, caption, rectangle in dialog units.
struct TemplateControl {
    int id;
    const char* className;
    const char* caption;
    int x, y, cx, cy;
};

const TemplateControl CONTROLS[] = {
    {1000, "COMBOBOX", "", 69, 230, 85, 38},
    {1001, "BUTTON", "Reflash USB", 157, 230, 92, 13},
    {-1, "STATIC", "Dead Band(0.2-51us ) ", 14, 49, 74, 8},
    {1003, "EDIT", "", 101, 43, 46, 12},
    {-1, "STATIC", "Stretcher :", 162, 45, 38, 8},
    {-1, "STATIC", "Boost( n x12.8us )", 162, 67, 66, 8},
    {1005, "EDIT", "", 233, 65, 49, 12},
    {-1, "STATIC", "Max. Duty(1-255)", 15, 70, 69, 8},
    {1006, "EDIT", "", 101, 65, 46, 12},
    {-1, "STATIC", "Pulse Upper( us )", 162, 90, 60, 8},
    {1007, "EDIT", "", 233, 86, 49, 12},
    {-1, "STATIC", "Pulse Lower( us )", 16, 93, 58, 8},
    {1008, "EDIT", "", 101, 87, 46, 12},
    {-1, "STATIC", "Right Range(-64+64)", 162, 113, 71, 8},
    {1009, "EDIT", "", 233, 109, 50, 12},
    {-1, "STATIC", "Left Range(-64-+64)", 15, 114, 85, 8},
    {1010, "EDIT", "", 101, 109, 46, 12},
    {-1, "STATIC", "Drive Frequency(Hz) :", 162, 137, 69, 8},
    {1011, "EDIT", "", 243, 183, 58, 12},
    {-1, "STATIC", "Neutral(+_1000)", 16, 137, 68, 8},
    {1012, "EDIT", "", 101, 131, 55, 12},
    {-1, "GROUP", "Servo Config", 7, 29, 305, 173},
    {-1, "GROUP", "Program", 7, 203, 305, 48},
    {1013, "BUTTON", "Write Config", 182, 213, 60, 13},
    {1014, "BUTTON", "Read Config", 75, 211, 60, 14},
    {1017, "SCROLLBAR", "", 147, 87, 10, 13},
    {1018, "SCROLLBAR", "", 146, 42, 10, 13},
    {1019, "SCROLLBAR", "", 280, 86, 10, 13},
    {1020, "SCROLLBAR", "", 281, 63, 10, 13},
    {1021, "SCROLLBAR", "", 146, 65, 10, 13},
    {1016, "COMBOBOX", "", 233, 42, 57, 43},
    {1022, "SCROLLBAR", "", 147, 109, 10, 13},
    {1023, "SCROLLBAR", "", 281, 107, 10, 13},
    {1026, "SysListView32", "", 7, 257, 305, 71},
    {1027, "CHECK", "Internal OSC", 18, 155, 59, 10},
    {1028, "BUTTON", "Reset Paramet", 182, 183, 56, 14},
    {1029, "COMBOBOX", "", 233, 133, 48, 83},
    {1033, "CHECK", "100%PWM", 18, 179, 59, 10},
    {1034, "CHECK", "Inverter", 102, 154, 59, 10},
    {1035, "CHECK", "Narrow Band", 102, 178, 59, 10},
    {1036, "BUTTON", "Load", 7, 7, 50, 14},
    {1037, "BUTTON", "Save", 67, 7, 50, 14},
};

// The template's Tahoma 9 pt bold measures 8 x 14 pixels a base unit here, so a
// horizontal dialog unit is 2 pixels and a vertical one 14/8, rounded half up.
int PixelsX(int units)
{
    return units * 2;
}

int PixelsY(int units)
{
    return (units * 14 + 4) / 8;
}

QRect PixelRect(const TemplateControl& control)
{
    int left = PixelsX(control.x);
    int top = PixelsY(control.y);
    return QRect(left, top, PixelsX(control.x + control.cx) - left, PixelsY(control.y + control.cy) - top);
}

bool IsWidgetOfKind(QWidget* widget, const char* kind)
{
    std::string k = kind;
    if (k == "COMBOBOX")
        return qobject_cast<QComboBox*>(widget) != nullptr;
    if (k == "BUTTON")
        return qobject_cast<QPushButton*>(widget) != nullptr;
    if (k == "CHECK")
        return qobject_cast<QCheckBox*>(widget) != nullptr;
    if (k == "GROUP")
        return qobject_cast<QGroupBox*>(widget) != nullptr;
    if (k == "STATIC")
        return qobject_cast<QLabel*>(widget) != nullptr;
    if (k == "EDIT")
        return qobject_cast<QLineEdit*>(widget) != nullptr;
    if (k == "SCROLLBAR")
        return qobject_cast<QScrollBar*>(widget) != nullptr;
    return qobject_cast<QTableView*>(widget) != nullptr;
}

QString CaptionOf(QWidget* widget)
{
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        return group->title();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    return QString();
}

std::vector<int> g_clicks;
WNDPROC g_buttonProc = nullptr;

// Stands between a push button and its procedure and notes each click.
LRESULT RecordingButtonProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == BM_CLICK)
        g_clicks.push_back(GetDlgCtrlID(hWnd));
    return CallWindowProc(g_buttonProc, hWnd, msg, wParam, lParam);
}

class MainDialogOnScreen : public ::testing::Test {
protected:
    static void SetUpTestSuite() { AfxWinInit(); }

    MainDialogOnScreen() { g_clicks.clear(); }

    // Runs the main dialog modally with the steps inside its loop; if the steps leave
    // it open, it is ended with -1 afterwards.
    INT_PTR Run(const std::function<void()>& steps)
    {
        QTimer::singleShot(0, [this, steps] {
            hDlg = dlg.GetSafeHwnd();
            EXPECT_TRUE(QTest::qWaitForWindowActive(driver.WidgetOf(hDlg)));
            steps();
            if (!IsDialogEnded(hDlg))
                ::EndDialog(hDlg, -1);
        });
        return dlg.DoModal();
    }

    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, key, modifiers);
    }

    void FocusAndClear(int id)
    {
        SetFocus(Item(id));
        SetWindowText(Item(id), "");
    }

    // The next message box is read and answered with OK as soon as it shows.
    void AnswerNextMessageBox(QString& title, QString& text, QMessageBox::Icon& icon)
    {
        WhenShown<QMessageBox>([&title, &text, &icon](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
    }

    HWND Item(int id) { return GetDlgItem(hDlg, id); }
    QWidget* WidgetOf(int id) { return driver.WidgetOf(Item(id)); }
    QString EditText(int id) { return qobject_cast<QLineEdit*>(WidgetOf(id))->text(); }
    int QtFocusedId() { return GetDlgCtrlID(driver.WindowOf(QApplication::focusWidget())); }

    QtDriver driver;
    CQuorvelDlg dlg;
    HWND hDlg = nullptr;
};

}  // namespace

TEST_F(MainDialogOnScreen, RendersToAPictureWithItsCaptionAndIcon)
{
    QImage picture;
    QString title;
    bool hasIcon = false;
    Run([&] {
        QWidget* window = driver.WidgetOf(hDlg);
        title = window->windowTitle();
        hasIcon = !window->windowIcon().isNull();
        picture = window->grab().toImage();
        picture.save(QStringLiteral(QUORVEL_SCREENSHOT));
    });
    EXPECT_EQ(title, QStringLiteral("Quorvel"));
    EXPECT_TRUE(hasIcon);
    EXPECT_EQ(picture.size(), QSize(638, 586));
    EXPECT_NE(picture.pixel(0, 0), picture.pixel(PixelsX(75) + 10, PixelsY(211) + 3));
}

TEST_F(MainDialogOnScreen, EveryControlSitsAtItsTemplatePlaceAsItsKindWithItsCaption)
{
    Run([&] {
        ASSERT_EQ(GetWindowChildCount(hDlg), 42);
        for (int i = 0; i < 42; ++i) {
            const TemplateControl& control = CONTROLS[i];
            HWND hWnd = GetWindowChild(hDlg, i);
            QWidget* widget = driver.WidgetOf(hWnd);
            SCOPED_TRACE(std::string(control.caption) + " #" + std::to_string(i + 1));
            ASSERT_NE(widget, nullptr);
            EXPECT_EQ(GetDlgCtrlID(hWnd), control.id);
            EXPECT_TRUE(IsWidgetOfKind(widget, control.className));
            QRect expected = PixelRect(control);
            if (qobject_cast<QComboBox*>(widget) != nullptr) {
                EXPECT_EQ(widget->geometry().topLeft(), expected.topLeft());
                EXPECT_EQ(widget->width(), expected.width());
                EXPECT_LE(widget->height(), expected.height());
            } else {
                EXPECT_EQ(widget->geometry(), expected);
            }
            // Edits show values, not captions; every other control shows its caption.
            if (!IsWidgetOfKind(widget, "EDIT")) {
                EXPECT_EQ(CaptionOf(widget), QString::fromLatin1(control.caption));
            }
        }
    });
}

TEST_F(MainDialogOnScreen, OpensWithTheDefaultsTheEmptyListsAndTheFocusOnTheDeviceList)
{
    Run([&] {
        EXPECT_EQ(EditText(1003), QStringLiteral("3.2"));
        EXPECT_EQ(EditText(1006), QStringLiteral("200"));
        EXPECT_EQ(EditText(1005), QStringLiteral("156"));
        EXPECT_EQ(EditText(1008), QStringLiteral("1000"));
        EXPECT_EQ(EditText(1007), QStringLiteral("2000"));
        EXPECT_EQ(EditText(1010), QStringLiteral("0"));
        EXPECT_EQ(EditText(1009), QStringLiteral("0"));
        EXPECT_EQ(EditText(1012), QStringLiteral("0"));
        EXPECT_FALSE(WidgetOf(1011)->isVisible());

        auto* stretcher = qobject_cast<QComboBox*>(WidgetOf(1016));
        EXPECT_EQ(stretcher->count(), 6);
        EXPECT_EQ(stretcher->currentText(), QStringLiteral("16"));
        auto* frequency = qobject_cast<QComboBox*>(WidgetOf(1029));
        EXPECT_EQ(frequency->count(), 33);
        EXPECT_EQ(frequency->itemText(0), QStringLiteral("19531"));
        EXPECT_EQ(frequency->currentText(), QStringLiteral("330"));
        auto* devices = qobject_cast<QComboBox*>(WidgetOf(1000));
        EXPECT_TRUE(devices->isEditable());
        EXPECT_EQ(devices->count(), 0);
        EXPECT_EQ(devices->currentText(), QString());

        for (int id : {1027, 1033, 1034, 1035})
            EXPECT_FALSE(qobject_cast<QCheckBox*>(WidgetOf(id))->isChecked());

        auto* log = qobject_cast<QTableView*>(WidgetOf(1026));
        ASSERT_EQ(log->model()->columnCount(), 2);
        EXPECT_EQ(log->model()->headerData(0, Qt::Horizontal).toString(), QString::fromUtf16(u"\u65F6\u95F4"));
        EXPECT_EQ(log->model()->headerData(1, Qt::Horizontal).toString(), QString::fromUtf16(u"\u4FE1\u606F"));
        EXPECT_EQ(log->horizontalHeader()->sectionSize(0), 60);
        EXPECT_EQ(log->horizontalHeader()->sectionSize(1), 280);
        EXPECT_EQ(log->model()->rowCount(), 0);

        EXPECT_EQ(QtFocusedId(), 1000);
    });
}

TEST_F(MainDialogOnScreen, TabWalksTheTabStopsInTemplateOrderAndWraps)
{
    std::vector<int> walked;
    Run([&] {
        walked.push_back(QtFocusedId());
        for (int i = 0; i < 22; ++i) {
            Press(Qt::Key_Tab);
            walked.push_back(QtFocusedId());
        }
    });
    EXPECT_EQ(walked, (std::vector<int>{1000, 1001, 1003, 1005, 1006, 1007, 1008, 1009, 1010, 1012, 1013, 1014,
                                        1016, 1026, 1027, 1028, 1029, 1033, 1034, 1035, 1036, 1037, 1000}));
}

TEST_F(MainDialogOnScreen, SpaceTogglesTheFocusedCheckBox)
{
    bool shown = false;
    Run([&] {
        SetFocus(Item(1033));
        Press(Qt::Key_Space);
        shown = qobject_cast<QCheckBox*>(WidgetOf(1033))->isChecked();
    });
    EXPECT_TRUE(shown);
}

TEST_F(MainDialogOnScreen, EnterOnAFocusedPushButtonClicksItAndLeavesTheDialogOpen)
{
    bool ended = true;
    INT_PTR result = Run([&] {
        g_buttonProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtr(Item(1014), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingButtonProc)));
        SetFocus(Item(1014));
        Press(Qt::Key_Return);
        ended = IsDialogEnded(hDlg);
    });
    EXPECT_FALSE(ended);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(g_clicks, std::vector<int>{1014});
}

TEST_F(MainDialogOnScreen, EnterElsewhereRunsOkWhichTakesTheFieldsAndEnds)
{
    INT_PTR result = Run([&] {
        FocusAndClear(1012);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12abc"));
        Press(Qt::Key_Return);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_nNeutral, 12);
}

TEST_F(MainDialogOnScreen, EnterWithALonePointInTheDeadBandShowsTheMessageSelectsItAndKeepsTheDialogOpen)
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString selected;
    int focused = 0;
    INT_PTR result = Run([&] {
        SetWindowText(Item(1003), ".");  // passes the filter, but is no number
        SetWindowText(Item(1005), "77");
        SetFocus(Item(1005));
        AnswerNextMessageBox(title, text, icon);
        Press(Qt::Key_Return);
        // The dialog's window is active again once the box has gone.
        EXPECT_TRUE(QTest::qWaitForWindowActive(driver.WidgetOf(hDlg)));
        focused = QtFocusedId();
        selected = qobject_cast<QLineEdit*>(WidgetOf(1003))->selectedText();
    });
    EXPECT_EQ(result, -1);
    EXPECT_EQ(title, QStringLiteral("quorvel_qt_tests"));
    EXPECT_EQ(text, QString::fromUtf16(u"\u8BF7\u8F93\u5165\u4E00\u4E2A\u6570\u5B57\u3002"));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(focused, 1003);
    EXPECT_EQ(selected, QStringLiteral("."));
    EXPECT_EQ(dlg.m_byBoost, 156);
}

TEST_F(MainDialogOnScreen, EscapeEndsTheDialogWithoutTakingTheFields)
{
    INT_PTR result = Run([&] {
        FocusAndClear(1012);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5"));
        Press(Qt::Key_Escape);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dlg.m_nNeutral, 0);
}

TEST_F(MainDialogOnScreen, TheCloseBoxEndsTheDialogWithCancel)
{
    EXPECT_EQ(Run([&] { driver.WidgetOf(hDlg)->close(); }), IDCANCEL);
}

TEST_F(MainDialogOnScreen, TypedLettersStayOutOfBoostButAPastedMinusOneGoesInAndIsTakenAs255)
{
    QString typed;
    INT_PTR result = Run([&] {
        FocusAndClear(1005);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("a7b"));
        typed = EditText(1005);
        SetWindowText(Item(1005), "");
        QGuiApplication::clipboard()->setText(QStringLiteral("-1"));
        Press(Qt::Key_V, Qt::ControlModifier);
        Press(Qt::Key_Return);
    });
    EXPECT_EQ(typed, QStringLiteral("7"));
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_byBoost, 255);
}

TEST_F(MainDialogOnScreen, TextTypedIntoTheDeviceListsEditFieldIsHeldByItsWindow)
{
    std::string held;
    QString shown;
    Run([&] {
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("USB 1"));
        char buffer[16] = {};
        GetWindowText(Item(1000), buffer, sizeof buffer);
        held = buffer;
        shown = qobject_cast<QComboBox*>(WidgetOf(1000))->currentText();
    });
    EXPECT_EQ(held, "USB 1");
    EXPECT_EQ(shown, QStringLiteral("USB 1"));
}

TEST_F(MainDialogOnScreen, SaveThroughTheChooserWritesTheDefaultsAndLoadBringsThemBack)
{
    QTemporaryDir dir;
    QString typed = dir.filePath(QStringLiteral("servo"));  // the chooser adds ".svo"
    QString deadBandBeforeLoad;
    QString deadBandAfterLoad;
    QStringList rows;
    Run([&] {
        WhenShown<QFileDialog>([&](QFileDialog* chooser) { TypeAndEnter(chooser, typed); });
        QTest::mouseClick(WidgetOf(1037), Qt::LeftButton);
        SetWindowText(Item(1003), "7");
        deadBandBeforeLoad = EditText(1003);
        WhenShown<QFileDialog>([&](QFileDialog* chooser) { TypeAndEnter(chooser, typed + QStringLiteral(".svo")); });
        QTest::mouseClick(WidgetOf(1036), Qt::LeftButton);
        deadBandAfterLoad = EditText(1003);
        QAbstractItemModel* log = qobject_cast<QTableView*>(WidgetOf(1026))->model();
        for (int row = 0; row < log->rowCount(); ++row)
            rows.append(log->index(row, 1).data().toString());
    });
    std::ifstream file((typed + QStringLiteral(".svo")).toStdString(), std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_EQ(bytes, std::string("\x35\x01\x00\x00\x00\x00\x00\x00\x00\x04\x02\xEF\x04\x9C\xC8\xC8\x13\x88\x27\x10\x1D"
                                 "\x4C\x10\x00\x1D\x4C\x01\x00\x00\x00\x40\x40\x00\x00\x1F\x00\x00\x00\x00\x00\x00",
                                 41));
    EXPECT_EQ(deadBandBeforeLoad, QStringLiteral("7"));
    EXPECT_EQ(deadBandAfterLoad, QStringLiteral("3.2"));
    EXPECT_EQ(rows, (QStringList{QString::fromUtf8("文件载入成功"), QString::fromUtf8("文件保存成功")}));
}

TEST_F(MainDialogOnScreen, TheLogShowsEveryTimeWholeInItsSixtyPixelColumnInTheDialogsBoldTahoma)
{
    QFont font;
    int width = 0;
    QStringList shown;
    Run([&] {
        auto* log = dynamic_cast<ReportView*>(WidgetOf(1026));
        ASSERT_NE(log, nullptr);
        for (const char* time : {"00:00:00", "23:59:59", "18:48:08"})
            dlg.m_listLog.InsertItem(0, time);
        font = log->font();
        width = log->horizontalHeader()->sectionSize(0);
        for (int row = 0; row < 3; ++row)
            shown.append(log->ShownText(row, 0));
    });
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_EQ(font.pixelSize(), 12);
    EXPECT_EQ(width, 60);
    EXPECT_EQ(shown, (QStringList{QStringLiteral("18:48:08"), QStringLiteral("23:59:59"), QStringLiteral("00:00:00")}));
}

TEST_F(MainDialogOnScreen, ALogRowTheUserSelectedStaysSelectedWhenACommandLogsANewRow)
{
    UINT movedState = 0;
    UINT topState = 0;
    std::vector<int> shownSelection;
    QString selectedMessage;
    QString topMessage;
    Run([&] {
        auto* log = qobject_cast<QTableView*>(WidgetOf(1026));
        QTest::mouseClick(WidgetOf(1001), Qt::LeftButton);  // Reflash USB: a row
        QTest::mouseClick(WidgetOf(1001), Qt::LeftButton);  // and another
        QTest::mouseClick(log->viewport(), Qt::LeftButton, {}, log->visualRect(log->model()->index(1, 1)).center());
        QTest::mouseClick(WidgetOf(1014), Qt::LeftButton);  // Read Config: a third, on top
        movedState = RowState(Item(1026), 2);
        topState = RowState(Item(1026), 0);
        for (const QModelIndex& index : log->selectionModel()->selectedRows(1)) {
            shownSelection.push_back(index.row());
            selectedMessage = index.data().toString();
        }
        topMessage = log->model()->index(0, 1).data().toString();
    });
    EXPECT_EQ(movedState, static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(topState, 0u);
    EXPECT_EQ(shownSelection, std::vector<int>{2});
    EXPECT_EQ(selectedMessage, QString::fromUtf8("找到设备"));
    EXPECT_EQ(topMessage, QString::fromUtf8("成功：读出EEPROM成功"));
}

// The template's height of a combo box counts its opened list below the closed box,
// which is drawn 22 pixels high: 145, 75 and 66 pixels in all (83, 43 and 38 units).
TEST_F(MainDialogOnScreen, EachListOpensNoTallerThanItsTemplateAllowsAndScrollsTheRest)
{
    Run([&] {
        for (const char* device : {"USB 1", "USB 2", "USB 3", "USB 4"})
            SendMessage(Item(1000), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(device));
        for (auto [id, allowed] : {std::pair{1029, 145 - 22}, {1016, 75 - 22}, {1000, 66 - 22}}) {
            SCOPED_TRACE("list " + std::to_string(id));
            auto* combo = qobject_cast<QComboBox*>(WidgetOf(id));
            ASSERT_EQ(combo->height(), 22);
            combo->showPopup();
            QAbstractItemView* list = combo->view();
            EXPECT_LE(list->window()->height(), allowed);
            EXPECT_GT(list->window()->height(), allowed - list->sizeHintForRow(0));
            EXPECT_TRUE(list->verticalScrollBar()->isVisible());
            combo->hidePopup();
        }
    });
}
