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

// Characters that code page 936 lacks, as a chosen path holds them: UTF-8, then GB18030.
struct PathCharacter {
    const char* utf8;
    const char* bytes;
};
const PathCharacter BEYOND_THE_CODE_PAGE[] = {
    {"\xF0\x9F\x98\x80", "\x94\x39\xFC\x36"},  // an emoji, beyond Unicode's first plane
    {"\xC3\xB1", "\x81\x30\x8A\x39"},          // n with tilde
    {"\xCC\x81", "\x81\x30\xBC\x37"},          // a combining acute accent
};

TEST(PathBytes, CharactersBeyondTheCodePageTakeGb18030sFourBytesAndComeBackAsThemselves)
{
    for (const PathCharacter& character : BEYOND_THE_CODE_PAGE) {
        std::string utf8 = std::string("/home/\xE5\x8F\x82/a") + character.utf8 + ".svo";
        std::string bytes = std::string("/home/\xB2\xCE/a") + character.bytes + ".svo";
        EXPECT_EQ(Utf8ToPathBytes(utf8), std::optional<std::string>(bytes)) << character.utf8;
        EXPECT_EQ(CodePage936ToUtf8(bytes), std::optional<std::string>(utf8)) << character.utf8;
        EXPECT_EQ(CodePage936ToUtf8Lossy(bytes), utf8) << character.utf8;
        EXPECT_EQ(CodePage936CharLength(bytes, 10), 4u) << character.utf8;
    }
}

TEST(PathBytes, WhatCodePage936HoldsKeepsItsBytesTheEuroSignAmongThem)
{
    // Cyrillic, Chinese and the euro sign, which GB18030 alone would write as A2 E3.
    EXPECT_EQ(Utf8ToPathBytes("\xD1\x8F\xE6\x95\xB0\xE2\x82\xAC"), std::optional<std::string>("\xA7\xF1\xCA\xFD\x80"));
    EXPECT_EQ(CodePage936ToUtf8("\xA7\xF1\xCA\xFD\x80"), std::optional<std::string>("\xD1\x8F\xE6\x95\xB0\xE2\x82\xAC"));
    EXPECT_EQ(Utf8ToPathBytes("a\xC3"), std::nullopt);  // a broken sequence
    // The user's own typing stays within the code page.
    EXPECT_EQ(Utf8ToCodePage936Lossy("\xC3\xB1"), "?");
}

TEST(PathBytes, AFourByteCharacterCutShortIsNoCharacter)
{
    EXPECT_EQ(CodePage936CharLength("\x94\x39\xFC", 0), 2u);
    EXPECT_EQ(CodePage936CharLength("\x94\x39" "A6", 0), 2u);
    EXPECT_EQ(CodePage936ToUtf8("a\x94\x39\xFC"), std::nullopt);
    EXPECT_EQ(CodePage936ToUtf8Lossy("a\x94\x39"), "a\xEF\xBF\xBD");
}

}  // namespace
