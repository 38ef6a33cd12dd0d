// Axes of the pictures: scales, ticks and tick labels.
#include "core/plot_scale.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "core/number_text.h"

namespace tarnolo {

namespace {

bool inDomain(ScaleKind kind, double value) {
  switch (kind) {
    case ScaleKind::Linear:
      return std::isfinite(value);
    case ScaleKind::Logarithmic:
      return std::isfinite(value) && value > 0;
    case ScaleKind::Logit:
      return value > 0 && value < 1;
  }
  return false;
}

// 10^exponent as the double nearest it, for |exponent| up to 22 (exact powers).
double powerOfTen(int exponent) {
  double p = 1;
  for (int i = 0; i < std::abs(exponent); ++i) p *= 10;
  return exponent < 0 ? 1 / p : p;
}

// The double nearest the decimal count * 10^exponent: one correctly rounded operation on exact
// operands when the power is exact.
double decimal(double count, int exponent) {
  return exponent < 0 ? count / powerOfTen(-exponent) : count * powerOfTen(exponent);
}

}  // namespace

PlotScale::PlotScale(ScaleKind kind, double lower, double upper, double from, double to)
    : kind_(kind), lower_(lower), upper_(upper), from_(from), to_(to) {
  if (!inDomain(kind, lower) || !inDomain(kind, upper) || !(lower < upper) ||
      !std::isfinite(from) || !std::isfinite(to) || from == to)
    throw std::invalid_argument("PlotScale: an empty or invalid range");
  tLower_ = transform(lower);
  tUpper_ = transform(upper);
}

double PlotScale::transform(double value) const {
  switch (kind_) {
    case ScaleKind::Linear:
      return value;
    case ScaleKind::Logarithmic:
      return std::log10(value);
    case ScaleKind::Logit:
      return std::log10(value / (1 - value));
  }
  return value;
}

double PlotScale::inverse(double t) const {
  switch (kind_) {
    case ScaleKind::Linear:
      return t;
    case ScaleKind::Logarithmic:
      return std::pow(10.0, t);
    case ScaleKind::Logit: {
      const double odds = std::pow(10.0, t);
      return std::isinf(odds) ? 1.0 : odds / (1 + odds);
    }
  }
  return t;
}

double PlotScale::position(double value) const {
  if (!inDomain(kind_, value)) {
    const bool high = value > lower_ && !std::isnan(value);
    return high ? to_ : from_;
  }
  return from_ + (transform(value) - tLower_) / (tUpper_ - tLower_) * (to_ - from_);
}

double PlotScale::value(double position) const {
  if (std::isnan(position)) return lower_;
  return inverse(tLower_ + (position - from_) / (to_ - from_) * (tUpper_ - tLower_));
}

bool PlotScale::contains(double value) const {
  return value >= lower_ && value <= upper_;
}

std::vector<double> linearTicks(double lower, double upper, int maxTicks) {
  if (!(lower <= upper) || maxTicks < 2 || !std::isfinite(lower) || !std::isfinite(upper))
    throw std::invalid_argument("linearTicks: an invalid range");
  if (lower == upper) return {lower};
  const int start = int(std::floor(std::log10((upper - lower) / (maxTicks - 1)))) - 1;
  for (int exponent = start;; ++exponent) {
    for (const int mantissa : {1, 2, 5}) {
      const double step = decimal(mantissa, exponent);
      const double first = std::ceil(lower / step - 1e-9);
      const double last = std::floor(upper / step + 1e-9);
      if (last - first + 1 > maxTicks) continue;
      std::vector<double> ticks;
      for (double k = first; k <= last; ++k) ticks.push_back(decimal(k * mantissa, exponent));
      return ticks;
    }
  }
}

std::vector<double> logTicks(double lower, double upper, bool subdivisions) {
  if (!(lower > 0) || !(lower <= upper) || !std::isfinite(upper))
    throw std::invalid_argument("logTicks: an invalid range");
  const double slack = 1e-12;
  std::vector<double> ticks;
  const int first = int(std::floor(std::log10(lower)));
  const int last = int(std::ceil(std::log10(upper)));
  for (int exponent = first; exponent <= last; ++exponent) {
    for (const int mantissa : {1, 2, 5}) {
      if (mantissa != 1 && !subdivisions) continue;
      const double tick = decimal(mantissa, exponent);
      if (tick >= lower * (1 - slack) && tick <= upper * (1 + slack)) ticks.push_back(tick);
    }
  }
  return ticks;
}

std::vector<double> percentProbabilityTicks(double lowerPercent, double upperPercent) {
  static const double kTicks[] = {0.1, 0.2, 0.5, 1,  2,  5,  10, 20,   30,   40,  50,
                                  60,  70,  80,  90, 95, 98, 99, 99.5, 99.8, 99.9};
  std::vector<double> ticks;
  for (const double tick : kTicks)
    if (tick >= lowerPercent && tick <= upperPercent) ticks.push_back(tick);
  return ticks;
}

std::string tickLabel(double value, char separator) {
  return RealToText(Ext(value), separator);
}

}  // namespace tarnolo
