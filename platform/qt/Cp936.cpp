#include "Cp936.h"

#include "codepage.h"

QString FromCp936(std::string_view bytes)
{
    std::string utf8 = CodePage936ToUtf8Lossy(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToCp936(const QString& text)
{
    QByteArray utf8 = text.toUtf8();
    return Utf8ToCodePage936Lossy(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

namespace {

// The QChars that the character at bytes[at] takes: GB18030 writes the characters beyond
// Unicode's first plane, which take two, with four bytes from lead byte 0x90 on.
int QCharsOfCharAt(std::string_view bytes, size_t at, size_t length)
{
    return length == 4 && static_cast<unsigned char>(bytes[at]) >= 0x90 ? 2 : 1;
}

}  // namespace

int CharIndexOfByteOffset(std::string_view bytes, int byteOffset)
{
    int index = 0;
    for (size_t at = 0; at < bytes.size() && static_cast<int>(at) < byteOffset;) {
        size_t length = CodePage936CharLength(bytes, at);
        index += QCharsOfCharAt(bytes, at, length);
        at += length;
    }
    return index;
}

int ByteOffsetOfCharIndex(std::string_view bytes, int charIndex)
{
    size_t at = 0;
    for (int index = 0; at < bytes.size() && index < charIndex;) {
        size_t length = CodePage936CharLength(bytes, at);
        index += QCharsOfCharAt(bytes, at, length);
        at += length;
    }
    return static_cast<int>(at);
}
