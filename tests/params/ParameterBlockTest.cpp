#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <climits>
#include <cmath>
#include <random>
#include <vector>

#include "HeadlessDriver.h"
#include "app/QuorvelDlg.h"
#include "params/ParameterBlock.h"
#include "support/DialogControls.h"

namespace {

using Block = std::vector<BYTE>;

const Block DEFAULT_BLOCK = {0x35, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0x04, 0x02, 0xF4, 0x00, 0x40,
                             0xD0, 0xD0, 0x11, 0x94, 0x29, 0x04, 0x1D, 0x4C, 0x10, 0x00, 0x1D, 0x4C, 0x01, 0x00,
                             0x00, 0x00, 0x40, 0x40, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

const Block DEFAULT_VALUES_ENCODED = {0x35, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x02, 0xEF, 0x04, 0x9C,
                                      0xC8, 0xC8, 0x13, 0x88, 0x27, 0x10, 0x1D, 0x4C, 0x10, 0x00, 0x1D, 0x4C, 0x01, 0x00,
                                      0x00, 0x00, 0x40, 0x40, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

// The bytes and bits that no conversion reads or writes.
const std::vector<int> UNTOUCHED_BYTES = {0, 1, 2, 3, 4, 5, 6, 7, 10, 24, 25, 26, 27, 28, 29, 32, 33, 35, 36, 37, 38, 39, 40};
const BYTE UNTOUCHED_MODE_BITS = 0x76;

class ParameterBlockTest : public ::testing::Test {
protected:
    ParameterBlockTest() : controls(dlg) { dlg.SetDefaultParameters(); }

    Block BlockBytes() const { return Block(dlg.m_eeprom, dlg.m_eeprom + PARAMETER_BLOCK_LEN); }
    void SetBlock(const Block& block) { std::copy(block.begin(), block.end(), dlg.m_eeprom); }

    BYTE EncodedByte(int index)
    {
        dlg.EncodeParameterBlock();
        return dlg.m_eeprom[index];
    }

    std::array<BYTE, 2> EncodedPair(int index)
    {
        dlg.EncodeParameterBlock();
        return {dlg.m_eeprom[index], dlg.m_eeprom[index + 1]};
    }

    HeadlessDriver driver;
    CQuorvelDlg dlg;
    DialogControls controls;
};

using Pair = std::array<BYTE, 2>;

TEST_F(ParameterBlockTest, DefaultsAreTheDocumentedBlockAndValues)
{
    EXPECT_EQ(BlockBytes(), DEFAULT_BLOCK);
    EXPECT_EQ(dlg.m_nEepromLen, 41u);
    EXPECT_EQ(dlg.m_fDeadBand, 3.2f);
    EXPECT_EQ(dlg.m_fMaxDuty, 200.0f);
    EXPECT_EQ(dlg.m_nStretcher, 4);
    EXPECT_EQ(dlg.m_byBoost, 156);
    EXPECT_EQ(dlg.m_fPulseLower, 1000.0f);
    EXPECT_EQ(dlg.m_fPulseUpper, 2000.0f);
    EXPECT_EQ(dlg.m_nLeftRange, 0);
    EXPECT_EQ(dlg.m_nRightRange, 0);
    EXPECT_EQ(dlg.m_nNeutral, 0);
    EXPECT_EQ(dlg.m_nDriveFreqValue, 3276);
    EXPECT_EQ(dlg.m_nDriveFreq, 32);
}

TEST_F(ParameterBlockTest, DefaultsLeaveTheCheckBoxesAlone)
{
    dlg.m_chkInverter.SetCheck(BST_CHECKED);
    dlg.SetDefaultParameters();
    EXPECT_EQ(dlg.m_chkInverter.GetCheck(), BST_CHECKED);
}

TEST_F(ParameterBlockTest, EncodingTheDefaultValuesClearsByte8AndStores1FInByte34)
{
    dlg.EncodeParameterBlock();
    EXPECT_EQ(BlockBytes(), DEFAULT_VALUES_ENCODED);
}

TEST_F(ParameterBlockTest, DecodingTheDefaultBlockGivesItsOwnValuesNotTheDialogDefaults)
{
    dlg.DecodeParameterBlock();
    EXPECT_EQ(dlg.m_fDeadBand, 2.2f);
    EXPECT_EQ(dlg.m_nStretcher, 0);
    EXPECT_EQ(dlg.m_fMaxDuty, 208.0f);
    EXPECT_EQ(dlg.m_byBoost, 64);
    EXPECT_EQ(dlg.m_fPulseLower, 900.0f);
    EXPECT_EQ(dlg.m_fPulseUpper, 2100.0f);
    EXPECT_EQ(dlg.m_nLeftRange, 0);
    EXPECT_EQ(dlg.m_nRightRange, 0);
    EXPECT_EQ(dlg.m_nNeutral, 0);
    EXPECT_EQ(dlg.m_nDriveFreq, 32);
    EXPECT_EQ(dlg.m_nDriveFreqValue, 3276);
    EXPECT_EQ(dlg.m_chkInternalOsc.GetCheck(), BST_CHECKED);
    EXPECT_EQ(dlg.m_chk100Pwm.GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(dlg.m_chkInverter.GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(dlg.m_chkNarrowBand.GetCheck(), BST_UNCHECKED);

    dlg.EncodeParameterBlock();
    Block expected = DEFAULT_BLOCK;
    expected[34] = 0x1F;
    EXPECT_EQ(BlockBytes(), expected);
}

TEST_F(ParameterBlockTest, DeadBandIsStoredInvertedAndTruncated)
{
    dlg.m_fDeadBand = 3.2f;
    EXPECT_EQ(EncodedByte(11), 0xEF);
    dlg.DecodeParameterBlock();
    EXPECT_EQ(dlg.m_fDeadBand, 3.2f);

    // The float nearest 1.4 lies just below it: 6 units, not 7.
    dlg.m_fDeadBand = 1.4f;
    EXPECT_EQ(EncodedByte(11), 0xF9);
    dlg.DecodeParameterBlock();
    EXPECT_EQ(dlg.m_fDeadBand, 1.2f);
}

TEST_F(ParameterBlockTest, DeadBandWrapsToItsByte)
{
    dlg.m_fDeadBand = 60.0f;
    EXPECT_EQ(EncodedByte(11), 0xD3);
    dlg.DecodeParameterBlock();
    EXPECT_EQ(dlg.m_fDeadBand, 8.8f);

    dlg.m_fDeadBand = 51.2f;
    EXPECT_EQ(EncodedByte(11), 0xFF);
    dlg.DecodeParameterBlock();
    EXPECT_EQ(dlg.m_fDeadBand, 0.0f);

    dlg.m_fDeadBand = 51.0f;
    EXPECT_EQ(EncodedByte(11), 0x00);

    dlg.m_fDeadBand = -0.2f;  // -1 unit, low byte 0xFF
    EXPECT_EQ(EncodedByte(11), 0x00);
}

TEST_F(ParameterBlockTest, OfAllDeadBandBytesExactly100LoseOneUnitOnDecodeThenEncode)
{
    std::vector<int> changed;
    for (int value = 0; value < 256; ++value) {
        dlg.m_eeprom[11] = static_cast<BYTE>(value);
        dlg.DecodeParameterBlock();
        dlg.EncodeParameterBlock();
        int after = dlg.m_eeprom[11];
        if (after != value) {
            // Byte 11 is inverted, so one unit less is one more in the byte.
            EXPECT_EQ(after, value + 1) << "byte 11 = " << value;
            changed.push_back(value);
        }
    }
    EXPECT_EQ(changed.size(), 100u);
    ASSERT_GE(changed.size(), 6u);
    EXPECT_EQ(std::vector<int>(changed.begin(), changed.begin() + 6), (std::vector<int>{1, 2, 6, 7, 11, 12}));
    EXPECT_NE(std::find(changed.begin(), changed.end(), 248), changed.end());
}

TEST_F(ParameterBlockTest, OfAllPulsePairsExactly26212LoseOneUnitOnDecodeThenEncode)
{
    std::vector<unsigned> changed;
    for (unsigned value = 0; value < 65536; ++value) {
        dlg.m_eeprom[16] = static_cast<BYTE>(value >> 8);
        dlg.m_eeprom[17] = static_cast<BYTE>(value);
        dlg.DecodeParameterBlock();
        dlg.EncodeParameterBlock();
        unsigned after = dlg.m_eeprom[16] * 256u + dlg.m_eeprom[17];
        if (after != value) {
            ASSERT_EQ(after, value - 1) << "pulse units " << value;
            changed.push_back(value);
        }
    }
    EXPECT_EQ(changed.size(), 26212u);
    ASSERT_GE(changed.size(), 4u);
    EXPECT_EQ(std::vector<unsigned>(changed.begin(), changed.begin() + 4), (std::vector<unsigned>{7, 9, 13, 14}));
}

TEST_F(ParameterBlockTest, PulseShownAs1500Point2ComesBackOneUnitLower)
{
    dlg.m_eeprom[18] = 0x1D;
    dlg.m_eeprom[19] = 0x4D;
    dlg.DecodeParameterBlock();
    EXPECT_EQ(dlg.m_fPulseUpper, 1500.2f);
    EXPECT_EQ(EncodedPair(18), (Pair{0x1D, 0x4C}));
}

TEST_F(ParameterBlockTest, PulseLimitsKeepTheLow16BitsOfTheirUnits)
{
    dlg.m_fPulseLower = 900.0f;
    EXPECT_EQ(EncodedPair(16), (Pair{0x11, 0x94}));
    dlg.m_fPulseLower = 13107.0f;
    EXPECT_EQ(EncodedPair(16), (Pair{0xFF, 0xFF}));
    dlg.m_fPulseLower = 13108.0f;
    EXPECT_EQ(EncodedPair(16), (Pair{0x00, 0x04}));
    dlg.DecodeParameterBlock();
    EXPECT_EQ(dlg.m_fPulseLower, 0.8f);

    // Held as the float 99999997952: five times that keeps bits 8-15 = 0x60, which a
    // conversion through 32 bits would have lost.
    dlg.m_fPulseUpper = 99999999999.0f;
    EXPECT_EQ(EncodedPair(18), (Pair{0x60, 0x00}));
}

TEST_F(ParameterBlockTest, NeutralIsStoredPlus4096InSixteenBits)
{
    dlg.m_nNeutral = -1;
    EXPECT_EQ(EncodedPair(22), (Pair{0x0F, 0xFF}));
    dlg.m_nNeutral = 1000;
    EXPECT_EQ(EncodedPair(22), (Pair{0x13, 0xE8}));
    dlg.m_nNeutral = -1000;
    EXPECT_EQ(EncodedPair(22), (Pair{0x0C, 0x18}));
    dlg.m_nNeutral = -4097;
    EXPECT_EQ(EncodedPair(22), (Pair{0xFF, 0xFF}));
    dlg.DecodeParameterBlock();
    EXPECT_EQ(dlg.m_nNeutral, 61439);
}

TEST_F(ParameterBlockTest, RangesAreStoredPlus64AndWrap)
{
    dlg.m_nLeftRange = -64;
    dlg.m_nRightRange = 64;
    dlg.EncodeParameterBlock();
    EXPECT_EQ(dlg.m_eeprom[30], 0x00);
    EXPECT_EQ(dlg.m_eeprom[31], 0x80);

    dlg.m_nLeftRange = 192;
    dlg.m_nRightRange = -65;
    dlg.EncodeParameterBlock();
    EXPECT_EQ(dlg.m_eeprom[30], 0x00);
    EXPECT_EQ(dlg.m_eeprom[31], 0xFF);
    dlg.DecodeParameterBlock();
    EXPECT_EQ(dlg.m_nLeftRange, -64);
    EXPECT_EQ(dlg.m_nRightRange, 191);
}

TEST_F(ParameterBlockTest, MaximumDutyIsCappedAndWrittenTwice)
{
    for (float duty : {255.0f, 256.0f, 300.0f}) {
        dlg.m_fMaxDuty = duty;
        EXPECT_EQ(EncodedPair(14), (Pair{0xFF, 0xFF})) << duty;
    }
    dlg.m_fMaxDuty = 0.0f;
    EXPECT_EQ(EncodedPair(14), (Pair{0x00, 0x00}));
    dlg.m_fMaxDuty = 254.9f;
    EXPECT_EQ(EncodedPair(14), (Pair{0xFE, 0xFE}));
    dlg.m_fMaxDuty = -1.0f;
    EXPECT_EQ(EncodedPair(14), (Pair{0xFF, 0xFF}));
}

TEST_F(ParameterBlockTest, LastDriveFrequencyItemIsStoredAsNotSet)
{
    dlg.m_nDriveFreq = 31;
    dlg.EncodeParameterBlock();
    Block index31 = BlockBytes();
    dlg.m_nDriveFreq = 32;
    dlg.EncodeParameterBlock();
    Block index32 = BlockBytes();

    EXPECT_EQ(index31[9], 0x84);
    EXPECT_EQ(index32[9], 0x04);
    EXPECT_EQ(index31[34], 0x1F);
    EXPECT_EQ(index32[34], 0x1F);
    index31[9] &= 0x7F;
    EXPECT_EQ(index31, index32);
}

TEST_F(ParameterBlockTest, DriveFrequencyByteCountsOnlyWithBit7)
{
    dlg.m_eeprom[9] = 0x84;
    dlg.m_eeprom[34] = 5;
    dlg.DecodeParameterBlock();
    EXPECT_EQ(dlg.m_nDriveFreq, 5);
    EXPECT_EQ(dlg.m_nDriveFreqValue, 256);

    dlg.m_eeprom[34] = 32;
    dlg.DecodeParameterBlock();
    EXPECT_EQ(dlg.m_nDriveFreq, 32);
    EXPECT_EQ(dlg.m_nDriveFreqValue, 1638);
    dlg.EncodeParameterBlock();
    EXPECT_EQ(dlg.m_eeprom[9] & 0x80, 0);
    EXPECT_EQ(dlg.m_eeprom[34], 0x1F);

    dlg.m_eeprom[9] = 0x04;
    dlg.m_eeprom[34] = 5;
    dlg.DecodeParameterBlock();
    EXPECT_EQ(dlg.m_nDriveFreq, 32);
    EXPECT_EQ(dlg.m_nDriveFreqValue, 3276);

    dlg.m_eeprom[9] = 0x84;
    dlg.m_eeprom[34] = 255;
    dlg.DecodeParameterBlock();
    EXPECT_EQ(dlg.m_nDriveFreq, 255);
    EXPECT_EQ(dlg.m_nDriveFreqValue, 13056);
}

TEST_F(ParameterBlockTest, AListShowingNoSelectionIsStoredAs0xFF)
{
    dlg.m_nStretcher = -1;
    dlg.m_nDriveFreq = -1;
    dlg.EncodeParameterBlock();
    EXPECT_EQ(dlg.m_eeprom[12], 0xFF);
    EXPECT_EQ(dlg.m_eeprom[9] & 0x80, 0x80);
    EXPECT_EQ(dlg.m_eeprom[34], 0xFF);
}

TEST_F(ParameterBlockTest, InternalOscillatorIsOnlyExactly0x80)
{
    for (BYTE value : {BYTE{0x81}, BYTE{0xC0}}) {
        dlg.m_eeprom[8] = value;
        dlg.DecodeParameterBlock();
        EXPECT_EQ(dlg.m_chkInternalOsc.GetCheck(), BST_UNCHECKED);
        EXPECT_EQ(EncodedByte(8), 0x00);
    }
    dlg.m_eeprom[8] = 0x80;
    dlg.DecodeParameterBlock();
    EXPECT_EQ(EncodedByte(8), 0x80);
}

TEST_F(ParameterBlockTest, NarrowBandIsReadFromByte20Alone)
{
    dlg.m_eeprom[20] = 0x0E;
    dlg.m_eeprom[21] = 0x33;
    dlg.DecodeParameterBlock();
    EXPECT_EQ(dlg.m_chkNarrowBand.GetCheck(), BST_CHECKED);
    EXPECT_EQ(EncodedPair(20), (Pair{0x0E, 0xA6}));

    dlg.m_chkNarrowBand.SetCheck(BST_UNCHECKED);
    EXPECT_EQ(EncodedPair(20), (Pair{0x1D, 0x4C}));
}

TEST_F(ParameterBlockTest, ModeFlagsKeepTheirOtherBits)
{
    dlg.m_eeprom[9] = 0xFF;
    dlg.m_nDriveFreq = 32;
    EXPECT_EQ(EncodedByte(9), 0x76);

    dlg.m_chk100Pwm.SetCheck(BST_CHECKED);
    dlg.m_chkInverter.SetCheck(BST_CHECKED);
    dlg.m_eeprom[9] = 0x00;
    EXPECT_EQ(EncodedByte(9), 0x09);
    dlg.DecodeParameterBlock();
    EXPECT_EQ(dlg.m_chk100Pwm.GetCheck(), BST_CHECKED);
    EXPECT_EQ(dlg.m_chkInverter.GetCheck(), BST_CHECKED);
}

TEST_F(ParameterBlockTest, DriveValueTakesNoPartInTheEncode)
{
    dlg.EncodeParameterBlock();
    Block before = BlockBytes();
    dlg.m_nDriveFreqValue = 12345;
    dlg.EncodeParameterBlock();
    EXPECT_EQ(BlockBytes(), before);
}

TEST_F(ParameterBlockTest, RandomBlocksKeepEveryUntouchedByteAndBit)
{
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 500; ++round) {
        Block block(PARAMETER_BLOCK_LEN);
        for (BYTE& b : block)
            b = static_cast<BYTE>(byte(random));
        SetBlock(block);
        for (int pass = 0; pass < 3; ++pass) {
            dlg.DecodeParameterBlock();
            dlg.EncodeParameterBlock();
        }
        for (int index : UNTOUCHED_BYTES)
            ASSERT_EQ(dlg.m_eeprom[index], block[static_cast<size_t>(index)]) << "byte " << index;
        ASSERT_EQ(dlg.m_eeprom[9] & UNTOUCHED_MODE_BITS, block[9] & UNTOUCHED_MODE_BITS);
        // A second round changes nothing more: every value has settled.
        Block settled = BlockBytes();
        dlg.DecodeParameterBlock();
        dlg.EncodeParameterBlock();
        ASSERT_EQ(BlockBytes(), settled);
    }
}

TEST_F(ParameterBlockTest, NonFiniteAndHugeFloatsEncodeAsOutOfRange)
{
    const float NAN_F = std::nanf("");
    const float INF_F = INFINITY;

    struct Case {
        float value;
        BYTE deadBand;
        BYTE maxDuty;
        Pair pulse;
    };
    const Case cases[] = {
        {NAN_F, 0xFF, 0x00, {0x00, 0x00}},
        {INF_F, 0xFF, 0xFF, {0x00, 0x00}},
        {-INF_F, 0xFF, 0x00, {0x00, 0x00}},
        {FLT_MAX, 0xFF, 0xFF, {0x00, 0x00}},
        {-FLT_MAX, 0xFF, 0x00, {0x00, 0x00}},
        {1e9f, 0xFF, 0xFF, {0xF2, 0x00}},       // 5e9 units: beyond the dead band's 32 bits, not the pulse's 64
        {-3e9f, 0xFF, 0x00, {0x2A, 0x00}},      // -15e9 units: the pulse keeps 64 bits
    };
    for (const Case& c : cases) {
        dlg.m_fDeadBand = c.value;
        dlg.m_fMaxDuty = c.value;
        dlg.m_fPulseLower = c.value;
        dlg.m_fPulseUpper = c.value;
        dlg.EncodeParameterBlock();
        EXPECT_EQ(dlg.m_eeprom[11], c.deadBand) << c.value;
        EXPECT_EQ(dlg.m_eeprom[14], c.maxDuty) << c.value;
        EXPECT_EQ(dlg.m_eeprom[15], c.maxDuty) << c.value;
        EXPECT_EQ((Pair{dlg.m_eeprom[16], dlg.m_eeprom[17]}), c.pulse) << c.value;
        EXPECT_EQ((Pair{dlg.m_eeprom[18], dlg.m_eeprom[19]}), c.pulse) << c.value;
    }
}

TEST_F(ParameterBlockTest, ExtremeIntegersKeepTheirLowBits)
{
    dlg.m_nStretcher = INT_MAX;
    dlg.m_nLeftRange = INT_MAX;
    dlg.m_nRightRange = INT_MIN;
    dlg.m_nNeutral = INT_MAX;
    dlg.m_nDriveFreq = INT_MIN;
    dlg.EncodeParameterBlock();
    EXPECT_EQ(dlg.m_eeprom[12], 0xFF);
    EXPECT_EQ(dlg.m_eeprom[30], 0x3F);
    EXPECT_EQ(dlg.m_eeprom[31], 0x40);
    EXPECT_EQ((Pair{dlg.m_eeprom[22], dlg.m_eeprom[23]}), (Pair{0x0F, 0xFF}));
    EXPECT_EQ(dlg.m_eeprom[9] & 0x80, 0x80);
    EXPECT_EQ(dlg.m_eeprom[34], 0x00);

    dlg.m_nStretcher = INT_MIN;
    dlg.m_nLeftRange = INT_MIN;
    dlg.m_nRightRange = INT_MAX;
    dlg.m_nNeutral = INT_MIN;
    dlg.m_nDriveFreq = INT_MAX;
    dlg.EncodeParameterBlock();
    EXPECT_EQ(dlg.m_eeprom[12], 0x00);
    EXPECT_EQ(dlg.m_eeprom[30], 0x40);
    EXPECT_EQ(dlg.m_eeprom[31], 0x3F);
    EXPECT_EQ((Pair{dlg.m_eeprom[22], dlg.m_eeprom[23]}), (Pair{0x10, 0x00}));
    EXPECT_EQ(dlg.m_eeprom[34], 0xFF);
}

}  // namespace
