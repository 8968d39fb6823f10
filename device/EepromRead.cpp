// "Read Config": the parameter block out of the controller's EEPROM, shown as values.
#include "app/LogMessages.h"
#include "device/EepromExchange.h"

void CQuorvelDlg::OnBnClickedReadConfig()
{
    DWORD dwBytesWritten = 0;
    DWORD dwBytesRead = 0;
    UpdateData(TRUE);

    CComboBox* pDeviceList = static_cast<CComboBox*>(GetDlgItem(IDC_DEVICE_LIST));
    BYTE* cursor = m_eeprom;

    if (OpenDevice(SelectedDeviceIndex(pDeviceList), &m_hDevice) != USB_OK) {
        AddLogMessage(LOG_CANNOT_CONNECT);
        return;
    }

    BYTE msg[3] = {EEPROM_CMD_READ, 0x00, static_cast<BYTE>(m_nEepromLen & 0xFF)};
    if (!WriteWithTimeout(msg, 3, &dwBytesWritten, EEPROM_WRITE_TIMEOUT)) {
        AddLogMessage(LOG_READ_COMMAND_FAILED);
        CloseDevice(m_hDevice);
        return;
    }

    BYTE ret[3] = {};
    if (!ReadWithTimeout(ret, 2, &dwBytesRead, EEPROM_READ_TIMEOUT)) {
        AddLogMessage(LOG_COMMAND_REPLY_TIMEOUT);
        CloseDevice(m_hDevice);
        return;
    }

    // The controller says how much it sends, at most 255 bytes: m_eeprom has room.
    DWORD nLength = ret[1];
    DWORD nPieces = EepromPieceCount(nLength);
    DWORD nCount = 0;
    for (DWORD nPiece = 0; nPiece < nPieces; ++nPiece) {
        if (nLength - nCount > EEPROM_PIECE_SIZE) {
            if (!ReadWithTimeout(cursor, EEPROM_PIECE_SIZE, &dwBytesRead, EEPROM_READ_TIMEOUT)) {
                AddLogMessage(LOG_DATA_READ_TIMEOUT);
                CloseDevice(m_hDevice);
                return;
            }
            nCount += EEPROM_PIECE_SIZE;
            EepromStoreCount(msg, nCount);
            if (!WriteWithTimeout(msg, 2, &dwBytesWritten, EEPROM_WRITE_TIMEOUT)) {
                AddLogMessage(LOG_ACK_TIMEOUT_READ_OUT);
                CloseDevice(m_hDevice);
                return;
            }
            cursor += EEPROM_PIECE_SIZE;
        } else {
            if (!ReadWithTimeout(cursor, nLength - nCount, &dwBytesRead, EEPROM_READ_TIMEOUT)) {
                AddLogMessage(LOG_DATA_READ_TIMEOUT);
                CloseDevice(m_hDevice);
                return;
            }
            EepromStoreCount(msg, nLength);
            if (!WriteWithTimeout(msg, 2, &dwBytesWritten, EEPROM_WRITE_TIMEOUT)) {
                AddLogMessage(LOG_ACK_TIMEOUT_READ_IN);
                CloseDevice(m_hDevice);
                return;
            }
        }
    }

    AddLogMessage(LOG_READ_SUCCESS);
    DecodeParameterBlock();
    UpdateData(FALSE);
    CloseDevice(m_hDevice);
}
