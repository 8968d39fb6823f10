// Bitmaps: the table of bitmap objects, loading a bitmap resource, and GetObject.
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

#include "bitmapobject.h"
#include "moduleresources.h"

namespace {

struct BitmapTable {
    std::map<UINT_PTR, std::unique_ptr<BitmapObject>> bitmaps;
    UINT_PTR nextHandle = 0x20000;  // never reused, so a stale handle names nothing
};

BitmapTable& Table()
{
    static BitmapTable table;
    return table;
}

unsigned long long ScanLineBytes(LONG width, WORD bitsPixel)
{
    return (static_cast<unsigned long long>(width) * bitsPixel + 31) / 32 * 4;
}

unsigned long long PixelBytes(LONG width, LONG height, WORD bitsPixel)
{
    return ScanLineBytes(width, bitsPixel) * static_cast<unsigned long long>(height);
}

// Little-endian fields of a BMP file; reads past the end give 0 and clear ok.
struct Reader {
    const BYTE* data;
    DWORD size;
    bool ok = true;

    DWORD Field(DWORD offset, int bytes)
    {
        if (offset > size || static_cast<DWORD>(bytes) > size - offset) {
            ok = false;
            return 0;
        }
        DWORD value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = value << 8 | data[offset + static_cast<DWORD>(i)];
        return value;
    }
};

bool IsSupportedDepth(DWORD bitsPixel)
{
    return bitsPixel == 1 || bitsPixel == 4 || bitsPixel == 8 || bitsPixel == 24 || bitsPixel == 32;
}

// A BMP file: BITMAPFILEHEADER (14 bytes), BITMAPINFOHEADER, colour table, pixels.
// Only uncompressed bottom-up bitmaps are taken; anything malformed gives nullptr.
HBITMAP BitmapFromFile(const BYTE* data, DWORD size)
{
    Reader in{data, size};
    const DWORD FILE_HEADER = 14;
    if (in.Field(0, 2) != 0x4D42)  // "BM"
        return nullptr;
    DWORD pixelOffset = in.Field(10, 4);
    DWORD infoSize = in.Field(FILE_HEADER, 4);
    LONG width = static_cast<LONG>(in.Field(FILE_HEADER + 4, 4));
    LONG height = static_cast<LONG>(in.Field(FILE_HEADER + 8, 4));
    DWORD planes = in.Field(FILE_HEADER + 12, 2);
    DWORD bitsPixel = in.Field(FILE_HEADER + 14, 2);
    DWORD compression = in.Field(FILE_HEADER + 16, 4);
    DWORD colorsUsed = in.Field(FILE_HEADER + 32, 4);
    if (!in.ok || infoSize < 40 || infoSize > size || width <= 0 || height <= 0 || planes != 1 ||
        !IsSupportedDepth(bitsPixel) || compression != 0)
        return nullptr;

    std::vector<COLORREF> palette;
    if (bitsPixel <= 8) {
        DWORD entries = colorsUsed != 0 ? colorsUsed : 1u << bitsPixel;
        if (entries > 1u << bitsPixel)
            return nullptr;
        DWORD tableOffset = FILE_HEADER + infoSize;
        for (DWORD i = 0; i < entries && in.ok; ++i) {
            DWORD bgr = in.Field(tableOffset + 4 * i, 3);
            palette.push_back(RGB(bgr >> 16, bgr >> 8, bgr));
        }
    }
    unsigned long long pixelBytes = PixelBytes(width, height, static_cast<WORD>(bitsPixel));
    if (!in.ok || pixelBytes > MAX_BITMAP_BYTES || pixelOffset > size || pixelBytes > size - pixelOffset)
        return nullptr;

    HBITMAP hBitmap = CreateBitmapObject(width, height, static_cast<WORD>(bitsPixel), std::move(palette));
    if (hBitmap != nullptr)
        std::memcpy(FindBitmapObject(hBitmap)->bits.data(), data + pixelOffset, pixelBytes);
    return hBitmap;
}

}  // namespace

COLORREF BitmapObject::Pixel(LONG x, LONG y) const
{
    const BYTE* line = bits.data() + static_cast<size_t>(height - 1 - y) * static_cast<size_t>(WidthBytes());
    if (bitsPixel >= 24) {
        const BYTE* p = line + static_cast<size_t>(x) * (bitsPixel / 8);
        return RGB(p[2], p[1], p[0]);
    }
    long long bitOffset = static_cast<long long>(x) * bitsPixel;
    BYTE byte = line[bitOffset / 8];
    unsigned index = (byte >> (8 - bitsPixel - bitOffset % 8)) & ((1u << bitsPixel) - 1);
    return index < palette.size() ? palette[index] : RGB(0, 0, 0);
}

void BitmapObject::SetPixel(LONG x, LONG y, COLORREF colour)
{
    BYTE* line = bits.data() + static_cast<size_t>(height - 1 - y) * static_cast<size_t>(WidthBytes());
    if (bitsPixel == 24) {
        BYTE* p = line + static_cast<size_t>(x) * 3;
        p[0] = GetBValue(colour);
        p[1] = GetGValue(colour);
        p[2] = GetRValue(colour);
    } else if (bitsPixel == 1) {
        BYTE bit = static_cast<BYTE>(0x80 >> (x % 8));
        line[x / 8] = colour != 0 ? (line[x / 8] | bit) : (line[x / 8] & ~bit);
    }
}

void BitmapObject::Resize(LONG newWidth, LONG newHeight)
{
    BitmapObject resized = *this;
    resized.width = newWidth;
    resized.height = newHeight;
    resized.bits.assign(static_cast<size_t>(resized.WidthBytes()) * static_cast<size_t>(newHeight), 0);
    for (LONG y = 0; y < std::min(height, newHeight); ++y)
        for (LONG x = 0; x < std::min(width, newWidth); ++x)
            resized.SetPixel(x, y, bitsPixel == 1 ? (Pixel(x, y) != 0 ? 1 : 0) : Pixel(x, y));
    *this = std::move(resized);
}

HBITMAP CreateBitmapObject(LONG width, LONG height, WORD bitsPixel, std::vector<COLORREF> palette)
{
    if (width < 0 || height < 0 || PixelBytes(width, height, bitsPixel) > MAX_BITMAP_BYTES)
        return nullptr;
    auto bitmap = std::make_unique<BitmapObject>();
    bitmap->width = width;
    bitmap->height = height;
    bitmap->bitsPixel = bitsPixel;
    bitmap->palette = std::move(palette);
    bitmap->bits.assign(static_cast<size_t>(bitmap->WidthBytes()) * static_cast<size_t>(height), 0);
    UINT_PTR handle = Table().nextHandle;
    Table().nextHandle += 4;
    Table().bitmaps.emplace(handle, std::move(bitmap));
    return reinterpret_cast<HBITMAP>(handle);
}

BitmapObject* FindBitmapObject(HBITMAP hBitmap)
{
    auto it = Table().bitmaps.find(reinterpret_cast<UINT_PTR>(hBitmap));
    return it == Table().bitmaps.end() ? nullptr : it->second.get();
}

HANDLE LoadImage(HINSTANCE hInst, LPCTSTR lpszName, UINT uType, int cx, int cy, UINT fuLoad)
{
    if (uType != IMAGE_BITMAP)
        return nullptr;
    HRSRC found = FindResource(hInst, lpszName, RT_BITMAP);
    if (found == nullptr)
        return nullptr;
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(hInst, found)));
    HBITMAP hBitmap = BitmapFromFile(data, SizeofResource(hInst, found));
    BitmapObject* bitmap = FindBitmapObject(hBitmap);
    if (bitmap == nullptr)
        return nullptr;
    // Stretching to another size is not offered.
    if ((cx != 0 && cx != bitmap->width) || (cy != 0 && cy != bitmap->height)) {
        DeleteObject(hBitmap);
        return nullptr;
    }
    bitmap->section = (fuLoad & LR_CREATEDIBSECTION) != 0;
    return hBitmap;
}

int GetObject(HANDLE h, int c, LPVOID pv)
{
    BitmapObject* bitmap = FindBitmapObject(static_cast<HBITMAP>(h));
    if (bitmap == nullptr || pv == nullptr || c < static_cast<int>(sizeof(BITMAP)))
        return 0;
    BITMAP description{};
    description.bmWidth = bitmap->width;
    description.bmHeight = bitmap->height;
    description.bmWidthBytes = bitmap->WidthBytes();
    description.bmPlanes = 1;
    description.bmBitsPixel = bitmap->bitsPixel;
    description.bmBits = bitmap->section ? bitmap->bits.data() : nullptr;
    std::memcpy(pv, &description, sizeof description);
    return static_cast<int>(sizeof description);
}

BOOL DeleteObject(HGDIOBJ ho)
{
    return Table().bitmaps.erase(reinterpret_cast<UINT_PTR>(ho)) != 0 ? TRUE : FALSE;
}

HANDLE GetCurrentProcess()
{
    return reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-1));
}

DWORD GetGuiResources(HANDLE, DWORD uiFlags)
{
    return uiFlags == GR_GDIOBJECTS ? static_cast<DWORD>(Table().bitmaps.size()) : 0;
}
