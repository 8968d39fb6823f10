// The main dialog: the servo's parameter block, the values shown for it, the switches,
// and the log of what the commands did. One class defined across app/, params/ and
// device/, each file one concern; the comments below say which file defines what.
#pragma once

#include "afxext.h"
#include "afxwin.h"
#include "controls/truecolortoolbar.h"
#include "res/resource.h"

class CQuorvelDlg : public CDialog {
public:
    // app/QuorvelDlg.cpp: construction, the data exchange, start-up and drawing.
    explicit CQuorvelDlg(CWnd* pParent = nullptr);
    ~CQuorvelDlg() override;

    enum { IDD = IDD_QUORVEL_DIALOG };

    // The data members are declared in the order DoDataExchange takes them.

    // device/: the USB bridge's handle of the device a read or write command has open.
    HANDLE m_hDevice = nullptr;

protected:
    HICON m_hIcon;

public:
    // Dialog values, in the order of the data exchange; params/ParameterBlock.cpp
    // converts them to and from the block.
    float m_fDeadBand;
    float m_fMaxDuty;
    int m_nStretcher;
    BYTE m_byBoost;
    float m_fPulseLower;
    float m_fPulseUpper;
    int m_nLeftRange;
    int m_nRightRange;
    int m_nNeutral;
    int m_nDriveFreqValue;

    // The image of the servo's EEPROM: bytes 0-40 are the parameter block.
    BYTE m_eeprom[1024];
    DWORD m_nEepromLen;

    // The log list (app/EventLog.cpp) and the switches, bound by the data exchange.
    CListCtrl m_listLog;
    CButton m_chkInternalOsc;
    int m_nDriveFreq;
    CButton m_chkInverter;
    CButton m_chk100Pwm;
    CButton m_chkNarrowBand;

    // Kept for a toolbar that the dialog never creates: nothing but construction and
    // destruction touches them. Likewise no code path creates the numeric edit
    // (controls/numedit.h), so the dialog holds none.
    CToolBar m_wndToolBar;
    CTrueColorToolBar m_wndTrueColorToolBar;

    // params/ParameterBlock.cpp: the block to the values and back, and the defaults.
    void DecodeParameterBlock();
    void EncodeParameterBlock();
    void SetDefaultParameters();

    // device/TimedTransfer.cpp: every byte of the EEPROM exchange passes through these.
    BOOL ReadWithTimeout(LPVOID lpBuffer, DWORD dwBytesToRead, DWORD* lpdwBytesRead, DWORD dwReadTimeout);
    BOOL WriteWithTimeout(LPVOID lpBuffer, DWORD dwBytesToWrite, DWORD* lpdwBytesWritten, DWORD dwWriteTimeout);

    // app/EventLog.cpp: the log's columns, and a row stamped with the local time.
    void AddLogMessage(CString msg);
    void SetupLogColumns();

protected:
    // app/QuorvelDlg.cpp, which also holds the message map.
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnPaint();
    // app/DialogCommands.cpp
    afx_msg HCURSOR OnQueryDragIcon();
    DECLARE_MESSAGE_MAP()

public:
    // The command handlers, each defined with the concern it belongs to.
    // device/AdapterSearch.cpp
    afx_msg void OnBnClickedReflashUsb();
    // device/EepromRead.cpp and device/EepromWrite.cpp
    afx_msg void OnBnClickedReadConfig();
    afx_msg void OnBnClickedWriteConfig();
    // params/ParameterFile.cpp
    afx_msg void OnBnClickedLoad();
    afx_msg void OnBnClickedSave();
    // app/DecimalEntryFilter.cpp
    afx_msg void OnEnChangeDeadBand();
    afx_msg void OnEnChangeDriveFrequency();
    // app/DialogCommands.cpp
    afx_msg void OnBnClickedResetParameters();
    afx_msg void OnBnClickedInternalOsc();
    afx_msg void OnBnClickedNarrowBand();
    afx_msg void OnNMThemeChangedDeadBandScroll(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnNMThemeChangedPulseUpperScroll(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnNMThemeChangedMaxDutyScroll(NMHDR* pNMHDR, LRESULT* pResult);

private:
    // app/DecimalEntryFilter.cpp
    void FilterDecimalEntry(int nID);
    // device/EepromExchange.cpp: what the read and write commands share.
    BOOL StartEepromCommand(BYTE* msg, BYTE* ret, LPCTSTR lpszFrameFailed, DWORD* pdwBytesWritten,
                            DWORD* pdwBytesRead);
    void EndEepromCommand(LPCTSTR lpszOutcome);
};
