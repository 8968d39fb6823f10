#include "NumberText.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

const char* SkipBlanks(const char* p)
{
    while (IsBlank(*p))
        ++p;
    return p;
}

const char* SkipDigits(const char* p)
{
    while (IsDigit(*p))
        ++p;
    return p;
}

// The exponent written after 'e', kept small enough to add to without overflow.
int ReadExponent(const char* first, const char* last)
{
    bool negative = false;
    if (*first == '+' || *first == '-')
        negative = *first++ == '-';
    int exponent = 0;
    for (; first != last; ++first) {
        if (exponent < 100000)
            exponent = exponent * 10 + (*first - '0');
    }
    return negative ? -exponent : exponent;
}

// The power of ten of a number's first significant digit: 2 for "123", -2 for "0.01".
long PlaceOfFirstSignificantDigit(const char* digits, const char* point, const char* exponent)
{
    const char* intEnd = point != nullptr ? point : exponent;
    for (const char* p = digits; p != intEnd; ++p) {
        if (*p != '0')
            return intEnd - p - 1;
    }
    if (point != nullptr) {
        for (const char* p = point + 1; p != exponent; ++p) {
            if (*p != '0')
                return -(p - point);
        }
    }
    return 0;
}

// Whether a number too large or too small for a double is too large.
bool IsTooLarge(const char* digits, const char* point, const char* exponent, const char* end)
{
    long scale = exponent != end ? ReadExponent(exponent + 1, end) : 0;
    return PlaceOfFirstSignificantDigit(digits, point, exponent) + scale >= 0;
}

}  // namespace

CString AfxFormatFloat(double value, int nPrecision)
{
    // std::to_chars writes what "%.*g" writes in the C locale, whatever the process's
    // locale is: a decimal comma would be read back as the end of the number.
    const int PRINTF_DEFAULT_PRECISION = 6;  // what printf takes a negative precision as
    const int MOST_SIGNIFICANT_DIGITS = 800;  // a double's exact expansion has fewer
    const int SIGN_POINT_AND_EXPONENT = 16;
    int digits = nPrecision < 0 ? PRINTF_DEFAULT_PRECISION : nPrecision;
    std::string text(static_cast<size_t>(std::min(digits, MOST_SIGNIFICANT_DIGITS) + SIGN_POINT_AND_EXPONENT), '\0');
    std::to_chars_result written =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::general, digits);
    text.resize(written.ec == std::errc() ? static_cast<size_t>(written.ptr - text.data()) : 0);
    size_t e = text.find('e');
    if (e == std::string::npos)
        return CString(text.c_str());
    size_t exponent = e + 2;  // after 'e' and its sign
    size_t width = text.size() - exponent;
    std::string zeros(width < 3 ? 3 - width : 0, '0');
    return CString((text.substr(0, exponent) + zeros + text.substr(exponent)).c_str());
}

std::optional<int> AfxReadInt(LPCTSTR lpszText)
{
    const char* p = SkipBlanks(lpszText);
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    if (!IsDigit(*p))
        return std::nullopt;
    uint32_t value = 0;
    for (; IsDigit(*p); ++p)
        value = value * 10u + static_cast<uint32_t>(*p - '0');
    if (negative)
        value = 0u - value;
    return static_cast<int>(value);
}

std::optional<double> AfxReadDouble(LPCTSTR lpszText)
{
    const char* p = SkipBlanks(lpszText);
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';

    const char* digits = p;
    p = SkipDigits(p);
    const char* point = nullptr;
    if (*p == '.') {
        point = p;
        p = SkipDigits(p + 1);
    }
    if (p - digits - (point != nullptr ? 1 : 0) == 0)
        return std::nullopt;

    // An exponent counts only with at least one digit: "1e" reads as 1.
    const char* exponent = p;
    const char* end = p;
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        if (*q == '+' || *q == '-')
            ++q;
        if (IsDigit(*q))
            end = SkipDigits(q);
    }

    double value = 0.0;
    std::from_chars_result result = std::from_chars(digits, end, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
        value = IsTooLarge(digits, point, exponent, end) ? std::numeric_limits<double>::infinity() : 0.0;
    else if (result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return negative ? -value : value;
}

float AfxNearestFloat(double value)
{
    const double FLOAT_OVERFLOW = 0x1.ffffffp127;  // the largest float plus half its last unit
    const float FLOAT_INFINITY = std::numeric_limits<float>::infinity();
    if (std::fabs(value) >= FLOAT_OVERFLOW)
        return value > 0 ? FLOAT_INFINITY : -FLOAT_INFINITY;
    if (std::fabs(value) > static_cast<double>(FLT_MAX))
        return value > 0 ? FLT_MAX : -FLT_MAX;
    return static_cast<float>(value);
}
