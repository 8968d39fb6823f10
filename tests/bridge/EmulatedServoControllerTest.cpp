#include <gtest/gtest.h>

#include <vector>

#include "EmulatedServoController.h"

namespace {

using Bytes = std::vector<BYTE>;

const Bytes FACTORY_BLOCK = {
    0x35, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x02, 0xEF, 0x04, 0x9C,
    0xC8, 0xC8, 0x13, 0x88, 0x27, 0x10, 0x1D, 0x4C, 0x10, 0x00, 0x1D, 0x4C, 0x01, 0x00,
    0x00, 0x00, 0x40, 0x40, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
};

Bytes Counted(BYTE first, size_t count)
{
    Bytes bytes(count);
    for (size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<BYTE>(first + i);
    return bytes;
}

class EmulatedServoControllerTest : public ::testing::Test {
protected:
    void Send(const Bytes& bytes) { controller.Receive(bytes.data(), static_cast<DWORD>(bytes.size())); }

    Bytes Answer()
    {
        Bytes bytes(controller.PendingOutput());
        controller.TakeOutput(bytes.data(), static_cast<DWORD>(bytes.size()));
        return bytes;
    }

    Bytes Eeprom() const { return Bytes(controller.Eeprom(), controller.Eeprom() + 41); }

    EmulatedServoController controller;
};

TEST_F(EmulatedServoControllerTest, LeavesTheFactoryWithTheConfiguratorsDefaultBlock)
{
    EXPECT_EQ(Eeprom(), FACTORY_BLOCK);
}

TEST_F(EmulatedServoControllerTest, ReadCommandSendsTheBlockOnePieceAtATimeAsAcknowledged)
{
    Send({0x02, 0x00, 0x29});
    Bytes first = Answer();
    ASSERT_EQ(first.size(), 34u);
    EXPECT_EQ(Bytes(first.begin(), first.begin() + 2), (Bytes{0x00, 0x29}));
    EXPECT_EQ(Bytes(first.begin() + 2, first.end()), Bytes(FACTORY_BLOCK.begin(), FACTORY_BLOCK.begin() + 32));

    Send({0x20, 0x00});
    EXPECT_EQ(Answer(), Bytes(FACTORY_BLOCK.begin() + 32, FACTORY_BLOCK.end()));

    Send({0x29, 0x00});
    EXPECT_EQ(controller.PendingOutput(), 0u);
}

TEST_F(EmulatedServoControllerTest, ReadOfFewerBytesSendsOnlyThose)
{
    Send({0x02, 0x00, 0x05});
    EXPECT_EQ(Answer(), (Bytes{0x00, 0x05, 0x35, 0x01, 0x00, 0x00, 0x00}));
}

TEST_F(EmulatedServoControllerTest, ReadOfMoreThanTheEepromSendsTheEepromAndSaysSo)
{
    Send({0x02, 0x00, 0xFF});
    Bytes first = Answer();
    ASSERT_GE(first.size(), 2u);
    EXPECT_EQ(first[1], 0x29);
}

TEST_F(EmulatedServoControllerTest, AcknowledgementWithAnotherCountEndsTheExchange)
{
    Send({0x02, 0x00, 0x29});
    Answer();
    Send({0x00, 0x20});
    EXPECT_EQ(controller.PendingOutput(), 0u);

    // The controller is ready for a new frame at once.
    Send({0x02, 0x00, 0x01});
    EXPECT_EQ(Answer(), (Bytes{0x00, 0x01, 0x35}));
}

TEST_F(EmulatedServoControllerTest, WriteCommandAcknowledgesEachPieceWithTheRunningCount)
{
    Bytes block = Counted(0x80, 41);
    Send({0x01, 0x00, 0x29});
    EXPECT_EQ(Answer(), (Bytes{0x00, 0x29}));

    Send(Bytes(block.begin(), block.begin() + 32));
    EXPECT_EQ(Answer(), (Bytes{0x20, 0x00}));
    EXPECT_EQ(Eeprom(), FACTORY_BLOCK);

    Send(Bytes(block.begin() + 32, block.end()));
    EXPECT_EQ(Answer(), (Bytes{0x29, 0x00}));
    EXPECT_EQ(Eeprom(), block);
}

TEST_F(EmulatedServoControllerTest, WriteCutShortLeavesTheEepromAsItWas)
{
    Send({0x01, 0x00, 0x29});
    Send(Counted(0x80, 32));
    controller.Reset();
    EXPECT_EQ(Eeprom(), FACTORY_BLOCK);
    EXPECT_EQ(controller.PendingOutput(), 0u);
}

TEST_F(EmulatedServoControllerTest, WriteOfMoreThanTheEepromIsAnsweredWithItsSizeAndTakesNothing)
{
    Send({0x01, 0x00, 0x40});
    EXPECT_EQ(Answer(), (Bytes{0x00, 0x29}));
    Send({0x02, 0x00, 0x01});
    EXPECT_EQ(Answer(), (Bytes{0x00, 0x01, 0x35}));
}

TEST_F(EmulatedServoControllerTest, FrameWithoutItsZeroByteIsNotAnswered)
{
    Send({0x02, 0x01, 0x29});
    EXPECT_EQ(controller.PendingOutput(), 0u);
    Send({0x07, 0x00, 0x29});
    EXPECT_EQ(controller.PendingOutput(), 0u);
}

}  // namespace
