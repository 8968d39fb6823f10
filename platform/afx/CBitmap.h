// A bitmap owned by a C++ object.
#pragma once

#include "CGdiObject.h"

class CBitmap : public CGdiObject {
public:
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }

    // Fills the bitmap's description; 0 on failure.
    int GetBitmap(BITMAP* pBitMap) const { return ::GetObject(m_hObject, sizeof(BITMAP), pBitMap); }
};
