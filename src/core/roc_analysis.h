// A graded test: the table of every cut-off, the likelihood ratio of every level, the empirical
// ROC curve with its area and the best cut-off.
#pragma once

#include <string>
#include <vector>

#include "core/report.h"
#include "core/roc_table.h"

namespace tarnolo {

// The cut-off "positive when the level is at or above level k": its two-by-two table and the
// report's rows of it (sens, esp, cpp, rv_neg and youden, by the report's method and rules).
struct RocCutoff {
  int k = 0;  // 2..levels
  CountTable counts;
  ReportRow sens, esp, cpp, rvNeg, youden;
};

// The likelihood ratio of one level: (enfermos/total enfermos)/(sanos/total sanos).
struct RocLevelRatio {
  int k = 0;  // 1..levels
  ReportRow ratio;
};

struct RocPoint {
  double fpf, sens;  // 1 - specificity and sensitivity, as fractions
  int k;             // the cut-off; levels + 1 for (0, 0), 1 for (1, 1)
};

// The area under the empirical curve with its standard errors and limits.
struct RocArea {
  double area = 0;
  ReportValue seDeLong, seHanleyMcNeil;
  Limits deLong, hanleyMcNeil;
};

struct RocAnalysis {
  IntervalMethod method;
  ConfidenceLevel level;
  RocTable table;
  std::vector<RocCutoff> cutoffs;     // k = 2..levels
  std::vector<RocLevelRatio> ratios;  // k = 1..levels
  std::vector<RocPoint> curve;        // from (0, 0) to (1, 1), k falling
  RocArea area;
  int best = 0;  // the cut-off of largest Youden's index, the lowest on a tie
};

// Analyses a checked table (checkRocRows) at a method and a level of 50 to 99.9 %, as the report
// does.
//  - Each cut-off's table counts the levels at or above k as positive; its rows are those of
//    buildReport on it, so a table of two levels gives the report of the same counts.
//  - The ratio of level k is dk·S/(sk·E), E and S the totals; its limits by the log method,
//    R·exp(-/+ z·SE), SE² = 1/dk - 1/E + 1/sk - 1/S. A level with no healthy has no ratio
//    (infinite, or 0/0 when it has no case at all); one with no diseased has the ratio 0 and no
//    limits.
//  - The area is the trapezoidal area under the curve, which is the Mann-Whitney statistic with
//    ties counted half: Σ sk·(2·E_above_k + dk)/(2·E·S).
//  - DeLong, DeLong and Clarke-Pearson (1988): SE² = S10/E + S01/S, S10 the variance (divisor
//    E - 1) over the diseased of the share of the healthy below each (ties half), S01 the
//    variance over the healthy of the share of the diseased above each. Needs E >= 2, S >= 2.
//  - Hanley and McNeil (1982): SE² = (A(1 - A) + (E - 1)(Q1 - A²) + (S - 1)(Q2 - A²))/(E·S),
//    Q1 = A/(2 - A), Q2 = 2A²/(1 + A).
//  - Limits of the area: A -/+ z·SE, truncated to 0..1 (noted).
RocAnalysis analyseRoc(const RocTable& table, IntervalMethod method, double percent);

// The cut-off of analysis with level k. Requires 2 <= k <= levels.
const RocCutoff& cutoffAt(const RocAnalysis& analysis, int k);

}  // namespace tarnolo
