// A toolbar whose buttons are drawn from 24-bit colour bitmaps with a transparent
// colour: each bitmap is a strip of button images, and the colour of its first pixel
// in memory is the one left out.
#pragma once

#include "afxext.h"

class CTrueColorToolBar : public CToolBar {
public:
    CTrueColorToolBar();
    ~CTrueColorToolBar() override;

    // Builds and installs the normal, hot and (unless uToolBarDisabled is 0) disabled
    // image lists, stopping at the first that fails. The window must exist.
    BOOL LoadImageLists(int nBtnWidth, UINT uToolBar, UINT uToolBarHot, UINT uToolBarDisabled);

    // Builds one image list from bitmap uToolBar, in images nBtnWidth pixels wide, and
    // installs it with uToolBarType (TB_SETIMAGELIST, TB_SETHOTIMAGELIST or
    // TB_SETDISABLEDIMAGELIST).
    BOOL SetImageListFromBitmap(UINT uToolBarType, UINT uToolBar, int nBtnWidth);

protected:
    DECLARE_MESSAGE_MAP()
};
