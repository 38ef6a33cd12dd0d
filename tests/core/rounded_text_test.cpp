// Numbers rounded for reading, and the report's choice of decimals.
#include "core/rounded_text.h"

#include <gtest/gtest.h>

#include "session_helpers.h"

namespace tarnolo {
namespace {

struct FixedCase {
  double value;
  int decimals;
  char separator;
  const char* text;
};

const FixedCase kFixed[] = {
    {76.923076923, 1, ',', "76,9"},
    {76.923076923, 1, '?', "76?9"},
    {2, 2, '.', "2.00"},
    {0.5, 0, '.', "0"},  // halves to even, as Round
    {1.5, 0, '.', "2"},
    {0.125, 2, '.', "0.12"},
    {0.004, 2, '.', "0.00"},
    {-0.04, 1, '.', "0.0"},  // no "-0.0"
    {-3.14159, 3, '.', "-3.142"},
    {99.96, 1, '.', "100.0"},
    {0.00012, 4, '.', "0.0001"},
    {123456789012.5, 4, '.', "123456789012.5000"},
    {2e15, 2, '.', "2E15"},  // beyond 1E15: RealToText's text
};

const FixedCase kSignificant[] = {
    {10.26, 3, '.', "10.3"},     {0.0012345, 3, ',', "0,00123"},
    {1234.6, 3, '.', "1235"},    {9.996, 3, '.', "10.0"},
    {0.09996, 3, '.', "0.100"},  {0, 3, '.', "0"},
    {-2.34567, 3, '.', "-2.35"}, {1, 3, '.', "1.00"},
    {123, 3, '.', "123"},
};

// Fixed decimals, all shown; or significant digits with the whole integer part.
TEST(RoundedText, FixedDecimalsAndSignificantDigits) {
  for (const auto& c : kFixed) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(fixedText(c.value, c.decimals, c.separator), c.text);
  }
  for (const auto& c : kSignificant) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(significantText(c.value, c.decimals, c.separator), c.text);
  }
}

struct ChoiceCase {
  const char* key;
  ReportValue value;
  int decimals;
  const char* text;
  ProportionScale scale = ProportionScale::Percent;
};

const ChoiceCase kChoices[] = {
    {"sens", ReportValue::of(0.923076923076923), kAutomaticDecimals, "92.3"},
    {"cpp", ReportValue::of(10.0 / 3), kAutomaticDecimals, "3.33"},
    {"youden", ReportValue::of(0.5123), kAutomaticDecimals, "0.512"},
    {"sens", ReportValue::of(0.923076923076923), 0, "92"},
    {"sens", ReportValue::of(0.923076923076923), 4, "92.3077"},
    {"cpp", ReportValue::of(10.0 / 3), 2, "3.33"},
    {"sens", ReportValue::of(0.923076923076923), kAllDigits, "92.3076923076923"},
    {"cpp", ReportValue::outOfRange(-0.5), 2, "*"},
    {"cpp", ReportValue{}, kAutomaticDecimals, ""},
    // As fractions (the CSV's scale) a proportion is not multiplied by 100.
    {"sens", ReportValue::of(0.9231), 2, "0.92", ProportionScale::Fraction},
};

TEST(RoundedValueText, TheReportsChoiceOfDecimals) {
  for (const auto& c : kChoices) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(roundedValueText(c.key, c.value, '.', c.scale, c.decimals), c.text);
  }
}

TEST(ReportTable, WritesTheValuesWithTheChoiceOfDecimals) {
  const Report report = buildReport(test::table(397, 84, 54, 177), IntervalMethod::Wilson, 95);
  struct Case {
    int decimals;
    const char* sens;
  };
  const Case cases[] = {{kAllDigits, "Sensibilidad (%)\t88.0266075388027\t"},
                        {kAutomaticDecimals, "Sensibilidad (%)\t88.0\t84.7\t"},
                        {2, "Sensibilidad (%)\t88.03\t84.70\t"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.decimals);
    const std::string text = reportTable(report, '.', ProportionScale::Percent, c.decimals);
    EXPECT_NE(text.find(c.sens), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace tarnolo
