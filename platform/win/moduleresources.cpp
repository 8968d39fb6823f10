#include "moduleresources.h"

#include <map>
#include <utility>

namespace {

struct Resource {
    const void* data;
    DWORD size;
};

std::map<std::pair<WORD, WORD>, Resource>& Resources()
{
    static std::map<std::pair<WORD, WORD>, Resource> resources;
    return resources;
}

HINSTANCE ProgramModule()
{
    return reinterpret_cast<HINSTANCE>(static_cast<UINT_PTR>(0x400000));
}

}  // namespace

HINSTANCE GetModuleHandle(LPCTSTR)
{
    return ProgramModule();
}

void RegisterResource(WORD type, WORD id, const void* data, DWORD size)
{
    Resources()[{type, id}] = Resource{data, size};
}

HRSRC FindResource(HMODULE hModule, LPCTSTR lpName, LPCTSTR lpType)
{
    if (hModule != nullptr && hModule != ProgramModule())
        return nullptr;
    if (!IS_INTRESOURCE(lpType))
        return nullptr;
    WORD id = LOWORD(reinterpret_cast<UINT_PTR>(lpName));
    auto it = Resources().find({LOWORD(reinterpret_cast<UINT_PTR>(lpType)), id});
    if (it == Resources().end())
        return nullptr;
    return reinterpret_cast<HRSRC>(const_cast<Resource*>(&it->second));
}

HGLOBAL LoadResource(HMODULE, HRSRC hResInfo)
{
    return hResInfo != nullptr ? const_cast<void*>(reinterpret_cast<Resource*>(hResInfo)->data) : nullptr;
}

LPVOID LockResource(HGLOBAL hResData)
{
    return hResData;
}

DWORD SizeofResource(HMODULE, HRSRC hResInfo)
{
    return hResInfo != nullptr ? reinterpret_cast<Resource*>(hResInfo)->size : 0;
}
