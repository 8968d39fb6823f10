#include "DialogFont.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QRawFont>
#include <QStringList>
#include <cmath>

namespace {

constexpr const char* WINE_FONT_FOLDER = "/usr/share/wine/fonts/";
constexpr const char* TAHOMA_FILES[] = {"tahoma.ttf", "tahomabd.ttf"};

quint16 BigEndianWordAt(const QByteArray& table, int offset)
{
    auto byteAt = [&table](int at) { return static_cast<quint16>(static_cast<unsigned char>(table.at(at))); };
    return static_cast<quint16>(byteAt(offset) << 8 | byteAt(offset + 1));
}

// The platform measures a line from the font's Windows ascent and descent (OS/2 table,
// usWinAscent and usWinDescent, each scaled and rounded), where Qt takes the
// typographic ones; 0 when the font carries no such table.
int WindowsLineHeightOf(const QFont& font)
{
    QRawFont raw = QRawFont::fromFont(font);
    QByteArray os2 = raw.fontTable("OS/2");
    QByteArray head = raw.fontTable("head");
    if (os2.size() < 78 || head.size() < 20)
        return 0;
    double unitsPerEm = BigEndianWordAt(head, 18);
    if (unitsPerEm <= 0)
        return 0;
    double pixels = raw.pixelSize();
    long ascent = std::lround(BigEndianWordAt(os2, 74) * pixels / unitsPerEm);
    long descent = std::lround(BigEndianWordAt(os2, 76) * pixels / unitsPerEm);
    return static_cast<int>(ascent + descent);
}

}  // namespace

void RegisterDialogFonts()
{
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
        return;
    for (const char* file : TAHOMA_FILES)
        QFontDatabase::addApplicationFont(QString::fromLatin1(WINE_FONT_FOLDER) + QString::fromLatin1(file));
}

QFont DialogFont(const QString& faceName, int pointSize, int weight)
{
    QFont font(faceName);
    font.setPixelSize((pointSize * 96 + 36) / 72);
    // Weight 0 is "any weight": the regular one.
    font.setWeight(static_cast<QFont::Weight>(weight > 0 ? qBound(1, weight, 1000) : 400));
    font.setItalic(false);
    return font;
}

SIZE BaseUnitsOf(const QFont& font)
{
    QFontMetrics metrics(font);
    int advance = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    int height = WindowsLineHeightOf(font);
    return SIZE{(advance / 26 + 1) / 2, height > 0 ? height : metrics.height()};
}
