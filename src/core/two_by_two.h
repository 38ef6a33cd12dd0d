// The two-by-two analysis: margins, the eight indices, their bars and sliders.
#pragma once

#include <string>

#include "core/case_state.h"
#include "core/view.h"

namespace tarnolo {

// True when TextToReal accepts the text (the value is discarded); false on ConvertError.
bool EsNumero(const std::string& text, char separator);

// Reads VP, FP, FN, VN, stores the counts and margins, writes the total cells, the eight result
// cells ("error" in all eight when a ratio divides by zero), the bars and the Bayes sliders,
// enables bayesboton and runs CalcularIC. Raises ConvertError for a count that is no integer,
// IntOverflow for a margin beyond 32 bits, InvalidOp for 0/0; what was written before stays.
void CalcularTabla(CaseState& state, View& view);

}  // namespace tarnolo
