#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <optional>
#include <string>

#include "CString.h"
#include "NumberText.h"
#include "support/UserLocale.h"

namespace {

// The class library's numbers as text under a user's locale with a decimal comma and
// digit grouping: written and read as under the C locale, the locale itself untouched.
class NumbersInUserLocale : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        locale.emplace(GetParam());
        ASSERT_EQ(locale->Failure(), "");
        ASSERT_EQ(CLibraryWrites("%.1f", 1.5), "1,5");
    }

    void TearDown() override { locale.reset(); }

    // What the C library writes in the process's locale.
    static std::string CLibraryWrites(const char* format, double value)
    {
        char buffer[64] = {};
        std::snprintf(buffer, sizeof buffer, format, value);
        return buffer;
    }

    std::optional<UserLocale> locale;
};

TEST_P(NumbersInUserLocale, FormatWritesNumbersAsTheCLocaleAndLeavesTheUsersLocaleInPlace)
{
    CString text;
    text.Format("%.2f %g %'d %e %02u:%02u", 1.5, 0.25, 1234567, 12345.0, 9u, 5u);
    EXPECT_EQ(std::string(text), "1.50 0.25 1234567 1.234500e+04 09:05");
    EXPECT_EQ(CLibraryWrites("%.1f", 2.5), "2,5");
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), GetParam());
}

TEST_P(NumbersInUserLocale, FloatsAreShownWithAPointAndReadUpToIt)
{
    EXPECT_EQ(std::string(AfxFormatFloat(static_cast<double>(3.2f), 6)), "3.2");
    EXPECT_EQ(std::string(AfxFormatFloat(1234567.0, 6)), "1.23457e+006");
    EXPECT_EQ(std::string(AfxFormatFloat(-2.5e-7, 6)), "-2.5e-007");
    EXPECT_EQ(AfxReadDouble("3.25"), 3.25);
    EXPECT_EQ(AfxReadDouble("3,25"), 3.0);  // a comma ends the number
    EXPECT_EQ(AfxReadInt("1.000"), 1);
}

std::string LocaleTestName(const ::testing::TestParamInfo<const char*>& info)
{
    return UserLocale::ShortName(info.param);
}

INSTANTIATE_TEST_SUITE_P(DecimalComma, NumbersInUserLocale, ::testing::Values("de_DE.UTF-8", "tr_TR.UTF-8"),
                         LocaleTestName);

}  // namespace
