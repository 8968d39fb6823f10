// The list view class (SysListView32) in report view: columns, and rows of texts each
// with its state. Selection is single: a click or a key selects one row alone, and the
// state moves with its row when rows are inserted above it. The list keeps its top row:
// a row that takes the focus is scrolled into view, and a page is the whole rows that
// fit below the header as the driver lays the list out.
#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "commctrl.h"
#include "window.h"

namespace {

struct Column {
    int fmt = LVCFMT_LEFT;
    int cx = 0;
    std::string text;
};

struct Row {
    std::vector<std::string> texts;  // by subitem
    UINT state = 0;                  // LVIS_SELECTED, LVIS_FOCUSED
};

struct ListViewData : WindowClassData {
    std::vector<Column> columns;
    // A deque, because a log puts each new row at the top: inserting there must not
    // move every row below it.
    std::deque<Row> rows;
    int topIndex = 0;  // the first row shown
};

bool IsRow(const ListViewData& data, int index)
{
    return index >= 0 && index < static_cast<int>(data.rows.size());
}

std::string TextOf(LPCTSTR text)
{
    return text != nullptr ? text : "";
}

LRESULT InsertColumn(HWND hWnd, ListViewData& data, int index, const LVCOLUMN* column)
{
    if (column == nullptr || index < 0)
        return -1;
    index = std::min<int>(index, static_cast<int>(data.columns.size()));
    Column added;
    if (column->mask & LVCF_FMT)
        added.fmt = column->fmt;
    if (column->mask & LVCF_WIDTH)
        added.cx = column->cx;
    if (column->mask & LVCF_TEXT)
        added.text = TextOf(column->pszText);
    data.columns.insert(data.columns.begin() + index, added);
    NotifyDriver(hWnd, WindowChange::Columns);
    return index;
}

LRESULT GetColumn(const ListViewData& data, int index, LVCOLUMN* column)
{
    if (column == nullptr || index < 0 || index >= static_cast<int>(data.columns.size()))
        return FALSE;
    const Column& found = data.columns[static_cast<size_t>(index)];
    if (column->mask & LVCF_FMT)
        column->fmt = found.fmt;
    if (column->mask & LVCF_WIDTH)
        column->cx = found.cx;
    if (column->mask & LVCF_TEXT)
        CopyText(found.text, column->pszText, column->cchTextMax);
    return TRUE;
}

// An index past the last row appends; the result is where the row went.
LRESULT InsertItem(HWND hWnd, ListViewData& data, const LVITEM* item)
{
    if (item == nullptr || item->iItem < 0 || item->iSubItem != 0)
        return -1;
    int index = std::min<int>(item->iItem, static_cast<int>(data.rows.size()));
    Row row;
    row.texts.resize(1);
    if (item->mask & LVIF_TEXT)
        row.texts[0] = TextOf(item->pszText);
    data.rows.insert(data.rows.begin() + index, std::move(row));
    NotifyDriverOfRow(hWnd, ListRowChange::Inserted, index);
    return index;
}

LRESULT SetItemText(HWND hWnd, ListViewData& data, int index, const LVITEM* item)
{
    if (item == nullptr || !IsRow(data, index) || item->iSubItem < 0)
        return FALSE;
    std::vector<std::string>& texts = data.rows[static_cast<size_t>(index)].texts;
    if (static_cast<size_t>(item->iSubItem) >= texts.size())
        texts.resize(static_cast<size_t>(item->iSubItem) + 1);
    texts[static_cast<size_t>(item->iSubItem)] = TextOf(item->pszText);
    NotifyDriverOfRow(hWnd, ListRowChange::Text, index);
    return TRUE;
}

LRESULT GetItemText(const ListViewData& data, int index, LVITEM* item)
{
    if (item == nullptr || !IsRow(data, index) || item->iSubItem < 0)
        return 0;
    const std::vector<std::string>& texts = data.rows[static_cast<size_t>(index)].texts;
    std::string text = static_cast<size_t>(item->iSubItem) < texts.size() ? texts[static_cast<size_t>(item->iSubItem)] : "";
    return CopyText(text, item->pszText, item->cchTextMax);
}

void SetRowState(HWND hWnd, ListViewData& data, int index, UINT state)
{
    UINT& held = data.rows[static_cast<size_t>(index)].state;
    if (held == state)
        return;
    held = state;
    NotifyDriverOfRow(hWnd, ListRowChange::State, index);
}

// The focused row, or -1. A scan: it serves the user's clicks and keys, never the
// program's inserts.
int FocusedRow(const ListViewData& data)
{
    auto found = std::find_if(data.rows.begin(), data.rows.end(),
                              [](const Row& row) { return (row.state & LVIS_FOCUSED) != 0; });
    return found == data.rows.end() ? -1 : static_cast<int>(found - data.rows.begin());
}

// The first row after start (-1: from the top) that has every state asked for
// (LVM_GETNEXTITEM, searching down), or -1.
int NextRowWithState(const ListViewData& data, int start, UINT states)
{
    for (int index = std::max(start + 1, 0); index < static_cast<int>(data.rows.size()); ++index) {
        if ((data.rows[static_cast<size_t>(index)].state & states) == states)
            return index;
    }
    return -1;
}

// The whole rows that fit in the client area below the header (LVM_GETCOUNTPERPAGE).
int CountPerPage(HWND hWnd)
{
    RECT client{};
    GetClientRect(hWnd, &client);
    ListViewMetrics metrics = GetDisplayDriver().ReportListMetrics(hWnd);
    int rowsHeight = static_cast<int>(client.bottom - client.top) - 2 * metrics.frame - metrics.headerHeight;
    if (metrics.rowHeight <= 0 || rowsHeight <= 0)
        return 0;
    return rowsHeight / metrics.rowHeight;
}

// A top row that leaves no empty lines below the last row while there are rows above.
int ClampedTop(const ListViewData& data, int top, int perPage)
{
    int highest = std::max(static_cast<int>(data.rows.size()) - perPage, 0);
    return std::clamp(top, 0, highest);
}

// Scrolls as little as shows the row whole (LVM_ENSUREVISIBLE).
void EnsureVisible(HWND hWnd, ListViewData& data, int row)
{
    if (!IsRow(data, row))
        return;
    int perPage = std::max(CountPerPage(hWnd), 1);
    int top = data.topIndex;
    if (row < top)
        top = row;
    else if (row >= top + perPage)
        top = row - perPage + 1;
    data.topIndex = ClampedTop(data, top, perPage);
}

// Scrolls by whole rows, dy pixels cut to rows (LVM_SCROLL in report view).
void ScrollBy(HWND hWnd, ListViewData& data, int dy)
{
    int rowHeight = GetDisplayDriver().ReportListMetrics(hWnd).rowHeight;
    if (rowHeight <= 0)
        return;
    data.topIndex = ClampedTop(data, data.topIndex + dy / rowHeight, CountPerPage(hWnd));
}

// Page Down goes to the last row shown whole, or from there one page on, so that the
// row it left heads the new page; Page Up is its mirror. A page of one row still moves.
int RowForPageKey(HWND hWnd, const ListViewData& data, UINT vk, int focused)
{
    int last = static_cast<int>(data.rows.size()) - 1;
    int perPage = std::max(CountPerPage(hWnd), 1);
    int step = std::max(perPage - 1, 1);
    if (vk == VK_NEXT) {
        int bottom = std::min(data.topIndex + perPage - 1, last);
        return std::min(focused == bottom ? focused + step : bottom, last);
    }
    int top = data.topIndex;
    return std::max(focused == top ? focused - step : top, 0);
}

// The row a list key moves to: Up and Down step from the focused row and stop at the
// ends, Home and End go to the ends, Page Up and Page Down move by a page; without a
// focused row every key starts at the first row, End at the last and Page Down at the
// page's last. -1 for another key or an empty list.
int RowForKey(HWND hWnd, const ListViewData& data, UINT vk)
{
    int last = static_cast<int>(data.rows.size()) - 1;
    int focused = FocusedRow(data);
    if (last < 0)
        return -1;
    switch (vk) {
    case VK_PRIOR:
    case VK_NEXT:
        return RowForPageKey(hWnd, data, vk, focused);
    case VK_UP:
        return focused < 0 ? 0 : std::max(focused - 1, 0);
    case VK_DOWN:
        return focused < 0 ? 0 : std::min(focused + 1, last);
    case VK_HOME:
        return 0;
    case VK_END:
        return last;
    default:
        return -1;
    }
}

}  // namespace

void SelectListRowAlone(HWND hWnd, int row)
{
    Window* window = FindWindowObject(hWnd);
    if (window == nullptr || !IsWindowOfClass(hWnd, WC_LISTVIEW))
        return;
    ListViewData& data = ClassDataOf<ListViewData>(*window);
    bool isRow = IsRow(data, row);
    // Scrolled first, so that the driver finds the new top row when it hears of the rows.
    EnsureVisible(hWnd, data, row);
    // The others lose their selection first, and the focus if the row takes it.
    UINT cleared = isRow ? LVIS_SELECTED | LVIS_FOCUSED : LVIS_SELECTED;
    for (int index = 0; index < static_cast<int>(data.rows.size()); ++index) {
        if (index != row)
            SetRowState(hWnd, data, index, data.rows[static_cast<size_t>(index)].state & ~cleared);
    }
    if (isRow)
        SetRowState(hWnd, data, row, LVIS_SELECTED | LVIS_FOCUSED);
}

LRESULT ListViewWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Window* window = FindWindowObject(hWnd);
    ListViewData& data = ClassDataOf<ListViewData>(*window);
    int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (msg) {
    case LVM_GETITEMCOUNT:
        return static_cast<LRESULT>(data.rows.size());
    case LVM_INSERTCOLUMN:
        return InsertColumn(hWnd, data, index, reinterpret_cast<const LVCOLUMN*>(lParam));
    case LVM_GETCOLUMN:
        return GetColumn(data, index, reinterpret_cast<LVCOLUMN*>(lParam));
    case LVM_INSERTITEM:
        return InsertItem(hWnd, data, reinterpret_cast<const LVITEM*>(lParam));
    case LVM_SETITEMTEXT:
        return SetItemText(hWnd, data, index, reinterpret_cast<const LVITEM*>(lParam));
    case LVM_GETITEMTEXT:
        return GetItemText(data, index, reinterpret_cast<LVITEM*>(lParam));
    case LVM_GETITEMSTATE:
        return IsRow(data, index) ? static_cast<LRESULT>(data.rows[static_cast<size_t>(index)].state & lParam) : 0;
    case LVM_GETNEXTITEM:
        return NextRowWithState(data, index, static_cast<UINT>(lParam) & (LVNI_FOCUSED | LVNI_SELECTED));
    case LVM_GETCOUNTPERPAGE:
        return CountPerPage(hWnd);
    case LVM_GETTOPINDEX:
        return data.topIndex;
    case LVM_ENSUREVISIBLE:
        EnsureVisible(hWnd, data, index);
        return IsRow(data, index) ? TRUE : FALSE;
    case LVM_SCROLL:
        ScrollBy(hWnd, data, static_cast<int>(lParam));
        return TRUE;
    case WM_GETDLGCODE:
        // The arrows and typing are the list's; Tab, Enter and Esc stay the dialog's.
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
        if (int row = RowForKey(hWnd, data, static_cast<UINT>(wParam)); row >= 0)
            SelectListRowAlone(hWnd, row);
        return 0;
    default:
        return DefWindowProc(hWnd, msg, wParam, lParam);
    }
}
