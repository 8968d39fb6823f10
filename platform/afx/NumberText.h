// Numbers as the data exchange writes and reads them. Writing: integers in decimal,
// floats with "%.*g" at a given precision and an exponent of at least three digits.
// Reading: leading blanks, then the longest decimal number that the text begins with;
// what follows is ignored. Hexadecimal, "inf" and "nan" are not numbers.
#pragma once

#include <optional>

#include "CString.h"

// "%.*g" with the exponent widened to three digits: 1.23457e+006, 1e-005.
CString AfxFormatFloat(double value, int nPrecision);

// An optional sign and decimal digits. A value outside 32 bits keeps its low 32 bits,
// so "4294967295" reads as -1.
std::optional<int> AfxReadInt(LPCTSTR lpszText);

// An optional sign, digits with an optional point (at least one digit), and an
// optional exponent. Too large a value reads as infinity, too small as zero.
std::optional<double> AfxReadDouble(LPCTSTR lpszText);

// The nearest float, rounding to nearest even as the hardware does; a value half a
// unit or more beyond the largest float becomes infinity. No value makes the
// conversion undefined.
float AfxNearestFloat(double value);
