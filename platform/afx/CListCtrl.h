// A list view control, used here in report view: columns, and rows of texts.
#pragma once

#include "CWnd.h"
#include "commctrl.h"

class CListCtrl : public CWnd {
public:
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    // Inserts a row whose item text is lpszItem; returns its index, or -1.
    int InsertItem(int nItem, LPCTSTR lpszItem);
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    CString GetItemText(int nItem, int nSubItem) const;
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
};
