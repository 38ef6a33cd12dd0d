// Numbers rounded for reading: a fixed count of decimals, or a count of significant digits, and
// the report's choice "Decimales" between them and the full 15 significant digits.
#pragma once

#include <string>
#include <string_view>

#include "core/report_text.h"

namespace tarnolo {

// value rounded to decimals places (0..15), halves to even as Round does, written with
// separator and exactly that many decimals; "-" only when the rounded value is not 0. Beyond
// 1E15 in magnitude, or not finite, RealToText's text.
//   fixedText(76.923, 1, ',') -> "76,9"   fixedText(2, 2, '.') -> "2.00"
//   fixedText(-0.04, 1, '.') -> "0.0"     fixedText(0.125, 2, '.') -> "0.12"
std::string fixedText(double value, int decimals, char separator);

// value with digits (1..15) significant digits, none dropped from the integer part:
//   significantText(10.26, 3, '.') -> "10.3"   significantText(0.0012345, 3, '.') -> "0.00123"
//   significantText(1234.6, 3, '.') -> "1235"  significantText(9.996, 3, '.') -> "10.0"
//   significantText(0, 3, '.') -> "0"
std::string significantText(double value, int digits, char separator);

// The text of a value of the row of key at scale with that choice: valueText (report_text.h)
// for kAllDigits, "*" and "" as it for a value out of range or missing. A proportion at Percent
// is rounded after it is multiplied by 100.
std::string roundedValueText(std::string_view key, const ReportValue& value, char separator,
                             ProportionScale scale, int decimals);

}  // namespace tarnolo
