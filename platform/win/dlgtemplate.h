// A dialog template as the program's resources hold it: the dialog's own style, size,
// caption and font, then its controls in tab order. Registered as an RT_DIALOG
// resource whose data is a DLGTEMPLATE_QV.
#pragma once

#include "windef.h"

struct DLGITEMTEMPLATE_QV {
    DWORD style;
    DWORD exStyle;
    short x;
    short y;
    short cx;
    short cy;
    int id;
    LPCTSTR className;  // "BUTTON", "EDIT", "COMBOBOX", "STATIC", "SCROLLBAR", "SysListView32"
    LPCTSTR text;
};

struct DLGTEMPLATE_QV {
    DWORD style;
    DWORD exStyle;
    short x;
    short y;
    short cx;
    short cy;
    LPCTSTR caption;
    LPCTSTR faceName;
    WORD pointSize;
    WORD weight;
    BYTE italic;
    BYTE charSet;
    const DLGITEMTEMPLATE_QV* items;
    int itemCount;
};
