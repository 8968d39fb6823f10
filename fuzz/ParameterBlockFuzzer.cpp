// The parameter block's conversions. The first byte picks the case: decode then encode
// an arbitrary block, or encode arbitrary dialog values and switches over one. Either
// way every byte and bit that no control shows survives, nothing beyond the block is
// touched, and each field ends as its encoding says.
#include <cstring>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "HeadlessDriver.h"
#include "app/QuorvelDlg.h"
#include "params/ParameterBlock.h"
#include "support/DialogControls.h"

namespace {

using Image = std::vector<BYTE>;

const int UNTOUCHED_BYTES[] = {0, 1, 2, 3, 4, 5, 6, 7, 10, 24, 25, 26, 27, 28, 29, 32, 33, 35, 36, 37, 38, 39, 40};
const BYTE UNTOUCHED_MODE_BITS = 0x76;
const BYTE MODE_100PWM = 0x01;
const BYTE MODE_INVERTER = 0x08;
const BYTE MODE_DRIVE_FREQ_STORED = 0x80;
const int DRIVE_FREQ_DEFAULT_INDEX = 32;

struct Switches {
    bool internalOsc;
    bool pwm100;
    bool inverter;
    bool narrowBand;
};

class Conversion {
public:
    explicit Conversion(FuzzInput& input) : m_controls(m_dlg)
    {
        // The whole image from the input, so that bytes past the block are known too.
        Image image = input.Bytes(PARAMETER_BLOCK_LEN);
        image.resize(sizeof m_dlg.m_eeprom, 0xA5);
        std::memcpy(m_dlg.m_eeprom, image.data(), image.size());
        m_dlg.m_nEepromLen = PARAMETER_BLOCK_LEN;
    }

    CQuorvelDlg& Dlg() { return m_dlg; }
    Image Bytes() const { return Image(m_dlg.m_eeprom, m_dlg.m_eeprom + sizeof m_dlg.m_eeprom); }

    void SetSwitches(const Switches& s)
    {
        m_dlg.m_chkInternalOsc.SetCheck(s.internalOsc ? BST_CHECKED : BST_UNCHECKED);
        m_dlg.m_chk100Pwm.SetCheck(s.pwm100 ? BST_CHECKED : BST_UNCHECKED);
        m_dlg.m_chkInverter.SetCheck(s.inverter ? BST_CHECKED : BST_UNCHECKED);
        m_dlg.m_chkNarrowBand.SetCheck(s.narrowBand ? BST_CHECKED : BST_UNCHECKED);
    }

    Switches GetSwitches() const
    {
        return Switches{m_dlg.m_chkInternalOsc.GetCheck() == BST_CHECKED, m_dlg.m_chk100Pwm.GetCheck() == BST_CHECKED,
                        m_dlg.m_chkInverter.GetCheck() == BST_CHECKED, m_dlg.m_chkNarrowBand.GetCheck() == BST_CHECKED};
    }

private:
    HeadlessDriver m_driver;
    CQuorvelDlg m_dlg;
    DialogControls m_controls;
};

unsigned Word(const Image& b, int index)
{
    return b[index] * 256u + b[index + 1];
}

void CheckUntouched(const Image& before, const Image& after)
{
    for (int index : UNTOUCHED_BYTES)
        FUZZ_CHECK(after[index] == before[index]);
    FUZZ_CHECK((after[9] & UNTOUCHED_MODE_BITS) == (before[9] & UNTOUCHED_MODE_BITS));
    FUZZ_CHECK(std::equal(before.begin() + PARAMETER_BLOCK_LEN, before.end(), after.begin() + PARAMETER_BLOCK_LEN));
}

// The fields that the switches and the drive frequency own, after any encode.
void CheckSwitchFields(const Image& after, const Switches& s, int driveFreq)
{
    FUZZ_CHECK(after[8] == (s.internalOsc ? 0x80 : 0x00));
    FUZZ_CHECK(((after[9] & MODE_100PWM) != 0) == s.pwm100);
    FUZZ_CHECK(((after[9] & MODE_INVERTER) != 0) == s.inverter);
    FUZZ_CHECK(after[20] == (s.narrowBand ? 0x0E : 0x1D));
    FUZZ_CHECK(after[21] == (s.narrowBand ? 0xA6 : 0x4C));
    bool stored = driveFreq != DRIVE_FREQ_DEFAULT_INDEX;
    FUZZ_CHECK(((after[9] & MODE_DRIVE_FREQ_STORED) != 0) == stored);
    FUZZ_CHECK(after[34] == (stored ? static_cast<BYTE>(driveFreq & 0xFF) : 0x1F));
    FUZZ_CHECK(after[14] == after[15]);
}

uint32_t BitsOf(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The dialog values as bits, NaN included, in the order of the data exchange.
std::vector<uint32_t> ValueBits(const CQuorvelDlg& dlg)
{
    return {BitsOf(dlg.m_fDeadBand),
            BitsOf(dlg.m_fMaxDuty),
            static_cast<uint32_t>(dlg.m_nStretcher),
            dlg.m_byBoost,
            BitsOf(dlg.m_fPulseLower),
            BitsOf(dlg.m_fPulseUpper),
            static_cast<uint32_t>(dlg.m_nLeftRange),
            static_cast<uint32_t>(dlg.m_nRightRange),
            static_cast<uint32_t>(dlg.m_nNeutral),
            static_cast<uint32_t>(dlg.m_nDriveFreqValue),
            static_cast<uint32_t>(dlg.m_nDriveFreq)};
}

// Decoding and encoding again changes no value, except that a time may come back one
// unit lower (the decoded float can lie just below the exact value).
void DecodeThenEncode(FuzzInput& input)
{
    Conversion conversion(input);
    Image before = conversion.Bytes();
    CQuorvelDlg& dlg = conversion.Dlg();

    dlg.DecodeParameterBlock();
    Switches decoded = conversion.GetSwitches();
    FUZZ_CHECK(decoded.internalOsc == (before[8] == 0x80));
    FUZZ_CHECK(decoded.narrowBand == (before[20] == 0x0E));
    FUZZ_CHECK(dlg.m_nDriveFreq >= 0 && dlg.m_nDriveFreq <= 255);
    dlg.EncodeParameterBlock();
    Image after = conversion.Bytes();

    CheckUntouched(before, after);
    CheckSwitchFields(after, decoded, dlg.m_nDriveFreq);
    FUZZ_CHECK(after[11] == before[11] || (before[11] < 255 && after[11] == before[11] + 1));
    for (int index : {16, 18})
        FUZZ_CHECK(Word(after, index) == Word(before, index) || Word(after, index) + 1 == Word(before, index));
    for (int index : {12, 13, 14, 22, 23, 30, 31})
        FUZZ_CHECK(after[index] == before[index]);
    if ((before[9] & MODE_DRIVE_FREQ_STORED) != 0 && before[34] != DRIVE_FREQ_DEFAULT_INDEX)
        FUZZ_CHECK(after[34] == before[34]);
}

// Encoding reads the values and switches and changes neither.
void EncodeValues(FuzzInput& input)
{
    Conversion conversion(input);
    CQuorvelDlg& dlg = conversion.Dlg();
    dlg.m_fDeadBand = input.Float();
    dlg.m_fMaxDuty = input.Float();
    dlg.m_nStretcher = input.Int();
    dlg.m_byBoost = input.Byte();
    dlg.m_fPulseLower = input.Float();
    dlg.m_fPulseUpper = input.Float();
    dlg.m_nLeftRange = input.Int();
    dlg.m_nRightRange = input.Int();
    dlg.m_nNeutral = input.Int();
    dlg.m_nDriveFreqValue = input.Int();
    dlg.m_nDriveFreq = input.Int();
    Switches switches{input.Bool(), input.Bool(), input.Bool(), input.Bool()};
    conversion.SetSwitches(switches);

    std::vector<uint32_t> values = ValueBits(dlg);
    Image before = conversion.Bytes();

    dlg.EncodeParameterBlock();
    Image after = conversion.Bytes();

    FUZZ_CHECK(ValueBits(dlg) == values);
    Switches kept = conversion.GetSwitches();
    FUZZ_CHECK(kept.internalOsc == switches.internalOsc && kept.pwm100 == switches.pwm100 &&
               kept.inverter == switches.inverter && kept.narrowBand == switches.narrowBand);

    CheckUntouched(before, after);
    CheckSwitchFields(after, switches, dlg.m_nDriveFreq);
    FUZZ_CHECK(after[12] == static_cast<BYTE>(static_cast<uint32_t>(dlg.m_nStretcher) & 0xFF));
    FUZZ_CHECK(after[13] == dlg.m_byBoost);
    if (dlg.m_fMaxDuty > 255.0f)
        FUZZ_CHECK(after[14] == 0xFF);
    FUZZ_CHECK(after[30] == static_cast<BYTE>((static_cast<uint32_t>(dlg.m_nLeftRange) + 64u) & 0xFF));
    FUZZ_CHECK(after[31] == static_cast<BYTE>((static_cast<uint32_t>(dlg.m_nRightRange) + 64u) & 0xFF));
    FUZZ_CHECK(Word(after, 22) == ((static_cast<uint32_t>(dlg.m_nNeutral) + 4096u) & 0xFFFF));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    AfxWinInit();
    if (input.Bool())
        EncodeValues(input);
    else
        DecodeThenEncode(input);
    return 0;
}
