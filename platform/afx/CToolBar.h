// A toolbar: a control bar whose window is of the toolbar class (TOOLBARCLASSNAME).
#pragma once

#include "CControlBar.h"
#include "toolbar.h"

class CToolBar : public CControlBar {
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar() = default;
    ~CToolBar() override = default;
};
