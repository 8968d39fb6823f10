#include <gtest/gtest.h>

#include "Cp936.h"

namespace {

// "zhao dao she bei" (found the device) and "shi jian" (time), as the log writes them.
constexpr char FOUND_DEVICE_BYTES[] = "\xD5\xD2\xB5\xBD\xC9\xE8\xB1\xB8";
const QString FOUND_DEVICE = QString::fromUtf16(u"\u627E\u5230\u8BBE\u5907");

}  // namespace

TEST(Cp936, DoubleByteTextBecomesItsChineseCharacters)
{
    EXPECT_EQ(FromCp936(FOUND_DEVICE_BYTES), FOUND_DEVICE);
    EXPECT_EQ(FromCp936("Read Config"), QStringLiteral("Read Config"));
}

TEST(Cp936, ChineseCharactersBecomeTheirDoubleBytes)
{
    EXPECT_EQ(ToCp936(FOUND_DEVICE), std::string(FOUND_DEVICE_BYTES));
    EXPECT_EQ(ToCp936(QStringLiteral("-1")), "-1");
}

TEST(Cp936, ABrokenPairOrALoneLeadByteShowsAsTheReplacementCharacter)
{
    EXPECT_EQ(FromCp936("A\x81\x20" "B"), QString::fromUtf16(u"A\uFFFDB"));
    EXPECT_EQ(FromCp936("A\xD5"), QString::fromUtf16(u"A\uFFFD"));
}

TEST(Cp936, ACharacterOutsideTheCodePageBecomesAQuestionMark)
{
    EXPECT_EQ(ToCp936(QString::fromUtf16(u"a\uAC00b")), "a?b");
    EXPECT_EQ(ToCp936(QString::fromUtf16(u"x\U0001F600y")), "x?y");
}

TEST(Cp936, ByteOffsetsAndCharacterIndexesCountDoubleBytesAsOneCharacter)
{
    std::string mixed = std::string("12") + FOUND_DEVICE_BYTES + "3";
    EXPECT_EQ(CharIndexOfByteOffset(mixed, 2), 2);
    EXPECT_EQ(CharIndexOfByteOffset(mixed, 4), 3);
    EXPECT_EQ(CharIndexOfByteOffset(mixed, 11), 7);
    EXPECT_EQ(CharIndexOfByteOffset(mixed, 100), 7);
    EXPECT_EQ(ByteOffsetOfCharIndex(mixed, 3), 4);
    EXPECT_EQ(ByteOffsetOfCharIndex(mixed, 6), 10);
    EXPECT_EQ(ByteOffsetOfCharIndex(mixed, 100), 11);
}

TEST(Cp936, APathsCharactersBeyondTheCodePageShowAsThemselvesAndCountAsTheirQChars)
{
    // "a", the first character beyond Unicode's first plane (two QChars), "e" with a
    // combining accent (one each), "b".
    const std::string bytes = "a\x90\x30\x81\x30" "e\x81\x30\xBC\x37" "b";
    EXPECT_EQ(FromCp936(bytes), QString::fromUtf16(u"a\U00010000e\u0301b"));
    EXPECT_EQ(CharIndexOfByteOffset(bytes, 1), 1);
    EXPECT_EQ(CharIndexOfByteOffset(bytes, 5), 3);
    EXPECT_EQ(CharIndexOfByteOffset(bytes, 6), 4);
    EXPECT_EQ(CharIndexOfByteOffset(bytes, 10), 5);
    EXPECT_EQ(ByteOffsetOfCharIndex(bytes, 3), 5);
    EXPECT_EQ(ByteOffsetOfCharIndex(bytes, 5), 10);
}
