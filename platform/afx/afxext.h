// The class library's extension classes, as the program includes them: control bars
// and toolbars, and the bitmaps and image lists that a toolbar is drawn with.
#pragma once

#include "CBitmap.h"
#include "CControlBar.h"
#include "CImageList.h"
#include "CToolBar.h"
#include "ResourceHandle.h"
#include "afxwin.h"
