// An object that can receive commands and messages through its message map.
#pragma once

#include "CObject.h"

class CCmdTarget : public CObject {
public:
    CCmdTarget() = default;
};
