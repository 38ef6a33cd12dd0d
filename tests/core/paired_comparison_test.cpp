// The comparison of two tests on the same patients: published results and the edges.
#include "core/paired_comparison.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/report.h"

namespace tarnolo {
namespace {

const ReportRow& row(const PairedComparison& c, std::string_view key) {
  for (const ReportRow& r : c.rows)
    if (r.key == key) return r;
  ADD_FAILURE() << "no row " << key;
  return c.rows.front();
}

// A printed figure matches when the value rounds to it: |value - printed| within half a unit of
// the last printed digit.
void expectPrinted(const ReportValue& value, double printed, double halfUnit) {
  ASSERT_TRUE(value.defined());
  EXPECT_NEAR(value.value, printed, halfUnit) << "printed " << printed;
}

// The example data Paired1 of the R package DTComPair (Stock, Hielscher and Discacciati; its
// help pages sesp.mcnemar, sesp.rel, pv.gs), and the difference in
// sensitivity of its documentation of sesp.diff.ci with a, b, c, d = 18, 0, 14, 18.
constexpr PairedCounts kPaired1{319, 78, 22, 32, 31, 53, 22, 155};
constexpr PairedCounts kDifference{18, 0, 14, 18, 0, 0, 0, 0};

struct PublishedCase {
  const char* name;
  PairedCounts counts;
  const char* key;
  enum { Estimate, Lower, Upper } field;
  double printed, halfUnit;
};

const PublishedCase kPublished[] = {
    {"Paired1", kPaired1, "mcnemar_sens", PublishedCase::Estimate, 31.36, 0.005},
    {"Paired1", kPaired1, "p_mcnemar_sens", PublishedCase::Estimate, 2.143518e-08, 0.5e-14},
    {"Paired1", kPaired1, "mcnemar_esp", PublishedCase::Estimate, 12.81333, 0.5e-5},
    {"Paired1", kPaired1, "p_mcnemar_esp", PublishedCase::Estimate, 3.441579e-04, 0.5e-10},
    {"Paired1", kPaired1, "conjunta", PublishedCase::Estimate, 44.17333, 0.5e-5},
    {"Paired1", kPaired1, "p_conjunta", PublishedCase::Estimate, 2.557894e-10, 0.5e-16},
    {"Paired1", kPaired1, "rel_sens", PublishedCase::Estimate, 0.8589421, 0.5e-7},
    {"Paired1", kPaired1, "rel_sens", PublishedCase::Lower, 0.8143843, 0.5e-7},
    {"Paired1", kPaired1, "rel_sens", PublishedCase::Upper, 0.9059378, 0.5e-7},
    {"Paired1", kPaired1, "rel_esp", PublishedCase::Estimate, 1.1751412, 0.5e-7},
    {"Paired1", kPaired1, "rel_esp", PublishedCase::Lower, 1.0756505, 0.5e-7},
    {"Paired1", kPaired1, "rel_esp", PublishedCase::Upper, 1.2838342, 0.5e-7},
    {"Paired1", kPaired1, "gs_vpp", PublishedCase::Estimate, 5.71124070, 0.5e-8},
    {"Paired1", kPaired1, "p_gs_vpp", PublishedCase::Estimate, 0.01685662, 0.5e-8},
    {"18 0 14 18", kDifference, "dif_sens_wald", PublishedCase::Estimate, 0.28, 0.5e-2},
    {"18 0 14 18", kDifference, "dif_sens_wald", PublishedCase::Lower, 0.15554615, 0.5e-8},
    {"18 0 14 18", kDifference, "dif_sens_wald", PublishedCase::Upper, 0.40445385, 0.5e-8},
    {"18 0 14 18", kDifference, "dif_sens_agresti_min", PublishedCase::Lower, 0.15368658, 0.5e-8},
    {"18 0 14 18", kDifference, "dif_sens_agresti_min", PublishedCase::Upper, 0.40631342, 0.5e-8},
    {"18 0 14 18", kDifference, "dif_sens_tango", PublishedCase::Lower, 0.1747417, 0.5e-7},
    {"18 0 14 18", kDifference, "dif_sens_tango", PublishedCase::Upper, 0.4166512, 0.5e-7},
};

TEST(ComparePaired, ReproducesThePublishedResults) {
  for (const PublishedCase& p : kPublished) {
    SCOPED_TRACE(std::string(p.name) + " " + p.key);
    const PairedComparison c = comparePaired(p.counts, IntervalMethod::Wilson, 95);
    const ReportRow& r = row(c, p.key);
    const ReportValue& v = p.field == PublishedCase::Estimate ? r.estimate
                           : p.field == PublishedCase::Lower  ? r.limits.lower
                                                              : r.limits.upper;
    expectPrinted(v, p.printed, p.halfUnit);
  }
}

// Each test's own indices are those of the report of its own two-by-two table, bit for bit.
TEST(ComparePaired, EachTestIsTheReportOfItsOwnTable) {
  struct TestCase {
    const char* suffix;
    CaseState table;
  };
  const TestCase kTests[] = {{"1", {.vp = 397, .fp = 84, .fn = 54, .vn = 177}},
                             {"2", {.vp = 341, .fp = 53, .fn = 110, .vn = 208}}};
  for (IntervalMethod method : {IntervalMethod::WaldCc, IntervalMethod::ClopperPearson}) {
    const PairedComparison c = comparePaired(kPaired1, method, 99);
    for (const TestCase& t : kTests) {
      const Report own = buildReport(t.table, method, 99);
      for (int i = 0; i < 4; ++i) {
        const ReportRow& mine = row(c, std::string(own.rows[i].key) + t.suffix);
        SCOPED_TRACE(std::string(mine.key));
        EXPECT_EQ(mine.estimate.value, own.rows[i].estimate.value);
        EXPECT_EQ(mine.limits.lower.value, own.rows[i].limits.lower.value);
        EXPECT_EQ(mine.limits.upper.value, own.rows[i].limits.upper.value);
      }
    }
  }
}

// McNemar's p-values: the exact one is capped at 1 when b = c (the doubled tail counts the
// middle twice), mid-p is then exactly 1, and no discordant pairs give p = 1 with no statistic.
TEST(McNemar, PValuesAtTheEdges) {
  struct McNemarCase {
    int64_t b, c;
    double exact, midP;
  };
  const McNemarCase kCases[] = {
      {0, 0, 1, 1},
      {3, 3, 1, 1},             // 2·P(X <= 3 | 6) = 1.3125 without the cap
      {0, 5, 0.0625, 0.03125},  // 2·(1/32); mid-p counts half of it
      {1, 4, 0.375, 0.21875},   // 2·6/32 and (6 + 1)/32
  };
  for (const McNemarCase& m : kCases) {
    SCOPED_TRACE(std::to_string(m.b) + " " + std::to_string(m.c));
    const ExactP p = mcnemarExact(m.b, m.c);
    EXPECT_DOUBLE_EQ(p.exact, m.exact);
    EXPECT_DOUBLE_EQ(p.midP, m.midP);
  }
  const PairedComparison c = comparePaired({10, 0, 0, 5, 3, 0, 0, 7}, IntervalMethod::Wilson, 95);
  for (const char* key : {"mcnemar_sens", "mcnemar_cc_sens", "mcnemar_esp"}) {
    SCOPED_TRACE(key);
    EXPECT_FALSE(row(c, key).estimate.computed());
    EXPECT_NE(row(c, key).limits.note, "");
  }
  for (const char* key : {"p_mcnemar_sens", "p_mcnemar_cc_sens", "p_exacta_sens", "p_midp_esp"}) {
    SCOPED_TRACE(key);
    EXPECT_EQ(row(c, key).estimate.value, 1);
  }
  // The continuity correction never makes the statistic grow when |b - c| < 1.
  const PairedComparison near = comparePaired({5, 4, 4, 5, 1, 2, 3, 4}, IntervalMethod::Wilson, 95);
  EXPECT_EQ(row(near, "mcnemar_cc_sens").estimate.value, 0);
  EXPECT_EQ(row(near, "p_mcnemar_cc_sens").estimate.value, 1);
  EXPECT_DOUBLE_EQ(row(near, "mcnemar_esp").estimate.value, 0.2);
}

// Wald with continuity correction is z·SE + 1/n wide on each side, not z·(SE + 1/n).
TEST(Difference, WaldCorrectionAddsOneOverN) {
  const PairedComparison c = comparePaired(kDifference, IntervalMethod::Wilson, 95);
  const ReportRow &wald = row(c, "dif_sens_wald"), &cc = row(c, "dif_sens_wald_cc");
  EXPECT_NEAR(cc.limits.lower.value, wald.limits.lower.value - 1.0 / 50, 1e-15);
  EXPECT_NEAR(cc.limits.upper.value, wald.limits.upper.value + 1.0 / 50, 1e-15);
}

// Tango's limits enclose the difference, stay in -1..1 and mirror when the tests swap. With no
// discordant pairs they have a closed form, ∓z²/(n + z²): the roots are found to the last bits,
// not to a tolerance.
TEST(Difference, TangoLimitsAreOrderedAndMirrored) {
  struct TangoCase {
    int64_t x, y, n;
  };
  const TangoCase kCases[] = {{14, 0, 50},     {0, 0, 20},        {3, 9, 40}, {5, 0, 5},
                              {1, 1, 1000000}, {0, 0, 1},         {0, 0, 7},  {0, 0, 50},
                              {0, 0, 1000},    {0, 0, 2147483647}};
  constexpr double z = 1.959963984540054;
  for (const TangoCase& t : kCases) {
    SCOPED_TRACE(std::to_string(t.x) + " " + std::to_string(t.y) + " " + std::to_string(t.n));
    const Limits limits = tangoLimits(t.x, t.y, t.n, z);
    const double d = static_cast<double>(t.x - t.y) / t.n;
    EXPECT_LE(limits.lower.value, d);
    EXPECT_GE(limits.upper.value, d);
    EXPECT_GE(limits.lower.value, -1);
    EXPECT_LE(limits.upper.value, 1);
    // Mirrored counts give the mirrored interval.
    const Limits mirrored = tangoLimits(t.y, t.x, t.n, z);
    EXPECT_EQ(mirrored.lower.value, -limits.upper.value);
    if (t.x == 0 && t.y == 0) {
      const long double exact =
          static_cast<long double>(z) * z / (t.n + static_cast<long double>(z) * z);
      EXPECT_NEAR(limits.upper.value, exact, 4 * std::numeric_limits<double>::epsilon() * exact);
    }
  }
  // All pairs favour test 2: the upper limit is 1.
  EXPECT_EQ(tangoLimits(5, 0, 5, 1.96).upper.value, 1);
}

// Zero cells and missing margins: nothing NaN or infinite, each missing value with its reason.
TEST(ComparePaired, EdgesGiveReasonsNotNaN) {
  struct EdgeCase {
    const char* name;
    PairedCounts counts;
    const char* undefinedKey;
  };
  const EdgeCase kCases[] = {
      {"no diseased", {0, 0, 0, 0, 3, 4, 5, 6}, "dif_sens_tango"},
      {"no healthy", {3, 4, 5, 6, 0, 0, 0, 0}, "rel_esp"},
      {"test 1 never positive among the diseased", {0, 0, 5, 6, 1, 2, 3, 4}, "rel_sens"},
      {"no positive readings", {0, 0, 0, 7, 0, 0, 0, 9}, "gs_vpp"},
      {"a negative count", {1, -2, 3, 4, 5, 6, 7, 8}, "conjunta"},
      {"every count zero", {}, "p_midp_sens"},
  };
  for (const EdgeCase& e : kCases) {
    SCOPED_TRACE(e.name);
    const PairedComparison c = comparePaired(e.counts, IntervalMethod::Jeffreys, 90);
    ASSERT_EQ(c.rows.size(), std::size(kPairedKeys));
    for (size_t i = 0; i < c.rows.size(); ++i) {
      const ReportRow& r = c.rows[i];
      EXPECT_EQ(r.key, kPairedKeys[i]);
      for (const ReportValue* v : {&r.estimate, &r.limits.lower, &r.limits.upper})
        EXPECT_TRUE(std::isfinite(v->value)) << r.key;
    }
    EXPECT_FALSE(row(c, e.undefinedKey).estimate.computed());
    EXPECT_NE(row(c, e.undefinedKey).limits.note, "");
  }
}

// Counts near the 32-bit limit: the margins and products pass 2^31 and 2^63 and still give
// finite, ordered results.
TEST(ComparePaired, CountsNearTheThirtyTwoBitLimit) {
  constexpr int64_t kMax = 2147483647;
  const PairedCounts big{kMax, kMax, kMax - 1, kMax, kMax, 1, kMax, kMax};
  const PairedComparison c = comparePaired(big, IntervalMethod::ClopperPearson, 99.9);
  for (const ReportRow& r : c.rows) {
    SCOPED_TRACE(std::string(r.key));
    for (const ReportValue* v : {&r.estimate, &r.limits.lower, &r.limits.upper})
      EXPECT_TRUE(std::isfinite(v->value));
    if (r.limits.lower.defined() && r.limits.upper.defined()) {
      EXPECT_LE(r.limits.lower.value, r.limits.upper.value);
    }
  }
  EXPECT_GT(row(c, "p_exacta_sens").estimate.value, 0.9);
  EXPECT_EQ(row(c, "sens1").estimate.value, 2.0 * kMax / (4.0 * kMax - 1));
  EXPECT_TRUE(row(c, "gs_vpp").estimate.defined());
}

// The weighted generalized score reduces to the score (Pearson) statistic of two independent
// proportions when no patient is positive on both tests (Kosinski 2013); here PPV 30/40 against
// 20/45, and NPV the same way with no patient negative on both.
TEST(PredictiveValues, WeightedScoreIsPearsonForIndependentReadings) {
  struct IndependentCase {
    const char* key;
    PairedCounts counts;
    double right1, n1, right2, n2;
  };
  const IndependentCase kCases[] = {
      {"wgs_vpp", {0, 30, 20, 7, 0, 10, 25, 9}, 30, 40, 20, 45},
      {"wgs_vpn", {4, 12, 9, 0, 6, 33, 21, 0}, 21, 30, 33, 45},
  };
  for (const IndependentCase& c : kCases) {
    SCOPED_TRACE(c.key);
    const double p1 = c.right1 / c.n1, p2 = c.right2 / c.n2;
    const double p = (c.right1 + c.right2) / (c.n1 + c.n2);
    const double pearson = (p2 - p1) * (p2 - p1) / (p * (1 - p) * (1 / c.n1 + 1 / c.n2));
    const PairedComparison result = comparePaired(c.counts, IntervalMethod::Wilson, 95);
    EXPECT_NEAR(row(result, c.key).estimate.value, pearson, 1e-12 * pearson);
  }
}

}  // namespace
}  // namespace tarnolo
