#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "codepage.h"

namespace {

TEST(CodePage936, StrictConversionGivesNothingForWhatTheOtherSideCannotHold)
{
    EXPECT_EQ(CodePage936ToUtf8("\xCA\xFD\xA3\xAC"), std::optional<std::string>("\xE6\x95\xB0\xEF\xBC\x8C"));  // 数，
    EXPECT_EQ(Utf8ToCodePage936("\xE6\x95\xB0"), std::optional<std::string>("\xCA\xFD"));
    EXPECT_EQ(CodePage936ToUtf8("name\x81"), std::nullopt);
    EXPECT_EQ(Utf8ToCodePage936("\xF0\x9F\x98\x80"), std::nullopt);  // an emoji
    EXPECT_EQ(CodePage936ToUtf8(""), std::optional<std::string>(""));
}

TEST(CodePage936, LossyConversionReplacesOnlyTheCharactersItCannotHold)
{
    EXPECT_EQ(CodePage936ToUtf8Lossy("a\x81"), "a\xEF\xBF\xBD");
    EXPECT_EQ(CodePage936ToUtf8Lossy("\xCA\xFD" "1"), "\xE6\x95\xB0" "1");
    EXPECT_EQ(Utf8ToCodePage936Lossy("a\xF0\x9F\x98\x80" "b\xE6\x95\xB0"), "a?b\xCA\xFD");
    EXPECT_EQ(Utf8ToCodePage936Lossy("x\xC3"), "x?");  // a broken sequence at the end
}

TEST(CodePage936, LeadByteAndItsTrailAreOneCharacter)
{
    EXPECT_EQ(CodePage936CharLength("\xCA\xFD", 0), 2u);
    EXPECT_EQ(CodePage936CharLength("\xCA", 0), 1u);
    EXPECT_EQ(CodePage936CharLength("7\xCA\xFD", 0), 1u);
}

}  // namespace
