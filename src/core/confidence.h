// Confidence limits of the eight indices: Wald with continuity correction for the proportions,
// ratios of limits for the likelihood ratios.
#pragma once

#include "core/case_state.h"
#include "core/view.h"

namespace tarnolo {

// The normal quantiles of the two levels, "95%" and "99%".
inline constexpr double kZ95 = 1.96;
inline constexpr double kZ99 = 2.576;

// Selects "95%" the first time (which runs ZalfaClick, and so CalcularIC, once nested), then
// computes the sixteen limits in ten blocks. A proportion block that divides by zero shows
// "error" in both cells and a ratio block "*"; a limit outside 0..100 % shows "*".
// Raises InvalidOp for 0/0 or the square root of a negative number, ending the run there.
void CalcularIC(CaseState& state, View& view);

// The level changed: zAlfa from the selected item, then CalcularIC.
void ZalfaClick(CaseState& state, View& view);

// Shows or hides the sixteen limit cells and the level group; recomputes nothing.
void icClick(CaseState& state, View& view);

}  // namespace tarnolo
