#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <string>

#include "QtDriver.h"
#include "winuser.h"

namespace {

constexpr int FILTERED_ID = 1003;
constexpr int PLAIN_ID = 1004;

// When set, a change of the plain edit puts "42" into the filtered one and then warns.
bool g_warnOnPlainChange = false;
// When set, called on each run of the filter, before it sets the text again.
std::function<void()> g_onFilterRun;

std::string TextBytes(HWND hWnd)
{
    std::string text(static_cast<size_t>(GetWindowTextLength(hWnd)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowText(hWnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Like the program's decimal fields: each change of the filtered edit takes out its
// first byte that is no digit, by setting the text again, until none is left.
LRESULT FilteringParentProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_COMMAND || HIWORD(wParam) != EN_CHANGE)
        return DefWindowProc(hWnd, msg, wParam, lParam);
    HWND hEdit = reinterpret_cast<HWND>(lParam);
    if (LOWORD(wParam) == FILTERED_ID) {
        if (g_onFilterRun)
            g_onFilterRun();
        std::string text = TextBytes(hEdit);
        size_t offending = text.find_first_not_of("0123456789");
        if (offending != std::string::npos)
            SetWindowText(hEdit, text.erase(offending, 1).c_str());
    } else if (LOWORD(wParam) == PLAIN_ID && g_warnOnPlainChange) {
        SetWindowText(GetDlgItem(hWnd, FILTERED_ID), "42");
        MessageBox(hWnd, "Check", "Quorvel", MB_OK);
    }
    return 0;
}

// A filtered and a plain edit under a shown top-level window; text reaches them as
// the user pastes it, with Ctrl+V on the line edit that has the focus.
class FilteredPasteOnScreen : public ::testing::Test {
protected:
    FilteredPasteOnScreen()
    {
        g_warnOnPlainChange = false;
        WNDCLASS parentClass{0, FilteringParentProc, "FilteredPasteParent"};
        RegisterClass(&parentClass);
        parent = CreateWindowEx(0, "FilteredPasteParent", "Quorvel", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 320,
                                120, nullptr, nullptr, nullptr, nullptr);
        filtered = Edit(FILTERED_ID, 14);
        plain = Edit(PLAIN_ID, 50);
        driver.WidgetOf(parent)->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(driver.WidgetOf(parent)));
    }
    ~FilteredPasteOnScreen() override
    {
        g_warnOnPlainChange = false;
        g_onFilterRun = nullptr;
        DestroyWindow(parent);
    }

    HWND Edit(int id, int y)
    {
        return CreateWindowEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 14, y,
                              200, 24, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }

    QLineEdit* LineEditOf(HWND hEdit) { return qobject_cast<QLineEdit*>(driver.WidgetOf(hEdit)); }

    void Paste(HWND hEdit, const QString& text)
    {
        SetFocus(hEdit);
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(LineEditOf(hEdit), Qt::Key_V, Qt::ControlModifier);
    }

    static std::string Repeated(const char* piece, int times)
    {
        std::string text;
        for (int n = 0; n < times; ++n)
            text += piece;
        return text;
    }

    QtDriver driver;
    HWND parent = nullptr;
    HWND filtered = nullptr;
    HWND plain = nullptr;
};

// What a screen reader reads of a widget: its value, and its text through the text interface.
QString AccessibleValueOf(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Value);
}

QString AccessibleTextOf(QWidget* widget)
{
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(widget)->textInterface();
    return text != nullptr ? text->text(0, text->characterCount()) : QStringLiteral("(no text interface)");
}

}  // namespace

// The filter sets the text three times after the paste; the window system then has
// "123" with the caret at its start, and so does the line edit, to Qt and to a screen
// reader, as soon as the paste returns.
TEST_F(FilteredPasteOnScreen, AFilteredPasteShowsTheLastTextAndCaretAtOnce)
{
    Paste(filtered, QStringLiteral("1a2b3c"));
    ASSERT_EQ(TextBytes(filtered), "123");
    QLineEdit* edit = LineEditOf(filtered);
    EXPECT_EQ(edit->text(), QStringLiteral("123"));
    EXPECT_EQ(edit->cursorPosition(), 0);
    EXPECT_FALSE(edit->hasSelectedText());
    EXPECT_EQ(AccessibleValueOf(edit), QStringLiteral("123"));
    EXPECT_EQ(AccessibleTextOf(edit), QStringLiteral("123"));
}

// "找到设备" with the caret after "找到" (byte 4): the pasted "12" goes there, and the
// caret after it, at byte 6, is character 4 on screen.
TEST_F(FilteredPasteOnScreen, APasteBetweenDoubleByteCharactersShowsTheCaretAfterIt)
{
    SetWindowText(plain, "\xd5\xd2\xb5\xbd\xc9\xe8\xb1\xb8");
    SendMessage(plain, EM_SETSEL, 4, 4);
    Paste(plain, QStringLiteral("12"));
    QLineEdit* edit = LineEditOf(plain);
    EXPECT_EQ(edit->text(), QStringLiteral("找到12设备"));
    EXPECT_EQ(edit->cursorPosition(), 4);
    EXPECT_EQ(AccessibleTextOf(edit), QStringLiteral("找到12设备"));
}

// A message box runs an event loop that draws every widget: a text set before it opens
// is on screen while it is open.
TEST_F(FilteredPasteOnScreen, ATextSetBeforeAMessageBoxIsShownWhileTheBoxIsOpen)
{
    g_warnOnPlainChange = true;
    QString shownMeanwhile;
    QString readMeanwhile;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shownMeanwhile = LineEditOf(filtered)->text();
        readMeanwhile = AccessibleTextOf(LineEditOf(filtered));
        box->button(QMessageBox::Ok)->click();
    });
    Paste(plain, QStringLiteral("x"));
    EXPECT_EQ(shownMeanwhile, QStringLiteral("42"));
    EXPECT_EQ(readMeanwhile, QStringLiteral("42"));
}

// 4,000 letters, each taken out in a run of its own: shown change by change, the
// 4,001 texts of up to 8,000 characters took 3 s and more; shown once, some 40 ms
// (260 ms under the sanitizers).
// Qt converting and laying out the whole text for each of the filter's runs is what
// made a long paste slow: while the filter runs, the line edit is given none of the
// texts in between. Seen rather than timed, so that a loaded machine cannot fail it.
TEST_F(FilteredPasteOnScreen, ALongPasteThatTheFilterShortensThousandsOfTimesReachesQtAsOneText)
{
    QLineEdit* lineEdit = LineEditOf(filtered);
    int runs = 0;
    int runsFindingATextShown = 0;
    g_onFilterRun = [&] {
        ++runs;
        if (!lineEdit->text().isEmpty())
            ++runsFindingATextShown;
    };
    Paste(filtered, QString::fromLatin1(Repeated("7x", 4000).c_str()));
    EXPECT_EQ(runs, 4001);
    EXPECT_EQ(runsFindingATextShown, 0);
    EXPECT_EQ(lineEdit->text(), QString::fromLatin1(Repeated("7", 4000).c_str()));
}
