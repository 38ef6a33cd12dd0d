// The calculator's working values: one per run, all zero at start.
#pragma once

#include <cstdint>

namespace tarnolo {

struct CaseState {
  // Counts of the two-by-two table and its margins.
  int32_t vp = 0, fp = 0, fn = 0, vn = 0;
  int32_t enfermos = 0, sanos = 0, positivos = 0, negativos = 0, total = 0;
  // Proportions as fractions, and the ratios cpp = sens / (1 - esp), cpn = esp / (1 - sens).
  double sens = 0, esp = 0, vpp = 0, vpn = 0, prev = 0, prevap = 0, cpp = 0, cpn = 0;
  // Confidence limits: fractions for the proportions, unscaled for the ratios.
  double sensLi = 0, sensLs = 0, espLi = 0, espLs = 0, vppLi = 0, vppLs = 0, vpnLi = 0, vpnLs = 0,
         prevLi = 0, prevLs = 0, prevapLi = 0, prevapLs = 0, cppLi = 0, cppLs = 0, cpnLi = 0,
         cpnLs = 0;
  double zAlfa = 0;  // normal quantile of the chosen level: 0, then 1.96 or 2.576
  bool ciVisible = false;
};

}  // namespace tarnolo
