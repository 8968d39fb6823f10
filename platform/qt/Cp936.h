// Code page 936 <-> Unicode at the screen's edge: the window system holds every text as
// code-page-936 bytes, Qt shows QStrings. Offsets into an edit's text also differ
// (bytes there, characters here), so both directions are served.
#pragma once

#include <QString>
#include <string>
#include <string_view>

// A byte or byte pair that is no code page 936 character becomes U+FFFD.
QString FromCp936(std::string_view bytes);

// Characters that code page 936 lacks become '?'.
std::string ToCp936(const QString& text);

// The character index in FromCp936(bytes) of the byte offset; an offset inside a
// double-byte character counts that character as passed.
int CharIndexOfByteOffset(std::string_view bytes, int byteOffset);

// The byte offset in bytes of the character index.
int ByteOffsetOfCharIndex(std::string_view bytes, int charIndex);
