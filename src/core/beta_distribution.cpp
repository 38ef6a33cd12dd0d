// The regularized incomplete beta function by its continued fraction, and its inverse.
#include "core/beta_distribution.h"

#include <cassert>
#include <cfloat>
#include <cmath>

#include "core/normal_quantile.h"

namespace tarnolo {

namespace {

// Everything inside runs in extended precision; only the results are rounded to double.
using Real = long double;

constexpr Real kHalfLog2Pi = 0.9189385332046727417803297364056176398614L;  // ln(2π)/2
constexpr Real kTiny = 1e-4000L;       // keeps Lentz's quotients away from zero
constexpr int kMaxSteps = 400;         // Newton and bisection steps of one quantile
constexpr Real kSmallX = 1.0L / 1024;  // below it, 1 − x keeps too few of the digits of x
constexpr long kMaxSeriesTerms = 100000;

// Stirling's series in 1/t: the Bernoulli numbers' B(2k)/(2k(2k − 1)), k = 1..7.
constexpr Real kStirling[] = {1.0L / 12,   -1.0L / 360,      1.0L / 1260, -1.0L / 1680,
                              1.0L / 1188, -691.0L / 360360, 1.0L / 156};

// ln Γ(t) − ((t − ½) ln t − t + ½ ln 2π): Stirling's series for t ≥ 15, where ln Γ would cancel
// against the other terms (the next term is below 1e-19 of the sum there), ln Γ itself below.
Real stirlingError(Real t) {
  if (t < 15) return std::lgamma(t) - ((t - 0.5L) * std::log(t) - t + kHalfLog2Pi);
  const Real r = 1 / t;
  Real sum = 0;
  for (int k = 6; k >= 0; --k) sum = sum * r * r + kStirling[k];
  return sum * r;
}

// e − ln(1 + e) for e > −1. For |e| ≤ ½ by the series of atanh in t = e/(2 + e), free of
// cancellation: e − ln(1 + e) = e·t − 2(t³/3 + t⁵/5 + …).
Real rlog1(Real e) {
  if (std::fabs(e) > 0.5L) return e - std::log1p(e);
  const Real t = e / (2 + e), t2 = t * t;
  Real sum = 0, power = t * t2;
  for (int k = 3;; k += 2) {
    const Real term = power / k;
    sum += term;
    if (std::fabs(term) <= LDBL_EPSILON * std::fabs(sum)) break;
    power *= t2;
  }
  return e * t - 2 * sum;
}

// a·(ln r − e) where r = 1 + e; r is passed as computed from x, which keeps its digits when e is
// near −1.
Real deviancePart(Real a, Real e, Real r) {
  return std::fabs(e) <= 0.5L ? -a * rlog1(e) : a * (std::log(r) - e);
}

// ln(x^a y^b / B(a, b)) with y = 1 − x, as DiDonato and Morris (1992) form it: the deviance from
// the mean a/(a + b) plus Stirling's errors, so that nothing cancels for large a and b.
Real logFactor(Real x, Real y, Real a, Real b) {
  const Real s = a + b;
  const Real lambda = x <= y ? a - s * x : s * y - b;  // a − s·x from the smaller, exact, side
  const Real deviance =
      deviancePart(a, -lambda / a, x * s / a) + deviancePart(b, lambda / b, y * s / b);
  const Real stirling = stirlingError(a) + stirlingError(b) - stirlingError(s);
  return deviance + 0.5L * std::log(a * b / s) - kHalfLog2Pi - stirling;
}

Real awayFromZero(Real v) {
  return std::fabs(v) < kTiny ? kTiny : v;
}

// I_x(a, b)·a·B(a, b)/(x^a y^b) by its continued fraction, evaluated by Lentz's method as
// modified by Thompson and Barnett; fast for x < (a + 1)/(a + b + 2), about √max(a, b) terms at
// worst. y = 1 − x is passed as well: the first term, 1 − s·x/(a + 1), cancels when x is near 1
// and is then formed from y, which holds the digits that x has lost.
Real betaFraction(Real x, Real y, Real a, Real b) {
  const Real s = a + b;
  const Real first = x <= y ? a + 1 - s * x : 1 - b + s * y;
  Real c = 1, d = (a + 1) / awayFromZero(first), h = d;
  const long maxTerms = 1000 + 20 * static_cast<long>(std::sqrt(std::fmax(a, b)));
  for (long m = 1; m <= maxTerms; ++m) {
    const Real m2 = 2.0L * m;
    Real aa = m * (b - m) * x / ((a - 1 + m2) * (a + m2));
    d = 1 / awayFromZero(1 + aa * d);
    c = awayFromZero(1 + aa / c);
    h *= d * c;
    aa = -(a + m) * (s + m) * x / ((a + m2) * (a + 1 + m2));
    d = 1 / awayFromZero(1 + aa * d);
    c = awayFromZero(1 + aa / c);
    const Real factor = d * c;
    h *= factor;
    if (std::fabs(factor - 1) <= LDBL_EPSILON) break;
  }
  return h;
}

// I_x(a, b)·a·B(a, b)/(x^a y^b) as the hypergeometric series Σ (a + b)_j x^j / (a + 1)_j, whose
// terms are all positive; it needs about (a + b)·x terms. Returns 0 when it needs more than
// kMaxSeriesTerms.
Real betaSeries(Real x, Real a, Real b) {
  const Real s = a + b;
  Real sum = 1, term = 1;
  for (long j = 0; j < kMaxSeriesTerms; ++j) {
    const Real ratio = (s + j) * x / (a + 1 + j);
    term *= ratio;
    sum += term;
    if (ratio < 1 && term <= LDBL_EPSILON * sum) return sum;
  }
  return 0;
}

struct Evaluation {
  Real lower, upper, density;
};

// Both tails and the density at x in (0, 1). Below the switch point (a + 1)/(a + b + 2) the lower
// tail comes from the fraction at x, the upper one as its complement; above it, the other way
// round with the fraction at y. That fraction loses relative accuracy 2^-64/x for tiny x (where
// b ≫ a), as y = 1 − x is rounded and its first terms cancel; there the lower tail comes from the
// series at x instead, unless the upper tail is too small to be taken as a complement.
Evaluation evaluate(Real x, Real a, Real b) {
  const Real y = 1 - x;
  const Real factor = std::exp(logFactor(x, y, a, b));
  const Real density = factor / (x * y);
  if (x * (a + b + 2) < a + 1) {
    const Real lower = factor * betaFraction(x, y, a, b) / a;
    return {lower, 1 - lower, density};
  }
  if (x < kSmallX) {
    const Real lower = factor * betaSeries(x, a, b) / a;
    if (lower > 0 && 1 - lower > 4 * x) return {lower, 1 - lower, density};
  }
  const Real upper = factor * betaFraction(y, x, b, a) / b;
  return {1 - upper, upper, density};
}

// A point strictly inside (lo, hi): the middle, or the geometric middle of a bracket that spans
// powers of ten near 0 (or, mirrored, near 1), so that bisection reaches tiny quantiles quickly.
Real split(Real lo, Real hi) {
  if (hi <= 0.5L) {
    if (lo == 0) return hi / 16;
    return hi > 4 * lo ? std::sqrt(lo * hi) : (lo + hi) / 2;
  }
  if (lo >= 0.5L) return 1 - split(1 - hi, 1 - lo);
  return (lo + hi) / 2;
}

// Where to start: the normal approximation of the distribution, or, when that leaves (0, 1),
// the leading term of the tail near 0 (I_x ≈ x^a/(a·B)) or near 1.
Real initialGuess(Real lowerTail, Real upperTail, Real a, Real b) {
  const Real s = a + b, sd = std::sqrt(a * b / (s * s * (s + 1)));
  const Real z = lowerTail <= upperTail ? normalQuantile(static_cast<double>(lowerTail))
                                        : -normalQuantile(static_cast<double>(upperTail));
  Real x = a / s + z * sd;
  if (x > 0 && x < 1) return x;
  const Real logBeta = std::lgamma(a) + std::lgamma(b) - std::lgamma(s);
  if (x <= 0) {
    x = std::exp((std::log(lowerTail) + std::log(a) + logBeta) / a);
  } else {
    x = 1 - std::exp((std::log(upperTail) + std::log(b) + logBeta) / b);
  }
  return x > 0 && x < 1 ? x : 0.5L;
}

// The x where the lower tail (upper == false) or the upper tail equals target: Newton's steps,
// with bisection whenever a step would leave the bracket that the tails so far have set.
double solve(Real target, Real a, Real b, bool upper) {
  Real lo = 0, hi = 1;
  Real x = upper ? initialGuess(1 - target, target, a, b) : initialGuess(target, 1 - target, a, b);
  for (int i = 0; i < kMaxSteps; ++i) {
    const Evaluation e = evaluate(x, a, b);
    const Real excess = (upper ? e.upper : e.lower) - target;
    if (excess == 0) break;
    const bool rootAbove = upper ? excess > 0 : excess < 0;
    (rootAbove ? lo : hi) = x;
    Real next = upper ? x + excess / e.density : x - excess / e.density;
    if (!(next > lo && next < hi)) next = split(lo, hi);
    const bool converged = std::fabs(next - x) <= 1e-17L * x || hi - lo <= 1e-17L * hi;
    x = next;
    if (converged) break;
  }
  return static_cast<double>(x);
}

}  // namespace

BetaTails betaTails(double x, double a, double b) {
  assert(a > 0 && b > 0 && x >= 0 && x <= 1);
  if (x == 0) return {0, 1};
  if (x == 1) return {1, 0};
  const Evaluation e = evaluate(x, a, b);
  return {static_cast<double>(e.lower), static_cast<double>(e.upper)};
}

double betaQuantile(double p, double a, double b) {
  assert(p > 0 && p < 1 && a > 0 && b > 0);
  return p <= 0.5 ? solve(p, a, b, false) : solve(1 - static_cast<Real>(p), a, b, true);
}

double betaUpperQuantile(double q, double a, double b) {
  assert(q > 0 && q < 1 && a > 0 && b > 0);
  return q <= 0.5 ? solve(q, a, b, true) : solve(1 - static_cast<Real>(q), a, b, false);
}

}  // namespace tarnolo
