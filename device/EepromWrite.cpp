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
    // Taken a second time on purpose: what the user sees depends on it, a refused field's
    // box shows twice. The block sent is still the one encoded above.
    UpdateData(TRUE);

    // The frame has one byte for the length, so it carries the low 8 bits, while the data
    // stops at 256 bytes. The two agree up to 255 and every command sends 41; keep both,
    // the controller takes its length from the frame.
    DWORD nLength = m_nEepromLen > 256 ? 256 : m_nEepromLen;
    DWORD nPieces = EepromPieceCount(nLength);
    DWORD nCount = 0;
    BYTE* cursor = m_eeprom;

    BYTE msg[3] = {EEPROM_CMD_WRITE, 0x00, static_cast<BYTE>(m_nEepromLen & 0xFF)};
    // Every reply is 2 bytes; the third byte is spare and never read. It stays: the
    // buffer matches the frame's size, and a smaller one would buy nothing.
    BYTE ret[3] = {};
    if (!StartEepromCommand(msg, ret, LOG_CANNOT_CONNECT, &dwBytesWritten, &dwBytesRead))
        return;
    if (ret[1] != msg[2] || ret[0] != msg[1]) {
        EndEepromCommand(LOG_REPLY_WRONG);
        return;
    }

    for (DWORD nPiece = 0; nPiece < nPieces; ++nPiece) {
        DWORD nPieceLen = nLength - nCount > EEPROM_PIECE_SIZE ? EEPROM_PIECE_SIZE : nLength - nCount;
        if (!WriteWithTimeout(cursor, nPieceLen, &dwBytesWritten, EEPROM_WRITE_TIMEOUT)) {
            EndEepromCommand(LOG_DATA_WRITE_TIMEOUT);
            return;
        }
        nCount += nPieceLen;
        if (!ReadWithTimeout(ret, 2, &dwBytesRead, EEPROM_READ_TIMEOUT)) {
            EndEepromCommand(LOG_ACK_TIMEOUT_DOWNLOAD);
            return;
        }
        if (EepromCountOf(ret) != nCount) {
            EndEepromCommand(LOG_ACK_WRONG_DOWNLOAD);
            return;
        }
        cursor += nPieceLen;
    }

    EndEepromCommand(LOG_WRITE_SUCCESS);
}
