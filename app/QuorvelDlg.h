// The main dialog: the servo's parameter block, the values shown for it, the switches,
// and the log of what the commands did.
#pragma once

#include "afxext.h"
#include "afxwin.h"
#include "controls/truecolortoolbar.h"
#include "res/resource.h"

class CQuorvelDlg : public CDialog {
public:
    explicit CQuorvelDlg(CWnd* pParent = nullptr);
    ~CQuorvelDlg() override;

    enum { IDD = IDD_QUORVEL_DIALOG };

    // The USB bridge's handle of the device a read or write command has open.
    HANDLE m_hDevice = nullptr;

protected:
    HICON m_hIcon;

public:
    // Dialog values, in the order of the data exchange.
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

    CListCtrl m_listLog;
    CButton m_chkInternalOsc;
    int m_nDriveFreq;
    CButton m_chkInverter;
    CButton m_chk100Pwm;
    CButton m_chkNarrowBand;
    // Held for a toolbar that the dialog does not show.
    CToolBar m_wndToolBar;
    CTrueColorToolBar m_wndTrueColorToolBar;

    void DecodeParameterBlock();
    void EncodeParameterBlock();
    void SetDefaultParameters();

    BOOL ReadWithTimeout(LPVOID lpBuffer, DWORD dwBytesToRead, DWORD* lpdwBytesRead, DWORD dwReadTimeout);
    BOOL WriteWithTimeout(LPVOID lpBuffer, DWORD dwBytesToWrite, DWORD* lpdwBytesWritten, DWORD dwWriteTimeout);

    void AddLogMessage(CString msg);
    void SetupLogColumns();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    DECLARE_MESSAGE_MAP()

public:
    afx_msg void OnBnClickedReflashUsb();
    afx_msg void OnNMThemeChangedDeadBandScroll(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnBnClickedReadConfig();
    afx_msg void OnBnClickedWriteConfig();
    afx_msg void OnEnChangeDeadBand();
    afx_msg void OnEnChangeDriveFrequency();
    afx_msg void OnNMThemeChangedPulseUpperScroll(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnNMThemeChangedMaxDutyScroll(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnBnClickedResetParameters();
    afx_msg void OnBnClickedInternalOsc();
    afx_msg void OnBnClickedNarrowBand();
    afx_msg void OnBnClickedLoad();
    afx_msg void OnBnClickedSave();

private:
    void FilterDecimalEntry(int nID);
    BOOL StartEepromCommand(BYTE* msg, BYTE* ret, LPCTSTR lpszFrameFailed, DWORD* pdwBytesWritten,
                            DWORD* pdwBytesRead);
    void EndEepromCommand(LPCTSTR lpszOutcome);
};
