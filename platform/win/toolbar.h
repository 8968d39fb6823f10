// The toolbar control: a row of buttons drawn from image lists, one list for the
// normal state, one for the button under the mouse pointer and one for disabled
// buttons. The toolbar owns the lists it is given and destroys them when another list
// takes their place or the window goes.
#pragma once

#include "imagelist.h"
#include "winuser.h"

#define TOOLBARCLASSNAME "ToolbarWindow32"

// Each takes the list in lParam (wParam 0) and returns the list it replaces.
#define TB_SETIMAGELIST (WM_USER + 48)
#define TB_SETHOTIMAGELIST (WM_USER + 52)
#define TB_SETDISABLEDIMAGELIST (WM_USER + 54)

// The toolbar class's window procedure.
LRESULT ToolbarWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
