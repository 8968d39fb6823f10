#include "CToolBar.h"

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)
