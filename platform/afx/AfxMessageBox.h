// The class library's message box: owned by the main window and captioned with the
// application's name.
#pragma once

#include "winuser.h"

int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The text is the string nIDPrompt of the program's string table; shows nothing and
// returns 0 when the table has no such string.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));
