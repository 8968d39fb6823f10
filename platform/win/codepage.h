// Conversion between the program's code page 936 and UTF-8, for the edges where text
// leaves the program: the screen and the file system. The strict conversions give
// nothing for a text that the other side cannot hold, so that it never turns into a
// different text; the lossy ones go character by character and put a replacement in
// place of each character that the other side lacks.
//
// A path that the user chooses may hold characters that code page 936 lacks (an emoji,
// "ñ", a combining accent). The program carries those in GB18030, which holds every
// character and writes each one that code page 936 holds with the same bytes; so
// whatever the program reads as code page 936 is read with them too.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Code page 936, and GB18030 for the characters that it lacks.
std::optional<std::string> CodePage936ToUtf8(std::string_view text);
// Code page 936 alone: what the user types.
std::optional<std::string> Utf8ToCodePage936(std::string_view text);

// A byte or byte pair that is no character becomes U+FFFD.
std::string CodePage936ToUtf8Lossy(std::string_view text);
// A character that code page 936 lacks, or a broken UTF-8 sequence, becomes '?'.
std::string Utf8ToCodePage936Lossy(std::string_view text);

// A path as the program carries it: code page 936's bytes for the characters that it
// holds, GB18030's for the rest; nothing for a broken UTF-8 sequence.
std::optional<std::string> Utf8ToPathBytes(std::string_view text);

// Whether a byte opens a two-byte character of code page 936 (0x81 to 0xFE).
bool IsCodePage936LeadByte(char c);

// The length in bytes of the character at text[at]: 2 for a lead byte followed by
// another byte, 4 for GB18030's four-byte form (lead byte, digit, lead byte, digit),
// which no code page 936 text holds; otherwise 1.
size_t CodePage936CharLength(std::string_view text, size_t at);
