#include "displaydriver.h"
#include "winbase.h"

void GetLocalTime(SYSTEMTIME* lpSystemTime)
{
    if (lpSystemTime != nullptr)
        *lpSystemTime = GetDisplayDriver().LocalTime();
}
