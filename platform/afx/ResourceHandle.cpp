#include "ResourceHandle.h"

#include "resources.h"

HINSTANCE AfxGetResourceHandle()
{
    return GetModuleHandle(nullptr);
}
