#include "truecolortoolbar.h"

CTrueColorToolBar::CTrueColorToolBar() {}

CTrueColorToolBar::~CTrueColorToolBar() {}

BEGIN_MESSAGE_MAP(CTrueColorToolBar, CToolBar)
END_MESSAGE_MAP()

BOOL CTrueColorToolBar::LoadImageLists(int nBtnWidth, UINT uToolBar, UINT uToolBarHot, UINT uToolBarDisabled)
{
    if (!SetImageListFromBitmap(TB_SETIMAGELIST, uToolBar, nBtnWidth))
        return FALSE;
    if (!SetImageListFromBitmap(TB_SETHOTIMAGELIST, uToolBarHot, nBtnWidth))
        return FALSE;
    if (uToolBarDisabled != 0 && !SetImageListFromBitmap(TB_SETDISABLEDIMAGELIST, uToolBarDisabled, nBtnWidth))
        return FALSE;
    return TRUE;
}

BOOL CTrueColorToolBar::SetImageListFromBitmap(UINT uToolBarType, UINT uToolBar, int nBtnWidth)
{
    // A button is at least a pixel wide, and the list goes to this toolbar's window:
    // without either there is nothing to build.
    if (nBtnWidth <= 0 || !::IsWindow(m_hWnd))
        return FALSE;

    // Declared in this order so that cBitmap goes first, then cImageList, each taking
    // with it whatever it still holds.
    CImageList cImageList;
    CBitmap cBitmap;
    BITMAP bmBitmap;
    SIZE cSize;
    int nNbBtn;

    if (!cBitmap.Attach(LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(uToolBar), IMAGE_BITMAP, 0, 0,
                                  LR_DEFAULTSIZE | LR_CREATEDIBSECTION)))
        return FALSE;
    if (!cBitmap.GetBitmap(&bmBitmap) || bmBitmap.bmBits == nullptr)
        return FALSE;

    cSize.cx = bmBitmap.bmWidth;
    cSize.cy = bmBitmap.bmHeight;
    nNbBtn = cSize.cx / nBtnWidth;

    // The transparent colour: the first three bytes of the pixel memory, blue first.
    const BYTE* rgb = static_cast<const BYTE*>(bmBitmap.bmBits);
    COLORREF rgbMask = RGB(rgb[2], rgb[1], rgb[0]);

    if (!cImageList.Create(nBtnWidth, cSize.cy, ILC_COLOR24 | ILC_MASK, nNbBtn, 0))
        return FALSE;
    if (cImageList.Add(&cBitmap, rgbMask) == -1)
        return FALSE;

    SendMessage(uToolBarType, 0, reinterpret_cast<LPARAM>(cImageList.m_hImageList));
    cImageList.Detach();
    // The list holds its own copy of the images, so the bitmap goes with cBitmap.
    return TRUE;
}
