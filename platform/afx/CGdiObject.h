// A GDI object owned by a C++ object: the object deletes what it holds when it is
// destroyed, unless it has let go of it with Detach.
#pragma once

#include "CObject.h"
#include "wingdi.h"

class CGdiObject : public CObject {
public:
    HGDIOBJ m_hObject = nullptr;

    CGdiObject() = default;
    ~CGdiObject() override { DeleteObject(); }

    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    // Takes hObject over; FALSE for a null handle or while holding another.
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    // Deletes the object held, if any.
    BOOL DeleteObject();
};
