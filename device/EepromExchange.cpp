// What Read Config and Write Config share: the start of the exchange and its end.
#include "app/LogMessages.h"
#include "device/EepromExchange.h"

// Opens the adapter selected in the device list, sends the command frame in msg and
// reads the controller's 2-byte reply into ret. On failure logs its row, closes the
// device if it was opened, and returns FALSE.
BOOL CQuorvelDlg::StartEepromCommand(BYTE* msg, BYTE* ret, LPCTSTR lpszFrameFailed, DWORD* pdwBytesWritten,
                                     DWORD* pdwBytesRead)
{
    CComboBox* pDeviceList = static_cast<CComboBox*>(GetDlgItem(IDC_DEVICE_LIST));
    // Write Config says so too: nothing was sent, but a silent failure would look as if
    // nothing had been asked.
    if (OpenDevice(SelectedDeviceIndex(pDeviceList), &m_hDevice) != USB_OK) {
        AddLogMessage(LOG_CANNOT_CONNECT);
        return FALSE;
    }
    if (!WriteWithTimeout(msg, 3, pdwBytesWritten, EEPROM_WRITE_TIMEOUT)) {
        EndEepromCommand(lpszFrameFailed);
        return FALSE;
    }
    if (!ReadWithTimeout(ret, 2, pdwBytesRead, EEPROM_READ_TIMEOUT)) {
        EndEepromCommand(LOG_COMMAND_REPLY_TIMEOUT);
        return FALSE;
    }
    return TRUE;
}

// Every outcome of an opened exchange: its row first, then the close.
void CQuorvelDlg::EndEepromCommand(LPCTSTR lpszOutcome)
{
    AddLogMessage(lpszOutcome);
    CloseDevice(m_hDevice);
}
