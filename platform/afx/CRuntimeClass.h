// Run-time class information: a constant record per class that names it, gives its
// size and base class, and creates an object of it when the class has a creation
// function. A class can be created by name only if its record is among the known
// classes (AFX_CLASSINIT) and has a creation function.
#pragma once

#include "windef.h"

class CObject;

struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;  // 0xFFFF: dynamic, not serialisable
    CObject* (*m_pfnCreateObject)();
    CRuntimeClass* m_pBaseClass;

    // A new object of the class, or nullptr when it has no creation function.
    CObject* CreateObject() const;

    // The known class of that name, or nullptr.
    static CRuntimeClass* FromName(LPCSTR lpszClassName);
    // A new object of the known class of that name, or nullptr.
    static CObject* CreateObject(LPCSTR lpszClassName);
};

// Enters a record among the known classes for the rest of the run.
struct AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};

#define RUNTIME_CLASS(class_name) (const_cast<CRuntimeClass*>(&class_name::class##class_name))

#define DECLARE_DYNAMIC(class_name)                         \
public:                                                     \
    static const CRuntimeClass class##class_name;           \
    CRuntimeClass* GetRuntimeClass() const override;

// The record of a dynamic class: schema 0xFFFF, no creation function, not known by name.
#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                          \
    const CRuntimeClass class_name::class##class_name = {#class_name, sizeof(class_name), 0xFFFF, \
                                                         nullptr, RUNTIME_CLASS(base_class_name)}; \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }
