// Data exchange routines: each binds one control of a dialog to one member, in the
// direction that the CDataExchange gives. A refused field shows its message, puts the
// focus on the control and stops the exchange.
#pragma once

#include "CDataExchange.h"
#include "CWnd.h"

// An edit's text as a number: int ("%d"), BYTE ("%u", 0 to 255) or float ("%.*g", 6).
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value);
void DDX_Text(CDataExchange* pDX, int nIDC, float& value);

// A combo box's selected index; -1 when nothing is selected.
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);

// Attaches rControl to the control at the first exchange; later ones do nothing.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// Sets a window's text only when it differs, so that an unchanged field is left alone.
void AfxSetWindowText(HWND hWndCtrl, LPCTSTR lpszNew);
