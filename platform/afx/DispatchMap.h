// Dispatch maps: the members that a class shows through its automation interface,
// by name and member number, each map chained to its base class's map. The root map
// is CCmdTarget's, which names nothing.
#pragma once

#include "oleauto.h"

struct AFX_DISPMAP_ENTRY {
    LPCTSTR lpszName;  // nullptr ends the map
    DISPID lDispID;
};

struct AFX_DISPMAP {
    const AFX_DISPMAP* (*pfnGetBaseMap)();  // nullptr at the root
    const AFX_DISPMAP_ENTRY* lpEntries;
};

#define DECLARE_DISPATCH_MAP()                     \
protected:                                         \
    static const AFX_DISPMAP* GetThisDispatchMap(); \
    const AFX_DISPMAP* GetDispatchMap() const override;

#define BEGIN_DISPATCH_MAP(theClass, baseClass)                                                 \
    const AFX_DISPMAP* theClass::GetDispatchMap() const { return GetThisDispatchMap(); }       \
    const AFX_DISPMAP* theClass::GetThisDispatchMap()                                           \
    {                                                                                           \
        typedef baseClass TheBaseClass;                                                         \
        static const AFX_DISPMAP_ENTRY _dispatchEntries[] = {

#define END_DISPATCH_MAP()                                                                          \
    {nullptr, DISPID_UNKNOWN}};                                                                     \
    static const AFX_DISPMAP dispatchMap = {&TheBaseClass::GetThisDispatchMap, &_dispatchEntries[0]}; \
    return &dispatchMap;                                                                            \
    }
