// A bar of controls along a window's edge, such as a toolbar. The bar destroys its
// window, if it has one, when the object goes.
#pragma once

#include "CWnd.h"

class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
public:
    CControlBar() = default;
    ~CControlBar() override;
};
