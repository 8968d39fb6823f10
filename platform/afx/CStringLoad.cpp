// The program's string table. Strings are kept in RT_STRING resources of sixteen
// each: resource n holds the strings n * 16 - 16 to n * 16 - 1, every one a length in
// bytes (a WORD, low byte first) followed by that many code-page-936 bytes.
#include "CString.h"
#include "moduleresources.h"

namespace {

const UINT STRINGS_PER_BLOCK = 16;

WORD ReadWord(const BYTE* p)
{
    return static_cast<WORD>(p[0] | (p[1] << 8));
}

}  // namespace

BOOL CString::LoadString(UINT nID)
{
    HINSTANCE hInst = GetModuleHandle(nullptr);
    UINT nBlock = nID / STRINGS_PER_BLOCK + 1;
    HRSRC hResource = nBlock <= 0xFFFF ? FindResource(hInst, MAKEINTRESOURCE(nBlock), RT_STRING) : nullptr;
    if (hResource == nullptr)
        return FALSE;
    const BYTE* p = static_cast<const BYTE*>(LockResource(LoadResource(hInst, hResource)));
    const BYTE* end = p + SizeofResource(hInst, hResource);

    for (UINT index = 0; end - p >= 2; ++index) {
        WORD length = ReadWord(p);
        p += 2;
        if (length > end - p)
            return FALSE;
        if (index == nID % STRINGS_PER_BLOCK) {
            if (length == 0)
                return FALSE;
            *this = CString(reinterpret_cast<LPCTSTR>(p), length);
            return TRUE;
        }
        p += length;
    }
    return FALSE;
}
