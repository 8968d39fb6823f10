// Icons: images loaded from icon group resources, named by handles that are never reused.
#include <map>
#include <memory>
#include <tuple>

#include "icofile.h"
#include "moduleresources.h"
#include "winuser.h"

namespace {

struct IconTable {
    std::map<UINT_PTR, std::unique_ptr<IconImage>> icons;
    // Resource icons are shared: one handle for each group and size.
    std::map<std::tuple<const void*, int, int>, HICON> shared;
    UINT_PTR nextHandle = 0x20000000;
};

IconTable& Icons()
{
    static IconTable table;
    return table;
}

HICON AddIcon(std::unique_ptr<IconImage> image)
{
    HICON hIcon = reinterpret_cast<HICON>(Icons().nextHandle);
    Icons().nextHandle += 4;
    Icons().icons.emplace(reinterpret_cast<UINT_PTR>(hIcon), std::move(image));
    return hIcon;
}

HICON LoadSharedIcon(HINSTANCE hInstance, LPCTSTR lpIconName, int cx, int cy)
{
    HRSRC found = FindResource(hInstance, lpIconName, RT_GROUP_ICON);
    if (found == nullptr)
        return nullptr;
    const void* data = LockResource(LoadResource(hInstance, found));
    auto key = std::make_tuple(data, cx, cy);
    auto shared = Icons().shared.find(key);
    if (shared != Icons().shared.end())
        return shared->second;
    auto image = std::make_unique<IconImage>();
    if (!ReadIconFromIcoFile(static_cast<const BYTE*>(data), SizeofResource(hInstance, found), cx, cy, *image))
        return nullptr;
    HICON hIcon = AddIcon(std::move(image));
    Icons().shared.emplace(key, hIcon);
    return hIcon;
}

}  // namespace

HICON LoadIcon(HINSTANCE hInstance, LPCTSTR lpIconName)
{
    return LoadSharedIcon(hInstance, lpIconName, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
}

BOOL GetIconImage(HICON hIcon, ICONIMAGE_QV* lpImage)
{
    auto found = Icons().icons.find(reinterpret_cast<UINT_PTR>(hIcon));
    if (found == Icons().icons.end() || lpImage == nullptr)
        return FALSE;
    const IconImage& image = *found->second;
    *lpImage = ICONIMAGE_QV{image.cx, image.cy, image.pixels.data()};
    return TRUE;
}
