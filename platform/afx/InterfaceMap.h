// Interface maps: the interfaces that a class answers to, by interface identifier,
// each map chained to its base class's map. An entry names the part of the object
// that implements the interface, such as m_xDispatch, the automation interface.
#pragma once

#include "oleauto.h"

class CCmdTarget;

struct AFX_INTERFACEMAP_ENTRY {
    const IID* piid;  // nullptr ends the map
    LPUNKNOWN (*pfnGetInterface)(CCmdTarget* pThis);
};

struct AFX_INTERFACEMAP {
    const AFX_INTERFACEMAP* (*pfnGetBaseMap)();  // nullptr at the root
    const AFX_INTERFACEMAP_ENTRY* pEntry;
};

#define DECLARE_INTERFACE_MAP()                          \
protected:                                               \
    static const AFX_INTERFACEMAP* GetThisInterfaceMap(); \
    const AFX_INTERFACEMAP* GetInterfaceMap() const override;

#define BEGIN_INTERFACE_MAP(theClass, theBase)                                                  \
    const AFX_INTERFACEMAP* theClass::GetInterfaceMap() const { return GetThisInterfaceMap(); } \
    const AFX_INTERFACEMAP* theClass::GetThisInterfaceMap()                                     \
    {                                                                                           \
        typedef theBase TheBaseClass;                                                           \
        static const AFX_INTERFACEMAP_ENTRY _interfaceEntries[] = {

// Answers iid with the object's part m_x<localClass>.
#define INTERFACE_PART(theClass, iid, localClass) \
    {&(iid), [](CCmdTarget* pThis) -> LPUNKNOWN { return &static_cast<theClass*>(pThis)->m_x##localClass; }},

#define END_INTERFACE_MAP()                                                                                 \
    {nullptr, nullptr}};                                                                                    \
    static const AFX_INTERFACEMAP interfaceMap = {&TheBaseClass::GetThisInterfaceMap, &_interfaceEntries[0]}; \
    return &interfaceMap;                                                                                   \
    }
