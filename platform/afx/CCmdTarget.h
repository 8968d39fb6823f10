// An object that can receive commands and messages through its message map.
#pragma once

#include "CObject.h"
#include "DispatchMap.h"
#include "InterfaceMap.h"

class CCmdTarget : public CObject {
public:
    CCmdTarget() = default;

    // Automation: a dispatch interface that EnableAutomation switches on, interfaces
    // found by identifier through the interface maps, and a count of references whose
    // last release runs OnFinalRelease.
    DECLARE_DYNAMIC(CCmdTarget)
public:
    void EnableAutomation() { m_xDispatch.m_bEnabled = true; }
    // The automation interface, or nullptr before EnableAutomation.
    LPDISPATCH GetIDispatch(BOOL bAddRef);
    DWORD InternalAddRef();
    DWORD InternalRelease();
    // The interface iid of this object, with a reference added; E_NOINTERFACE when it has none.
    HRESULT InternalQueryInterface(const IID* iid, LPVOID* ppvObj);
    // Runs when the last reference is released; by default the object deletes itself.
    virtual void OnFinalRelease();

protected:
    static const AFX_DISPMAP* GetThisDispatchMap();
    virtual const AFX_DISPMAP* GetDispatchMap() const;
    static const AFX_INTERFACEMAP* GetThisInterfaceMap();
    virtual const AFX_INTERFACEMAP* GetInterfaceMap() const;

    class XDispatch : public IDispatch {
    public:
        explicit XDispatch(CCmdTarget* pOuter) : m_pOuter(pOuter) {}
        HRESULT QueryInterface(REFIID riid, void** ppvObject) override;
        ULONG AddRef() override;
        ULONG Release() override;
        HRESULT GetTypeInfoCount(UINT* pctinfo) override;
        HRESULT GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
        HRESULT GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) override;
        HRESULT Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                       VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

        CCmdTarget* m_pOuter;
        bool m_bEnabled = false;
    };
    XDispatch m_xDispatch{this};
    LONG m_dwRef = 1;

private:
    LPUNKNOWN GetInterface(const IID* iid);
    DISPID MemberIDFromName(const OLECHAR* name) const;
};
