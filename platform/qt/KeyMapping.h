// Qt's keys as the window system's virtual keys and modifier bits.
#pragma once

#include <Qt>

#include "windef.h"

// The virtual key of a key the dialogs react to (VK_TAB ... VK_F4), or 0 for others.
// Shift+Tab arrives from Qt as Backtab and leaves as VK_TAB with MK_SHIFT_KEY.
UINT VirtualKeyOf(int qtKey);

// MK_SHIFT_KEY, MK_CONTROL_KEY and MK_ALT_KEY of Qt's modifiers; Backtab adds Shift.
UINT ModifierBitsOf(Qt::KeyboardModifiers modifiers, int qtKey);
