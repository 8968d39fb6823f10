#include "CHandleMap.h"

#include "CButton.h"
#include "CComboBox.h"
#include "CEdit.h"
#include "CListCtrl.h"
#include "asciicase.h"
#include "commctrl.h"

namespace {

// A temporary object has the class library's class for the window's class, so that a
// program may treat what GetDlgItem returns as that control.
std::unique_ptr<CWnd> NewObjectForClass(HWND hWnd)
{
    char name[64] = {};
    GetClassName(hWnd, name, sizeof name);
    // Class names compare without regard to case, as the window system's do.
    if (CompareAsciiNoCase(name, "BUTTON") == 0)
        return std::make_unique<CButton>();
    if (CompareAsciiNoCase(name, "EDIT") == 0)
        return std::make_unique<CEdit>();
    if (CompareAsciiNoCase(name, "COMBOBOX") == 0)
        return std::make_unique<CComboBox>();
    if (CompareAsciiNoCase(name, WC_LISTVIEW) == 0)
        return std::make_unique<CListCtrl>();
    return std::make_unique<CWnd>();
}

}  // namespace

CHandleMap& CHandleMap::Instance()
{
    static CHandleMap map;
    return map;
}

CHandleMap::~CHandleMap()
{
    for (auto& entry : m_temporary)
        entry.second->m_hWnd = nullptr;
}

void CHandleMap::SetPermanent(HWND hWnd, CWnd* pWnd)
{
    m_permanent[hWnd] = pWnd;
}

void CHandleMap::RemoveHandle(HWND hWnd)
{
    m_permanent.erase(hWnd);
}

CWnd* CHandleMap::LookupPermanent(HWND hWnd) const
{
    auto it = m_permanent.find(hWnd);
    return it == m_permanent.end() ? nullptr : it->second;
}

CWnd* CHandleMap::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    if (CWnd* permanent = LookupPermanent(hWnd))
        return permanent;
    DeleteTemporariesOfDeadWindows();
    if (!IsWindow(hWnd))
        return nullptr;
    auto& temporary = m_temporary[hWnd];
    if (!temporary) {
        temporary = NewObjectForClass(hWnd);
        temporary->m_hWnd = hWnd;
    }
    return temporary.get();
}

void CHandleMap::DeleteTemporariesOfDeadWindows()
{
    for (auto it = m_temporary.begin(); it != m_temporary.end();) {
        if (IsWindow(it->first)) {
            ++it;
        } else {
            it->second->m_hWnd = nullptr;
            it = m_temporary.erase(it);
        }
    }
}
