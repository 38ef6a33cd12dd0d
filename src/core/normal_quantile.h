// The standard normal quantile, computed to full double precision.
#pragma once

namespace tarnolo {

// The z with Φ(z) = p, by Wichura's algorithm AS 241 (PPND16, Applied Statistics 37, 1988),
// relative error about 1e-16. Requires 0 < p < 1. For an upper quantile pass the small tail and
// negate, which keeps its digits: -normalQuantile(0.025) -> 1.959963984540054.
//   normalQuantile(0.5) -> 0        normalQuantile(0.995) -> 2.5758293035489004
double normalQuantile(double p);

}  // namespace tarnolo
