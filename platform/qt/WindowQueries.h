// Reads what a window shows through the window system's own messages, so the widgets
// mirror the window system and keep nothing of their own.
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "windef.h"

struct ListColumnState {
    QString title;
    int width;
    int format;  // LVCFMT_LEFT ...
};

std::string ClassNameOf(HWND hWnd);
// Whether the window's class is the one named, without regard to case as the window
// system compares them.
bool IsOfClass(HWND hWnd, const char* className);
DWORD StyleOf(HWND hWnd);

// A combo box's kind: the low two style bits (CBS_DROPDOWN, CBS_DROPDOWNLIST).
DWORD ComboKindOf(DWORD style);

// The window's text as bytes (WM_GETTEXT) and as shown.
std::string TextBytesOf(HWND hWnd);
QString TextOf(HWND hWnd);

bool IsChecked(HWND hWnd);

// An edit's selection in bytes, first and last (exclusive), from EM_GETSEL.
void TextSelectionOf(HWND hWnd, int& first, int& last);

// A combo box's items in order, and the index of the selected one (-1 for none).
QStringList ComboItemsOf(HWND hWnd);
QString ComboItemOf(HWND hWnd, int index);
int ComboSelectionOf(HWND hWnd);
// How many items a combo box's dropped list shows (CB_GETMINVISIBLE).
int ComboItemsShownOf(HWND hWnd);

// A list view's columns, its number of rows, the text of one cell and the state bits
// of one row (LVIS_SELECTED, LVIS_FOCUSED).
std::vector<ListColumnState> ListColumnsOf(HWND hWnd);
int ListRowCountOf(HWND hWnd);
QString ListCellOf(HWND hWnd, int row, int column);
UINT ListRowStateOf(HWND hWnd, int row);
