// Any bit pattern of a double or an extended value into RealToText: never a crash, the text
// follows the notation rules and reads back within half a unit of the fifteenth digit.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/number_text.h"

namespace {

using tarnolo::Ext;

void check(Ext raw, char separator) {
  volatile Ext zero = 0;
  const Ext value = raw + zero;  // what the FPU makes of a non-canonical encoding
  const std::string text = tarnolo::RealToText(raw, separator);
  if (std::isnan(value)) {
    if (text != "NAN") std::abort();
    return;
  }
  if (std::isinf(value)) {
    if (text != (value < 0 ? "-INF" : "INF")) std::abort();
    return;
  }
  if (text.empty() || text.find('+') != std::string::npos) std::abort();
  if (text.back() == separator) std::abort();
  const size_t e = text.find('E');
  const std::string mantissa = text.substr(0, e);
  const size_t point = mantissa.find(separator);
  if (point != std::string::npos && mantissa.back() == '0') std::abort();  // trailing zero
  size_t digits = 0;
  for (char c : mantissa) digits += (c >= '0' && c <= '9' && (digits > 0 || c != '0')) ? 1 : 0;
  if (digits > 15) std::abort();
  if (e != std::string::npos) {
    const std::string exponent = text.substr(e + 1);
    if (exponent.empty() || exponent[0] == '+' || (exponent.size() > 1 && exponent[0] == '0'))
      std::abort();
    const int power = std::atoi(exponent.c_str());
    if (power >= -4 && power <= 14) std::abort();  // fixed notation covers these
  }
  const Ext back = tarnolo::TextToReal(text, separator);
  const Ext magnitude = std::fabs(value);
  if (magnitude == 0) {
    if (text != "0") std::abort();
    return;
  }
  const int exponent10 = static_cast<int>(std::floor(std::log10(magnitude))) + 1;
  const Ext halfUnit = 0.5L * std::pow(10.0L, static_cast<Ext>(exponent10 - 15));
  // Fifteen digits are cut from eighteen rounded ones, so the text may stray by half a unit of
  // the fifteenth digit plus half a unit of the eighteenth; reading back adds its own rounding.
  const Ext slack = magnitude * 0x1p-61L + 0x1p-16445L;
  if (std::fabs(back - value) > halfUnit * 1.001L + slack) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size >= sizeof(double) && size < 10) {
    double d;
    std::memcpy(&d, data, sizeof d);
    check(d, '.');
    check(d, ',');
  } else if (size >= 10) {
    Ext x = 0;
    std::memcpy(&x, data, 10);  // the 80 bits of an extended value, unnormals included
    check(x, '.');
    check(x, ',');
  }
  return 0;
}
