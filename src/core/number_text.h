// Numbers to text and back: the only conversions of the program, with the decimal separator of
// the user's locale, which the callers pass in.
#pragma once

#include <cstdint>
#include <string>

#include "core/arithmetic.h"

namespace tarnolo {

// General format with 15 significant digits; fixed notation for decimal exponents -3..15
// (0.0001 up to, not including, 1E15), scientific otherwise. Never fails.
//   RealToText(0.9 * 100, '.')  -> "90"        RealToText(0.00001L, '.') -> "1E-5"
//   RealToText(1.0L / 3, ',')   -> "0,333333333333333"   RealToText(-0.0L, '.') -> "0"
//   RealToText(1e15L, '.')      -> "1E15"      RealToText(-1.5e-7L, '.') -> "-1.5E-7"
std::string RealToText(Ext value, char separator);

// The decimal digits, "-" first when negative: -2147483648 -> "-2147483648".
std::string IntegerToText(int32_t value);

// Decimal ("  +42", "007", "-2147483648") or unsigned hexadecimal ("$1F", "0x1f", "x10",
// "$FFFFFFFF" -> -1) after leading spaces. Raises ConvertError
// "'<text>' is not a valid integer value" for anything else, the text quoted unchanged.
int32_t TextToInteger(const std::string& text);

// Spaces, optional sign, digits with at most one separator, optional exponent ("1E", "1e+" and
// "2E-2" read), spaces. Raises ConvertError "'<text>' is not a valid floating point value" for
// anything else and for a value beyond the extended range ("1e5000").
Ext TextToReal(const std::string& text, char separator);

// The separator of a locale's decimal-separator setting: its first character, or "." when the
// setting is empty or does not start with a one-byte character.
//   separatorOf(",") -> ','   separatorOf("") -> '.'   separatorOf("\u066b") -> '.'
char separatorOf(const std::string& setting);

// The separator of the C library's locale of the environment (LC_NUMERIC, LC_ALL, LANG).
char environmentSeparator();

}  // namespace tarnolo
