// The Bayes mode: three sliders in whole percent and the current total rebuild the predictive
// values, the likelihood ratios and a two-by-two table of whole counts.
#pragma once

#include "core/case_state.h"
#include "core/view.h"

namespace tarnolo {

// Reads the positions of sensScrollBar, espScrollBar and prevScrollBar and the stored total, then
// stores and shows, in this order: sens, esp, prev, cpp, cpn, vpp, vpn, enfermos, vp, fn, sanos,
// vn, fp, positivos, negativos, prevap. Each count is rounded on its own, so enfermos need not
// be vp + fn. Changes neither total nor any slider. Raises InvalidOp when total is 0 (prevap is
// 0/0): everything before prevap is then written, prevap and its bar and cell keep their values.
void CalcularBayes(CaseState& state, View& view);

// A slider moved, or the total changed: CalcularBayes, then CalcularIC.
void recalcularBayes(CaseState& state, View& view);

// Re-scale: total from the text of the total cell, then recalcularBayes. Raises ConvertError
// for a text that is no integer before anything changes.
void reescalar(CaseState& state, View& view);

// Enters the Bayes mode: shows and enables the three sliders; recomputes nothing.
void bayesbotonClick(View& view);

// Leaves the Bayes mode: hides and disables the sliders; the values shown stay.
void BayesOkClick(View& view);

}  // namespace tarnolo
