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
}
