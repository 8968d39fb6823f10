// What a user does, as a display driver reports it to the window system. Each call
// applies the rules of the control concerned and of the dialog manager (focus, tab
// order, default keys), exactly as input from the keyboard and mouse would; a driver
// then shows whatever changed. The Qt driver and the headless one use the same calls,
// so tests exercise what a user exercises.
#pragma once

#include "windef.h"

// Modifier bits that accompany a key.
#define MK_SHIFT_KEY 0x01
#define MK_CONTROL_KEY 0x02
#define MK_ALT_KEY 0x04

// A key pressed while hWndFocus has the focus (VK_TAB, VK_RETURN, VK_ESCAPE, VK_SPACE,
// VK_F1, VK_F4, VK_BACK, VK_DELETE, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT,
// VK_HOME, VK_END ...).
void UserKey(HWND hWndFocus, UINT vk, UINT modifiers);

// Characters typed into the focused control, one keystroke each (an ES_NUMBER edit
// refuses the non-digits among them and beeps).
void UserTypeText(HWND hWnd, LPCTSTR text);

// Text pasted into an edit at its selection (Ctrl+V): taken whole, ES_NUMBER or not,
// up to the edit's limit.
void UserPasteText(HWND hWnd, LPCTSTR text);

// The user selects characters first to last (exclusive) of an edit's text.
void UserSelectText(HWND hWnd, int first, int last);

// A mouse click on a control: focus moves to it if it can take focus, and a button
// is clicked.
void UserClick(HWND hWnd);

// A mouse click on row nRow of a list view (-1: below its rows): the focus moves to the
// list, and the row alone is selected and focused.
void UserClickListRow(HWND hWnd, int nRow);

// The user picks item nIndex of a combo box's list.
void UserChooseItem(HWND hWnd, int nIndex);

// The user opens (bShow TRUE) or closes a combo box's list with the mouse; opening it
// gives the box the focus, as a click on it does.
void UserDropDown(HWND hWnd, BOOL bShow);

// The close box of a top-level window (or Alt+F4).
void UserClose(HWND hWnd);
