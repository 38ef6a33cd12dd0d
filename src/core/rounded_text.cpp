// Numbers rounded for reading.
#include "core/rounded_text.h"

#include <cmath>
#include <cstdint>

#include "core/arithmetic.h"
#include "core/number_text.h"

namespace tarnolo {

namespace {

constexpr Ext kLargest = 1e15L;

Ext powerOfTen(int exponent) {
  Ext p = 1;
  for (int i = 0; i < exponent; ++i) p *= 10;
  return p;
}

// The digits of a whole number of units of 10^-decimals, with the separator put in.
std::string placeSeparator(uint64_t units, int decimals, char separator) {
  std::string digits = std::to_string(units);
  if (decimals == 0) return digits;
  if (int(digits.size()) <= decimals) digits.insert(0, size_t(decimals) + 1 - digits.size(), '0');
  digits.insert(digits.size() - size_t(decimals), 1, separator);
  return digits;
}

}  // namespace

std::string fixedText(double value, int decimals, char separator) {
  if (decimals < 0) decimals = 0;
  if (decimals > 15) decimals = 15;
  const Ext magnitude = std::fabs(static_cast<Ext>(value));
  if (!std::isfinite(value) || magnitude >= kLargest) return RealToText(value, separator);
  // Within 1E15 times 10^15 the product fits 64 bits of significand and of an unsigned integer.
  const Ext scaled = std::nearbyint(magnitude * powerOfTen(decimals));
  if (scaled >= 1.8e19L) return RealToText(value, separator);
  const auto units = static_cast<uint64_t>(scaled);
  return (value < 0 && units != 0 ? "-" : "") + placeSeparator(units, decimals, separator);
}

std::string significantText(double value, int digits, char separator) {
  if (!std::isfinite(value) || std::fabs(value) >= 1e15) return RealToText(value, separator);
  if (value == 0) return "0";
  if (digits < 1) digits = 1;
  const int exponent = int(std::floor(std::log10(std::fabs(value))));
  int decimals = std::max(0, digits - 1 - exponent);
  // 9.996 at three digits rounds up to 10.00, a digit too many: one decimal less.
  if (decimals > 0 && decimals == digits - 1 - exponent &&
      std::nearbyint(std::fabs(static_cast<Ext>(value)) * powerOfTen(decimals)) >=
          powerOfTen(digits))
    --decimals;
  return fixedText(value, std::min(decimals, 15), separator);
}

std::string roundedValueText(std::string_view key, const ReportValue& value, char separator,
                             ProportionScale scale, int decimals) {
  if (decimals == kAllDigits || !value.defined()) return valueText(key, value, separator, scale);
  const bool percentOf = scale == ProportionScale::Percent && isProportion(key);
  const double shown = percentOf ? static_cast<double>(percent(value.value)) : value.value;
  if (decimals >= 0) return fixedText(shown, decimals, separator);
  return percentOf ? fixedText(shown, 1, separator) : significantText(shown, 3, separator);
}

}  // namespace tarnolo
