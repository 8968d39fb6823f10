#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

#include "LogListRows.h"
#include "QtDriver.h"

namespace {

constexpr UINT SELECTED_AND_FOCUSED = LVIS_SELECTED | LVIS_FOCUSED;

// A log list of two columns under a plain top-level window, shown by a Qt driver.
class LogListOnScreen : public ::testing::Test {
protected:
    LogListOnScreen()
    {
        parent = CreateWindowEx(0, "STATIC", "Quorvel", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 640, 320, nullptr,
                                nullptr, nullptr, nullptr);
        log = CreateWindowEx(0, WC_LISTVIEW, "", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT, 14, 14,
                             610, 142, parent, reinterpret_cast<HMENU>(1026), nullptr, nullptr);
        InsertColumn(log, 0, "\xca\xb1\xbc\xe4", 60);
        InsertColumn(log, 1, "\xd0\xc5\xcf\xa2", 280);
        list = qobject_cast<QTableView*>(driver.WidgetOf(log));
        driver.WidgetOf(parent)->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(driver.WidgetOf(parent)));
    }
    ~LogListOnScreen() override { DestroyWindow(parent); }

    // Rows "12:00:00" ... on top of each other, the last one on top.
    void InsertRows(int count)
    {
        for (int n = 0; n < count; ++n) {
            std::string time = "12:00:" + std::string(n < 10 ? "0" : "") + std::to_string(n);
            InsertRow(log, time.c_str(), "ERROR:");
        }
    }

    QPoint CenterOfRow(int row) { return list->visualRect(list->model()->index(row, 1)).center(); }
    void ClickRow(int row) { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, CenterOfRow(row)); }

    // The rows the view shows selected, and the row it shows focused.
    std::vector<int> ShownSelection()
    {
        std::vector<int> rows;
        for (const QModelIndex& index : list->selectionModel()->selectedRows())
            rows.push_back(index.row());
        return rows;
    }
    int ShownFocus() { return list->currentIndex().row(); }

    QtDriver driver;
    HWND parent = nullptr;
    HWND log = nullptr;
    QTableView* list = nullptr;
};

TEST_F(LogListOnScreen, ANewRowReachesTheViewAsOneInsertedRowAndOneChangedRowNeverAsAReset)
{
    InsertRows(3);
    QSignalSpy inserted(list->model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(list->model(), &QAbstractItemModel::dataChanged);
    QSignalSpy reset(list->model(), &QAbstractItemModel::modelReset);
    QSignalSpy layout(list->model(), &QAbstractItemModel::layoutChanged);

    InsertRow(log, "23:59:59", "\xd5\xd2\xb5\xbd\xc9\xe8\xb1\xb8");

    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 0);
    EXPECT_EQ(inserted[0][2].toInt(), 0);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex(), list->model()->index(0, 0));
    EXPECT_EQ(changed[0][1].toModelIndex(), list->model()->index(0, 1));
    EXPECT_EQ(reset.count(), 0);
    EXPECT_EQ(layout.count(), 0);
    EXPECT_EQ(list->model()->rowCount(), 4);
    EXPECT_EQ(list->model()->index(0, 0).data().toString(), QStringLiteral("23:59:59"));
    EXPECT_EQ(list->model()->index(0, 1).data().toString(), QString::fromUtf16(u"\u627E\u5230\u8BBE\u5907"));
    EXPECT_EQ(list->model()->index(3, 0).data().toString(), QStringLiteral("12:00:00"));
}

TEST_F(LogListOnScreen, AClickedRowIsSelectedInTheWindowWhichTheViewShows)
{
    InsertRows(3);
    ClickRow(1);
    EXPECT_EQ(GetFocus(), log);
    EXPECT_EQ(RowState(log, 1), SELECTED_AND_FOCUSED);
    EXPECT_EQ(ShownSelection(), std::vector<int>{1});
    EXPECT_EQ(ShownFocus(), 1);

    ClickRow(2);
    EXPECT_EQ(RowState(log, 1), 0u);
    EXPECT_EQ(ShownSelection(), std::vector<int>{2});

    // Below the last row: nothing stays selected.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, list->viewport()->height() - 3));
    EXPECT_EQ(RowState(log, 2), static_cast<UINT>(LVIS_FOCUSED));
    EXPECT_TRUE(ShownSelection().empty());
}

TEST_F(LogListOnScreen, ArrowKeysMoveTheSelectionInTheWindowAndScrollTheFocusedRowIntoView)
{
    InsertRows(40);
    ClickRow(0);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(RowState(log, 1), SELECTED_AND_FOCUSED);
    EXPECT_EQ(ShownSelection(), std::vector<int>{1});

    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(RowState(log, 39), SELECTED_AND_FOCUSED);
    EXPECT_EQ(ShownSelection(), std::vector<int>{39});
    EXPECT_GT(list->verticalScrollBar()->value(), 0);
    EXPECT_EQ(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
    EXPECT_TRUE(list->viewport()->rect().contains(CenterOfRow(39)));

    QTest::keyClick(list, Qt::Key_Home);
    EXPECT_EQ(ShownSelection(), std::vector<int>{0});
    EXPECT_EQ(list->verticalScrollBar()->value(), 0);
}

TEST_F(LogListOnScreen, ANewRowOnTopDoesNotScrollAListTheUserHasScrolledDown)
{
    InsertRows(40);
    QScrollBar* bar = list->verticalScrollBar();
    ASSERT_TRUE(QTest::qWaitFor([bar] { return bar->isVisible(); }));
    // A click on the scroll bar's track below the handle pages down.
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 20));
    int scrolled = bar->value();
    ASSERT_GT(scrolled, 0);
    InsertRow(log, "12:01:00", "ERROR:");
    QApplication::processEvents();
    EXPECT_EQ(bar->value(), scrolled);
}

TEST_F(LogListOnScreen, DraggingOverTheRowsAndClickingTheHeaderSelectNothing)
{
    InsertRows(5);
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, CenterOfRow(0));
    QTest::mouseMove(list->viewport(), CenterOfRow(3));
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, CenterOfRow(3));
    EXPECT_EQ(ShownSelection(), std::vector<int>{0});

    QHeaderView* header = list->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionPosition(1) + 20, 5));
    EXPECT_EQ(ShownSelection(), std::vector<int>{0});
    EXPECT_EQ(RowState(log, 0), SELECTED_AND_FOCUSED);
    EXPECT_EQ(header->sectionSize(1), 280);
}

TEST_F(LogListOnScreen, AColumnInsertedAfterTheRowsKeepsTheirTextsAndSelection)
{
    InsertRows(3);
    ClickRow(2);
    InsertColumn(log, 2, "more", 40);
    EXPECT_EQ(list->model()->columnCount(), 3);
    EXPECT_EQ(list->horizontalHeader()->sectionSize(2), 40);
    EXPECT_EQ(list->model()->index(2, 0).data().toString(), QStringLiteral("12:00:00"));
    EXPECT_EQ(ShownSelection(), std::vector<int>{2});
    EXPECT_EQ(ShownFocus(), 2);
}

// The rows the view shows whole, counted from what Qt lays out on screen.
int WholeRowsShown(QTableView* list)
{
    int rows = 0;
    for (int row = list->rowAt(0); row >= 0; ++row) {
        QRect rect = list->visualRect(list->model()->index(row, 0));
        if (rect.bottom() >= list->viewport()->height())
            break;
        ++rows;
    }
    return rows;
}

bool RowShownWhole(QTableView* list, int row)
{
    QRect rect = list->visualRect(list->model()->index(row, 0));
    return rect.top() >= 0 && rect.bottom() < list->viewport()->height();
}

TEST_F(LogListOnScreen, PageKeysMoveTheSelectionByThePageOfRowsTheViewShows)
{
    InsertRows(60);
    QApplication::processEvents();
    int page = WholeRowsShown(list);
    ASSERT_GT(page, 2);
    EXPECT_EQ(SendMessage(log, LVM_GETCOUNTPERPAGE, 0, 0), page);
    ClickRow(0);

    // The page's last row, then a page on with the row left behind heading the page.
    QTest::keyClick(list, Qt::Key_PageDown);
    EXPECT_EQ(ShownSelection(), std::vector<int>{page - 1});
    EXPECT_EQ(list->verticalScrollBar()->value(), 0);
    QTest::keyClick(list, Qt::Key_PageDown);
    EXPECT_EQ(RowState(log, 2 * page - 2), SELECTED_AND_FOCUSED);
    EXPECT_EQ(ShownSelection(), std::vector<int>{2 * page - 2});
    EXPECT_EQ(list->rowAt(0), page - 1);
    EXPECT_TRUE(RowShownWhole(list, 2 * page - 2));

    QTest::keyClick(list, Qt::Key_PageUp);
    EXPECT_EQ(ShownSelection(), std::vector<int>{page - 1});
    QTest::keyClick(list, Qt::Key_PageUp);
    EXPECT_EQ(ShownSelection(), std::vector<int>{0});
    EXPECT_EQ(list->verticalScrollBar()->value(), 0);
}

TEST_F(LogListOnScreen, PageDownAfterScrollingGoesToTheLastRowOfThePageShownAndStopsAtTheEnd)
{
    InsertRows(60);
    QApplication::processEvents();
    int page = WholeRowsShown(list);
    ClickRow(0);
    list->verticalScrollBar()->setValue(10);
    EXPECT_EQ(SendMessage(log, LVM_GETTOPINDEX, 0, 0), 10);
    QTest::keyClick(list, Qt::Key_PageDown);
    EXPECT_EQ(ShownSelection(), std::vector<int>{10 + page - 1});
    EXPECT_TRUE(RowShownWhole(list, 10 + page - 1));
    for (int press = 0; press < 60 / page + 2; ++press)
        QTest::keyClick(list, Qt::Key_PageDown);
    EXPECT_EQ(ShownSelection(), std::vector<int>{59});
    EXPECT_TRUE(RowShownWhole(list, 59));
    EXPECT_EQ(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
}

}  // namespace
