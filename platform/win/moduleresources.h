// The program's resources: data addressed by type and number, as a program module
// carries them. Resources are registered when the program starts (see
// RESOURCE_REGISTRATION below and cmake/EmbedResource.cmake for files built in) and
// found with the platform's FindResource / LoadResource / LockResource.
#pragma once

#include "windef.h"

DECLARE_HANDLE(HRSRC);
typedef HANDLE HGLOBAL;

// Resource types.
#define RT_CURSOR MAKEINTRESOURCE(1)
#define RT_BITMAP MAKEINTRESOURCE(2)
#define RT_ICON MAKEINTRESOURCE(3)
#define RT_DIALOG MAKEINTRESOURCE(5)
#define RT_STRING MAKEINTRESOURCE(6)
#define RT_GROUP_ICON MAKEINTRESOURCE(14)
#define RT_TOOLBAR MAKEINTRESOURCE(241)
#define RT_DLGINIT MAKEINTRESOURCE(240)

// The module whose resources the program uses; there is one.
HINSTANCE GetModuleHandle(LPCTSTR lpModuleName);

// Only integer names and types (MAKEINTRESOURCE) are supported; a name's low 16 bits count.
HRSRC FindResource(HMODULE hModule, LPCTSTR lpName, LPCTSTR lpType);
HGLOBAL LoadResource(HMODULE hModule, HRSRC hResInfo);
LPVOID LockResource(HGLOBAL hResData);
DWORD SizeofResource(HMODULE hModule, HRSRC hResInfo);

// Adds a resource; the data must outlive the program (static storage).
void RegisterResource(WORD type, WORD id, const void* data, DWORD size);

// Registers a resource during static initialisation of the translation unit.
struct ResourceRegistration {
    ResourceRegistration(WORD type, WORD id, const void* data, DWORD size) { RegisterResource(type, id, data, size); }
};
