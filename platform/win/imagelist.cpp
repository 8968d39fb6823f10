// Image lists: the table of lists and their two bitmaps.
#include "imagelist.h"

#include <algorithm>
#include <map>
#include <memory>

#include "bitmapobject.h"

namespace {

struct ImageList {
    int cx = 0;
    int cy = 0;
    int grow = 0;
    int count = 0;
    int capacity = 0;
    HBITMAP hbmImage = nullptr;
    HBITMAP hbmMask = nullptr;
};

struct ImageListTable {
    std::map<UINT_PTR, std::unique_ptr<ImageList>> lists;
    UINT_PTR nextHandle = 0x30000;  // never reused
};

ImageListTable& Table()
{
    static ImageListTable table;
    return table;
}

ImageList* FindList(HIMAGELIST himl)
{
    auto it = Table().lists.find(reinterpret_cast<UINT_PTR>(himl));
    return it == Table().lists.end() ? nullptr : it->second.get();
}

// Whether a strip of that many images fits in one bitmap.
bool StripFits(int cx, int cy, long long images)
{
    unsigned long long width = static_cast<unsigned long long>(cx) * static_cast<unsigned long long>(images);
    return width <= 0x7FFFFFFF && (width * 24 + 31) / 32 * 4 * static_cast<unsigned long long>(cy) <= MAX_BITMAP_BYTES;
}

bool Reserve(ImageList& list, int images)
{
    if (images <= list.capacity)
        return true;
    long long capacity = static_cast<long long>(images) + list.grow;
    if (capacity > 0x7FFFFFFF || !StripFits(list.cx, list.cy, capacity))
        return false;
    list.capacity = static_cast<int>(capacity);
    FindBitmapObject(list.hbmImage)->Resize(list.cx * list.capacity, list.cy);
    if (BitmapObject* mask = FindBitmapObject(list.hbmMask))
        mask->Resize(list.cx * list.capacity, list.cy);
    return true;
}

// Copies image `image` of the strip into slot `slot` of the list.
void CopyImage(ImageList& list, const BitmapObject& strip, int image, int slot, COLORREF crMask)
{
    BitmapObject& images = *FindBitmapObject(list.hbmImage);
    BitmapObject* mask = FindBitmapObject(list.hbmMask);
    for (LONG y = 0; y < list.cy; ++y) {
        for (LONG x = 0; x < list.cx; ++x) {
            COLORREF colour = strip.Pixel(image * list.cx + x, y);
            bool transparent = mask != nullptr && colour == crMask;
            images.SetPixel(slot * list.cx + x, y, transparent ? RGB(0, 0, 0) : colour);
            if (mask != nullptr)
                mask->SetPixel(slot * list.cx + x, y, transparent ? 1 : 0);
        }
    }
}

}  // namespace

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int cInitial, int cGrow)
{
    if (cx <= 0 || cy <= 0 || cInitial < 0 || cGrow < 0 || (flags & ~ILC_MASK) != ILC_COLOR24 ||
        !StripFits(cx, cy, std::max(cInitial, 1)))
        return nullptr;
    auto list = std::make_unique<ImageList>();
    list->cx = cx;
    list->cy = cy;
    list->grow = cGrow;
    list->capacity = cInitial;
    list->hbmImage = CreateBitmapObject(cx * cInitial, cy, 24);
    if (flags & ILC_MASK)
        list->hbmMask = CreateBitmapObject(cx * cInitial, cy, 1, {RGB(0, 0, 0), RGB(255, 255, 255)});
    UINT_PTR handle = Table().nextHandle;
    Table().nextHandle += 4;
    Table().lists.emplace(handle, std::move(list));
    return reinterpret_cast<HIMAGELIST>(handle);
}

BOOL ImageList_Destroy(HIMAGELIST himl)
{
    ImageList* list = FindList(himl);
    if (list == nullptr)
        return FALSE;
    DeleteObject(list->hbmImage);
    if (list->hbmMask != nullptr)
        DeleteObject(list->hbmMask);
    Table().lists.erase(reinterpret_cast<UINT_PTR>(himl));
    return TRUE;
}

int ImageList_AddMasked(HIMAGELIST himl, HBITMAP hbmImage, COLORREF crMask)
{
    ImageList* list = FindList(himl);
    const BitmapObject* strip = FindBitmapObject(hbmImage);
    if (list == nullptr || strip == nullptr || strip->height < list->cy)
        return -1;
    int images = strip->width / list->cx;
    if (images == 0 || images > 0x7FFFFFFF - list->count || !Reserve(*list, list->count + images))
        return -1;
    int first = list->count;
    for (int i = 0; i < images; ++i)
        CopyImage(*list, *strip, i, first + i, crMask);
    list->count += images;
    return first;
}

int ImageList_GetImageCount(HIMAGELIST himl)
{
    ImageList* list = FindList(himl);
    return list != nullptr ? list->count : 0;
}

BOOL ImageList_GetIconSize(HIMAGELIST himl, int* cx, int* cy)
{
    ImageList* list = FindList(himl);
    if (list == nullptr || cx == nullptr || cy == nullptr)
        return FALSE;
    *cx = list->cx;
    *cy = list->cy;
    return TRUE;
}

BOOL ImageList_GetImageInfo(HIMAGELIST himl, int i, IMAGEINFO* pImageInfo)
{
    ImageList* list = FindList(himl);
    if (list == nullptr || pImageInfo == nullptr || i < 0 || i >= list->count)
        return FALSE;
    *pImageInfo = IMAGEINFO{list->hbmImage, list->hbmMask, 0, 0, RECT{i * list->cx, 0, (i + 1) * list->cx, list->cy}};
    return TRUE;
}
