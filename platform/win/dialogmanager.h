// Inside the window system: what the dialog manager shares between its sources, the
// tab order and the keys that a dialog handles for its controls.
#pragma once

#include "winuser.h"

// The dialog a window belongs to: the window itself or the nearest dialog above it.
HWND DialogOf(HWND hWnd);

// The visible, enabled WS_TABSTOP control after (or before) hFrom in template order,
// wrapping; from a window that is no control of the dialog, the first (or last) one.
HWND NextTabStop(HWND hDlg, HWND hFrom, bool previous);

// Gives a control the focus as the dialog manager does: an edit gets its whole text selected.
void SetDialogFocus(HWND hCtl);

// Tab, Enter, Esc, F1 and Space, as a dialog handles them for its focused control;
// false for a key the control itself is to have.
bool HandleDialogKey(HWND hDlg, HWND hFocus, UINT vk, UINT modifiers);

// What a control takes for itself and what kind it is to the dialog manager (WM_GETDLGCODE).
LRESULT DialogCodeOf(HWND hCtl);
bool IsPushButton(HWND hWnd);
// Push buttons and check boxes, which Space and a click click; not group boxes.
bool IsButton(HWND hWnd);
