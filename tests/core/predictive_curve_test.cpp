// The predictive values against the prevalence: post-test probabilities, the curve and its
// band, the zero-cell rules, the CSV.
#include "core/predictive_curve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/report_text.h"
#include "session_helpers.h"

namespace tarnolo {
namespace {

using test::table;
using M = IntervalMethod;
using S = ReportValue::State;

const ReportValue kUndefined{};

struct PostTestCase {
  const char* name;
  double pretest;
  ReportValue ratio;
  S state;
  double expected;
};

const PostTestCase kPostTest[] = {
    // Fagan's published check: odds 1/3 × 10 = 10/3, probability 10/13.
    {"25 % through 10", 0.25, ReportValue::of(10), S::Value, 10.0 / 13},
    {"ratio 1 leaves it", 0.3, ReportValue::of(1), S::Value, 0.3},
    {"ratio 0", 0.6, ReportValue::of(0), S::Value, 0},
    {"pre-test 0", 0, ReportValue::of(50), S::Value, 0},
    {"pre-test 1", 1, ReportValue::of(0.01), S::Value, 1},
    {"pre-test 1 through 0 is 0/0", 1, ReportValue::of(0), S::Undefined, 0},
    {"huge ratio", 0.5, ReportValue::of(1e300), S::Value, 1},
    {"missing ratio", 0.5, kUndefined, S::Undefined, 0},
    {"ratio out of range", 0.5, ReportValue::outOfRange(-0.2), S::Undefined, 0},
    {"pre-test beyond 1", 1.5, ReportValue::of(2), S::Undefined, 0},
};

TEST(PostTestProbability, OddsTimesTheRatio) {
  for (const auto& c : kPostTest) {
    SCOPED_TRACE(c.name);
    const ReportValue post = postTestProbability(c.pretest, c.ratio);
    EXPECT_EQ(post.state, c.state);
    if (c.state == S::Value) {
      EXPECT_NEAR(post.value, c.expected, 1e-15);
    }
  }
  EXPECT_EQ(
      RealToText(postTestProbability(0.25, ReportValue::of(10)).value * 100, '.').substr(0, 4),
      "76.9");
}

struct TableCase {
  int vp, fp, fn, vn;
  M method;
};

// Tables with every cell filled, so both ratios and their limits are values.
constexpr TableCase kFullTables[] = {
    {6, 3, 1, 10, M::Wilson},   {90, 10, 5, 95, M::Wilson},
    {90, 10, 5, 95, M::WaldCc}, {3, 40, 2, 500, M::ClopperPearson},
    {1, 1, 1, 1, M::Jeffreys},  {999, 1, 1, 999, M::AgrestiCoull},
};

TEST(CurvePoint, AtTheTablesPrevalenceGivesItsPredictiveValues) {
  for (const auto& c : kFullTables) {
    SCOPED_TRACE(testing::Message() << c.vp << " " << c.fp << " " << c.fn << " " << c.vn);
    const Report report = buildReport(table(c.vp, c.fp, c.fn, c.vn), c.method, 95);
    const double prev = double(c.vp + c.fn) / (c.vp + c.fp + c.fn + c.vn);
    const CurvePoint point = curvePoint(report, prev);
    ASSERT_TRUE(point.vpp.defined() && point.vpn.defined());
    EXPECT_NEAR(point.vpp.value, double(c.vp) / (c.vp + c.fp), 1e-14);
    EXPECT_NEAR(point.vpn.value, double(c.vn) / (c.vn + c.fn), 1e-14);
  }
}

double logit(double p) {
  return std::log(p / (1 - p));
}

TEST(CurvePoint, TheLogMethodsBandIsSymmetricInLogitsAndEndsAtZeroAndOne) {
  const Report report = buildReport(table(90, 10, 5, 95), M::Wilson, 95);
  for (const double p : {0.001, 0.05, 0.3, 0.5, 0.8, 0.999}) {
    SCOPED_TRACE(p);
    const CurvePoint c = curvePoint(report, p);
    EXPECT_LT(c.vppLimits.lower.value, c.vpp.value);
    EXPECT_GT(c.vppLimits.upper.value, c.vpp.value);
    EXPECT_LT(c.vpnLimits.lower.value, c.vpn.value);
    EXPECT_GT(c.vpnLimits.upper.value, c.vpn.value);
    // Mercaldo, Lau and Zhou: logit(VPP) = logit(p) + log CP+ -/+ z·SE, the same half-width.
    EXPECT_NEAR(logit(c.vppLimits.upper.value) - logit(c.vpp.value),
                logit(c.vpp.value) - logit(c.vppLimits.lower.value), 1e-9);
    EXPECT_NEAR(logit(c.vpp.value), logit(p) + std::log((90.0 / 95) / (10.0 / 105)), 1e-9);
  }
  const CurvePoint none = curvePoint(report, 0), all = curvePoint(report, 1);
  EXPECT_EQ(none.vpp.value, 0);
  EXPECT_EQ(none.vpn.value, 1);
  EXPECT_EQ(all.vpp.value, 1);
  EXPECT_EQ(all.vpn.value, 0);
  EXPECT_TRUE(none.vppLimits.lower.defined() && all.vpnLimits.upper.defined());
}

struct ZeroCellCase {
  const char* name;
  int vp, fp, fn, vn;
  bool vpp, vppBand, vpn, vpnBand;
  const char* vppNote;
  const char* vpnNote;
};

// What the curve draws and says when a cell is 0.
const ZeroCellCase kZeroCells[] = {
    {"all filled", 6, 3, 1, 10, true, true, true, true, "", ""},
    {"especificidad 1", 6, 0, 1, 10, false, false, true, true,
     "VPP: sin curva, CP+ no definida (FP = 0: cociente infinito)", ""},
    {"sensibilidad 1", 6, 3, 0, 10, true, true, false, false, "",
     "VPN: sin curva, CP- no definida (FN = 0: cociente infinito)"},
    // VP = 0: CP+ is 0 and its log limits need VP; CP-'s do not.
    {"sensibilidad 0", 0, 3, 7, 10, true, false, true, true, "VPP: sin banda", ""},
    {"one case", 1, 0, 0, 0, false, false, false, false, "VPP: sin curva", "VPN: sin curva"},
    {"empty table", 0, 0, 0, 0, false, false, false, false, "VPP: sin curva", "VPN: sin curva"},
};

TEST(CurvePoint, ZeroCellsDrawWhatIsDefinedAndSayWhy) {
  for (const auto& c : kZeroCells) {
    SCOPED_TRACE(c.name);
    const Report report = buildReport(table(c.vp, c.fp, c.fn, c.vn), M::Wilson, 95);
    for (const double p : {0.01, 0.5, 0.99}) {
      const CurvePoint point = curvePoint(report, p);
      EXPECT_EQ(point.vpp.defined(), c.vpp);
      EXPECT_EQ(point.vppLimits.lower.defined() && point.vppLimits.upper.defined(), c.vppBand);
      EXPECT_EQ(point.vpn.defined(), c.vpn);
      EXPECT_EQ(point.vpnLimits.lower.defined() && point.vpnLimits.upper.defined(), c.vpnBand);
      for (const ReportValue& v :
           {point.vpp, point.vpn, point.vppLimits.lower, point.vppLimits.upper,
            point.vpnLimits.lower, point.vpnLimits.upper})
        if (v.defined()) {
          EXPECT_TRUE(v.value >= 0 && v.value <= 1) << v.value;
        }
    }
    EXPECT_EQ(curveNote(report, "vpp").substr(0, std::string(c.vppNote).size()), c.vppNote);
    EXPECT_EQ(curveNote(report, "vpn").substr(0, std::string(c.vpnNote).size()), c.vpnNote);
    EXPECT_EQ(curveNote(report, "vpp").empty(), c.vppBand);
  }
}

TEST(CurveSamples, FromZeroToOneInEqualSteps) {
  const Report report = buildReport(table(6, 3, 1, 10), M::Wilson, 95);
  const auto samples = curveSamples(report, 200);
  ASSERT_EQ(samples.size(), 201u);
  EXPECT_EQ(samples.front().prevalence, 0);
  EXPECT_EQ(samples[100].prevalence, 0.5);
  EXPECT_EQ(samples.back().prevalence, 1);
  for (size_t i = 1; i < samples.size(); ++i) {
    EXPECT_GE(samples[i].vpp.value, samples[i - 1].vpp.value);  // VPP grows with prevalence
    EXPECT_LE(samples[i].vpn.value, samples[i - 1].vpn.value);  // VPN falls
  }
}

TEST(CurveLayout, PrevalenceAcrossProbabilityUp) {
  const CurveLayout layout = curveLayout(50, 10, 400, 300);
  EXPECT_EQ(layout.prevalence.position(0), 50);
  EXPECT_EQ(layout.prevalence.position(1), 450);
  EXPECT_EQ(layout.probability.position(0), 310);
  EXPECT_EQ(layout.probability.position(1), 10);
}

std::vector<std::string> csvLines(const std::string& csv) {
  std::vector<std::string> lines;
  for (size_t start = 0, stop; (stop = csv.find("\r\n", start)) != std::string::npos;
       start = stop + 2)
    lines.push_back(csv.substr(start, stop - start));
  return lines;
}

TEST(CurveCsv, HeaderThenNinetyNinePrevalences) {
  struct Case {
    const char* name;
    int vp, fp, fn, vn;
    char separator;
    const char* header;
    const char* row50;
  };
  const Case cases[] = {
      {"point", 1, 1, 1, 1, '.', "prevalencia,vpp,vpp_inf,vpp_sup,vpn,vpn_inf,vpn_sup", "0.5,0.5,"},
      {"comma", 1, 1, 1, 1, ',', "prevalencia;vpp;vpp_inf;vpp_sup;vpn;vpn_inf;vpn_sup", "0,5;0,5;"},
      // FP = 0: no CP+, empty VPP fields; CP- is 1 / 0.5 = 2, VPN(0.5) = 2/3.
      {"no false positives", 2, 0, 2, 1, '.', "prevalencia,vpp,vpp_inf,vpp_sup,vpn,",
       "0.5,,,,0.666666666666667,"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto lines =
        csvLines(curveCsv(buildReport(table(c.vp, c.fp, c.fn, c.vn), M::Wilson, 95), c.separator));
    ASSERT_EQ(lines.size(), 100u);
    EXPECT_EQ(lines[0].substr(0, std::string(c.header).size()), c.header);
    EXPECT_EQ(lines[1].substr(0, 4), c.separator == '.' ? "0.01" : "0,01");
    EXPECT_EQ(lines[50].substr(0, std::string(c.row50).size()), c.row50);
    EXPECT_EQ(lines[99].substr(0, 4), c.separator == '.' ? "0.99" : "0,99");
    for (const auto& line : lines) EXPECT_EQ(line.find("nan"), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace tarnolo
