// Program modules loaded by name: a library is a named table of exported operations,
// looked up by ordinal as the platform's loader does (LoadLibrary, GetProcAddress with
// MAKEINTRESOURCE, FreeLibrary). Libraries register their table when the process starts.
#pragma once

#include "windef.h"

// An entry point of any signature; the caller casts it back to the operation's own.
typedef void (*FARPROC)();

// One exported operation: its ordinal and its entry point, cast to FARPROC.
struct EXPORT_ENTRY {
    WORD ordinal;
    FARPROC proc;
};

// A library's export table.
struct EXPORT_TABLE {
    const EXPORT_ENTRY* entries;
    int count;
};

// Loads a library by file name (case is ignored); nullptr when none is registered under it.
HMODULE LoadLibrary(LPCTSTR lpLibFileName);
// Only ordinals (MAKEINTRESOURCE) are exported; nullptr for an ordinal the library lacks.
FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
// Drops one reference taken by LoadLibrary.
BOOL FreeLibrary(HMODULE hLibModule);

// Puts an export table under a file name, replacing the one there (a table with no
// entries removes the library); the entries must outlive their registration. Returns
// the table it replaced, or an empty one, so that a caller can put it back. Modules
// loaded before keep the table they were loaded with.
EXPORT_TABLE RegisterLibrary(LPCTSTR lpLibFileName, EXPORT_TABLE exports);

// Registers a library while the process starts. Any order of start-up will do: the
// registry is made on its first use, and programs bind their imports when they first
// call one, after every static is constructed.
struct LibraryRegistration {
    LibraryRegistration(LPCTSTR lpLibFileName, EXPORT_TABLE exports) { RegisterLibrary(lpLibFileName, exports); }
};
