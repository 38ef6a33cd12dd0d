// Axes of the pictures: positions both ways, ticks and their labels.
#include "core/plot_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

namespace tarnolo {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct PositionCase {
  ScaleKind kind;
  double lower, upper, from, to;
  double value, position;
};

// Positions on the page, the y axes growing upwards (to below from).
constexpr PositionCase kPositions[] = {
    {ScaleKind::Linear, 0, 100, 0, 200, 25, 50},
    {ScaleKind::Linear, 0, 100, 400, 0, 25, 300},
    {ScaleKind::Linear, 0, 1, 10, 110, 1.5, 160},  // beyond the range: extrapolated
    {ScaleKind::Logarithmic, 0.001, 1000, 0, 600, 1, 300},
    {ScaleKind::Logarithmic, 0.001, 1000, 0, 600, 10, 400},
    {ScaleKind::Logarithmic, 0.001, 1000, 600, 0, 0.001, 600},
    {ScaleKind::Logit, 0.001, 0.999, 0, 100, 0.5, 50},
    {ScaleKind::Logit, 0.001, 0.999, 0, 100, 0.999, 100},
    {ScaleKind::Logit, 0.001, 0.999, 100, 0, 0.001, 100},
};

TEST(PlotScalePosition, MapsValuesAndBack) {
  for (const auto& c : kPositions) {
    SCOPED_TRACE(c.value);
    const PlotScale scale(c.kind, c.lower, c.upper, c.from, c.to);
    EXPECT_NEAR(scale.position(c.value), c.position, 1e-9);
    EXPECT_NEAR(scale.value(c.position), c.value, 1e-12 * std::max(1.0, c.value));
  }
}

TEST(PlotScalePosition, LogitIsSymmetricAroundOneHalf) {
  const PlotScale scale(ScaleKind::Logit, 0.001, 0.999, 0, 1000);
  for (const double p : {0.01, 0.1, 0.25, 0.4}) {
    SCOPED_TRACE(p);
    EXPECT_NEAR(scale.position(p) + scale.position(1 - p), 1000, 1e-9);
  }
}

struct OutsideCase {
  ScaleKind kind;
  double value;
  bool atUpperEnd;
};

// Values a scale cannot place land on an end of the axis instead of a NaN or an infinity.
constexpr OutsideCase kOutside[] = {
    {ScaleKind::Logarithmic, 0, false},   {ScaleKind::Logarithmic, -3, false},
    {ScaleKind::Logarithmic, kInf, true}, {ScaleKind::Logarithmic, kNaN, false},
    {ScaleKind::Logit, 0, false},         {ScaleKind::Logit, 1, true},
    {ScaleKind::Logit, 7, true},          {ScaleKind::Logit, kNaN, false},
    {ScaleKind::Linear, kInf, true},      {ScaleKind::Linear, -kInf, false},
};

TEST(PlotScalePosition, ValuesOutsideTheDomainLandOnAnEnd) {
  for (const auto& c : kOutside) {
    SCOPED_TRACE(c.value);
    const double lower = c.kind == ScaleKind::Linear ? 0 : 0.01;
    const PlotScale scale(c.kind, lower, 0.9, 500, 20);
    EXPECT_EQ(scale.position(c.value), c.atUpperEnd ? 20 : 500);
  }
}

TEST(PlotScale, RefusesEmptyAndInvalidRanges) {
  struct Bad {
    ScaleKind kind;
    double lower, upper, from, to;
  };
  const Bad bad[] = {
      {ScaleKind::Linear, 1, 1, 0, 10},       {ScaleKind::Linear, 2, 1, 0, 10},
      {ScaleKind::Linear, 0, 1, 5, 5},        {ScaleKind::Linear, kNaN, 1, 0, 10},
      {ScaleKind::Logarithmic, 0, 10, 0, 10}, {ScaleKind::Logit, 0, 0.5, 0, 10},
      {ScaleKind::Logit, 0.5, 1, 0, 10},      {ScaleKind::Linear, 0, 1, 0, kInf},
  };
  for (const auto& b : bad) {
    SCOPED_TRACE(b.lower);
    EXPECT_THROW(PlotScale(b.kind, b.lower, b.upper, b.from, b.to), std::invalid_argument);
  }
}

struct LinearTicksCase {
  double lower, upper;
  int maxTicks;
  std::vector<double> ticks;
};

const LinearTicksCase kLinearTicks[] = {
    {0, 100, 11, {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}},
    {0, 100, 6, {0, 20, 40, 60, 80, 100}},
    {0, 100, 5, {0, 50, 100}},
    {0, 1, 6, {0, 0.2, 0.4, 0.6, 0.8, 1}},
    // The decimal values themselves: 3 * 0.1 would be 0.30000000000000004.
    {0, 1, 11, {0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1}},
    {0.15, 0.62, 6, {0.2, 0.3, 0.4, 0.5, 0.6}},
    {-5, 5, 3, {-5, 0, 5}},
    {7, 7, 5, {7}},
};

TEST(LinearTicks, StepsOfOneTwoOrFiveTimesAPowerOfTen) {
  for (const auto& c : kLinearTicks) {
    SCOPED_TRACE(testing::Message() << c.lower << ".." << c.upper << " max " << c.maxTicks);
    EXPECT_EQ(linearTicks(c.lower, c.upper, c.maxTicks), c.ticks);
  }
}

TEST(LinearTicks, NeverMoreThanAskedAndAlwaysInside) {
  for (int maxTicks = 2; maxTicks <= 30; ++maxTicks) {
    for (const double upper : {0.37, 1.0, 13.0, 99.9, 100.0, 12345.0}) {
      const auto ticks = linearTicks(0.01, upper, maxTicks);
      SCOPED_TRACE(testing::Message() << upper << " max " << maxTicks);
      EXPECT_LE(int(ticks.size()), maxTicks);
      EXPECT_GE(ticks.size(), 1u);
      for (const double t : ticks) EXPECT_TRUE(t >= 0.01 && t <= upper) << t;
    }
  }
}

struct LogTicksCase {
  double lower, upper;
  bool subdivisions;
  std::vector<double> ticks;
};

const LogTicksCase kLogTicks[] = {
    {0.001, 1000, false, {0.001, 0.01, 0.1, 1, 10, 100, 1000}},
    {0.1, 1, true, {0.1, 0.2, 0.5, 1}},
    {0.001, 0.01, true, {0.001, 0.002, 0.005, 0.01}},
    {0.3, 40, true, {0.5, 1, 2, 5, 10, 20}},
    {2, 2, true, {2}},
};

TEST(LogTicks, DecadesAndTheirOneTwoFiveSubdivisions) {
  for (const auto& c : kLogTicks) {
    SCOPED_TRACE(testing::Message() << c.lower << ".." << c.upper);
    EXPECT_EQ(logTicks(c.lower, c.upper, c.subdivisions), c.ticks);
  }
  EXPECT_EQ(logTicks(0.001, 1000, true).size(), 19u);
}

TEST(PercentProbabilityTicks, TheNomogramsValuesInsideTheRange) {
  const auto all = percentProbabilityTicks(0.1, 99.9);
  EXPECT_EQ(all.front(), 0.1);
  EXPECT_EQ(all.back(), 99.9);
  EXPECT_EQ(all.size(), 21u);
  EXPECT_EQ(percentProbabilityTicks(5, 50), (std::vector<double>{5, 10, 20, 30, 40, 50}));
}

TEST(TickLabel, WrittenWithTheSeparatorGiven) {
  struct Label {
    double value;
    char separator;
    const char* text;
  };
  const Label labels[] = {
      {0.5, ',', "0,5"},     {0.5, '.', "0.5"}, {0.5, '?', "0?5"},   {1000, '.', "1000"},
      {0.001, ',', "0,001"}, {0, '.', "0"},     {99.9, ',', "99,9"}, {0.1 + 0.2, '.', "0.3"},
  };
  for (const auto& l : labels) {
    SCOPED_TRACE(l.text);
    EXPECT_EQ(tickLabel(l.value, l.separator), l.text);
  }
}

}  // namespace
}  // namespace tarnolo
