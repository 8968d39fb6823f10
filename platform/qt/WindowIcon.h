// A window's icons (WM_GETICON, big and small) as a Qt icon, from their pixels.
#pragma once

#include <QIcon>

#include "windef.h"

// The window's big and small icons together; a null icon when it has neither.
QIcon WindowIconOf(HWND hWnd);
