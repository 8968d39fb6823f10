#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "NumberText.h"

namespace {

std::string Shown(double value)
{
    return std::string(AfxFormatFloat(value, 6));
}

TEST(FloatText, ShowsSixSignificantDigitsWithAThreeDigitExponent)
{
    EXPECT_EQ(Shown(static_cast<double>(2.2f)), "2.2");
    EXPECT_EQ(Shown(1234567.0), "1.23457e+006");
    EXPECT_EQ(Shown(static_cast<double>(0.00001f)), "1e-005");
    EXPECT_EQ(Shown(0.0), "0");
    EXPECT_EQ(Shown(static_cast<double>(3.2f)), "3.2");
    EXPECT_EQ(Shown(999999.5), "1e+006");
    EXPECT_EQ(Shown(-2.5e-7), "-2.5e-007");
}

TEST(FloatText, KeepsAnExponentThatAlreadyHasThreeDigits)
{
    EXPECT_EQ(Shown(1e100), "1e+100");
    EXPECT_EQ(Shown(3.4028234663852886e38), "3.40282e+038");
    EXPECT_EQ(Shown(1e-300), "1e-300");
}

TEST(IntegerText, TakesTheLongestNumberTheTextBeginsWith)
{
    EXPECT_EQ(AfxReadInt("12abc"), 12);
    EXPECT_EQ(AfxReadInt("3.7"), 3);
    EXPECT_EQ(AfxReadInt("1e3"), 1);
    EXPECT_EQ(AfxReadInt("0x10"), 0);
    EXPECT_EQ(AfxReadInt(" \t-64"), -64);
    EXPECT_EQ(AfxReadInt("+7"), 7);
    EXPECT_EQ(AfxReadInt("007"), 7);
}

TEST(IntegerText, RefusesTextThatDoesNotBeginWithANumber)
{
    EXPECT_EQ(AfxReadInt(""), std::nullopt);
    EXPECT_EQ(AfxReadInt("   "), std::nullopt);
    EXPECT_EQ(AfxReadInt("abc"), std::nullopt);
    EXPECT_EQ(AfxReadInt("-"), std::nullopt);
    EXPECT_EQ(AfxReadInt("- 5"), std::nullopt);
    EXPECT_EQ(AfxReadInt(".5"), std::nullopt);
    EXPECT_EQ(AfxReadInt("x12"), std::nullopt);
}

TEST(IntegerText, KeepsTheLow32BitsOfALargerNumber)
{
    EXPECT_EQ(AfxReadInt("4294967295"), -1);
    EXPECT_EQ(AfxReadInt("2147483648"), -2147483647 - 1);
    EXPECT_EQ(AfxReadInt("4294967296"), 0);
    EXPECT_EQ(AfxReadInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(AfxReadInt("99999999999999999999"), 1661992959);
}

TEST(DecimalText, TakesTheLongestDecimalNumberTheTextBeginsWith)
{
    EXPECT_EQ(AfxReadDouble("1e3"), 1000.0);
    EXPECT_EQ(AfxReadDouble("3.2"), 3.2);
    EXPECT_EQ(AfxReadDouble("  .5"), 0.5);
    EXPECT_EQ(AfxReadDouble("5."), 5.0);
    EXPECT_EQ(AfxReadDouble("-2.5e-1x"), -0.25);
    EXPECT_EQ(AfxReadDouble("+1E+2"), 100.0);
    EXPECT_EQ(AfxReadDouble("1e"), 1.0);
    EXPECT_EQ(AfxReadDouble("1e+"), 1.0);
    EXPECT_EQ(AfxReadDouble("2.5.1"), 2.5);
    EXPECT_EQ(AfxReadDouble("12abc"), 12.0);
}

TEST(DecimalText, ReadsHexInfinityAndNanByTheDecimalRule)
{
    EXPECT_EQ(AfxReadDouble("0x10"), 0.0);
    EXPECT_EQ(AfxReadDouble("0x1p3"), 0.0);
    EXPECT_EQ(AfxReadDouble("inf"), std::nullopt);
    EXPECT_EQ(AfxReadDouble("-infinity"), std::nullopt);
    EXPECT_EQ(AfxReadDouble("nan"), std::nullopt);
    EXPECT_EQ(AfxReadDouble("NAN(1)"), std::nullopt);
}

TEST(DecimalText, RefusesTextWithoutADigitBeforeTheExponent)
{
    EXPECT_EQ(AfxReadDouble(""), std::nullopt);
    EXPECT_EQ(AfxReadDouble("."), std::nullopt);
    EXPECT_EQ(AfxReadDouble("-."), std::nullopt);
    EXPECT_EQ(AfxReadDouble("e5"), std::nullopt);
    EXPECT_EQ(AfxReadDouble(".e5"), std::nullopt);
    EXPECT_EQ(AfxReadDouble("abc"), std::nullopt);
}

TEST(DecimalText, TooLargeIsInfiniteAndTooSmallIsZero)
{
    EXPECT_EQ(AfxReadDouble("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(AfxReadDouble("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(AfxReadDouble("0.0001e313"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(AfxReadDouble("1e-400"), 0.0);
    EXPECT_EQ(AfxReadDouble("1000e-330"), 0.0);
    EXPECT_EQ(AfxReadDouble("0e99999999999"), 0.0);
}

// The largest float is 0x1.fffffep127; half its last unit above it is the point where
// rounding goes to infinity.
TEST(NearestFloat, RoundsToTheLargestFloatBelowHalfAUnitBeyondItAndToInfinityFromThere)
{
    const float largest = 0x1.fffffep127f;
    const float infinity = std::numeric_limits<float>::infinity();
    EXPECT_EQ(AfxNearestFloat(0x1.fffffep127), largest);
    EXPECT_EQ(AfxNearestFloat(0x1.fffffefffffffp127), largest);
    EXPECT_EQ(AfxNearestFloat(0x1.ffffffp127), infinity);
    EXPECT_EQ(AfxNearestFloat(1e300), infinity);
    EXPECT_EQ(AfxNearestFloat(-0x1.fffffefffffffp127), -largest);
    EXPECT_EQ(AfxNearestFloat(-0x1.ffffffp127), -infinity);
    EXPECT_EQ(AfxNearestFloat(-std::numeric_limits<double>::infinity()), -infinity);
    EXPECT_TRUE(std::isnan(AfxNearestFloat(std::nan(""))));
}

TEST(NearestFloat, TiesGoToTheEvenFloat)
{
    EXPECT_EQ(AfxNearestFloat(1.0 + 0x1p-24), 1.0f);
    EXPECT_EQ(AfxNearestFloat(1.0 + 0x3p-24), 1.0f + 0x1p-22f);
    EXPECT_EQ(AfxNearestFloat(0.1), 0.1f);
}

}  // namespace
