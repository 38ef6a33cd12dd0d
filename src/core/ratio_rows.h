// The rows of the report's ratios: the positive and negative likelihood ratios, the main
// window's CP- (the reciprocal of the negative one) and the diagnostic odds ratio.
#pragma once

#include "core/report.h"

namespace tarnolo {

// cpp, cpn and rv_neg from the counts and the rows of sens and esp, which the same method and
// level built. The rules are those of buildReport (report.h).
ReportRow ratioRow(std::string_view key, const CountTable& counts, const ReportRow& sens,
                   const ReportRow& esp, IntervalMethod method, const ConfidenceLevel& level);

// odds_ratio from the counts and, for wald-cc, the rows of cpp and cpn.
ReportRow oddsRatioRow(const CountTable& counts, const ReportRow& cpp, const ReportRow& cpn,
                       IntervalMethod method, const ConfidenceLevel& level);

}  // namespace tarnolo
