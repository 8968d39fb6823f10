#include "TestBitmaps.h"

#include <list>

#include "moduleresources.h"

namespace {

void Put(std::vector<BYTE>& out, DWORD value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<BYTE>(value >> (8 * i)));
}

std::vector<BYTE> ScanLine(int width, WORD bits, int y, const std::function<DWORD(int, int)>& value)
{
    std::vector<BYTE> line(static_cast<size_t>((width * bits + 31) / 32 * 4), 0);
    for (int x = 0; x < width; ++x) {
        DWORD v = value(x, y);
        if (bits >= 24) {
            BYTE* p = &line[static_cast<size_t>(x * bits / 8)];
            p[0] = GetBValue(v);
            p[1] = GetGValue(v);
            p[2] = GetRValue(v);
        } else {
            int bit = x * bits;
            line[static_cast<size_t>(bit / 8)] |= static_cast<BYTE>(v << (8 - bits - bit % 8));
        }
    }
    return line;
}

}  // namespace

std::vector<BYTE> MakeBmpFile(int width, int height, WORD bits, const std::function<DWORD(int, int)>& value,
                              const std::vector<COLORREF>& palette)
{
    std::vector<BYTE> pixels;
    for (int y = height - 1; y >= 0; --y) {
        std::vector<BYTE> line = ScanLine(width, bits, y, value);
        pixels.insert(pixels.end(), line.begin(), line.end());
    }
    DWORD offset = 14 + 40 + 4 * static_cast<DWORD>(palette.size());
    std::vector<BYTE> file;
    Put(file, 0x4D42, 2);
    Put(file, offset + static_cast<DWORD>(pixels.size()), 4);
    Put(file, 0, 4);
    Put(file, offset, 4);
    Put(file, 40, 4);
    Put(file, static_cast<DWORD>(width), 4);
    Put(file, static_cast<DWORD>(height), 4);
    Put(file, 1, 2);
    Put(file, bits, 2);
    Put(file, 0, 4);
    Put(file, static_cast<DWORD>(pixels.size()), 4);
    Put(file, 2835, 4);
    Put(file, 2835, 4);
    Put(file, static_cast<DWORD>(palette.size()), 4);
    Put(file, 0, 4);
    for (COLORREF colour : palette)
        Put(file, RGB(GetBValue(colour), GetGValue(colour), GetRValue(colour)), 4);
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

void RegisterBitmapResource(WORD id, std::vector<BYTE> file)
{
    // The registry keeps a pointer to the bytes, so they live as long as the process.
    static std::list<std::vector<BYTE>> kept;
    kept.push_back(std::move(file));
    RegisterResource(2, id, kept.back().data(), static_cast<DWORD>(kept.back().size()));
}

DWORD PixelOf(const BITMAP& bitmap, int x, int y)
{
    const BYTE* line = static_cast<const BYTE*>(bitmap.bmBits) + (bitmap.bmHeight - 1 - y) * bitmap.bmWidthBytes;
    if (bitmap.bmBitsPixel == 1)
        return (line[x / 8] >> (7 - x % 8)) & 1;
    const BYTE* p = line + x * bitmap.bmBitsPixel / 8;
    return RGB(p[2], p[1], p[0]);
}

BITMAP DescriptionOf(HBITMAP hBitmap)
{
    BITMAP bitmap{};
    GetObject(hBitmap, sizeof bitmap, &bitmap);
    return bitmap;
}

DWORD GdiObjectCount()
{
    return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
}
