// Confidence limits of the eight indices: Wald with continuity correction for the proportions,
// ratios of limits for the likelihood ratios.
#pragma once

#include <cstdint>

#include "core/arithmetic.h"
#include "core/case_state.h"
#include "core/view.h"

namespace tarnolo {

// The normal quantiles of the two levels, "95%" and "99%".
inline constexpr double kZ95 = 1.96;
inline constexpr double kZ99 = 2.576;

// The half-width of a proportion's limits, zAlfa * sqrt(p(1 - p)/n) + 1/(2n), evaluated step by
// step in extended precision and stored as a double. Requires |n| < 2^62. Raises ZeroDivide for
// n = 0 with 0 < p < 1, InvalidOp for n = 0 with p 0 or 1 and for a negative p(1 - p)/n.
double waldCcHalfWidth(Ext p, int64_t n, double zAlfa);

// Selects "95%" the first time (zAlfa 1.96, without running the level's handler), then
// computes the sixteen limits in ten blocks, once. A proportion block that divides by zero shows
// "error" in both cells and a ratio block "*"; a limit outside 0..100 % shows "*".
// Raises InvalidOp for 0/0 or the square root of a negative number, ending the run there.
void CalcularIC(CaseState& state, View& view);

// The level changed: zAlfa from the selected item, then CalcularIC.
void ZalfaClick(CaseState& state, View& view);

// Shows or hides the sixteen limit cells and the level group; recomputes nothing.
void icClick(CaseState& state, View& view);

}  // namespace tarnolo
