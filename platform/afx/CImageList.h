// An image list owned by a C++ object, destroyed with it unless it has let go of the
// list with Detach.
#pragma once

#include "CBitmap.h"
#include "imagelist.h"

class CImageList : public CObject {
public:
    HIMAGELIST m_hImageList = nullptr;

    CImageList() = default;
    ~CImageList() override { DeleteImageList(); }

    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }

    // Creates a list of cx x cy images; FALSE when the list cannot be made or one is held.
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // Adds the images of a bitmap strip, crMask transparent; the first new index, or -1.
    int Add(CBitmap* pbmImage, COLORREF crMask);
    HIMAGELIST Detach();
    BOOL DeleteImageList();
};
