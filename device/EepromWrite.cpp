// "Write Config": the dialog's values, encoded into the parameter block, into the
// controller's EEPROM.
#include "app/LogMessages.h"
#include "device/EepromExchange.h"

void CQuorvelDlg::OnBnClickedWriteConfig()
{
    UpdateData(TRUE);
    EncodeParameterBlock();

    DWORD dwBytesWritten = 0;
    DWORD dwBytesRead = 0;
    UpdateData(TRUE);

    CComboBox* pDeviceList = static_cast<CComboBox*>(GetDlgItem(IDC_DEVICE_LIST));
    DWORD nLength = m_nEepromLen > 256 ? 256 : m_nEepromLen;
    DWORD nPieces = EepromPieceCount(nLength);
    DWORD nCount = 0;
    BYTE* cursor = m_eeprom;

    // Nothing has been sent yet, but a silent failure would look like nothing happened.
    if (OpenDevice(SelectedDeviceIndex(pDeviceList), &m_hDevice) != USB_OK) {
        AddLogMessage(LOG_CANNOT_CONNECT);
        return;
    }

    BYTE msg[3] = {EEPROM_CMD_WRITE, 0x00, static_cast<BYTE>(m_nEepromLen & 0xFF)};
    if (!WriteWithTimeout(msg, 3, &dwBytesWritten, EEPROM_WRITE_TIMEOUT)) {
        AddLogMessage(LOG_CANNOT_CONNECT);
        CloseDevice(m_hDevice);
        return;
    }

    BYTE ret[3] = {};
    if (!ReadWithTimeout(ret, 2, &dwBytesRead, EEPROM_READ_TIMEOUT)) {
        AddLogMessage(LOG_COMMAND_REPLY_TIMEOUT);
        CloseDevice(m_hDevice);
        return;
    }
    if (ret[1] != msg[2] || ret[0] != msg[1]) {
        AddLogMessage(LOG_REPLY_WRONG);
        CloseDevice(m_hDevice);
        return;
    }

    for (DWORD nPiece = 0; nPiece < nPieces; ++nPiece) {
        DWORD nPieceLen = nLength - nCount > EEPROM_PIECE_SIZE ? EEPROM_PIECE_SIZE : nLength - nCount;
        if (!WriteWithTimeout(cursor, nPieceLen, &dwBytesWritten, EEPROM_WRITE_TIMEOUT)) {
            AddLogMessage(LOG_DATA_WRITE_TIMEOUT);
            CloseDevice(m_hDevice);
            return;
        }
        nCount += nPieceLen;
        if (!ReadWithTimeout(ret, 2, &dwBytesRead, EEPROM_READ_TIMEOUT)) {
            AddLogMessage(LOG_ACK_TIMEOUT_DOWNLOAD);
            CloseDevice(m_hDevice);
            return;
        }
        if (EepromCountOf(ret) != nCount) {
            AddLogMessage(LOG_ACK_WRONG_DOWNLOAD);
            CloseDevice(m_hDevice);
            return;
        }
        cursor += nPieceLen;
    }

    AddLogMessage(LOG_WRITE_SUCCESS);
    CloseDevice(m_hDevice);
}
