#include "ReportView.h"

#include <QEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QScrollBar>

#include "ListViewModel.h"
#include "NarrowCellDelegate.h"
#include "commctrl.h"
#include "winuser.h"

ReportView::ReportView(HWND hWnd, QWidget* parent)
    : QTableView(parent), m_hWnd(hWnd), m_model(new ListViewModel(hWnd, this)), m_delegate(new NarrowCellDelegate(this))
{
    setModel(m_model);
    setItemDelegate(m_delegate);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // The window scrolls a focused row into view; Qt's own scrolling would be a second say.
    setAutoScroll(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // Rows of one height and no row header: a table of any length lays out at the
    // cost of its visible rows.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    FitRowHeightToFont();
    // The widths are the window's: the user neither drags nor clicks the header.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ShowColumns();
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &ReportView::ReportScrolledTo);
}

void ReportView::ShowColumns()
{
    m_model->ColumnsChanged();
    const std::vector<ListColumnState>& columns = m_model->Columns();
    horizontalHeader()->setVisible(!columns.empty());
    for (int index = 0; index < static_cast<int>(columns.size()); ++index)
        horizontalHeader()->resizeSection(index, columns[static_cast<size_t>(index)].width);
    // Starting over forgot the selection; the window still holds it.
    for (int row = 0; row < m_model->rowCount(); ++row)
        ShowRowState(row);
}

void ReportView::ShowRowChange(ListRowChange change, int row)
{
    switch (change) {
    case ListRowChange::Inserted:
        m_model->RowInserted(row);
        break;
    case ListRowChange::Text:
        m_model->RowTextChanged(row);
        break;
    case ListRowChange::State:
        ShowRowState(row);
        break;
    case ListRowChange::Deleted:
        // Only a combo box's items go; nothing deletes a list view's row.
        break;
    }
}

// LVIS_SELECTED is the view's selection, LVIS_FOCUSED its current row; taking the
// focus scrolls the row into view, as the platform's list does.
void ReportView::ShowRowState(int row)
{
    if (row < 0 || row >= m_model->rowCount() || m_model->columnCount() == 0)
        return;
    UINT state = ListRowStateOf(m_hWnd, row);
    QModelIndex index = m_model->index(row, 0);
    QItemSelectionModel::SelectionFlags rows = QItemSelectionModel::Rows;
    selectionModel()->select(index, rows | ((state & LVIS_SELECTED) ? QItemSelectionModel::Select
                                                                     : QItemSelectionModel::Deselect));
    ShowCurrentRow(row, state);
    ShowTopRow();
}

// Qt's current row is the one that a screen reader hears as focused, so the view has
// one only while the list holds the window system's focus; no focus frame shows
// elsewhere either.
void ReportView::ShowCurrentRow(int row, UINT state)
{
    if ((state & LVIS_FOCUSED) && GetFocus() == m_hWnd)
        selectionModel()->setCurrentIndex(m_model->index(row, 0), QItemSelectionModel::NoUpdate);
    else if (currentIndex().row() == row)
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

// Qt moves its focus where the window system moved it (or away with the window).
void ReportView::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    int focused = static_cast<int>(SendMessage(m_hWnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    if (focused >= 0)
        ShowCurrentRow(focused, LVIS_FOCUSED);
    else
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

void ReportView::focusOutEvent(QFocusEvent* event)
{
    QTableView::focusOutEvent(event);
    if (GetFocus() != m_hWnd)
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

// The vertical scroll bar counts rows: its value is the top row.
void ReportView::ShowTopRow()
{
    int top = static_cast<int>(SendMessage(m_hWnd, LVM_GETTOPINDEX, 0, 0));
    if (verticalScrollBar()->value() == top)
        return;
    // Rows just inserted may not have reached the scroll bar's range yet.
    if (top > verticalScrollBar()->maximum())
        updateGeometries();
    m_showingTop = true;
    verticalScrollBar()->setValue(top);
    m_showingTop = false;
}

// The user turned the wheel or moved the scroll bar; the window keeps the new top row.
void ReportView::ReportScrolledTo(int topRow)
{
    if (m_showingTop)
        return;
    int top = static_cast<int>(SendMessage(m_hWnd, LVM_GETTOPINDEX, 0, 0));
    if (topRow != top)
        SendMessage(m_hWnd, LVM_SCROLL, 0, static_cast<LPARAM>(topRow - top) * Metrics().rowHeight);
}

ListViewMetrics ReportView::Metrics() const
{
    int header = horizontalHeader()->isHidden() ? 0 : horizontalHeader()->sizeHint().height();
    return ListViewMetrics{frameWidth(), header, verticalHeader()->defaultSectionSize()};
}

int ReportView::RowAt(const QPoint& viewportPoint) const
{
    return rowAt(viewportPoint.y());
}

QString ReportView::ShownText(int row, int column) const
{
    QModelIndex index = m_model->index(row, column);
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    return m_delegate->ShownText(option, index);
}

void ReportView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        FitRowHeightToFont();
    QTableView::changeEvent(event);
}

// A line of the font and a little air, as the platform's report view spaces its rows.
void ReportView::FitRowHeightToFont()
{
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
}
