// The texts of the pictures: percentages and ratios as a clinician reads them, the caption with
// the counts, method and level, and the notes on what cannot be drawn.
#pragma once

#include <QString>

#include "core/report.h"

namespace tarnolo {

// A probability in percent with one decimal and " %": "76,9 %"; "no definido" when missing.
QString percentText(const ReportValue& value, char separator);
// Its limits: "63,0–86,7 %", a missing one as "?"; "sin límites" when both are missing.
QString percentLimitsText(const Limits& limits, char separator);
// A likelihood ratio with three significant digits: "10,0"; "no definida" when missing.
QString ratioText(const ReportValue& value, char separator);
QString ratioLimitsText(const Limits& limits, char separator);

// The level as the report names it: "IC 95 %", "IC 99,9 %".
QString levelLabel(const Report& report, char separator);

// The caption of a picture: "VP 90, FP 9, FN 10, VN 91 · Wilson, IC 95 %", and notes after it,
// one a line.
QString graphCaption(const Report& report, const QStringList& notes, char separator);

}  // namespace tarnolo
