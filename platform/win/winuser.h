// The window system's programming interface: windows and their handles, window
// classes, synchronous messages, and the messages and styles of the standard controls.
#pragma once

#include "windef.h"

typedef LRESULT (*WNDPROC)(HWND, UINT, WPARAM, LPARAM);

// Window messages.
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_ICONERASEBKGND 0x0027
#define WM_QUERYDRAGICON 0x0037
#define WM_NOTIFY 0x004E
#define WM_GETICON 0x007F
#define WM_SETICON 0x0080
#define WM_NCDESTROY 0x0082
#define WM_GETDLGCODE 0x0087
#define WM_KEYDOWN 0x0100
#define WM_CHAR 0x0102
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_SYSCOMMAND 0x0112
#define WM_VSCROLL 0x0115
#define WM_CHANGEUISTATE 0x0127
#define WM_UPDATEUISTATE 0x0128
#define WM_QUERYUISTATE 0x0129
#define WM_USER 0x0400

// System commands (WM_SYSCOMMAND).
#define SC_CLOSE 0xF060

// Dialog box command IDs and message box flags and results.
#define IDOK 1
#define IDCANCEL 2
#define MB_OK 0x00000000L
#define MB_ICONEXCLAMATION 0x00000030L

// Virtual keys.
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_DELETE 0x2E
#define VK_F1 0x70
#define VK_F4 0x73

// Window styles.
#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_VSCROLL 0x00200000L
#define WS_SYSMENU 0x00080000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define WS_EX_APPWINDOW 0x00040000L

// Dialog styles.
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L

// Edit controls.
#define ES_LEFT 0x0000L
#define ES_AUTOHSCROLL 0x0080L
#define ES_NUMBER 0x2000L
#define EM_GETSEL 0x00B0
#define EM_SETSEL 0x00B1
#define EM_REPLACESEL 0x00C2
#define EM_LIMITTEXT 0x00C5
#define EN_CHANGE 0x0300

// Combo boxes.
#define CBS_DROPDOWN 0x0002L
#define CBS_DROPDOWNLIST 0x0003L
#define CBS_SORT 0x0100L
#define CB_ERR (-1)
#define CB_GETCOUNT 0x0146
#define CB_GETCURSEL 0x0147
#define CB_GETLBTEXT 0x0148
#define CB_GETLBTEXTLEN 0x0149
#define CB_ADDSTRING 0x0143
#define CB_DELETESTRING 0x0144
#define CB_SETCURSEL 0x014E
#define CB_SHOWDROPDOWN 0x014F
#define CB_GETDROPPEDSTATE 0x0157
#define CBN_SELCHANGE 1
#define CBN_DROPDOWN 7
#define CBN_CLOSEUP 8

// What a control answers to WM_GETDLGCODE (wParam: the key, lParam: the key's MSG or 0):
// the input it takes for itself and the kind of control it is to the dialog manager.
#define DLGC_WANTARROWS 0x0001
#define DLGC_WANTMESSAGE 0x0004
#define DLGC_HASSETSEL 0x0008
#define DLGC_DEFPUSHBUTTON 0x0010
#define DLGC_UNDEFPUSHBUTTON 0x0020
#define DLGC_WANTCHARS 0x0080
#define DLGC_STATIC 0x0100
#define DLGC_BUTTON 0x2000

// Static controls and scroll bars.
#define SS_LEFT 0x00000000L
#define SBS_VERT 0x0001L

// UI state (WM_CHANGEUISTATE, WM_UPDATEUISTATE): the action in the low word of
// wParam, the elements in the high word; WM_QUERYUISTATE answers the elements hidden.
#define UIS_CLEAR 2
#define UISF_HIDEFOCUS 0x1

// ShowWindow commands and system metrics.
#define SW_HIDE 0
#define SW_SHOW 5
#define SW_MINIMIZE 6
#define SW_RESTORE 9
#define SM_CXICON 11
#define SM_CYICON 12
#define ICON_SMALL 0
#define ICON_BIG 1

// GetWindowLong / SetWindowLongPtr indexes.
#define GWL_STYLE (-16)
#define GWL_EXSTYLE (-20)
#define GWL_ID (-12)
#define GWLP_WNDPROC (-4)
#define GWLP_USERDATA (-21)
// A dialog procedure leaves a message's answer here (most messages).
#define DWLP_MSGRESULT 0

// Buttons.
#define BS_PUSHBUTTON 0x00000000L
#define BS_DEFPUSHBUTTON 0x00000001L
#define BS_CHECKBOX 0x00000002L
#define BS_AUTOCHECKBOX 0x00000003L
#define BS_GROUPBOX 0x00000007L
#define BS_TYPEMASK 0x0000000FL
#define BM_GETCHECK 0x00F0
#define BM_SETCHECK 0x00F1
#define BM_CLICK 0x00F5
#define BST_UNCHECKED 0x0000
#define BST_CHECKED 0x0001
#define BN_CLICKED 0

// A message as the input queue holds it.
struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};
typedef MSG* LPMSG;

struct WNDCLASS {
    UINT style;
    WNDPROC lpfnWndProc;
    LPCTSTR lpszClassName;
};

typedef INT_PTR (*DLGPROC)(HWND, UINT, WPARAM, LPARAM);

// Registers a window class by name; built-in control classes need no registration.
BOOL RegisterClass(const WNDCLASS* lpWndClass);

HWND CreateWindowEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                    HINSTANCE hInstance, LPVOID lpParam);
BOOL DestroyWindow(HWND hWnd);
BOOL IsWindow(HWND hWnd);

// Messages are delivered at once to the window's procedure; the result comes back.
LRESULT SendMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProc(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

HWND GetParent(HWND hWnd);
HWND GetDlgItem(HWND hDlg, int nIDDlgItem);
int GetDlgCtrlID(HWND hWnd);
// The children of a window in creation order (our stand-in for walking with GetWindow).
HWND GetWindowChild(HWND hWnd, int nIndex);
int GetWindowChildCount(HWND hWnd);

LONG GetWindowLong(HWND hWnd, int nIndex);
LONG SetWindowLong(HWND hWnd, int nIndex, LONG dwNewLong);
LONG_PTR GetWindowLongPtr(HWND hWnd, int nIndex);
LONG_PTR SetWindowLongPtr(HWND hWnd, int nIndex, LONG_PTR dwNewLong);

// The window's class name, copied into lpClassName; returns its length.
int GetClassName(HWND hWnd, LPTSTR lpClassName, int nMaxCount);
BOOL GetWindowRect(HWND hWnd, LPRECT lpRect);

BOOL SetWindowText(HWND hWnd, LPCTSTR lpString);
int GetWindowText(HWND hWnd, LPTSTR lpString, int nMaxCount);
int GetWindowTextLength(HWND hWnd);

// Dialogs. A template (dlgtemplate.h) becomes a dialog window of class "#32770" with
// one child per item; item rectangles are in dialog units of the template's font.
struct DLGTEMPLATE_QV;
HWND CreateDialogIndirectParam(HINSTANCE hInstance, const DLGTEMPLATE_QV* lpTemplate, HWND hWndParent,
                               DLGPROC lpDialogFunc, LPARAM dwInitParam);
BOOL EndDialog(HWND hDlg, INT_PTR nResult);
// The result given to EndDialog, and whether EndDialog has been called; a handle that
// names no dialog (any more) counts as ended, so that no modal loop waits on it.
INT_PTR GetDialogResult(HWND hDlg);
BOOL IsDialogEnded(HWND hDlg);
BOOL MapDialogRect(HWND hDlg, LPRECT lpRect);
LRESULT DefDlgProc(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT SendDlgItemMessage(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam);

// Keyboard focus.
HWND SetFocus(HWND hWnd);
HWND GetFocus();

BOOL ShowWindow(HWND hWnd, int nCmdShow);
BOOL IsWindowVisible(HWND hWnd);
BOOL IsIconic(HWND hWnd);
BOOL GetClientRect(HWND hWnd, LPRECT lpRect);
int GetSystemMetrics(int nIndex);

int MessageBox(HWND hWnd, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType);
BOOL MessageBeep(UINT uType);

// Painting. BeginPaint gives a device context for the window's client area until
// EndPaint; what is drawn in it goes to the display driver.
struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
};
HDC BeginPaint(HWND hWnd, PAINTSTRUCT* lpPaint);
BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint);
BOOL DrawIcon(HDC hDC, int X, int Y, HICON hIcon);

// Icons. An icon group resource (RT_GROUP_ICON) holds a whole .ico file; LoadIcon takes
// from it the image nearest the system's icon size (SM_CXICON x SM_CYICON), of the
// deepest colour among those. Icons loaded from resources are shared and never destroyed.
HICON LoadIcon(HINSTANCE hInstance, LPCTSTR lpIconName);

// An icon's pixels, for a display driver: 0xAARRGGBB, rows from the top.
struct ICONIMAGE_QV {
    int cx;
    int cy;
    const DWORD* pixels;
};
BOOL GetIconImage(HICON hIcon, ICONIMAGE_QV* lpImage);
