// The class library, as the program includes it.
#pragma once

#include "CButton.h"
#include "CDialog.h"
#include "CListCtrl.h"
#include "CString.h"
#include "CWnd.h"
#include "commctrl.h"
#include "winbase.h"
#include "winuser.h"
