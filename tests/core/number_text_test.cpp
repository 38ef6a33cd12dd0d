// Numbers to text and back: the texts of the result cells and the counts' conversions.
#include "core/number_text.h"

#include <gtest/gtest.h>

#include "core/failures.h"

namespace tarnolo {
namespace {

Ext times100(double fraction) {
  return static_cast<Ext>(fraction) * 100;
}

struct RealCase {
  Ext value;
  const char* text;  // with "." as separator
};

const RealCase kRealTexts[] = {
    {times100(0.9), "90"},
    {times100(1.0 / 3), "33.3333333333333"},
    {times100(2.0 / 3), "66.6666666666667"},
    {times100(1.0 / 7), "14.2857142857143"},
    {0.1 + 0.2, "0.3"},
    {1.0 / 3, "0.333333333333333"},
    {9.499999999999998, "9.5"},
    {99.99999999999999, "100"},  // the carry runs through all fifteen digits
    {0.5, "0.5"},
    {1200, "1200"},
    {-2.5, "-2.5"},
    {-0.0, "0"},
    {0.0001, "0.0001"},  // exponent -3: the last fixed one
    {0.00012, "0.00012"},
    {0.00001, "1E-5"},  // exponent -4: the first scientific one
    {0.000012345, "1.2345E-5"},
    {-0.00000015, "-1.5E-7"},
    {123456789012345.0, "123456789012345"},
    {999999999999999.0, "999999999999999"},  // exponent 15: the last fixed one
    {1e15, "1E15"},
    {1234567890123456.0, "1.23456789012346E15"},
    {1e20, "1E20"},
    {0.000099999999999999999L, "0.0001"},  // rounds up into fixed notation
    {999999999999999.5L, "1E15"},          // rounds up into scientific notation
    {1.0L / 0.0L, "INF"},
    {-1.0L / 0.0L, "-INF"},
};

TEST(RealToText, GeneralFormatWithFifteenDigits) {
  for (const auto& c : kRealTexts) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(RealToText(c.value, '.'), c.text);
  }
}

TEST(RealToText, NotANumberHasNoSign) {
  EXPECT_EQ(RealToText(std::numeric_limits<Ext>::quiet_NaN(), '.'), "NAN");
  EXPECT_EQ(RealToText(-std::numeric_limits<Ext>::quiet_NaN(), '.'), "NAN");
}

TEST(RealToText, WritesTheSeparatorItIsGiven) {
  for (char separator : {',', '?'}) {
    SCOPED_TRACE(separator);
    const std::string s(1, separator);
    EXPECT_EQ(RealToText(times100(1.0 / 3), separator), "33" + s + "3333333333333");
    EXPECT_EQ(RealToText(0.0001, separator), "0" + s + "0001");
    EXPECT_EQ(RealToText(0.000012345, separator), "1" + s + "2345E-5");
    EXPECT_EQ(RealToText(1200, separator), "1200");
  }
}

TEST(RealToText, EighteenDigitsAreTheCorrectlyRoundedOnes) {
  // prev x 100 for the counts 9999999, 402, 3350161, 0 is 99.99698889080474994...: its
  // eighteen digits end in ...7499, so the sixteenth digit is 4. An extended product with a
  // power of ten would round it to ...7500 and show "...048".
  const double prev = static_cast<double>(static_cast<Ext>(9999999 + 3350161) /
                                          static_cast<Ext>(9999999 + 402 + 3350161));
  EXPECT_EQ(RealToText(times100(prev), '.'), "99.9969888908047");
}

TEST(IntegerToText, FullRange) {
  const std::pair<int32_t, const char*> cases[] = {
      {0, "0"}, {-5, "-5"}, {2147483647, "2147483647"}, {INT32_MIN, "-2147483648"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(IntegerToText(value), text);
}

TEST(TextToInteger, AcceptsDecimalAndHexadecimal) {
  const std::pair<const char*, int32_t> cases[] = {
      {"42", 42},
      {"  42", 42},
      {"+42", 42},
      {"-0", 0},
      {"007", 7},
      {"$1F", 31},
      {"0x1f", 31},
      {"x10", 16},
      {"X10", 16},
      {"0X10", 16},
      {"$FFFFFFFF", -1},
      {"$80000000", INT32_MIN},
      {"$000000001", 1},  // leading zeros are no significant digits
      {"-2147483648", INT32_MIN},
      {"2147483647", INT32_MAX},
      {"0000000000012", 12},
  };
  for (const auto& [text, value] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(TextToInteger(text), value);
  }
}

TEST(TextToInteger, RejectsWithTheWholeTextQuoted) {
  const char* rejected[] = {"",     "   ",        "+",           "-",    "$",
                            "0x",   "42 ",        "4 2",         "4.0",  "1e3",
                            "\t1",  "2147483648", "-2147483649", "-$10", "$100000000",
                            "+0x1", "$G",         "99999999999", "abc",  "12\n"};
  for (const char* text : rejected) {
    SCOPED_TRACE(text);
    try {
      TextToInteger(text);
      ADD_FAILURE() << "accepted";
    } catch (const Failure& f) {
      EXPECT_EQ(f.kind(), FailureKind::ConvertError);
      EXPECT_EQ(f.what(), "'" + std::string(text) + "' is not a valid integer value");
    }
  }
}

TEST(TextToInteger, EmbeddedNulIsPartOfTheText) {
  EXPECT_THROW(TextToInteger(std::string("12\0"
                                         "3",
                                         4)),
               Failure);
}

TEST(TextToReal, AcceptsTheNumberForms) {
  const std::pair<const char*, Ext> cases[] = {
      {"  3.5  ", 3.5L}, {"-.5", -0.5L},   {"5.", 5},  {"1e3", 1000},  {"1E", 1},
      {"1e+", 1},        {"+2E-2", 0.02L}, {"007", 7}, {"1e-5000", 0}, {"0e99999", 0},
  };
  for (const auto& [text, value] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(TextToReal(text, '.'), value);
  }
}

TEST(TextToReal, RejectsWithTheWholeTextQuoted) {
  const char* rejected[] = {"",
                            "   ",
                            "+",
                            "1,5",
                            "abc",
                            "1 5",
                            "1e5000",
                            "e5",
                            "1e5x",
                            "--1",
                            "1.5.",
                            "\t1",
                            "1e99999999999999999999"};
  for (const char* text : rejected) {
    SCOPED_TRACE(text);
    try {
      TextToReal(text, '.');
      ADD_FAILURE() << "accepted";
    } catch (const Failure& f) {
      EXPECT_EQ(f.kind(), FailureKind::ConvertError);
      EXPECT_EQ(f.what(), "'" + std::string(text) + "' is not a valid floating point value");
    }
  }
}

TEST(TextToReal, AcceptsOnlyTheCurrentSeparator) {
  EXPECT_EQ(TextToReal("1,5", ','), 1.5L);
  EXPECT_THROW(TextToReal("1.5", ','), Failure);
  EXPECT_EQ(TextToReal("1?5", '?'), 1.5L);
}

TEST(TextToReal, LongTextsNeitherCrashNorHang) {
  EXPECT_EQ(TextToReal(std::string(1000000, '9') + "e-1000000", '.'), 1.0L);
  EXPECT_THROW(TextToReal(std::string(5000, '9'), '.'), Failure);  // beyond the range
  EXPECT_THROW(TextToInteger(std::string(1000000, '1')), Failure);
}

TEST(SeparatorOf, ReadsTheFirstCharacterOrFallsBackToPoint) {
  const std::pair<std::string, char> cases[] = {
      {",", ','}, {".", '.'}, {"", '.'}, {"\xd9\xab", '.'}, {",,", ','}};
  for (const auto& [setting, expected] : cases) {
    SCOPED_TRACE(setting);
    EXPECT_EQ(separatorOf(setting), expected);
  }
}

}  // namespace
}  // namespace tarnolo
