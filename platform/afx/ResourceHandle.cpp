#include "ResourceHandle.h"

#include "moduleresources.h"

HINSTANCE AfxGetResourceHandle()
{
    return GetModuleHandle(nullptr);
}
