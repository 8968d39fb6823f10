// The system services the program uses besides windows: the local time.
#pragma once

#include "windef.h"

// The local date and time, as the display driver's clock gives it.
void GetLocalTime(SYSTEMTIME* lpSystemTime);
