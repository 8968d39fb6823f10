// CCmdTarget's run-time class, reference count, interface lookup and automation interface.
#include <cwctype>

#include "CCmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

namespace {

const AFX_DISPMAP_ENTRY g_rootDispatchEntries[] = {{nullptr, DISPID_UNKNOWN}};
const AFX_DISPMAP g_rootDispatchMap = {nullptr, &g_rootDispatchEntries[0]};
const AFX_INTERFACEMAP_ENTRY g_rootInterfaceEntries[] = {{nullptr, nullptr}};
const AFX_INTERFACEMAP g_rootInterfaceMap = {nullptr, &g_rootInterfaceEntries[0]};

// Member names compare without regard to ASCII case, as automation's do.
bool SameName(const OLECHAR* name, LPCTSTR entry)
{
    for (; *name != 0 && *entry != 0; ++name, ++entry) {
        wint_t wide = static_cast<wint_t>(static_cast<unsigned char>(*entry));
        if (std::towlower(static_cast<wint_t>(*name)) != std::towlower(wide))
            return false;
    }
    return *name == 0 && *entry == 0;
}

}  // namespace

const AFX_DISPMAP* CCmdTarget::GetThisDispatchMap()
{
    return &g_rootDispatchMap;
}

const AFX_DISPMAP* CCmdTarget::GetDispatchMap() const
{
    return GetThisDispatchMap();
}

const AFX_INTERFACEMAP* CCmdTarget::GetThisInterfaceMap()
{
    return &g_rootInterfaceMap;
}

const AFX_INTERFACEMAP* CCmdTarget::GetInterfaceMap() const
{
    return GetThisInterfaceMap();
}

LPDISPATCH CCmdTarget::GetIDispatch(BOOL bAddRef)
{
    if (!m_xDispatch.m_bEnabled)
        return nullptr;
    if (bAddRef)
        InternalAddRef();
    return &m_xDispatch;
}

DWORD CCmdTarget::InternalAddRef()
{
    return static_cast<DWORD>(++m_dwRef);
}

DWORD CCmdTarget::InternalRelease()
{
    // A count already at 0 is not released again, so OnFinalRelease runs once.
    if (m_dwRef == 0)
        return 0;
    if (--m_dwRef == 0) {
        OnFinalRelease();
        return 0;
    }
    return static_cast<DWORD>(m_dwRef);
}

void CCmdTarget::OnFinalRelease()
{
    delete this;
}

// IUnknown and IDispatch are the automation interface once it is on; other interfaces
// come from the interface maps, the class's own first.
LPUNKNOWN CCmdTarget::GetInterface(const IID* iid)
{
    if (IsEqualIID(*iid, IID_IUnknown) || IsEqualIID(*iid, IID_IDispatch))
        return GetIDispatch(FALSE);
    for (const AFX_INTERFACEMAP* map = GetInterfaceMap(); map != nullptr;
         map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_INTERFACEMAP_ENTRY* entry = map->pEntry; entry->piid != nullptr; ++entry) {
            if (!IsEqualIID(*iid, *entry->piid))
                continue;
            LPUNKNOWN found = entry->pfnGetInterface(this);
            // The automation interface answers only while automation is on.
            if (found == static_cast<LPUNKNOWN>(&m_xDispatch) && !m_xDispatch.m_bEnabled)
                return nullptr;
            return found;
        }
    }
    return nullptr;
}

HRESULT CCmdTarget::InternalQueryInterface(const IID* iid, LPVOID* ppvObj)
{
    if (iid == nullptr || ppvObj == nullptr)
        return E_POINTER;
    LPUNKNOWN found = GetInterface(iid);
    *ppvObj = found;
    if (found == nullptr)
        return E_NOINTERFACE;
    InternalAddRef();
    return S_OK;
}

DISPID CCmdTarget::MemberIDFromName(const OLECHAR* name) const
{
    for (const AFX_DISPMAP* map = GetDispatchMap(); map != nullptr;
         map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_DISPMAP_ENTRY* entry = map->lpEntries; entry->lpszName != nullptr; ++entry) {
            if (SameName(name, entry->lpszName))
                return entry->lDispID;
        }
    }
    return DISPID_UNKNOWN;
}

HRESULT CCmdTarget::XDispatch::QueryInterface(REFIID riid, void** ppvObject)
{
    return m_pOuter->InternalQueryInterface(&riid, ppvObject);
}

ULONG CCmdTarget::XDispatch::AddRef()
{
    return m_pOuter->InternalAddRef();
}

ULONG CCmdTarget::XDispatch::Release()
{
    return m_pOuter->InternalRelease();
}

// No class of the library describes itself with type information.
HRESULT CCmdTarget::XDispatch::GetTypeInfoCount(UINT* pctinfo)
{
    if (pctinfo == nullptr)
        return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

HRESULT CCmdTarget::XDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo)
{
    if (ppTInfo != nullptr)
        *ppTInfo = nullptr;
    return DISP_E_BADINDEX;
}

// The first name is the member; further names would be its parameters, which no
// member of the dispatch maps has.
HRESULT CCmdTarget::XDispatch::GetIDsOfNames(REFIID, LPOLESTR* rgszNames, UINT cNames, LCID, DISPID* rgDispId)
{
    if (rgszNames == nullptr || rgDispId == nullptr)
        return E_POINTER;
    HRESULT result = S_OK;
    for (UINT i = 0; i < cNames; ++i) {
        rgDispId[i] = (i == 0 && rgszNames[0] != nullptr) ? m_pOuter->MemberIDFromName(rgszNames[0]) : DISPID_UNKNOWN;
        if (rgDispId[i] == DISPID_UNKNOWN)
            result = DISP_E_UNKNOWNNAME;
    }
    return result;
}

// The dispatch maps name members but carry no code to run them, so nothing is invoked.
HRESULT CCmdTarget::XDispatch::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    return DISP_E_MEMBERNOTFOUND;
}
