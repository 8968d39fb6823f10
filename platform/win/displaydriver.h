// A display driver shows the window system's windows to a user and serves what needs
// one: the local time, the font metrics of dialog units, the modal loop, message boxes
// and the beep. The window system tells the driver of every visible change; the driver
// reads the new state back through the ordinary messages and functions, so it keeps no
// state of its own about a window. What the user does comes back through input.h.
#pragma once

#include "windef.h"

enum class WindowChange {
    Created,        // the window exists, with its class, style, text and rectangle
    Destroyed,      // the handle is about to go
    Text,           // the window's text changed
    Check,          // a button's check state changed
    Columns,        // a list view's columns changed
    Selection,      // a combo box's selected item changed
    TextSelection,  // an edit's selection or caret moved
    Focus,          // this window took the keyboard focus
    Icon,           // a top-level window's icon changed (WM_SETICON)
    DialogEnded,    // EndDialog was called: the dialog's modal loop is to return
    Visibility,     // the window was shown, hidden, minimised or restored (ShowWindow)
    UIState,        // the window's UI state changed: focus cues shown or hidden (WM_UPDATEUISTATE)
    DroppedState,   // a combo box's list dropped down or closed (CB_GETDROPPEDSTATE)
};

// What became of one row of a list view, or one item of a combo box's list.
enum class ListRowChange {
    Inserted,  // a new row stands at the index; the rows from there on moved down by one
    Text,      // one of the row's texts changed
    State,     // the row's state changed (LVIS_SELECTED, LVIS_FOCUSED)
    Deleted,   // the row at the index is gone; the rows after it moved up by one
};

// How a driver lays out a report list, in pixels: the frame on each side, the header
// above the rows and one row's height. The list view counts its page from these.
struct ListViewMetrics {
    int frame;
    int headerHeight;
    int rowHeight;
};

// How a driver draws a combo box's dropped list, in pixels: the closed box above the
// list, the list's frame at its top and at its bottom, and one item's row. The combo
// box counts the items its list shows from these, and the driver shows that many.
struct DroppedListMetrics {
    int closedHeight;
    int frame;
    int rowHeight;
};

class DisplayDriver {
public:
    virtual ~DisplayDriver() = default;

    virtual void WindowChanged(HWND hWnd, WindowChange change);

    // One row of a list view, or one item of a combo box, changed, named by its index
    // as it now stands: a change costs the same at any length of the list.
    virtual void ListRowChanged(HWND hWnd, ListRowChange change, int row);

    // The local time; by default the system clock.
    virtual SYSTEMTIME LocalTime();

    // The average character width and the height, in pixels, of a font given by face,
    // point size and weight: the base units from which dialog units become pixels.
    virtual SIZE FontBaseUnits(LPCTSTR faceName, int pointSize, int weight);

    // The layout of a report list; by default a row is a line of the dialog's font and
    // a little air, the header a little more.
    virtual ListViewMetrics ReportListMetrics(HWND hWnd);

    // The layout of a combo box's dropped list; by default an item is a line of the
    // dialog's font below a closed box a few pixels taller.
    virtual DroppedListMetrics ComboListMetrics(HWND hWnd);

    // Shows the dialog and hands it the user's input until DialogEnded is reported.
    virtual void RunModalLoop(HWND hDlg);

    // A modal message box over hWndOwner; returns the button pressed (IDOK ...).
    virtual int MessageBox(HWND hWndOwner, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType);

    virtual void MessageBeep(UINT uType);

    // A modal file chooser over the owner; TRUE with the full path in lpofn->lpstrFile
    // when the user chose a file.
    virtual BOOL ChooseFile(struct OPENFILENAME* lpofn, BOOL bSave);

    // An icon drawn at (x, y) of a window's client area while it paints (DrawIcon).
    virtual void DrawIcon(HWND hWnd, int x, int y, HICON hIcon);
};

// Installs the driver that the window system talks to; nullptr restores the built-in
// one, which shows nothing and reads the system clock.
void SetDisplayDriver(DisplayDriver* driver);
DisplayDriver& GetDisplayDriver();
