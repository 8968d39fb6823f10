#include "support/DialogControls.h"

namespace {

const char PARENT_CLASS[] = "QuorvelTestParent";

HWND CreateCheckBox(HWND hParent, int nID, LPCTSTR caption)
{
    return CreateWindowEx(0, "BUTTON", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 0, 59, 10,
                          hParent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(nID)), nullptr, nullptr);
}

}  // namespace

DialogControls::DialogControls(CQuorvelDlg& dlg) : m_dlg(dlg)
{
    WNDCLASS parentClass{0, DefWindowProc, PARENT_CLASS};
    RegisterClass(&parentClass);
    m_hParent = CreateWindowEx(0, PARENT_CLASS, "Quorvel", WS_POPUP, 0, 0, 319, 335, nullptr, nullptr, nullptr, nullptr);

    HWND hList = CreateWindowEx(0, WC_LISTVIEW, "", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT, 7, 257,
                                305, 71, m_hParent, reinterpret_cast<HMENU>(IDC_LOG_LIST), nullptr, nullptr);
    dlg.m_listLog.Attach(hList);
    dlg.m_chkInternalOsc.Attach(CreateCheckBox(m_hParent, IDC_INTERNAL_OSC, "Internal OSC"));
    dlg.m_chkInverter.Attach(CreateCheckBox(m_hParent, IDC_INVERTER, "Inverter"));
    dlg.m_chk100Pwm.Attach(CreateCheckBox(m_hParent, IDC_100PWM, "100%PWM"));
    dlg.m_chkNarrowBand.Attach(CreateCheckBox(m_hParent, IDC_NARROW_BAND, "Narrow Band"));
}

DialogControls::~DialogControls()
{
    m_dlg.m_listLog.Detach();
    m_dlg.m_chkInternalOsc.Detach();
    m_dlg.m_chkInverter.Detach();
    m_dlg.m_chk100Pwm.Detach();
    m_dlg.m_chkNarrowBand.Detach();
    DestroyWindow(m_hParent);
}
