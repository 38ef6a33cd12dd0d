// Axes of the pictures: a value to a position on the page and back, on a linear, logarithmic
// or logit (probability) scale, with tick values chosen for reading and their labels.
#pragma once

#include <string>
#include <vector>

namespace tarnolo {

enum class ScaleKind {
  Linear,       // positions proportional to the value
  Logarithmic,  // to log10(value); values above zero
  Logit,        // to log10(value / (1 - value)); probabilities strictly between 0 and 1
};

// The values lower..upper laid along the positions from..to (pixels or points; to may be below
// from, as on an axis that grows upwards). Requires lower < upper inside the kind's domain
// and from != to; throws std::invalid_argument otherwise.
class PlotScale {
 public:
  PlotScale(ScaleKind kind, double lower, double upper, double from, double to);

  ScaleKind kind() const { return kind_; }
  double lower() const { return lower_; }
  double upper() const { return upper_; }
  double from() const { return from_; }
  double to() const { return to_; }

  // The position of value; values beyond lower..upper extrapolate along the scale. A value
  // outside the kind's domain (zero or below on a logarithmic scale, 0 or 1 and beyond on a
  // logit one) or NaN lands on the nearer end: never a NaN, never an infinity.
  //   linear 0..100 on 0..200:  position(25) -> 50
  //   logarithmic 0.001..1000 on 0..600: position(1) -> 300, position(0) -> 0
  double position(double value) const;
  // The value at position, the inverse of position() (a position beyond from..to
  // extrapolates; NaN reads as from).
  double value(double position) const;
  // Whether value lies in lower..upper (ends included).
  bool contains(double value) const;

 private:
  double transform(double value) const;
  double inverse(double t) const;

  ScaleKind kind_;
  double lower_, upper_, from_, to_;
  double tLower_, tUpper_;
};

// Ticks of a linear range: the multiples of a step 1, 2 or 5 times a power of ten that fall in
// lower..upper, with the smallest such step that gives at most maxTicks values. Each tick is the
// double nearest its decimal value (0.3, not 0.30000000000000004). Requires lower <= upper and
// maxTicks >= 2.
//   linearTicks(0, 100, 11) -> 0, 10, 20, ..., 100      linearTicks(0, 1, 6) -> 0, 0.2, ..., 1
std::vector<double> linearTicks(double lower, double upper, int maxTicks);

// Ticks of a logarithmic range: the powers of ten in lower..upper, and with subdivisions also
// 2 and 5 times each of them. Requires 0 < lower <= upper.
//   logTicks(0.001, 1000, false) -> 0.001, 0.01, 0.1, 1, 10, 100, 1000
//   logTicks(0.1, 1, true)       -> 0.1, 0.2, 0.5, 1
std::vector<double> logTicks(double lower, double upper, bool subdivisions);

// Ticks of a probability axis in percent, as a nomogram reads it: 0.1, 0.2, 0.5, 1, 2, 5, 10,
// 20, ..., 90, 95, 98, 99, 99.5, 99.8, 99.9, those inside lowerPercent..upperPercent.
std::vector<double> percentProbabilityTicks(double lowerPercent, double upperPercent);

// The label of a tick, written by RealToText with separator: tickLabel(0.5, ',') -> "0,5",
// tickLabel(1000, '.') -> "1000", tickLabel(0.001, '.') -> "0.001".
std::string tickLabel(double value, char separator);

}  // namespace tarnolo
