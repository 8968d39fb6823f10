// The class library's number reader on any text, and its writer on any value: a read
// never yields NaN, a text that reads as an integer reads as a real too, and a float or
// double written with enough digits reads back as the same value.
#include <cmath>
#include <string>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "NumberText.h"

namespace {

// Digits enough for a value to survive being written and read back.
const int FLOAT_ROUND_TRIP_DIGITS = 9;
const int DOUBLE_ROUND_TRIP_DIGITS = 17;

void CheckReading(const std::string& text)
{
    std::optional<int> integer = AfxReadInt(text.c_str());
    std::optional<double> real = AfxReadDouble(text.c_str());
    if (real)
        FUZZ_CHECK(!std::isnan(*real));
    if (integer)
        FUZZ_CHECK(real.has_value());
}

void CheckFloatRoundTrip(float value)
{
    if (!std::isfinite(value))
        return;
    CString text = AfxFormatFloat(static_cast<double>(value), FLOAT_ROUND_TRIP_DIGITS);
    std::optional<double> read = AfxReadDouble(text);
    FUZZ_CHECK(read.has_value());
    FUZZ_CHECK(static_cast<float>(*read) == value);
}

void CheckDoubleRoundTrip(double value)
{
    if (!std::isfinite(value))
        return;
    CString text = AfxFormatFloat(value, DOUBLE_ROUND_TRIP_DIGITS);
    std::optional<double> read = AfxReadDouble(text);
    FUZZ_CHECK(read.has_value());
    FUZZ_CHECK(*read == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    CheckReading(std::string(reinterpret_cast<const char*>(data), size).c_str());
    CheckFloatRoundTrip(input.Float());
    CheckDoubleRoundTrip(input.Double());
    return 0;
}
