// The limits of one proportion: published worked examples to their printed digits, and each
// method at its edges.
#include "core/proportion_limits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/normal_quantile.h"

namespace tarnolo {
namespace {

using M = IntervalMethod;
using State = ReportValue::State;

constexpr M kMethods[] = {M::WaldCc,         M::Wald,         M::Wilson,  M::WilsonCc,
                          M::ClopperPearson, M::AgrestiCoull, M::Jeffreys};

struct Published {
  const char* source;
  M method;
  int64_t x, n;
  double lower, upper;
  int digits;  // decimals printed: the limits must round to them
};

// At 95 %. Newcombe RG (1998), Two-sided confidence intervals for the single proportion:
// comparison of seven methods, Statistics in Medicine 17:857-872, Table II (methods 1 to 5).
// DTComPair's documentation (acc.1test on its data set Paired1: the counts 397, 84, 54, 177 of
// test y1 and 341, 53, 110, 208 of test y2). epiR's vignette on diagnostic tests (Scott et al.
// 2008: 670, 202, 74, 640). SciPy's documentation of BinomTestResult.proportion_ci (7 of 50).
const Published kPublished[] = {
    {"Newcombe 81/263", M::Wald, 81, 263, 0.2522, 0.3638, 4},
    {"Newcombe 81/263", M::WaldCc, 81, 263, 0.2503, 0.3657, 4},
    {"Newcombe 81/263", M::Wilson, 81, 263, 0.2553, 0.3662, 4},
    {"Newcombe 81/263", M::WilsonCc, 81, 263, 0.2535, 0.3682, 4},
    {"Newcombe 81/263", M::ClopperPearson, 81, 263, 0.2527, 0.3676, 4},
    {"Newcombe 15/148", M::Wald, 15, 148, 0.0527, 0.1500, 4},
    {"Newcombe 15/148", M::WaldCc, 15, 148, 0.0494, 0.1534, 4},
    {"Newcombe 15/148", M::Wilson, 15, 148, 0.0624, 0.1605, 4},
    {"Newcombe 15/148", M::WilsonCc, 15, 148, 0.0598, 0.1644, 4},
    {"Newcombe 15/148", M::ClopperPearson, 15, 148, 0.0578, 0.1617, 4},
    {"Newcombe 0/20", M::Wilson, 0, 20, 0, 0.1611, 4},
    {"Newcombe 0/20", M::WilsonCc, 0, 20, 0, 0.2005, 4},
    {"Newcombe 0/20", M::ClopperPearson, 0, 20, 0, 0.1684, 4},
    {"Newcombe 1/29", M::Wilson, 1, 29, 0.0061, 0.1718, 4},
    {"Newcombe 1/29", M::WilsonCc, 1, 29, 0.0018, 0.1963, 4},
    {"Newcombe 1/29", M::ClopperPearson, 1, 29, 0.0009, 0.1776, 4},
    {"DTComPair y1 sens", M::Wald, 397, 451, 0.8503038, 0.9102284, 7},
    {"DTComPair y1 esp", M::Wald, 177, 261, 0.6214830, 0.7348388, 7},
    {"DTComPair y1 vpp", M::Wald, 397, 481, 0.7914353, 0.8592924, 7},
    {"DTComPair y1 vpn", M::Wald, 177, 231, 0.7116563, 0.8208113, 7},
    {"DTComPair y1 sens", M::ClopperPearson, 397, 451, 0.8466745, 0.9087592, 7},
    {"DTComPair y1 esp", M::ClopperPearson, 177, 261, 0.6177792, 0.7344406, 7},
    {"DTComPair y1 vpp", M::ClopperPearson, 397, 481, 0.7884240, 0.8582440, 7},
    {"DTComPair y1 vpn", M::ClopperPearson, 177, 231, 0.7062587, 0.8192389, 7},
    {"DTComPair y1 sens", M::Wilson, 397, 451, 0.8470, 0.9071, 4},
    {"DTComPair y1 esp", M::Wilson, 177, 261, 0.6193, 0.7319, 4},
    {"DTComPair y1 vpp", M::Wilson, 397, 481, 0.7889, 0.8567, 4},
    {"DTComPair y1 vpn", M::Wilson, 177, 231, 0.7076, 0.8162, 4},
    {"DTComPair y2 sens", M::Wilson, 341, 451, 0.7144, 0.7935, 4},
    {"DTComPair y2 esp", M::Wilson, 208, 261, 0.7440, 0.8413, 4},
    {"DTComPair y2 vpp", M::Wilson, 341, 394, 0.8282, 0.8957, 4},
    {"DTComPair y2 vpn", M::Wilson, 208, 318, 0.6002, 0.7042, 4},
    {"epiR sens", M::ClopperPearson, 670, 744, 0.88, 0.92, 2},
    {"SciPy 7/50", M::ClopperPearson, 7, 50, 0.05819170033997342, 0.26739600249700846, 17},
};

TEST(ProportionLimits, PublishedExamplesToTheirPrintedDigits) {
  for (const auto& c : kPublished) {
    SCOPED_TRACE(testing::Message() << c.source << ", method " << static_cast<int>(c.method));
    const Limits l = proportionLimits(c.method, c.x, c.n, confidenceLevel(95, c.method));
    double tolerance = 0.5 * std::pow(10.0, -c.digits) + 1e-16;
    // SciPy prints its lower limit 4e-13 below the true quantile, 0.05819170034037208554 (its
    // root finder stops early); the upper one is right to its last digit.
    if (c.digits == 17) tolerance = 5e-13;
    EXPECT_NEAR(l.lower.value, c.lower, tolerance);
    EXPECT_NEAR(l.upper.value, c.upper, c.digits == 17 ? 1e-17 : tolerance);
  }
}

TEST(ConfidenceLevel, WaldCcKeepsTheMainWindowsQuantiles) {
  EXPECT_EQ(confidenceLevel(95, M::WaldCc).z, 1.96);
  EXPECT_EQ(confidenceLevel(99, M::WaldCc).z, 2.576);
  EXPECT_EQ(confidenceLevel(90, M::WaldCc).z, -normalQuantile(0.05));
  EXPECT_EQ(confidenceLevel(95, M::Wilson).z, -normalQuantile(0.025));
  EXPECT_EQ(confidenceLevel(99.9, M::Jeffreys).tail, 0.0005);
  EXPECT_EQ(confidenceLevel(50, M::Wald).tail, 0.25);
}

struct Edge {
  int64_t x, n;
};
constexpr Edge kEdges[] = {{0, 1}, {1, 1}, {0, 20}, {20, 20}, {1, 29}, {28, 29}, {3, 7}};
constexpr double kLevels[] = {50, 95, 99.9};

bool finite(const ReportValue& v) {
  return std::isfinite(v.value);
}

// Every method at 0 and n successes, n = 1, at the lowest, usual and highest level.
TEST(ProportionLimits, EdgesKeepEachMethodsRule) {
  int edgesSeen = 0;
  for (M method : kMethods) {
    for (const Edge& e : kEdges) {
      for (double level : kLevels) {
        SCOPED_TRACE(testing::Message() << "method " << static_cast<int>(method) << ", " << e.x
                                        << "/" << e.n << " at " << level);
        const Limits l = proportionLimits(method, e.x, e.n, confidenceLevel(level, method));
        const double p = static_cast<double>(e.x) / e.n;
        ASSERT_TRUE(finite(l.lower) && finite(l.upper));
        const bool edge = e.x == 0 || e.x == e.n;
        if (method == M::Wald && edge) {
          EXPECT_EQ(l.lower.state, State::Undefined);
          EXPECT_EQ(l.upper.state, State::Undefined);
          EXPECT_FALSE(l.note.empty());
          ++edgesSeen;
          continue;
        }
        EXPECT_LE(l.lower.value, p);
        EXPECT_GE(l.upper.value, p);
        if (method == M::WaldCc) {
          // 1/(2n) alone takes the limit past the edge.
          EXPECT_TRUE(e.x > 0 || l.lower.state == State::OutOfRange);
          EXPECT_TRUE(e.x < e.n || l.upper.state == State::OutOfRange);
          continue;
        }
        EXPECT_EQ(l.lower.state, State::Value);
        EXPECT_EQ(l.upper.state, State::Value);
        EXPECT_GE(l.lower.value, 0);
        EXPECT_LE(l.upper.value, 1);
        EXPECT_TRUE(e.x > 0 || l.lower.value == 0);
        EXPECT_TRUE(e.x < e.n || l.upper.value == 1);
      }
    }
  }
  EXPECT_EQ(edgesSeen, 4 * 3);
}

TEST(ProportionLimits, HigherLevelsWidenEveryInterval) {
  for (M method : kMethods) {
    for (const Edge& e : kEdges) {
      SCOPED_TRACE(testing::Message()
                   << "method " << static_cast<int>(method) << ", " << e.x << "/" << e.n);
      Limits previous = proportionLimits(method, e.x, e.n, confidenceLevel(50, method));
      for (double level : {80.0, 95.0, 99.0, 99.9}) {
        const Limits l = proportionLimits(method, e.x, e.n, confidenceLevel(level, method));
        EXPECT_LE(l.lower.value, previous.lower.value);
        EXPECT_GE(l.upper.value, previous.upper.value);
        previous = l;
      }
    }
  }
}

TEST(ProportionLimits, ClosedFormsForOneTrial) {
  for (double level : kLevels) {
    SCOPED_TRACE(level);
    auto limits = [level](M method, int64_t x) {
      return proportionLimits(method, x, 1, confidenceLevel(level, method));
    };
    const double tail = level == 50 ? 0.25 : level == 95 ? 0.025 : 0.0005;
    const double z = -normalQuantile(tail);
    // Exact: with one trial the chance of one success is p itself.
    EXPECT_DOUBLE_EQ(limits(M::ClopperPearson, 1).lower.value, tail);
    EXPECT_DOUBLE_EQ(limits(M::ClopperPearson, 0).upper.value, 1 - tail);
    // Wilson: the score equation (1 - p)/sqrt(p(1 - p)) = z at x = n = 1.
    EXPECT_DOUBLE_EQ(limits(M::Wilson, 1).lower.value, 1 / (1 + z * z));
    // Jeffreys at 0 of 1: Beta(1/2, 3/2), whose distribution is (2/π)(asin √x + √(x(1 − x))).
    const double u = limits(M::Jeffreys, 0).upper.value;
    const double cdf = 2 / std::numbers::pi * (std::asin(std::sqrt(u)) + std::sqrt(u * (1 - u)));
    EXPECT_NEAR(cdf, 1 - tail, 1e-15);
  }
}

TEST(ProportionLimits, KnownOrderingsOfTheMethods) {
  // Brown, Cai and DasGupta (2001): the Agresti-Coull interval contains Wilson's; Jeffreys'
  // lies inside the exact one, whose beta shapes are one half further out on either side.
  for (const Edge& e : kEdges) {
    for (double level : kLevels) {
      SCOPED_TRACE(testing::Message() << e.x << "/" << e.n << " at " << level);
      const Limits w = proportionLimits(M::Wilson, e.x, e.n, confidenceLevel(level, M::Wilson));
      const Limits ac =
          proportionLimits(M::AgrestiCoull, e.x, e.n, confidenceLevel(level, M::AgrestiCoull));
      const Limits j = proportionLimits(M::Jeffreys, e.x, e.n, confidenceLevel(level, M::Jeffreys));
      const Limits cp =
          proportionLimits(M::ClopperPearson, e.x, e.n, confidenceLevel(level, M::ClopperPearson));
      EXPECT_LE(ac.lower.value, w.lower.value);
      EXPECT_GE(ac.upper.value, w.upper.value);
      EXPECT_GE(j.lower.value, cp.lower.value);
      EXPECT_LE(j.upper.value, cp.upper.value);
    }
  }
}

TEST(ProportionLimits, LargestCountAgreesAcrossMethods) {
  // At n = 2^31 - 1 the methods differ by about 1/n, against a width of about 4e-5.
  const int64_t n = 2147483647, x = 1073741824;
  const Limits wilson = proportionLimits(M::Wilson, x, n, confidenceLevel(95, M::Wilson));
  for (M method : {M::ClopperPearson, M::Jeffreys, M::WilsonCc, M::AgrestiCoull, M::Wald}) {
    SCOPED_TRACE(static_cast<int>(method));
    const Limits l = proportionLimits(method, x, n, confidenceLevel(95, method));
    EXPECT_NEAR(l.lower.value, wilson.lower.value, 2e-9);
    EXPECT_NEAR(l.upper.value, wilson.upper.value, 2e-9);
  }
  // The exact limits of 0 and 1 in n: 1 - (α/2)^(1/n) and 1 - (1 - α/2)^(1/n).
  const ConfidenceLevel level = confidenceLevel(99.9, M::ClopperPearson);
  EXPECT_NEAR(proportionLimits(M::ClopperPearson, 0, n, level).upper.value,
              -std::expm1(std::log(0.0005) / n), 1e-24);
  EXPECT_NEAR(proportionLimits(M::ClopperPearson, 1, n, level).lower.value,
              -std::expm1(std::log1p(-0.0005) / n), 1e-28);
}

}  // namespace
}  // namespace tarnolo
