// Message boxes and the beep are the display driver's to show and sound. A message
// box without a caption is titled "Error", as the platform's are.
#include "displaydriver.h"
#include "winuser.h"

int MessageBox(HWND hWnd, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType)
{
    return GetDisplayDriver().MessageBox(hWnd, lpText != nullptr ? lpText : "", lpCaption != nullptr ? lpCaption : "Error",
                                         uType);
}

BOOL MessageBeep(UINT uType)
{
    GetDisplayDriver().MessageBeep(uType);
    return TRUE;
}
