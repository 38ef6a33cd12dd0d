// Any bytes into TextToInteger and TextToReal: never a crash, and every verdict and value
// agrees with a slow parse written from the rules a second time.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>

#include "core/failures.h"
#include "core/number_text.h"

namespace {

using tarnolo::Ext;

std::optional<int32_t> slowInteger(const std::string& text) {
  static const std::regex decimal("^ *([+-]?)([0-9]+)$");
  static const std::regex hex("^ *(\\$|x|X|0x|0X)0*([0-9A-Fa-f]{1,8})$");
  static const std::regex hexZeros("^ *(\\$|x|X|0x|0X)0+$");
  std::smatch m;
  if (std::regex_match(text, m, hexZeros)) return 0;
  if (std::regex_match(text, m, hex)) {
    return static_cast<int32_t>(static_cast<uint32_t>(std::stoul(m[2].str(), nullptr, 16)));
  }
  if (!std::regex_match(text, m, decimal)) return std::nullopt;
  const std::string digits = m[2].str();
  const size_t first = digits.find_first_not_of('0');
  if (first != std::string::npos && digits.size() - first > 10) return std::nullopt;
  const long long magnitude = first == std::string::npos ? 0 : std::stoll(digits.substr(first));
  const long long value = m[1].str() == "-" ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

bool slowRealAccepts(const std::string& text, char separator) {
  static const std::regex point("^ *[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]*)([Ee][+-]?[0-9]*)? *$");
  static const std::regex comma("^ *[+-]?([0-9]+(,[0-9]*)?|,[0-9]*)([Ee][+-]?[0-9]*)? *$");
  return std::regex_match(text, separator == '.' ? point : comma);
}

template <typename F>
bool accepted(F&& f) {
  try {
    f();
    return true;
  } catch (const tarnolo::Failure& failure) {
    if (failure.kind() != tarnolo::FailureKind::ConvertError) std::abort();
    return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;  // the regular expressions are slow on long texts
  const std::string text(reinterpret_cast<const char*>(data), size);
  int32_t value = 0;
  const bool integer = accepted([&] { value = tarnolo::TextToInteger(text); });
  const std::optional<int32_t> expected = slowInteger(text);
  if (integer != expected.has_value() || (integer && value != *expected)) std::abort();
  for (char separator : {'.', ','}) {
    Ext real = 0;
    const bool isReal = accepted([&] { real = tarnolo::TextToReal(text, separator); });
    // The slow form accepts what the grammar allows; a value beyond the range is refused too.
    if (isReal && !slowRealAccepts(text, separator)) std::abort();
    if (!isReal && slowRealAccepts(text, separator)) {
      std::string c = text;
      for (char& ch : c) ch = ch == separator ? '.' : ch;
      const std::string trimmed = c.substr(0, c.find_last_not_of(' ') + 1);
      const size_t e = trimmed.find_first_of("Ee");
      // Only an overflowing value may be refused: its mantissa must be non-zero.
      if (trimmed.find_first_of("123456789") >= e) std::abort();
    }
    if (isReal && !std::isfinite(real)) std::abort();
  }
  return 0;
}
