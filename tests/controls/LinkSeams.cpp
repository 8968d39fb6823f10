#include "LinkSeams.h"

namespace {

bool g_failNextGetObject = false;

}  // namespace

std::vector<ImageListCreateCall>& ImageListCreateCalls()
{
    static std::vector<ImageListCreateCall> calls;
    return calls;
}

void FailNextGetObject()
{
    g_failNextGetObject = true;
}

// GetObject(HANDLE, int, LPVOID) and ImageList_Create(int, int, UINT, int, int), by
// their linker names.
extern "C" int __real__Z9GetObjectPviS_(HANDLE h, int c, LPVOID pv);
extern "C" HIMAGELIST __real__Z16ImageList_Createiijii(int cx, int cy, UINT flags, int cInitial, int cGrow);

extern "C" int __wrap__Z9GetObjectPviS_(HANDLE h, int c, LPVOID pv)
{
    if (g_failNextGetObject) {
        g_failNextGetObject = false;
        return 0;
    }
    return __real__Z9GetObjectPviS_(h, c, pv);
}

extern "C" HIMAGELIST __wrap__Z16ImageList_Createiijii(int cx, int cy, UINT flags, int cInitial, int cGrow)
{
    ImageListCreateCalls().push_back({cx, cy, flags, cInitial, cGrow});
    return __real__Z16ImageList_Createiijii(cx, cy, flags, cInitial, cGrow);
}
