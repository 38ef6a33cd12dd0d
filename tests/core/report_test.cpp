// The report model: published ratios, the main window's numbers under wald-cc, the zero-cell
// rules, and what holds for every table, method and level.
#include "core/report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/normal_quantile.h"
#include "session_helpers.h"

namespace tarnolo {
namespace {

using test::table;

using M = IntervalMethod;
using State = ReportValue::State;

constexpr M kMethods[] = {M::WaldCc,         M::Wald,         M::Wilson,  M::WilsonCc,
                          M::ClopperPearson, M::AgrestiCoull, M::Jeffreys};

const ReportRow& row(const Report& report, std::string_view key) {
  for (const ReportRow& r : report.rows)
    if (r.key == key) return r;
  throw std::out_of_range(std::string(key));
}

struct PublishedRow {
  const char* source;
  int32_t vp, fp, fn, vn;
  M method;
  const char* key;
  double estimate, lower, upper;
  int digits;
};

// At 95 %, the ratios by the log method. DTComPair's documentation (acc.1test on Paired1, tests
// y1 and y2: PDLR and NDLR); epiR's vignette on diagnostic tests (Scott et al. 2008), whose
// sensitivity is exact (Clopper-Pearson).
const PublishedRow kPublished[] = {
    {"DTComPair y1", 397, 84, 54, 177, M::Wald, "sens", 0.8802661, 0.8503038, 0.9102284, 7},
    {"DTComPair y1", 397, 84, 54, 177, M::Wald, "cpp", 2.7351124, 2.2860079, 3.2724472, 7},
    {"DTComPair y1", 397, 84, 54, 177, M::Wald, "rv_neg", 0.1765568, 0.1356142, 0.2298601, 7},
    {"DTComPair y2", 341, 53, 110, 208, M::Wilson, "cpp", 3.7234238, 2.9114648, 4.7618247, 7},
    {"DTComPair y2", 341, 53, 110, 208, M::Wilson, "rv_neg", 0.3060507, 0.2572629, 0.3640906, 7},
    {"epiR", 670, 202, 74, 640, M::ClopperPearson, "sens", 0.90, 0.88, 0.92, 2},
    {"epiR", 670, 202, 74, 640, M::ClopperPearson, "cpp", 3.75, 3.32, 4.24, 2},
    {"epiR", 670, 202, 74, 640, M::ClopperPearson, "rv_neg", 0.13, 0.11, 0.16, 2},
};

TEST(BuildReport, PublishedExamplesToTheirPrintedDigits) {
  for (const auto& c : kPublished) {
    SCOPED_TRACE(::testing::Message() << c.source << " " << c.key);
    const Report report = buildReport(table(c.vp, c.fp, c.fn, c.vn), c.method, 95);
    const ReportRow& r = row(report, c.key);
    const double tolerance = 0.5 * std::pow(10.0, -c.digits);
    EXPECT_NEAR(r.estimate.value, c.estimate, tolerance);
    EXPECT_NEAR(r.limits.lower.value, c.lower, tolerance);
    EXPECT_NEAR(r.limits.upper.value, c.upper, tolerance);
  }
}

// Expects a value of the report to hold exactly the field's bits, marked as the cell shows it.
void expectField(const ReportValue& value, double field, const std::string& cell) {
  EXPECT_EQ(value.value, field);
  EXPECT_EQ(value.state, cell == "*" ? State::OutOfRange : State::Value) << cell;
}

TEST(BuildReport, WaldCcGivesTheMainWindowsNumbersBitForBit) {
  using namespace names;
  struct Block {
    const char* key;
    double CaseState::*estimate;
    double CaseState::*lower;
    double CaseState::*upper;
    std::string_view lowerCell, upperCell;
  };
  using S = CaseState;
  const Block blocks[] = {
      {"sens", &S::sens, &S::sensLi, &S::sensLs, kSensli, kSensls},
      {"esp", &S::esp, &S::espLi, &S::espLs, kEspli, kEspls},
      {"vpp", &S::vpp, &S::vppLi, &S::vppLs, kVppli, kVppls},
      {"vpn", &S::vpn, &S::vpnLi, &S::vpnLs, kVpnli, kVpnls},
      {"prev", &S::prev, &S::prevLi, &S::prevLs, kPrevli, kPrevls},
      {"prevap", &S::prevap, &S::prevapLi, &S::prevapLs, kPrevapli, kPrevapls},
      {"cpp", &S::cpp, &S::cppLi, &S::cppLs, kCppli, kCppls},
      {"cpn", &S::cpn, &S::cpnLi, &S::cpnLs, kCpnli, kCpnls},
  };
  const test::Counts tables[] = {{"90", "10", "10", "90"},
                                 {"1", "3", "7", "5"},
                                 {"6", "3", "1", "10"},
                                 {"397", "84", "54", "177"}};
  for (const auto& counts : tables) {
    for (int item : {0, 1}) {
      SCOPED_TRACE(::testing::Message() << counts.vp << " " << counts.fp << " at item " << item);
      ModelSession session;
      test::calcular(session, counts);
      session.model.userClick(kIc);
      session.model.userSelect(kZalfa, item);
      const Report report = buildReport(session.state(), M::WaldCc, item == 0 ? 95 : 99);
      for (const Block& b : blocks) {
        SCOPED_TRACE(b.key);
        const ReportRow& r = row(report, b.key);
        EXPECT_EQ(r.estimate.value, session.state().*b.estimate);
        expectField(r.limits.lower, session.state().*b.lower, session.model.text(b.lowerCell));
        expectField(r.limits.upper, session.state().*b.upper, session.model.text(b.upperCell));
      }
    }
  }
}

struct ZeroCase {
  const char* name;
  CaseState counts;
  M method;
  const char* key;
  State estimate, lower, upper;
  const char* note;  // a part of the row's note
};

constexpr State V = State::Value, U = State::Undefined, O = State::OutOfRange;

const ZeroCase kZeroCells[] = {
    {"no FP, no FN", table(5, 0, 0, 7), M::Wilson, "sens", V, V, V, ""},
    {"no FP, no FN", table(5, 0, 0, 7), M::Wilson, "cpp", U, U, U, "FP = 0: cociente infinito"},
    {"no FP, no FN", table(5, 0, 0, 7), M::Wilson, "cpn", U, U, U, "FN = 0: cociente infinito"},
    {"no FP, no FN", table(5, 0, 0, 7), M::Wilson, "rv_neg", V, U, U, "FN = 0: el método"},
    {"no FP, no FN", table(5, 0, 0, 7), M::Wilson, "odds_ratio", U, U, U, "FP = 0"},
    {"no FP, no FN", table(5, 0, 0, 7), M::Wald, "sens", V, U, U, "Wald no da intervalo"},
    {"no FP, no FN", table(5, 0, 0, 7), M::Wald, "youden", V, U, U, "faltan los límites"},
    {"no FP, no FN", table(5, 0, 0, 7), M::WaldCc, "fnf", V, O, V, "menor que 0"},
    {"no FP, no FN", table(5, 0, 0, 7), M::WaldCc, "rv_neg", V, O, V, "negativo"},
    {"no VP", table(0, 4, 6, 10), M::Jeffreys, "cpp", V, U, U, "VP = 0: el método"},
    {"no VP", table(0, 4, 6, 10), M::Jeffreys, "odds_ratio", V, U, U, "VP = 0: el método"},
    {"no VP", table(0, 4, 6, 10), M::Jeffreys, "sens", V, V, V, ""},
    {"no VP, no FP", table(0, 0, 6, 10), M::Wilson, "cpp", U, U, U, "VP = 0 y FP = 0"},
    {"no diseased", table(0, 3, 0, 10), M::ClopperPearson, "sens", U, U, U, "no hay enfermos"},
    {"no diseased", table(0, 3, 0, 10), M::ClopperPearson, "cpp", U, U, U, "no hay enfermos"},
    {"no diseased", table(0, 3, 0, 10), M::ClopperPearson, "nnd", U, U, U, "no hay enfermos"},
    {"no diseased", table(0, 3, 0, 10), M::ClopperPearson, "prev", V, V, V, ""},
    {"empty", table(0, 0, 0, 0), M::Wilson, "exactitud", U, U, U, "la tabla está vacía"},
    {"no discrimination", table(3, 5, 5, 3), M::Wilson, "nnd", U, U, U, "no positivo"},
    // sens 0.2 and esp 0.8 are stored just above their values: their sum less 1 is 5.6e-17.
    {"no discrimination, rounded", table(1, 1, 4, 4), M::Wilson, "nnd", U, U, U, "no positivo"},
    {"youden's interval holds 0", table(6, 4, 4, 6), M::Wilson, "nnd", V, V, U, "llega a 0"},
    {"negative count", table(-1, 2, 3, 4), M::Wilson, "esp", U, U, U, "recuentos negativos"},
};

TEST(BuildReport, ZeroCellRules) {
  for (const auto& c : kZeroCells) {
    SCOPED_TRACE(::testing::Message() << c.name << ", " << c.key);
    const Report report = buildReport(c.counts, c.method, 95);
    const ReportRow& r = row(report, c.key);
    EXPECT_EQ(r.estimate.state, c.estimate);
    EXPECT_EQ(r.limits.lower.state, c.lower);
    EXPECT_EQ(r.limits.upper.state, c.upper);
    EXPECT_NE(r.limits.note.find(c.note), std::string::npos) << r.limits.note;
  }
}

bool isProportion(std::string_view key) {
  return key != "youden" && key != "cpp" && key != "cpn" && key != "rv_neg" &&
         key != "odds_ratio" && key != "nnd";
}

// Every value finite, every missing one explained, every limit in range on its side of the
// estimate, every proportion's limits inside [0, 1]; only wald-cc has limits out of range (the
// main window's rule, from limits past 0 or 1, can put them anywhere).
TEST(BuildReport, HoldsForEveryTableMethodAndLevel) {
  const CaseState tables[] = {table(0, 0, 0, 0),
                              table(1, 0, 0, 0),
                              table(0, 1, 1, 0),
                              table(1, 1, 1, 1),
                              table(6, 3, 1, 10),
                              table(3, 5, 5, 3),
                              table(0, 12, 0, 9),
                              table(50, 0, 3, 40),
                              table(2147483647, 2147483647, 2147483647, 2147483647),
                              table(2147483647, 1, 0, 2147483647)};
  for (const CaseState& t : tables) {
    for (M method : kMethods) {
      for (double level : {50.0, 95.0, 99.9}) {
        SCOPED_TRACE(::testing::Message()
                     << t.vp << " " << t.fp << " " << t.fn << " " << t.vn << ", method "
                     << static_cast<int>(method) << " at " << level);
        const Report report = buildReport(t, method, level);
        ASSERT_EQ(report.rows.size(), std::size(kReportKeys));
        for (size_t i = 0; i < report.rows.size(); ++i) {
          const ReportRow& r = report.rows[i];
          SCOPED_TRACE(r.key);
          EXPECT_EQ(r.key, kReportKeys[i]);
          for (const ReportValue* v : {&r.estimate, &r.limits.lower, &r.limits.upper}) {
            EXPECT_TRUE(std::isfinite(v->value));
            EXPECT_TRUE(v->defined() || !r.limits.note.empty());
            EXPECT_TRUE(v->state != State::OutOfRange || method == M::WaldCc);
          }
          if (!r.estimate.defined()) continue;
          const Limits& l = r.limits;
          EXPECT_TRUE(!l.lower.defined() || l.lower.value <= r.estimate.value);
          EXPECT_TRUE(!l.upper.defined() || l.upper.value >= r.estimate.value);
          if (!isProportion(r.key)) continue;
          EXPECT_TRUE(!l.lower.defined() || l.lower.value >= 0);
          EXPECT_TRUE(!l.upper.defined() || l.upper.value <= 1);
        }
      }
    }
  }
}

TEST(BuildReport, YoudenWithWaldIsTheWaldIntervalOfADifference) {
  // Square-and-add of two Wald intervals is J -/+ z·sqrt(s(1 - s)/n1 + e(1 - e)/n2).
  const Report report = buildReport(table(397, 84, 54, 177), M::Wald, 90);
  const double s = 397.0 / 451, e = 177.0 / 261, z = -normalQuantile(0.05);
  const double h = z * std::sqrt(s * (1 - s) / 451 + e * (1 - e) / 261);
  const ReportRow& youden = row(report, "youden");
  EXPECT_NEAR(youden.estimate.value, s + e - 1, 1e-15);
  EXPECT_NEAR(youden.limits.lower.value, s + e - 1 - h, 1e-15);
  EXPECT_NEAR(youden.limits.upper.value, s + e - 1 + h, 1e-15);
  const ReportRow& nnd = row(report, "nnd");
  EXPECT_NEAR(nnd.limits.lower.value, 1 / (s + e - 1 + h), 1e-14);
  EXPECT_NEAR(nnd.limits.upper.value, 1 / (s + e - 1 - h), 1e-14);
}

TEST(BuildReport, CpnIsTheReciprocalOfTheNegativeRatio) {
  for (M method : {M::Wilson, M::ClopperPearson}) {
    const Report report = buildReport(table(670, 202, 74, 640), method, 95);
    const ReportRow &cpn = row(report, "cpn"), &rvNeg = row(report, "rv_neg");
    EXPECT_NEAR(cpn.estimate.value * rvNeg.estimate.value, 1, 1e-15);
    EXPECT_NEAR(cpn.limits.lower.value * rvNeg.limits.upper.value, 1, 1e-15);
    EXPECT_NEAR(cpn.limits.upper.value * rvNeg.limits.lower.value, 1, 1e-15);
  }
}

}  // namespace
}  // namespace tarnolo
