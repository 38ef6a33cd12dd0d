// The normal and beta quantiles against closed forms, values computed with 50-digit arithmetic,
// and the distributions they invert.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/beta_distribution.h"
#include "core/normal_quantile.h"

namespace tarnolo {
namespace {

// How many units in the last place of expected separate the two.
double ulpsApart(double actual, double expected) {
  const double ulp = std::nextafter(std::fabs(expected), INFINITY) - std::fabs(expected);
  return std::fabs(actual - expected) / ulp;
}

struct QuantileCase {
  double p, z;
};

// z of the double nearest p, correctly rounded from 50-digit arithmetic.
constexpr QuantileCase kNormal[] = {
    {0.975, 1.959963984540053855604},   {0.995, 2.575829303548900453857},
    {0.75, 0.6744897501960817432022},   {0.9995, 3.290526731491925778683},
    {0.3, -0.5244005127080408159695},   {1e-10, -6.3613409024040561991},
    {1e-300, -37.04709629936119923655}, {0.5, 0},
};

TEST(NormalQuantile, WithinOneUnitOfTheTrueQuantile) {
  for (const auto& c : kNormal) {
    SCOPED_TRACE(c.p);
    EXPECT_LE(ulpsApart(normalQuantile(c.p), c.z), 1.0);
  }
}

TEST(NormalQuantile, PublishedValuesOfTheTwoUsualLevels) {
  // The values printed in tables and by other statistics programs, to their last digit.
  EXPECT_NEAR(normalQuantile(0.975), 1.959963984540054, 2.3e-16);
  EXPECT_NEAR(-normalQuantile(0.025), 1.959963984540054, 2.3e-16);
  EXPECT_NEAR(normalQuantile(0.995), 2.5758293035489004, 4.5e-16);
}

TEST(NormalQuantile, InvertsTheNormalDistribution) {
  // One Newton step against erfc, in extended precision, must move z by under two units.
  const long double kSqrtTwoPi = 2.506628274631000502415765284811L;
  for (double p = 1e-12; p < 1; p = p < 0.01 ? p * 7 : p + 0.0137) {
    SCOPED_TRACE(p);
    const long double z = normalQuantile(p);
    const long double cdf = std::erfc(-z / std::sqrt(2.0L)) / 2;
    const long double step = (cdf - p) / (std::exp(-z * z / 2) / kSqrtTwoPi);
    const double ulp = std::nextafter(std::fabs(static_cast<double>(z)), INFINITY) -
                       std::fabs(static_cast<double>(z));
    EXPECT_LE(std::fabs(static_cast<double>(step)), 2 * ulp);
  }
}

TEST(NormalQuantile, IsOddAboutOneHalf) {
  for (double p : {0.5625, 0.75, 0.875, 0.96875, 0.9990234375}) {  // 1 - p exact
    SCOPED_TRACE(p);
    EXPECT_EQ(normalQuantile(p), -normalQuantile(1 - p));
  }
}

TEST(BetaTails, ClosedForms) {
  struct Case {
    double x, a, b, lower;
  };
  const Case cases[] = {
      {0.25, 1, 3, 1 - 0.421875},  // 1 - (1 - x)^b
      {0.5, 3, 1, 0.125},          // x^a
      {0.3, 2, 2, 0.216},          // 3x² - 2x³
      {0.5, 0.5, 0.5, 0.5},        // arcsine law, symmetric
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x);
    const BetaTails t = betaTails(c.x, c.a, c.b);
    EXPECT_LE(ulpsApart(t.lower, c.lower), 2.0);
    EXPECT_LE(ulpsApart(t.upper, 1 - c.lower), 2.0);
  }
}

TEST(BetaTails, TinyTailsKeepTheirDigits) {
  // 1 - I_x(1, b) = (1 - x)^b and I_x(a, 1) = x^a: powers of two, exact as doubles.
  EXPECT_EQ(betaTails(0.5, 1, 100).upper, std::ldexp(1.0, -100));
  EXPECT_EQ(betaTails(0.5, 200, 1).lower, std::ldexp(1.0, -200));
  EXPECT_LE(ulpsApart(betaTails(0.25, 1, 1000).upper, std::pow(0.75, 1000)), 8.0);
}

TEST(BetaTails, EndsAndSymmetry) {
  EXPECT_EQ(betaTails(0, 2, 3).lower, 0);
  EXPECT_EQ(betaTails(1, 2, 3).upper, 0);
  const BetaTails t = betaTails(0.375, 4.5, 2.5), mirrored = betaTails(0.625, 2.5, 4.5);
  EXPECT_LE(ulpsApart(t.lower, mirrored.upper), 2.0);
  EXPECT_LE(ulpsApart(t.upper, mirrored.lower), 2.0);
}

constexpr double kBigN = 2147483647;  // 2^31 - 1, the largest count

TEST(BetaQuantile, ClosedFormsFromOneToTheLargestCount) {
  const double shapes[] = {0.5, 1, 3, 51.5, 1e6, kBigN};
  const double ps[] = {0.0005, 0.025, 0.25, 0.5, 0.975, 0.9995};
  for (double s : shapes) {
    for (double p : ps) {
      SCOPED_TRACE(testing::Message() << "shape " << s << ", p " << p);
      // Beta(1, b): 1 - (1 - p)^(1/b); Beta(a, 1): p^(1/a).
      EXPECT_LE(ulpsApart(betaQuantile(p, 1, s), -std::expm1(std::log1p(-p) / s)), 2.0);
      EXPECT_LE(ulpsApart(betaQuantile(p, s, 1), std::exp(std::log(p) / s)), 2.0);
      EXPECT_LE(ulpsApart(betaUpperQuantile(p, 1, s), -std::expm1(std::log(p) / s)), 2.0);
    }
  }
}

struct BetaCase {
  bool upper;  // betaUpperQuantile, else betaQuantile
  double p, a, b, x;
};

// Exact limits of 7/50 and of 7 or 8 in 2^31 - 1 (see the test), and Jeffreys limits of 1 in
// 10^9, correctly rounded from 50-digit arithmetic.
constexpr BetaCase kBeta[] = {
    {false, 0.025, 7, 44, 0.058191700340372085537},
    {true, 0.025, 8, 43, 0.26739600249700846},
    {false, 0.0005, 7, kBigN - 6, 6.278809112062068243769e-10},
    {true, 0.0005, 8, kBigN - 7, 9.617785365565513951448e-9},
    {true, 0.0005, 1.5, 999999999.5, 8.864998077395117262679e-09},
};

TEST(BetaQuantile, MatchesHighPrecisionValues) {
  for (const auto& c : kBeta) {
    SCOPED_TRACE(testing::Message() << c.a << ", " << c.b);
    const double x = c.upper ? betaUpperQuantile(c.p, c.a, c.b) : betaQuantile(c.p, c.a, c.b);
    EXPECT_LE(ulpsApart(x, c.x), 1.0);
  }
}

// A few units in the last place to either side of x.
double below(double x) {
  return std::nextafter(std::nextafter(x, 0.0), 0.0);
}
double above(double x) {
  return std::nextafter(std::nextafter(x, 1.0), 1.0);
}

TEST(BetaQuantile, TailsAroundTheQuantileBracketP) {
  const double shapes[][2] = {{0.5, 0.5}, {2.5, 40.5}, {300, 12}, {1e4, 3e4}, {12.5, 1e9}};
  for (const auto& [a, b] : shapes) {
    for (double p : {0.0005, 0.1, 0.5, 0.8, 0.9995}) {
      SCOPED_TRACE(testing::Message() << a << ", " << b << ", p " << p);
      const double x = betaQuantile(p, a, b), u = betaUpperQuantile(p, a, b);
      EXPECT_LE(betaTails(below(x), a, b).lower, p);
      EXPECT_GE(betaTails(above(x), a, b).lower, p);
      EXPECT_GE(betaTails(below(u), a, b).upper, p);
      EXPECT_LE(betaTails(above(u), a, b).upper, p);
    }
  }
}

}  // namespace
}  // namespace tarnolo
