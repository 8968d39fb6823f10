#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "QtDriver.h"
#include "winuser.h"

namespace {

// "找到12设备" in code page 936: two double-byte characters, two digits, two more
// double-byte characters, so that byte offsets and character positions differ.
const char TEXT[] = "\xd5\xd2\xb5\xbd"
                    "12"
                    "\xc9\xe8\xb1\xb8";

// An edit under a plain top-level window, shown by a Qt driver; the selection is set
// in the window system only, and the test reads what the line edit on screen shows.
class EditSelectionOnScreen : public ::testing::Test {
protected:
    EditSelectionOnScreen()
    {
        parent = CreateWindowEx(0, "STATIC", "Quorvel", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 320, 120, nullptr,
                                nullptr, nullptr, nullptr);
        edit = CreateWindowEx(0, "EDIT", TEXT, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 14, 14,
                              200, 24, parent, reinterpret_cast<HMENU>(1003), nullptr, nullptr);
        lineEdit = qobject_cast<QLineEdit*>(driver.WidgetOf(edit));
        driver.WidgetOf(parent)->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(driver.WidgetOf(parent)));
    }
    ~EditSelectionOnScreen() override { DestroyWindow(parent); }

    void Select(int first, int last) { SendMessage(edit, EM_SETSEL, static_cast<WPARAM>(first), last); }

    QtDriver driver;
    HWND parent = nullptr;
    HWND edit = nullptr;
    QLineEdit* lineEdit = nullptr;
};

struct ShownSelection {
    int first;  // bytes, as EM_SETSEL takes them
    int last;
    const char* selected;
    int start;  // characters, as the line edit counts them
};

TEST_F(EditSelectionOnScreen, ByteOffsetsSelectTheWholeCharactersBetweenThem)
{
    ASSERT_NE(lineEdit, nullptr);
    ASSERT_EQ(lineEdit->text(), QStringLiteral("找到12设备"));
    const ShownSelection cases[] = {
        {2, 6, "到12", 1}, {4, 10, "12设备", 2}, {6, 8, "设", 4}, {0, -1, "找到12设备", 0},
    };
    for (const ShownSelection& c : cases) {
        Select(c.first, c.last);
        EXPECT_EQ(lineEdit->selectedText(), QString::fromUtf8(c.selected)) << c.first << ".." << c.last;
        EXPECT_EQ(lineEdit->selectionStart(), c.start) << c.first << ".." << c.last;
    }

    // An empty selection is the caret alone, after the "2" at byte 6.
    Select(6, 6);
    EXPECT_FALSE(lineEdit->hasSelectedText());
    EXPECT_EQ(lineEdit->cursorPosition(), 4);
}

}  // namespace
