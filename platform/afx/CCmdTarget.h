// An object that can receive commands and messages through its message map: a table
// of entries, each binding a message (and for commands a code and control ID) to a
// handler, with a link to the base class's table, which is searched next.
#pragma once

#include "CObject.h"
#include "commctrl.h"
#include "winuser.h"

class CCmdTarget;

// The handler shapes that message map entries carry.
typedef void (CCmdTarget::*AFX_PMSG)();
typedef void (CCmdTarget::*AFX_PMSG_NOTIFY)(NMHDR*, LRESULT*);
typedef HCURSOR (CCmdTarget::*AFX_PMSG_HCURSOR)();

enum AfxSig {
    AfxSig_end = 0,  // the entry that ends a map
    AfxSig_vv,       // void handler()
    AfxSig_vNMHDRpl, // void handler(NMHDR*, LRESULT*)
    AfxSig_hv,       // HCURSOR handler()
};

// Window messages other than WM_COMMAND and WM_NOTIFY are entered with code and ID 0.
struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode;
    UINT nID;
    UINT nLastID;
    AfxSig nSig;
    AFX_PMSG pfn = nullptr;
    AFX_PMSG_NOTIFY pfnNotify = nullptr;
    AFX_PMSG_HCURSOR pfnCursor = nullptr;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// In a class: declares its message map. In its source file: defines the map, whose
// entries (afxmsg_.h) stand between BEGIN_MESSAGE_MAP and END_MESSAGE_MAP.
#define DECLARE_MESSAGE_MAP()                     \
protected:                                        \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                   \
    {                                                                                 \
        using ThisClass [[maybe_unused]] = theClass;                                  \
        using TheBaseClass = baseClass;                                               \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                           \
        {0, 0, 0, 0, AfxSig_end}};                                                                  \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
        return &messageMap;                                                                         \
    }

// The notification code of a command from a menu, accelerator or the dialog manager.
#define CN_COMMAND 0

class CCmdTarget : public CObject {
public:
    CCmdTarget() = default;

    // Runs the handler of a command (WM_COMMAND, code nCode, from control or command
    // nID) found in this object's map or its bases'; FALSE when none handles it.
    virtual BOOL OnCmdMsg(UINT nID, int nCode);

    virtual const AFX_MSGMAP* GetMessageMap() const;

    // The first entry for a message, code and ID, searching the map and then its bases.
    static const AFX_MSGMAP_ENTRY* FindMessageMapEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
};
