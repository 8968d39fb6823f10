// The common file chooser: an open or save dialog over an owner window, offering file
// types from a filter list, served by the display driver.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "windef.h"

#define OFN_OVERWRITEPROMPT 0x00000002
#define OFN_HIDEREADONLY 0x00000004
#define OFN_NOTESTFILECREATE 0x00010000
#define OFN_EXPLORER 0x00080000
#define OFN_NODEREFERENCELINKS 0x00100000
#define OFN_ENABLESIZING 0x00800000

struct OPENFILENAME {
    DWORD lStructSize;
    HWND hwndOwner;
    LPCTSTR lpstrFilter;  // description\0pattern\0 ... \0\0
    DWORD nFilterIndex;   // 1-based; 0 takes the first
    LPTSTR lpstrFile;     // in: the initial name; out: the chosen path
    DWORD nMaxFile;
    DWORD Flags;
    LPCTSTR lpstrDefExt;
};

// TRUE when the user chose a file, whose full path is then in lpstrFile.
BOOL GetOpenFileName(OPENFILENAME* lpofn);
BOOL GetSaveFileName(OPENFILENAME* lpofn);

// For the drivers: the (description, pattern) pairs of a filter list; the extension
// that a default extension names ("*.svo" and ".svo" both name "svo"); and a typed
// name with that extension added when the name has none.
std::vector<std::pair<std::string, std::string>> FileFilterPairs(LPCTSTR lpstrFilter);
std::string DefaultExtensionOf(LPCTSTR lpstrDefExt);
std::string WithDefaultExtension(const std::string& path, LPCTSTR lpstrDefExt);

// For the drivers: a chooser's title, "Open" or "Save As"; and what it says, naming
// the path (by its start and end, when it is long), when a chosen path does not fit
// the caller's buffer (nMaxFile), before it lets the user choose another or cancel.
LPCTSTR ChooserTitle(BOOL bSave);
std::string PathTooLongText(const std::string& path);
