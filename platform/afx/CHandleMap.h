// The class library's map from window handles to the objects attached to them:
// permanent entries for attached objects, temporary objects for the other windows.
#pragma once

#include <map>
#include <memory>

#include "winuser.h"

class CWnd;

class CHandleMap {
public:
    ~CHandleMap();

    static CHandleMap& Instance();

    void SetPermanent(HWND hWnd, CWnd* pWnd);
    void RemoveHandle(HWND hWnd);
    CWnd* LookupPermanent(HWND hWnd) const;
    CWnd* FromHandle(HWND hWnd);

private:
    CHandleMap() = default;
    void DeleteTemporariesOfDeadWindows();

    std::map<HWND, CWnd*> m_permanent;
    std::map<HWND, std::unique_ptr<CWnd>> m_temporary;
};
