// The beta distribution to full double precision: the regularized incomplete beta function and
// its inverse, which give the exact (Clopper-Pearson) and Jeffreys limits of a proportion.
#pragma once

namespace tarnolo {

// The two tails at x of the beta distribution with shapes a and b: lower = I_x(a, b) and
// upper = 1 - I_x(a, b). Each is accurate to a few units in the last place relative to itself,
// also where it is tiny. Requires a > 0, b > 0 and 0 <= x <= 1 (x = 0 gives {0, 1}).
//   betaTails(0.25, 1, 3) -> {0.578125, 0.421875}      (I_x(1, b) = 1 - (1 - x)^b)
struct BetaTails {
  double lower, upper;
};
BetaTails betaTails(double x, double a, double b);

// The p-quantile: the x with I_x(a, b) = p. Requires 0 < p < 1, a > 0, b > 0. Found by Newton's
// method on the tail that is computed directly, kept inside a shrinking bracket by bisection.
//   betaQuantile(0.5, 2, 2) -> 0.5        betaQuantile(p, a, 1) -> p^(1/a)
double betaQuantile(double p, double a, double b);

// The x with 1 - I_x(a, b) = q: the upper quantile, found from the upper tail itself, so that a
// small q keeps its digits (betaQuantile(1 - q, a, b) would round q first). Requires 0 < q < 1.
double betaUpperQuantile(double q, double a, double b);

}  // namespace tarnolo
