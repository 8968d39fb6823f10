// "Read Config": the parameter block out of the controller's EEPROM, shown as values.
#include "app/LogMessages.h"
#include "device/EepromExchange.h"

void CQuorvelDlg::OnBnClickedReadConfig()
{
    DWORD dwBytesWritten = 0;
    DWORD dwBytesRead = 0;
    UpdateData(TRUE);

    BYTE msg[3] = {EEPROM_CMD_READ, 0x00, static_cast<BYTE>(m_nEepromLen & 0xFF)};
    // Every reply is 2 bytes; the third byte is spare and never read (as in Write Config).
    BYTE ret[3] = {};
    if (!StartEepromCommand(msg, ret, LOG_READ_COMMAND_FAILED, &dwBytesWritten, &dwBytesRead))
        return;

    // The controller says how much it sends, at most 255 bytes: m_eeprom has room.
    DWORD nLength = ret[1];
    DWORD nPieces = EepromPieceCount(nLength);
    DWORD nCount = 0;
    BYTE* cursor = m_eeprom;
    for (DWORD nPiece = 0; nPiece < nPieces; ++nPiece) {
        bool bLastPiece = nLength - nCount <= EEPROM_PIECE_SIZE;
        DWORD nPieceLen = bLastPiece ? nLength - nCount : EEPROM_PIECE_SIZE;
        if (!ReadWithTimeout(cursor, nPieceLen, &dwBytesRead, EEPROM_READ_TIMEOUT)) {
            EndEepromCommand(LOG_DATA_READ_TIMEOUT);
            return;
        }
        nCount += nPieceLen;
        EepromStoreCount(msg, nCount);
        if (!WriteWithTimeout(msg, 2, &dwBytesWritten, EEPROM_WRITE_TIMEOUT)) {
            EndEepromCommand(bLastPiece ? LOG_ACK_TIMEOUT_READ_IN : LOG_ACK_TIMEOUT_READ_OUT);
            return;
        }
        cursor += nPieceLen;
    }

    AddLogMessage(LOG_READ_SUCCESS);
    DecodeParameterBlock();
    UpdateData(FALSE);
    CloseDevice(m_hDevice);
}
