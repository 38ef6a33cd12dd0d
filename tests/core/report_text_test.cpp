// The report as text: method keys, CSV fields and files, the table for the clipboard.
#include "core/report_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "session_helpers.h"

namespace tarnolo {
namespace {

using test::table;

using M = IntervalMethod;

std::vector<std::string> lines(const std::string& text, const std::string& end) {
  std::vector<std::string> result;
  for (size_t start = 0, stop; (stop = text.find(end, start)) != std::string::npos;
       start = stop + end.size())
    result.push_back(text.substr(start, stop - start));
  return result;
}

TEST(MethodKeys, EveryMethodRoundTripsAndNothingElseIsAMethod) {
  const char* keys[] = {"wald-cc",         "wald",          "wilson",  "wilson-cc",
                        "clopper-pearson", "agresti-coull", "jeffreys"};
  for (const char* key : keys) {
    SCOPED_TRACE(key);
    const auto method = methodFromKey(key);
    ASSERT_TRUE(method.has_value());
    EXPECT_EQ(methodKey(*method), key);
    EXPECT_FALSE(methodName(*method).empty());
    EXPECT_FALSE(methodReference(*method).empty());
  }
  for (const char* other : {"", "Wilson", "wilson ", "exact", "wald_cc"})
    EXPECT_FALSE(methodFromKey(other).has_value()) << other;
}

TEST(CsvField, QuotesOnlyWhatNeedsIt) {
  const struct {
    const char* text;
    char delimiter;
    const char* field;
  } cases[] = {
      {"0.5", ',', "0.5"},
      {"0,5", ';', "0,5"},
      {"0,5", ',', "\"0,5\""},
      {"a;b", ';', "\"a;b\""},
      {"say \"x\"", ',', "\"say \"\"x\"\"\""},
      {"a\nb", ',', "\"a\nb\""},
      {"", ',', ""},
  };
  for (const auto& c : cases) EXPECT_EQ(csvField(c.text, c.delimiter), c.field) << c.text;
}

TEST(ReportCsv, HeaderThenOneLinePerKeyWithEmptyFieldsForMissingValues) {
  const std::string csv = reportCsv(buildReport(table(6, 3, 1, 10), M::WaldCc, 95), '.');
  const std::vector<std::string> got = lines(csv, "\r\n");
  ASSERT_EQ(got.size(), 1 + std::size(kReportKeys));
  EXPECT_EQ(got[0],
            "clave,estimación,inferior IC 95 % Wald con corrección de continuidad,"
            "superior IC 95 % Wald con corrección de continuidad,motivo");
  // The main window's cells show 52.6484657777971 and "*" for these.
  EXPECT_EQ(got[1],
            "sens,0.857142857142857,0.526484657777971,,"
            "\"límite superior mayor que 1, fuera de rango\"");
  EXPECT_EQ(got[5], "prev,0.35,0.115958855724525,0.584041144275475,");
  for (size_t i = 0; i < std::size(kReportKeys); ++i)
    EXPECT_EQ(got[i + 1].rfind(std::string(kReportKeys[i]) + ",", 0), 0u) << got[i + 1];
  EXPECT_EQ(csv.back(), '\n');
}

TEST(ReportCsv, DecimalCommaTakesSemicolons) {
  const std::string csv = reportCsv(buildReport(table(397, 84, 54, 177), M::Wilson, 99.9), ',');
  const std::vector<std::string> got = lines(csv, "\r\n");
  EXPECT_EQ(got[0], "clave;estimación;inferior IC 99,9 % Wilson;superior IC 99,9 % Wilson;motivo");
  EXPECT_EQ(got[1], "sens;0,880266075388027;0,820847878256647;0,921853565150151;");
}

TEST(ReportCsv, UndefinedValuesLeaveEmptyFieldsAndSayWhy) {
  const std::string csv = reportCsv(buildReport(table(0, 3, 0, 10), M::Jeffreys, 90), '.');
  const std::vector<std::string> got = lines(csv, "\r\n");
  EXPECT_EQ(got[1], "sens,,,,no hay enfermos (VP + FN = 0)");
  EXPECT_EQ(got[12], "odds_ratio,,,,FP·FN = 0 y VP·VN = 0: cociente 0/0");
}

TEST(ValueText, SeparatorStarAndEmpty) {
  // An odd separator shows that the one passed is the one used.
  EXPECT_EQ(valueText(ReportValue::of(0.25), '?'), "0?25");
  EXPECT_EQ(valueText(ReportValue::outOfRange(-0.5), '.'), "*");
  EXPECT_EQ(valueText(ReportValue{}, '.'), "");
}

TEST(ValueText, PercentScalesProportionsOnly) {
  const struct {
    const char* key;
    ReportValue value;
    const char* text;
  } cases[] = {
      {"sens", ReportValue::of(0.25), "25"},        {"fnf", ReportValue::of(0.125), "12,5"},
      {"exactitud", ReportValue::of(1), "100"},     {"youden", ReportValue::of(0.5), "0,5"},
      {"cpp", ReportValue::of(2.5), "2,5"},         {"nnd", ReportValue::of(4), "4"},
      {"sens", ReportValue::outOfRange(1.25), "*"}, {"esp", ReportValue{}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(valueText(c.key, c.value, ',', ProportionScale::Percent), c.text);
    EXPECT_EQ(valueText(c.key, c.value, ',', ProportionScale::Fraction), valueText(c.value, ','));
  }
  EXPECT_EQ(rowLabel("sens", ProportionScale::Percent), "Sensibilidad (%)");
  EXPECT_EQ(rowLabel("sens", ProportionScale::Fraction), "Sensibilidad");
  EXPECT_EQ(rowLabel("odds_ratio", ProportionScale::Percent), reportLabel("odds_ratio"));
}

// With wald-cc at 95 % the report in percent reads exactly as the main window's cells.
TEST(ValueText, PercentTextsAreTheMainWindows) {
  using namespace names;
  const struct {
    const char* key;
    std::string_view estimate, lower, upper;
  } rows[] = {
      {"sens", kSens, kSensli, kSensls},
      {"esp", kEsp, kEspli, kEspls},
      {"vpp", kVPP, kVppli, kVppls},
      {"vpn", kVPN, kVpnli, kVpnls},
      {"prev", kPrevalencia, kPrevli, kPrevls},
      {"prevap", kPrevap, kPrevapli, kPrevapls},
      {"cpp", kCPP, kCppli, kCppls},
      {"cpn", kCPN, kCpnli, kCpnls},
  };
  for (const test::Counts& counts :
       {test::Counts{"397", "84", "54", "177"}, {"6", "3", "1", "10"}}) {
    ModelSession session;
    session.model.setSeparator(',');
    test::calcular(session, counts);
    const Report report = buildReport(session.state(), M::WaldCc, 95);
    for (const auto& r : rows) {
      SCOPED_TRACE(std::string(counts.vp) + " " + r.key);
      const ReportRow& row =
          report.rows[std::find(std::begin(kReportKeys), std::end(kReportKeys), r.key) -
                      std::begin(kReportKeys)];
      const auto text = [&](const ReportValue& v) {
        return valueText(row.key, v, ',', ProportionScale::Percent);
      };
      EXPECT_EQ(text(row.estimate), session.model.text(r.estimate));
      EXPECT_EQ(text(row.limits.lower), session.model.text(r.lower));
      EXPECT_EQ(text(row.limits.upper), session.model.text(r.upper));
    }
  }
}

TEST(ReportTable, TabSeparatedWithCountsLevelAndMethods) {
  const std::string text = reportTable(buildReport(table(6, 3, 1, 10), M::WaldCc, 95), ',');
  const std::vector<std::string> got = lines(text, "\n");
  ASSERT_EQ(got.size(), 8 + std::size(kReportKeys));
  EXPECT_EQ(got[1], "VP\t6\tFP\t3\tFN\t1\tVN\t10");
  EXPECT_EQ(got[2], "Nivel de confianza\tIC 95 %");
  EXPECT_EQ(got[4], "Cocientes\tcociente de los límites (regla de la ventana principal)");
  EXPECT_EQ(got[7], "Índice\tEstimación\tLímite inferior\tLímite superior\tNota");
  EXPECT_EQ(got[8],
            "Sensibilidad\t0,857142857142857\t0,526484657777971\t*\t"
            "límite superior mayor que 1, fuera de rango");
  for (size_t i = 7; i < got.size(); ++i)
    EXPECT_EQ(std::count(got[i].begin(), got[i].end(), '\t'), 4) << got[i];
}

TEST(ReportTable, PercentScaleLabelsAndScalesTheProportions) {
  const Report report = buildReport(table(6, 3, 1, 10), M::Wilson, 95);
  const std::vector<std::string> got =
      lines(reportTable(report, '.', ProportionScale::Percent), "\n");
  ASSERT_EQ(got.size(), 8 + std::size(kReportKeys));
  EXPECT_EQ(got[8].substr(0, got[8].find('\t', got[8].find('\t') + 1)),
            "Sensibilidad (%)\t85.7142857142857");
  EXPECT_EQ(got[8 + 8], "Cociente de probabilidad positivo (CP+), sens/(1 - esp)\t" +
                            valueText(report.rows[8].estimate, '.') + "\t" +
                            valueText(report.rows[8].limits.lower, '.') + "\t" +
                            valueText(report.rows[8].limits.upper, '.') + "\t" +
                            report.rows[8].limits.note);
}

}  // namespace
}  // namespace tarnolo
