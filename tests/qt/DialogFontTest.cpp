#include <QFontInfo>
#include <gtest/gtest.h>

#include "DialogFont.h"

TEST(DialogFont, TheTemplatesTahomaIsFoundAndDrawnBoldAtTwelvePixels)
{
    RegisterDialogFonts();
    QFont font = DialogFont(QStringLiteral("Tahoma"), 9, 700);
    QFontInfo info(font);
    EXPECT_EQ(info.family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(info.pixelSize(), 12);
    EXPECT_TRUE(info.bold());
}

TEST(DialogFont, BaseUnitsAreHalfTheRoundedUpAverageLetterWidthAndTheLineHeight)
{
    RegisterDialogFonts();
    SIZE units = BaseUnitsOf(DialogFont(QStringLiteral("Tahoma"), 9, 700));
    EXPECT_EQ(units.cx, 8);
    EXPECT_EQ(units.cy, 14);
}
