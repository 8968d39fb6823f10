// Reads and writes bounded by a time-out of their own: the library-wide pair is set for
// the one transfer and put back afterwards, whatever the transfer's outcome.
#include "app/QuorvelDlg.h"
#include "device/UsbBridgeImports.h"

BOOL CQuorvelDlg::ReadWithTimeout(LPVOID lpBuffer, DWORD dwBytesToRead, DWORD* lpdwBytesRead, DWORD dwReadTimeout)
{
    // Zero in case the library cannot report its pair; it fills both when it can.
    DWORD tmpReadTO = 0;
    DWORD tmpWriteTO = 0;
    GetTimeouts(&tmpReadTO, &tmpWriteTO);
    SetTimeouts(dwReadTimeout, 0);
    USB_STATUS status = ReadDevice(m_hDevice, lpBuffer, dwBytesToRead, lpdwBytesRead, 0);
    SetTimeouts(tmpReadTO, tmpWriteTO);
    return status == USB_OK;
}

BOOL CQuorvelDlg::WriteWithTimeout(LPVOID lpBuffer, DWORD dwBytesToWrite, DWORD* lpdwBytesWritten,
                                   DWORD dwWriteTimeout)
{
    DWORD tmpReadTO = 0;
    DWORD tmpWriteTO = 0;
    GetTimeouts(&tmpReadTO, &tmpWriteTO);
    SetTimeouts(0, dwWriteTimeout);
    USB_STATUS status = WriteDevice(m_hDevice, lpBuffer, dwBytesToWrite, lpdwBytesWritten, 0);
    SetTimeouts(tmpReadTO, tmpWriteTO);
    return status == USB_OK;
}
