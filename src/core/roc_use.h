// Hands the table of a cut-off of a graded test to the main window.
#pragma once

#include "core/events.h"
#include "core/report.h"
#include "core/view.h"

namespace tarnolo {

// Writes the four counts of table into the main window's cells VP, FP, FN and VN through view
// and delivers a click on "&Calcular" through events, as a user who typed them and pressed
// Enter: the handler runs under the failure guard and every window that follows the main one
// is told. Returns what deliver returns. Requires counts that fit in 32 bits.
bool useCutoff(const CountTable& table, View& view, const EventTable& events);

}  // namespace tarnolo
