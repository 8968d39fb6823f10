// Which label names a control on screen, so that a display driver can give an edit or
// a combo box the name that a user reads beside it. It is the label on the control's
// line to its left, wherever the template lists it.
#pragma once

#include "windef.h"

// The STATIC sibling that names an edit or a combo box: its rectangle overlaps the
// control's line (a combo box's closed box, not its dropped-down list), it begins left
// of the control, and of several the one that ends furthest right wins. nullptr for a
// control without such a label and for any other kind of window.
HWND GetControlLabel(HWND hWndCtl);
