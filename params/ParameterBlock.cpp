// Conversions between the parameter block and the dialog's values and switches.
// One unit of time in the block is 0.2 us; 16-bit fields are stored high byte first.
// Values are never checked against the ranges the captions show: they wrap to their
// field, except the maximum duty, which is capped.
#include "params/ParameterBlock.h"

#include "app/QuorvelDlg.h"

const BYTE g_defaultParameterBlock[PARAMETER_BLOCK_LEN] = {
    0x35, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0x04, 0x02, 0xF4, 0x00, 0x40,
    0xD0, 0xD0, 0x11, 0x94, 0x29, 0x04, 0x1D, 0x4C, 0x10, 0x00, 0x1D, 0x4C, 0x01, 0x00,
    0x00, 0x00, 0x40, 0x40, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
};

namespace {

const double UNIT_US = 0.2;
const int DRIVE_FREQ_DEFAULT_INDEX = 32;  // "330", the last item of the list
const BYTE MODE_100PWM = 0x01;
const BYTE MODE_INVERTER = 0x08;
const BYTE MODE_DRIVE_FREQ_STORED = 0x80;
const BYTE INTERNAL_OSC_ON = 0x80;

// Truncates toward zero; outside the signed 32-bit range, or not a number, gives 0.
int32_t TruncateToInt32(double value)
{
    if (!(value > -2147483649.0 && value < 2147483648.0))
        return 0;
    return static_cast<int32_t>(value);
}

// Truncates toward zero; outside the signed 64-bit range, or not a number, gives 0.
int64_t TruncateToInt64(double value)
{
    if (!(value >= -9223372036854775808.0 && value < 9223372036854775808.0))
        return 0;
    return static_cast<int64_t>(value);
}

BYTE LowByte(uint64_t value)
{
    return static_cast<BYTE>(value & 0xFF);
}

unsigned Word(const BYTE* block, int index)
{
    return block[index] * 256u + block[index + 1];
}

void StoreWord(BYTE* block, int index, uint64_t value)
{
    block[index] = LowByte(value >> 8);
    block[index + 1] = LowByte(value);
}

float UnitsToMicroseconds(unsigned units)
{
    return static_cast<float>(units * UNIT_US);
}

// A pulse limit in units: microseconds times five, kept to its low 16 bits.
void StorePulseLimit(BYTE* block, int index, float microseconds)
{
    int64_t units = TruncateToInt64(static_cast<double>(microseconds) * 5.0);
    StoreWord(block, index, static_cast<uint64_t>(units));
}

int CheckState(bool checked)
{
    return checked ? BST_CHECKED : BST_UNCHECKED;
}

bool IsChecked(const CButton& box)
{
    return box.GetCheck() == BST_CHECKED;
}

void SetBit(BYTE& flags, BYTE bit, bool on)
{
    flags = on ? static_cast<BYTE>(flags | bit) : static_cast<BYTE>(flags & ~bit);
}

}  // namespace

void CQuorvelDlg::DecodeParameterBlock()
{
    const BYTE* b = m_eeprom;

    m_fDeadBand = UnitsToMicroseconds(255u - b[11]);
    m_nStretcher = b[12];
    m_fMaxDuty = b[14];
    m_byBoost = b[13];
    m_fPulseLower = UnitsToMicroseconds(Word(b, 16));
    m_fPulseUpper = UnitsToMicroseconds(Word(b, 18));
    m_chkNarrowBand.SetCheck(CheckState(b[20] == 0x0E));
    m_chk100Pwm.SetCheck(CheckState(b[9] & MODE_100PWM));
    m_chkInverter.SetCheck(CheckState(b[9] & MODE_INVERTER));
    m_nLeftRange = b[30] - 64;
    m_nRightRange = b[31] - 64;
    m_nNeutral = static_cast<int>(Word(b, 22)) - 4096;
    if (b[9] & MODE_DRIVE_FREQ_STORED) {
        m_nDriveFreqValue = b[34] * 512 / 10;
        m_nDriveFreq = b[34];
    } else {
        m_nDriveFreqValue = 3276;
        m_nDriveFreq = DRIVE_FREQ_DEFAULT_INDEX;
    }
    m_chkInternalOsc.SetCheck(CheckState(b[8] == INTERNAL_OSC_ON));
}

void CQuorvelDlg::EncodeParameterBlock()
{
    BYTE* b = m_eeprom;

    // The dead band is stored inverted: 255 minus its units.
    b[11] = static_cast<BYTE>(255 - LowByte(static_cast<uint32_t>(TruncateToInt32(m_fDeadBand / UNIT_US))));
    b[12] = LowByte(static_cast<uint32_t>(m_nStretcher));

    BYTE maxDuty = m_fMaxDuty > 255.0 ? 0xFF : LowByte(static_cast<uint32_t>(TruncateToInt32(m_fMaxDuty)));
    b[14] = maxDuty;
    b[15] = maxDuty;

    b[13] = m_byBoost;
    StorePulseLimit(b, 16, m_fPulseLower);
    StorePulseLimit(b, 18, m_fPulseUpper);
    b[30] = LowByte(static_cast<uint32_t>(m_nLeftRange) + 64u);
    b[31] = LowByte(static_cast<uint32_t>(m_nRightRange) + 64u);
    StoreWord(b, 22, static_cast<uint32_t>(m_nNeutral) + 4096u);

    // The last list item is the controller's own default and is stored as "not set".
    bool driveFreqStored = m_nDriveFreq != DRIVE_FREQ_DEFAULT_INDEX;
    SetBit(b[9], MODE_DRIVE_FREQ_STORED, driveFreqStored);
    b[34] = driveFreqStored ? LowByte(static_cast<uint32_t>(m_nDriveFreq)) : 0x1F;

    b[8] = IsChecked(m_chkInternalOsc) ? INTERNAL_OSC_ON : 0x00;
    SetBit(b[9], MODE_100PWM, IsChecked(m_chk100Pwm));
    SetBit(b[9], MODE_INVERTER, IsChecked(m_chkInverter));

    bool narrowBand = IsChecked(m_chkNarrowBand);
    b[20] = narrowBand ? 0x0E : 0x1D;
    b[21] = narrowBand ? 0xA6 : 0x4C;
}

void CQuorvelDlg::SetDefaultParameters()
{
    m_fDeadBand = 3.2f;
    m_fMaxDuty = 200.0f;
    m_nStretcher = 4;
    m_byBoost = 156;
    m_fPulseLower = 1000.0f;
    m_fPulseUpper = 2000.0f;
    m_nLeftRange = 0;
    m_nRightRange = 0;
    m_nNeutral = 0;
    m_nDriveFreqValue = 3276;
    m_nDriveFreq = DRIVE_FREQ_DEFAULT_INDEX;
    m_nEepromLen = PARAMETER_BLOCK_LEN;
    for (int i = 0; i < PARAMETER_BLOCK_LEN; ++i)
        m_eeprom[i] = g_defaultParameterBlock[i];
}
