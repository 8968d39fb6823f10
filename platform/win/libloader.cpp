#include "libloader.h"

#include <algorithm>
#include <list>
#include <map>
#include <string>

#include "asciicase.h"

namespace {

struct LoadedLibrary {
    std::string name;
    EXPORT_TABLE exports;
    int references;
};

std::map<std::string, EXPORT_TABLE>& RegisteredLibraries()
{
    static std::map<std::string, EXPORT_TABLE> libraries;
    return libraries;
}

// A list, so that a module handle (the address of its entry) stays valid.
std::list<LoadedLibrary>& LoadedLibraries()
{
    static std::list<LoadedLibrary> loaded;
    return loaded;
}

std::string FoldedName(LPCTSTR name)
{
    std::string folded(name != nullptr ? name : "");
    std::transform(folded.begin(), folded.end(), folded.begin(), AsciiLower);
    return folded;
}

LoadedLibrary* FindLoaded(HMODULE hModule)
{
    for (LoadedLibrary& library : LoadedLibraries())
        if (reinterpret_cast<HMODULE>(&library) == hModule)
            return &library;
    return nullptr;
}

}  // namespace

EXPORT_TABLE RegisterLibrary(LPCTSTR lpLibFileName, EXPORT_TABLE exports)
{
    std::string name = FoldedName(lpLibFileName);
    EXPORT_TABLE replaced{nullptr, 0};
    auto it = RegisteredLibraries().find(name);
    if (it != RegisteredLibraries().end()) {
        replaced = it->second;
        RegisteredLibraries().erase(it);
    }
    if (exports.entries != nullptr && exports.count > 0)
        RegisteredLibraries()[name] = exports;
    return replaced;
}

HMODULE LoadLibrary(LPCTSTR lpLibFileName)
{
    std::string name = FoldedName(lpLibFileName);
    auto registered = RegisteredLibraries().find(name);
    if (registered == RegisteredLibraries().end())
        return nullptr;

    for (LoadedLibrary& library : LoadedLibraries()) {
        if (library.name == name && library.exports.entries == registered->second.entries) {
            ++library.references;
            return reinterpret_cast<HMODULE>(&library);
        }
    }
    LoadedLibraries().push_back(LoadedLibrary{name, registered->second, 1});
    return reinterpret_cast<HMODULE>(&LoadedLibraries().back());
}

FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName)
{
    LoadedLibrary* library = FindLoaded(hModule);
    if (library == nullptr || !IS_INTRESOURCE(lpProcName))
        return nullptr;
    WORD ordinal = LOWORD(reinterpret_cast<UINT_PTR>(lpProcName));
    for (int i = 0; i < library->exports.count; ++i)
        if (library->exports.entries[i].ordinal == ordinal)
            return library->exports.entries[i].proc;
    return nullptr;
}

BOOL FreeLibrary(HMODULE hLibModule)
{
    LoadedLibrary* library = FindLoaded(hLibModule);
    if (library == nullptr)
        return FALSE;
    if (--library->references == 0)
        LoadedLibraries().remove_if([library](const LoadedLibrary& l) { return &l == library; });
    return TRUE;
}
