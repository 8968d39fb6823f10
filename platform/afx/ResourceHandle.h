// The module from which the class library loads the program's resources.
#pragma once

#include "windef.h"

HINSTANCE AfxGetResourceHandle();
