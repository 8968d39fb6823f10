#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Hex.h"
#include "support/OpenDialog.h"

namespace {

// The fields that the block keeps in one byte, at the largest value the byte holds and
// one above it, from the field's text to the byte and from the byte to the text.
class ByteFieldLimitsTest : public OpenDialog {
protected:
    // Takes the text into the field, as a command does before it encodes the block,
    // and gives back the byte the encode wrote; the field gets its old text back.
    std::string EncodedFrom(int nID, const char* text, int index)
    {
        std::string before = Text(nID);
        SetText(nID, text);
        dlg.UpdateData(TRUE);
        dlg.EncodeParameterBlock();
        SetText(nID, before.c_str());
        dlg.UpdateData(TRUE);
        return Hex(std::vector<BYTE>{dlg.m_eeprom[index]});
    }

    // The text the field shows once a block with this byte is decoded and shown.
    std::string ShownFrom(int index, BYTE value, int nID)
    {
        dlg.m_eeprom[index] = value;
        dlg.DecodeParameterBlock();
        dlg.UpdateData(FALSE);
        return Text(nID);
    }
};

struct TextToByte {
    int control;
    const char* text;
    int index;
    const char* byte;
};

TEST_F(ByteFieldLimitsTest, EachFieldStoresItsLargestValueAsItsLargestByteAndWrapsOrCapsOneAbove)
{
    const TextToByte cases[] = {
        {IDC_BOOST, "255", 13, "FF"},
        {IDC_MAX_DUTY, "255", 14, "FF"},       {IDC_MAX_DUTY, "255", 15, "FF"},
        {IDC_MAX_DUTY, "256", 14, "FF"},       {IDC_MAX_DUTY, "256", 15, "FF"},
        {IDC_LEFT_RANGE, "191", 30, "FF"},     {IDC_LEFT_RANGE, "192", 30, "00"},
        {IDC_RIGHT_RANGE, "191", 31, "FF"},    {IDC_RIGHT_RANGE, "192", 31, "00"},
        // Stored inverted: 255 units are byte 00, and 256 units wrap to FF.
        {IDC_DEAD_BAND, "51", 11, "00"},       {IDC_DEAD_BAND, "51.2", 11, "FF"},
    };
    Run([&] {
        for (const TextToByte& c : cases)
            EXPECT_EQ(EncodedFrom(c.control, c.text, c.index), c.byte) << c.text << " in " << c.control;
        EXPECT_TRUE(driver.MessageBoxes().empty());
    });
}

TEST_F(ByteFieldLimitsTest, BoostOneAboveItsByteIsRefusedAndTheByteKeepsTheLastValueTaken)
{
    Run([&] {
        EXPECT_EQ(EncodedFrom(IDC_BOOST, "256", 13), "9C");
        EXPECT_EQ(driver.MessageBoxes().size(), 1u);
    });
}

struct ByteToText {
    int index;
    BYTE value;
    int control;
    const char* text;
};

TEST_F(ByteFieldLimitsTest, EachFieldShowsItsLargestByteAsItsLargestValue)
{
    const ByteToText cases[] = {
        {13, 0xFF, IDC_BOOST, "255"},       {14, 0xFF, IDC_MAX_DUTY, "255"},
        {30, 0xFF, IDC_LEFT_RANGE, "191"},  {31, 0xFF, IDC_RIGHT_RANGE, "191"},
        {11, 0x00, IDC_DEAD_BAND, "51"},    {11, 0xFF, IDC_DEAD_BAND, "0"},
    };
    Run([&] {
        for (const ByteToText& c : cases)
            EXPECT_EQ(ShownFrom(c.index, c.value, c.control), c.text) << "byte " << c.index;
    });
}

// The two lists' indexes have no text of their own; they keep the low byte.
TEST_F(ByteFieldLimitsTest, ListIndexesKeepTheirLowByte)
{
    Run([&] {
        dlg.m_nStretcher = 255;
        dlg.m_nDriveFreq = 255;
        dlg.EncodeParameterBlock();
        EXPECT_EQ(Hex(std::vector<BYTE>{dlg.m_eeprom[12], dlg.m_eeprom[34]}), "FF FF");
        dlg.DecodeParameterBlock();
        EXPECT_EQ(dlg.m_nStretcher, 255);
        EXPECT_EQ(dlg.m_nDriveFreq, 255);

        dlg.m_nStretcher = 256;
        dlg.m_nDriveFreq = 256;
        dlg.EncodeParameterBlock();
        EXPECT_EQ(Hex(std::vector<BYTE>{dlg.m_eeprom[12], dlg.m_eeprom[34]}), "00 00");
        EXPECT_EQ(dlg.m_eeprom[9] & 0x80, 0x80);
    });
}

}  // namespace
