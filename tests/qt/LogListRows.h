// Columns and rows put into a list view window as the program's log puts them.
#pragma once

#include "commctrl.h"

inline void InsertColumn(HWND list, int index, const char* title, int width)
{
    LVCOLUMN column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = const_cast<char*>(title);
    SendMessage(list, LVM_INSERTCOLUMN, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

// A row on top: its time, then its message.
inline void InsertRow(HWND list, const char* time, const char* message)
{
    LVITEM item{};
    item.mask = LVIF_TEXT;
    item.pszText = const_cast<char*>(time);
    int row = static_cast<int>(SendMessage(list, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item)));
    item.iSubItem = 1;
    item.pszText = const_cast<char*>(message);
    SendMessage(list, LVM_SETITEMTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

inline UINT RowState(HWND list, int row)
{
    return static_cast<UINT>(SendMessage(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED | LVIS_FOCUSED));
}
