#include "support/ModalTestDriver.h"

#include "winuser.h"

void ModalTestDriver::RunModalLoop(HWND hDlg)
{
    if (m_whileOpen)
        m_whileOpen(hDlg);
    if (!IsDialogEnded(hDlg))
        HeadlessDriver::RunModalLoop(hDlg);
}
