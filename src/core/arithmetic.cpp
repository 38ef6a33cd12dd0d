// Checked steps of extended arithmetic.
#include "core/arithmetic.h"

#include <cfenv>
#include <cmath>

#include "core/failures.h"

#if defined(__x86_64__) || defined(__i386__)
#include <fpu_control.h>
#endif

namespace tarnolo {

Ext divide(Ext a, Ext b) {
  if (b == 0) {
    if (a == 0 || std::isnan(a)) raiseInvalidOp();
    raiseZeroDivide();
  }
  Ext q = a / b;
  if (std::isnan(q)) raiseInvalidOp();
  if (std::isinf(q) && std::isfinite(a) && std::isfinite(b)) raiseOverflow();
  return q;
}

Ext squareRoot(Ext a) {
  if (a < 0 || std::isnan(a)) raiseInvalidOp();
  return std::sqrt(a);
}

double store(Ext value) {
  double d = static_cast<double>(value);
  if (std::isinf(d) && std::isfinite(value)) raiseOverflow();
  return d;
}

int32_t roundHalfEven(Ext value) {
  constexpr Ext kMin = std::numeric_limits<int32_t>::min();
  constexpr Ext kMax = std::numeric_limits<int32_t>::max();
  if (std::isnan(value)) return 0;
  // The program never changes the rounding mode, so nearbyint rounds halves to even.
  Ext r = std::nearbyint(value);
  if (r <= kMin) return std::numeric_limits<int32_t>::min();
  if (r >= kMax) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(r);
}

int32_t addCounts(int64_t a, int64_t b) {
  int64_t sum = a + b;
  if (sum < std::numeric_limits<int32_t>::min() || sum > std::numeric_limits<int32_t>::max())
    raiseIntOverflow();
  return static_cast<int32_t>(sum);
}

void loadFloatingPointSetting() {
  std::fesetround(FE_TONEAREST);
  std::feclearexcept(FE_ALL_EXCEPT);
#if defined(__x86_64__) || defined(__i386__)
  // Extended precision, round to nearest, all six exceptions masked.
  fpu_control_t cw = _FPU_EXTENDED | _FPU_RC_NEAREST | _FPU_MASK_IM | _FPU_MASK_DM | _FPU_MASK_ZM |
                     _FPU_MASK_OM | _FPU_MASK_UM | _FPU_MASK_PM;
  _FPU_SETCW(cw);
#endif
}

}  // namespace tarnolo
