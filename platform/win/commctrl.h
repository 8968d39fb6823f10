// The common controls: the list view in report view (the program's log) and the
// class names under which the common controls are created.
#pragma once

#include "winuser.h"

#define WC_LISTVIEW "SysListView32"

// Class groups for InitCommonControlsEx.
#define ICC_WIN95_CLASSES 0x000000FF

struct INITCOMMONCONTROLSEX {
    DWORD dwSize;
    DWORD dwICC;
};
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce);

// Notification codes common to the common controls; a message map matches them on
// their low 16 bits.
#define NM_FIRST (0U - 0U)
#define NM_THEMECHANGED (NM_FIRST - 22)

// Notification header of WM_NOTIFY.
struct NMHDR {
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
};

// List view styles.
#define LVS_REPORT 0x0001
#define LVS_TYPEMASK 0x0003

// List view messages.
#define LVM_FIRST 0x1000
#define LVM_GETITEMCOUNT (LVM_FIRST + 4)
#define LVM_INSERTITEM (LVM_FIRST + 7)
#define LVM_GETNEXTITEM (LVM_FIRST + 12)
#define LVM_ENSUREVISIBLE (LVM_FIRST + 19)
#define LVM_SCROLL (LVM_FIRST + 20)
#define LVM_GETCOLUMN (LVM_FIRST + 25)
#define LVM_INSERTCOLUMN (LVM_FIRST + 27)
#define LVM_GETTOPINDEX (LVM_FIRST + 39)
#define LVM_GETCOUNTPERPAGE (LVM_FIRST + 40)
#define LVM_GETITEMSTATE (LVM_FIRST + 44)
#define LVM_GETITEMTEXT (LVM_FIRST + 45)
#define LVM_SETITEMTEXT (LVM_FIRST + 46)

// Combo box messages of the common controls: the items the dropped list shows.
#define CBM_FIRST 0x1700
#define CB_GETMINVISIBLE (CBM_FIRST + 2)

// Column formats and mask bits.
#define LVCFMT_LEFT 0x0000
#define LVCFMT_RIGHT 0x0001
#define LVCFMT_CENTER 0x0002
#define LVCF_FMT 0x0001
#define LVCF_WIDTH 0x0002
#define LVCF_TEXT 0x0004
#define LVCF_SUBITEM 0x0008

struct LVCOLUMN {
    UINT mask;
    int fmt;
    int cx;
    LPTSTR pszText;
    int cchTextMax;
    int iSubItem;
};

// Item mask bits.
#define LVIF_TEXT 0x0001

// Item states: the row that has the focus (one at most) and the selected rows.
#define LVIS_FOCUSED 0x0001
#define LVIS_SELECTED 0x0002

// What LVM_GETNEXTITEM looks for after its start row: a row with these states.
#define LVNI_ALL 0x0000
#define LVNI_FOCUSED 0x0001
#define LVNI_SELECTED 0x0002

struct LVITEM {
    UINT mask;
    int iItem;
    int iSubItem;
    UINT state;
    UINT stateMask;
    LPTSTR pszText;
    int cchTextMax;
};
