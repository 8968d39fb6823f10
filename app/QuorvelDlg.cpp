// The main dialog: construction, data exchange, opening and painting.
#include "app/QuorvelDlg.h"

CQuorvelDlg::CQuorvelDlg(CWnd* pParent)
    : CDialog(CQuorvelDlg::IDD, pParent),
      m_fDeadBand(0.0f),
      m_fMaxDuty(0.0f),
      m_nStretcher(0),
      m_byBoost(0),
      m_fPulseLower(0.0f),
      m_fPulseUpper(0.0f),
      m_nLeftRange(0),
      m_nRightRange(0),
      m_nNeutral(0),
      m_nDriveFreqValue(0),
      m_nDriveFreq(0)
{
    m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
}

CQuorvelDlg::~CQuorvelDlg() {}

void CQuorvelDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_DEAD_BAND, m_fDeadBand);
    DDX_Text(pDX, IDC_MAX_DUTY, m_fMaxDuty);
    DDX_CBIndex(pDX, IDC_STRETCHER, m_nStretcher);
    DDX_Text(pDX, IDC_BOOST, m_byBoost);
    DDX_Text(pDX, IDC_PULSE_LOWER, m_fPulseLower);
    DDX_Text(pDX, IDC_PULSE_UPPER, m_fPulseUpper);
    DDX_Text(pDX, IDC_LEFT_RANGE, m_nLeftRange);
    DDX_Text(pDX, IDC_RIGHT_RANGE, m_nRightRange);
    DDX_Text(pDX, IDC_NEUTRAL, m_nNeutral);
    DDX_Text(pDX, IDC_DRIVE_FREQUENCY, m_nDriveFreqValue);
    DDX_Control(pDX, IDC_LOG_LIST, m_listLog);
    DDX_Control(pDX, IDC_INTERNAL_OSC, m_chkInternalOsc);
    DDX_CBIndex(pDX, IDC_DRIVE_FREQ_LIST, m_nDriveFreq);
    DDX_Control(pDX, IDC_INVERTER, m_chkInverter);
    DDX_Control(pDX, IDC_100PWM, m_chk100Pwm);
    DDX_Control(pDX, IDC_NARROW_BAND, m_chkNarrowBand);
}

BEGIN_MESSAGE_MAP(CQuorvelDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_REFLASH_USB, &CQuorvelDlg::OnBnClickedReflashUsb)
    ON_NOTIFY(NM_THEMECHANGED, IDC_DEAD_BAND_SCROLL, &CQuorvelDlg::OnNMThemeChangedDeadBandScroll)
    ON_BN_CLICKED(IDC_READ_CONFIG, &CQuorvelDlg::OnBnClickedReadConfig)
    ON_BN_CLICKED(IDC_WRITE_CONFIG, &CQuorvelDlg::OnBnClickedWriteConfig)
    ON_EN_CHANGE(IDC_DEAD_BAND, &CQuorvelDlg::OnEnChangeDeadBand)
    ON_EN_CHANGE(IDC_DRIVE_FREQUENCY, &CQuorvelDlg::OnEnChangeDriveFrequency)
    ON_NOTIFY(NM_THEMECHANGED, IDC_PULSE_UPPER_SCROLL, &CQuorvelDlg::OnNMThemeChangedPulseUpperScroll)
    ON_NOTIFY(NM_THEMECHANGED, IDC_MAX_DUTY_SCROLL, &CQuorvelDlg::OnNMThemeChangedMaxDutyScroll)
    ON_BN_CLICKED(IDC_RESET_PARAMETERS, &CQuorvelDlg::OnBnClickedResetParameters)
    ON_BN_CLICKED(IDC_INTERNAL_OSC, &CQuorvelDlg::OnBnClickedInternalOsc)
    ON_BN_CLICKED(IDC_NARROW_BAND, &CQuorvelDlg::OnBnClickedNarrowBand)
    ON_BN_CLICKED(IDC_LOAD, &CQuorvelDlg::OnBnClickedLoad)
    ON_BN_CLICKED(IDC_SAVE, &CQuorvelDlg::OnBnClickedSave)
END_MESSAGE_MAP()

BOOL CQuorvelDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    SetDefaultParameters();
    UpdateData(FALSE);
    SetupLogColumns();

    return TRUE;
}

// While minimised the dialog draws its icon in the middle of the client area.
void CQuorvelDlg::OnPaint()
{
    if (IsIconic()) {
        CPaintDC dc(this);

        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);

        int cxIcon = GetSystemMetrics(SM_CXICON);
        int cyIcon = GetSystemMetrics(SM_CYICON);
        RECT rect;
        GetClientRect(&rect);
        int x = (rect.right - rect.left - cxIcon + 1) / 2;
        int y = (rect.bottom - rect.top - cyIcon + 1) / 2;

        dc.DrawIcon(x, y, m_hIcon);
    } else {
        CDialog::OnPaint();
    }
}
