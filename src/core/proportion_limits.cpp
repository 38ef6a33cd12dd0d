// Confidence limits of one proportion.
#include "core/proportion_limits.h"

#include <cassert>
#include <cmath>

#include "core/arithmetic.h"
#include "core/beta_distribution.h"
#include "core/confidence.h"
#include "core/normal_quantile.h"

namespace tarnolo {

namespace {

using Real = long double;

// Limits that a formula may push past 0 or 1, truncated there with a note.
Limits truncated(Real lower, Real upper) {
  Limits limits;
  if (lower < 0) {
    lower = 0;
    addNote(limits.note, "límite inferior truncado a 0");
  }
  if (upper > 1) {
    upper = 1;
    addNote(limits.note, "límite superior truncado a 1");
  }
  limits.lower = ReportValue::of(static_cast<double>(lower));
  limits.upper = ReportValue::of(static_cast<double>(upper));
  return limits;
}

Limits waldCc(int64_t x, int64_t n, double z) {
  const double p = store(divide(static_cast<Ext>(x), static_cast<Ext>(n)));
  const double h = waldCcHalfWidth(p, n, z);
  const double lower = store(static_cast<Ext>(p) - h), upper = store(static_cast<Ext>(p) + h);
  Limits limits{ReportValue::of(lower), ReportValue::of(upper), ""};
  if (lower < 0) {
    limits.lower = ReportValue::outOfRange(lower);
    addNote(limits.note, "límite inferior menor que 0, fuera de rango");
  }
  if (upper > 1) {
    limits.upper = ReportValue::outOfRange(upper);
    addNote(limits.note, "límite superior mayor que 1, fuera de rango");
  }
  return limits;
}

Limits wald(int64_t x, int64_t n, double z) {
  if (x == 0 || x == n) return {{}, {}, "Wald no da intervalo para una proporción de 0 o 1"};
  const Real p = static_cast<Real>(x) / n;
  const Real h = z * std::sqrt(p * (1 - p) / n);
  return truncated(p - h, p + h);
}

// Wilson's lower limit as x²/(n(x + z²/2 + z·s)), which is what (x + z²/2 − z·s)/(n + z²)
// becomes once the difference is rationalized; s = sqrt(x(n − x)/n + z²/4).
Real wilsonLower(int64_t x, int64_t n, Real z) {
  if (x == 0) return 0;
  const Real s = std::sqrt(static_cast<Real>(x) * (n - x) / n + z * z / 4);
  return static_cast<Real>(x) * x / (n * (x + z * z / 2 + z * s));
}

// Newcombe's lower limit with continuity correction,
// (2x + z² − 1 − z·sqrt(z² − 2 − 1/n + 4x(n − x + 1)/n))/(2(n + z²)), rationalized the same way
// into (2x − 1)²/(2n(2x + z² − 1 + z·sqrt(…))).
Real wilsonCcLower(int64_t x, int64_t n, Real z) {
  if (x == 0) return 0;
  const Real r = z * z - 2 - 1.0L / n + 4.0L * x * (n - x + 1) / n;
  const Real d = 2.0L * x - 1;
  return d * d / (2 * n * (2.0L * x + z * z - 1 + z * std::sqrt(r)));
}

// The upper limit of x is one minus the lower limit of n − x for both score methods.
Limits scoreLimits(Real (*lower)(int64_t, int64_t, Real), int64_t x, int64_t n, double z) {
  return truncated(lower(x, n, z), 1 - lower(n - x, n, z));
}

Limits agrestiCoull(int64_t x, int64_t n, double z) {
  const Real m = n + static_cast<Real>(z) * z;
  const Real q = (x + static_cast<Real>(z) * z / 2) / m;
  const Real h = z * std::sqrt(q * (1 - q) / m);
  return truncated(q - h, q + h);
}

// Tail-quantiles of Beta(x + shift, n − x + 1 − shift) and Beta(x + 1 − shift, n − x + shift):
// shift 0 for the exact limits, 1/2 for Jeffreys'.
Limits betaLimits(int64_t x, int64_t n, double tail, double shift) {
  const double a = static_cast<double>(x), b = static_cast<double>(n - x);
  const double lower = x == 0 ? 0 : betaQuantile(tail, a + shift, b + 1 - shift);
  const double upper = x == n ? 1 : betaUpperQuantile(tail, a + 1 - shift, b + shift);
  return {ReportValue::of(lower), ReportValue::of(upper), ""};
}

}  // namespace

ConfidenceLevel confidenceLevel(double percent, IntervalMethod method) {
  assert(percent >= 50 && percent <= 99.9);
  // 100 − 99.9 is 0.0999999999999943 in binary: the tail is rounded to the 1e-8 % that a typed
  // level can mean, so that 99.9 % leaves out 0.0005 on each side, not 0.00049999999999997.
  const double tail = std::round((100 - percent) * 1e8) / 2e10;
  double z = -normalQuantile(tail);
  if (method == IntervalMethod::WaldCc && percent == 95) z = kZ95;
  if (method == IntervalMethod::WaldCc && percent == 99) z = kZ99;
  return {percent, tail, z};
}

Limits proportionLimits(IntervalMethod method, int64_t x, int64_t n, const ConfidenceLevel& level) {
  assert(n >= 1 && x >= 0 && x <= n);
  switch (method) {
    case IntervalMethod::WaldCc:
      return waldCc(x, n, level.z);
    case IntervalMethod::Wald:
      return wald(x, n, level.z);
    case IntervalMethod::Wilson:
      return scoreLimits(wilsonLower, x, n, level.z);
    case IntervalMethod::WilsonCc:
      return scoreLimits(wilsonCcLower, x, n, level.z);
    case IntervalMethod::ClopperPearson:
      return betaLimits(x, n, level.tail, 0);
    case IntervalMethod::AgrestiCoull:
      return agrestiCoull(x, n, level.z);
    case IntervalMethod::Jeffreys:
      return betaLimits(x, n, level.tail, 0.5);
  }
  return {};
}

}  // namespace tarnolo
