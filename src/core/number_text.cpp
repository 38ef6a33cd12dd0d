// Numbers to text and back.
#include "core/number_text.h"

#include <langinfo.h>
#include <locale.h>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/failures.h"

namespace tarnolo {

namespace {

// The decimal record of a non-zero magnitude: digits d1 d2 ... (no trailing zeros) with the
// value 0.d1d2... x 10^exponent.
struct DecimalRecord {
  std::string digits;
  int exponent = 0;
};

// Eighteen correctly rounded digits, then fifteen decided by the sixteenth alone.
DecimalRecord decimalRecord(Ext magnitude) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17Le", magnitude);
  std::string digits;
  const char* p = buffer;
  for (; *p != '\0' && *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') digits += *p;  // skips the C library's radix, whatever it is
  }
  DecimalRecord record;
  record.exponent = (*p == 'e' ? std::atoi(p + 1) : 0) + 1;
  digits.resize(18, '0');  // the C library always gives 18; this only guards the indexing
  const bool roundUp = digits[15] >= '5';
  digits.resize(15);
  if (roundUp) {
    int i = 14;
    while (i >= 0 && digits[i] == '9') digits[i--] = '0';
    if (i >= 0) {
      ++digits[i];
    } else {
      digits = "1";
      ++record.exponent;
    }
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  record.digits = digits;
  return record;
}

std::string fixedNotation(const DecimalRecord& r, char separator) {
  if (r.exponent <= 0)
    return "0" + std::string(1, separator) + std::string(-r.exponent, '0') + r.digits;
  const auto e = static_cast<size_t>(r.exponent);
  if (r.digits.size() <= e) return r.digits + std::string(e - r.digits.size(), '0');
  return r.digits.substr(0, e) + separator + r.digits.substr(e);
}

std::string scientificNotation(const DecimalRecord& r, char separator) {
  std::string text(1, r.digits[0]);
  if (r.digits.size() > 1) text += separator + r.digits.substr(1);
  return text + "E" + std::to_string(r.exponent - 1);
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

int hexValue(char c) {
  if (isDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Length of a hexadecimal prefix at text[i] ("$", "x", "X", "0x", "0X"), or 0.
size_t hexPrefix(const std::string& text, size_t i) {
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) return 1;
  if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) return 2;
  return 0;
}

int32_t hexadecimal(const std::string& text, size_t i) {
  if (i == text.size()) raiseNotInteger(text);
  uint32_t value = 0;
  int significant = 0;
  for (; i < text.size(); ++i) {
    const int digit = hexValue(text[i]);
    if (digit < 0) raiseNotInteger(text);
    if (value != 0 || digit != 0) ++significant;
    if (significant > 8) raiseNotInteger(text);
    value = value * 16 + static_cast<uint32_t>(digit);
  }
  return static_cast<int32_t>(value);  // two's complement: FFFFFFFF is -1
}

int32_t decimal(const std::string& text, size_t i) {
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) raiseNotInteger(text);
  const int64_t limit = negative ? 2147483648LL : 2147483647LL;
  int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    if (!isDigit(text[i])) raiseNotInteger(text);
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > limit) raiseNotInteger(text);
  }
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

locale_t cLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
  return locale;
}

}  // namespace

std::string RealToText(Ext value, char separator) {
  // Pseudo-denormals and unnormals, which no arithmetic produces but a memory copy can, become
  // what the FPU makes of them: the value, or a not-a-number.
  volatile Ext zero = 0;
  value = value + zero;
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";
  const DecimalRecord record = decimalRecord(std::fabs(value));
  const std::string sign = value < 0 ? "-" : "";
  if (record.exponent >= -3 && record.exponent <= 15)
    return sign + fixedNotation(record, separator);
  return sign + scientificNotation(record, separator);
}

std::string IntegerToText(int32_t value) {
  return std::to_string(value);
}

int32_t TextToInteger(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i == text.size()) raiseNotInteger(text);
  if (const size_t prefix = hexPrefix(text, i)) return hexadecimal(text, i + prefix);
  return decimal(text, i);
}

Ext TextToReal(const std::string& text, char separator) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  std::string number;  // sign, digits and exponent in the C locale's form
  if (i < n && (text[i] == '+' || text[i] == '-')) number += text[i++];
  bool digitOrSeparator = false;
  std::string mantissa;
  long fractionDigits = 0;
  for (; i < n && isDigit(text[i]); ++i, digitOrSeparator = true) mantissa += text[i];
  if (i < n && text[i] == separator) {
    digitOrSeparator = true;
    for (++i; i < n && isDigit(text[i]); ++i, ++fractionDigits) mantissa += text[i];
  }
  if (!digitOrSeparator) raiseNotReal(text);
  long exponent = 0;
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    bool negative = false;
    if (++i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    for (; i < n && isDigit(text[i]); ++i) {
      if (exponent < 100000000) exponent = exponent * 10 + (text[i] - '0');
    }
    if (negative) exponent = -exponent;
  }
  while (i < n && text[i] == ' ') ++i;
  if (i != n) raiseNotReal(text);
  number += (mantissa.empty() ? "0" : mantissa) + "e" + std::to_string(exponent - fractionDigits);
  errno = 0;
  const Ext value = strtold_l(number.c_str(), nullptr, cLocale());
  if (std::isinf(value)) raiseNotReal(text);  // beyond the extended range; underflow reads as 0
  return value;
}

char separatorOf(const std::string& setting) {
  const bool usable = !setting.empty() && static_cast<unsigned char>(setting[0]) < 0x80;
  return usable ? setting[0] : '.';
}

char environmentSeparator() {
  locale_t user = newlocale(LC_NUMERIC_MASK, "", nullptr);
  if (user == nullptr) return '.';
  const std::string setting = nl_langinfo_l(RADIXCHAR, user);
  freelocale(user);
  return separatorOf(setting);
}

}  // namespace tarnolo
