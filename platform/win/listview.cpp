// The list view class (SysListView32) in report view: columns and rows of texts.
#include <algorithm>
#include <cstring>
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

struct ListViewData : WindowClassData {
    std::vector<Column> columns;
    // Texts by subitem. A deque, because a log puts each new row at the top: inserting
    // there must not move every row below it.
    std::deque<std::vector<std::string>> rows;
};

int CopyOut(const std::string& text, LPTSTR buffer, int bufferSize)
{
    if (buffer == nullptr || bufferSize <= 0)
        return 0;
    int copied = std::min<int>(static_cast<int>(text.size()), bufferSize - 1);
    std::memcpy(buffer, text.data(), static_cast<size_t>(copied));
    buffer[copied] = '\0';
    return copied;
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
        CopyOut(found.text, column->pszText, column->cchTextMax);
    return TRUE;
}

// An index past the last row appends; the result is where the row went.
LRESULT InsertItem(HWND hWnd, ListViewData& data, const LVITEM* item)
{
    if (item == nullptr || item->iItem < 0 || item->iSubItem != 0)
        return -1;
    int index = std::min<int>(item->iItem, static_cast<int>(data.rows.size()));
    std::vector<std::string> row(1);
    if (item->mask & LVIF_TEXT)
        row[0] = TextOf(item->pszText);
    data.rows.insert(data.rows.begin() + index, std::move(row));
    NotifyDriver(hWnd, WindowChange::Rows);
    return index;
}

LRESULT SetItemText(HWND hWnd, ListViewData& data, int index, const LVITEM* item)
{
    if (item == nullptr || index < 0 || index >= static_cast<int>(data.rows.size()) || item->iSubItem < 0)
        return FALSE;
    std::vector<std::string>& row = data.rows[static_cast<size_t>(index)];
    if (static_cast<size_t>(item->iSubItem) >= row.size())
        row.resize(static_cast<size_t>(item->iSubItem) + 1);
    row[static_cast<size_t>(item->iSubItem)] = TextOf(item->pszText);
    NotifyDriver(hWnd, WindowChange::Rows);
    return TRUE;
}

LRESULT GetItemText(const ListViewData& data, int index, LVITEM* item)
{
    if (item == nullptr || index < 0 || index >= static_cast<int>(data.rows.size()) || item->iSubItem < 0)
        return 0;
    const std::vector<std::string>& row = data.rows[static_cast<size_t>(index)];
    std::string text = static_cast<size_t>(item->iSubItem) < row.size() ? row[static_cast<size_t>(item->iSubItem)] : "";
    return CopyOut(text, item->pszText, item->cchTextMax);
}

}  // namespace

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
    default:
        return DefWindowProc(hWnd, msg, wParam, lParam);
    }
}
