// The standard normal quantile by Wichura's AS 241.
#include "core/normal_quantile.h"

#include <cassert>
#include <cmath>

namespace tarnolo {

namespace {

// Coefficients of the three rational approximations, constant term first; the denominators'
// constant term is 1.
constexpr double kA[] = {3.3871328727963666080e0, 1.3314166789178437745e2, 1.9715909503065514427e3,
                         1.3731693765509461125e4, 4.5921953931549871457e4, 6.7265770927008700853e4,
                         3.3430575583588128105e4, 2.5090809287301226727e3};
constexpr double kB[] = {1.0,
                         4.2313330701600911252e1,
                         6.8718700749205790830e2,
                         5.3941960214247511077e3,
                         2.1213794301586595867e4,
                         3.9307895800092710610e4,
                         2.8729085735721942674e4,
                         5.2264952788528545610e3};
constexpr double kC[] = {1.42343711074968357734e0,  4.63033784615654529590e0,
                         5.76949722146069140550e0,  3.64784832476320460504e0,
                         1.27045825245236838258e0,  2.41780725177450611770e-1,
                         2.27238449892691845833e-2, 7.74545014278341407640e-4};
constexpr double kD[] = {1.0,
                         2.05319162663775882187e0,
                         1.67638483018380384940e0,
                         6.89767334985100004550e-1,
                         1.48103976427480074590e-1,
                         1.51986665636164571966e-2,
                         5.47593808499534494600e-4,
                         1.05075007164441684324e-9};
constexpr double kE[] = {6.65790464350110377720e0,  5.46378491116411436990e0,
                         1.78482653991729133580e0,  2.96560571828504891230e-1,
                         2.65321895265761230930e-2, 1.24266094738807843860e-3,
                         2.71155556874348757815e-5, 2.01033439929228813265e-7};
constexpr double kF[] = {1.0,
                         5.99832206555887937690e-1,
                         1.36929880922735805310e-1,
                         1.48753612908506148525e-2,
                         7.86869131145613259100e-4,
                         1.84631831751005468180e-5,
                         1.42151175831644588870e-7,
                         2.04426310338993978564e-15};

// The polynomial with these eight coefficients, by Horner's rule in extended precision, which
// keeps the rounding of the sums below half a unit of the double result.
long double polynomial(const double (&c)[8], long double x) {
  long double sum = c[7];
  for (int i = 6; i >= 0; --i) sum = sum * x + c[i];
  return sum;
}

}  // namespace

double normalQuantile(double p) {
  assert(p > 0 && p < 1);
  const long double q = p - 0.5L;
  if (std::fabs(q) <= 0.425L) {
    const long double r = 0.180625L - q * q;
    return static_cast<double>(q * polynomial(kA, r) / polynomial(kB, r));
  }
  long double r = std::sqrt(-std::log(q < 0 ? p : 1 - static_cast<long double>(p)));
  long double z = 0;
  if (r <= 5) {
    r -= 1.6L;
    z = polynomial(kC, r) / polynomial(kD, r);
  } else {
    r -= 5;
    z = polynomial(kE, r) / polynomial(kF, r);
  }
  return static_cast<double>(q < 0 ? -z : z);
}

}  // namespace tarnolo
