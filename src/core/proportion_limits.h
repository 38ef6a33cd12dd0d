// Confidence limits of one proportion by the report's seven methods, at any level of 50 to
// 99.9 %.
#pragma once

#include <cstdint>

#include "core/report_value.h"

namespace tarnolo {

enum class IntervalMethod {
  WaldCc,          // the main window's rule: Wald with continuity correction
  Wald,            // Wald (Laplace), the textbook interval
  Wilson,          // Wilson (1927) score interval
  WilsonCc,        // Wilson with continuity correction, Newcombe (1998) method 4
  ClopperPearson,  // exact: Clopper and Pearson (1934)
  AgrestiCoull,    // Agresti and Coull (1998), with n + z² trials
  Jeffreys,        // equal-tailed Jeffreys interval, Brown, Cai and DasGupta (2001)
};

struct ConfidenceLevel {
  double percent;  // 50..99.9
  double tail;     // (100 - percent)/200 to 1e-8 %: the probability left out on each side
  double z;        // the normal quantile of 1 - tail
};

// The level of a method: z computed from the tail, except that wald-cc keeps the main window's
// 1.96 at 95 % and 2.576 at 99 %. Requires 50 <= percent <= 99.9.
//   confidenceLevel(95, Wilson).z -> 1.959963984540054   confidenceLevel(95, WaldCc).z -> 1.96
ConfidenceLevel confidenceLevel(double percent, IntervalMethod method);

// The limits of x successes in n trials. Requires 0 <= x <= n and n >= 1. With p = x/n:
//   wald-cc          p -/+ h, h = z·sqrt(p(1 - p)/n) + 1/(2n), in the main window's arithmetic,
//                    so that its limits have the same bits as its fields; a limit below 0 or
//                    above 1 is kept, marked OutOfRange (shown "*", as the main window does).
//   wald             p -/+ z·sqrt(p(1 - p)/n), truncated to [0, 1] (noted); at x = 0 or x = n
//                    the interval has no width: both limits Undefined, noted.
//   wilson           (x + z²/2 -/+ z·sqrt(x(n - x)/n + z²/4))/(n + z²), in a form free of
//                    cancellation; exactly 0 at x = 0 and 1 at x = n.
//   wilson-cc        Newcombe's closed form with continuity correction; 0 at x = 0, 1 at x = n.
//   clopper-pearson  the tail-quantile of Beta(x, n - x + 1) and the upper tail-quantile of
//                    Beta(x + 1, n - x); 0 at x = 0, 1 at x = n.
//   agresti-coull    q -/+ z·sqrt(q(1 - q)/m), m = n + z², q = (x + z²/2)/m, truncated to
//                    [0, 1] (noted).
//   jeffreys         the two tail-quantiles of Beta(x + 1/2, n - x + 1/2); 0 at x = 0, 1 at
//                    x = n (Brown, Cai and DasGupta's rule at the edges).
// Every method but wald-cc gives limits inside [0, 1].
Limits proportionLimits(IntervalMethod method, int64_t x, int64_t n, const ConfidenceLevel& level);

}  // namespace tarnolo
