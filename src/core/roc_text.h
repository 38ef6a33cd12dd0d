// A graded test's results as text: the CSV of the results and the table for the clipboard.
#pragma once

#include <string>

#include "core/report_text.h"
#include "core/roc_analysis.h"

namespace tarnolo {

// The names of the two ways of bounding the area, as the window shows them.
inline constexpr const char* kDeLongName = "DeLong, DeLong y Clarke-Pearson (1988)";
inline constexpr const char* kHanleyMcNeilName = "Hanley y McNeil (1982)";

// The results as CSV, in the report's layout: UTF-8, lines ending in CR LF, ";" between fields
// when the separator is ",", the header
//   clave,estimación,inferior IC 95 % Wilson,superior IC 95 % Wilson,motivo
// then the rows auc (DeLong's limits), auc_hanley_mcneil, ee_delong, ee_hanley_mcneil (the
// estimate only), sens@K, esp@K, cpp@K, rv_neg@K, youden@K for every cut-off K = 2..levels,
// rv_nivel@K for every level K = 1..levels, and mejor_corte (K as the estimate). Proportions are
// fractions.
std::string rocCsv(const RocAnalysis& analysis, char separator);

// The results for the clipboard, fields separated by tabs, lines ending in "\n": the title, the
// totals, the level, the methods, the area with both limits, the best cut-off, the levels with
// their counts and ratios, and the cut-offs with their tables and indices, proportions at scale.
std::string rocResultsTable(const RocAnalysis& analysis, char separator,
                            ProportionScale scale = ProportionScale::Percent);

// "IC 95 % Wilson": the level and the method of the proportions.
std::string rocIntervalName(const RocAnalysis& analysis, char separator);

}  // namespace tarnolo
