// The entries of a message map, between BEGIN_MESSAGE_MAP and END_MESSAGE_MAP. A map
// lists its entries in order; the first entry that matches a message wins, then the
// base class's map is searched.
#pragma once

#include "CCmdTarget.h"

// A command from a menu, an accelerator or the dialog manager (IDOK, ID_HELP ...).
#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND, CN_COMMAND, static_cast<UINT>(id), static_cast<UINT>(id), AfxSig_vv, static_cast<AFX_PMSG>(memberFxn)},

// A notification that a control sends with WM_COMMAND.
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                               \
    {WM_COMMAND, static_cast<UINT>(wNotifyCode), static_cast<UINT>(id), static_cast<UINT>(id), AfxSig_vv, \
     static_cast<AFX_PMSG>(memberFxn)},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)

// A notification that a common control sends with WM_NOTIFY.
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                             \
    {WM_NOTIFY, static_cast<UINT>(static_cast<WORD>(wNotifyCode)), static_cast<UINT>(id), static_cast<UINT>(id), \
     AfxSig_vNMHDRpl, nullptr, static_cast<AFX_PMSG_NOTIFY>(memberFxn)},

// Window messages, each with its handler's usual name.
#define ON_WM_PAINT() {WM_PAINT, 0, 0, 0, AfxSig_vv, static_cast<AFX_PMSG>(&ThisClass::OnPaint)},
#define ON_WM_QUERYDRAGICON() \
    {WM_QUERYDRAGICON, 0, 0, 0, AfxSig_hv, nullptr, nullptr, static_cast<AFX_PMSG_HCURSOR>(&ThisClass::OnQueryDragIcon)},

// Marks a message handler in a class declaration.
#define afx_msg
