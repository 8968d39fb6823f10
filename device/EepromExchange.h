// The exchange with the servo controller: a command frame {command, 0x00, length}, a
// 2-byte reply, then the block in pieces of at most 32 bytes, each answered by the
// running count of block bytes moved, low byte first.
#pragma once

#include "app/QuorvelDlg.h"
#include "device/UsbBridgeImports.h"

#define EEPROM_CMD_WRITE 0x01
#define EEPROM_CMD_READ 0x02
#define EEPROM_PIECE_SIZE 32
#define EEPROM_READ_TIMEOUT 3000
#define EEPROM_WRITE_TIMEOUT 1000

// Pieces of a block of nLength bytes: all full but the last.
inline DWORD EepromPieceCount(DWORD nLength)
{
    return nLength / EEPROM_PIECE_SIZE + (nLength % EEPROM_PIECE_SIZE != 0 ? 1 : 0);
}

// An acknowledgement: the running count, low byte first.
inline void EepromStoreCount(BYTE* ack, DWORD nCount)
{
    ack[0] = static_cast<BYTE>(nCount & 0xFF);
    ack[1] = static_cast<BYTE>((nCount >> 8) & 0xFF);
}

inline DWORD EepromCountOf(const BYTE* ack)
{
    return ack[1] * 256u + ack[0];
}

// The library index of the adapter selected in the device list: all bits set when
// nothing is selected, or when the dialog has no list.
inline DWORD SelectedDeviceIndex(CComboBox* pDeviceList)
{
    return static_cast<DWORD>(pDeviceList != nullptr ? pDeviceList->GetCurSel() : CB_ERR);
}
