// The Fagan nomogram: a pre-test probability, a likelihood ratio and the post-test probability
// on three parallel scales, so that one straight line joins them.
#pragma once

#include <string>
#include <vector>

#include "core/plot_scale.h"
#include "core/report.h"

namespace tarnolo {

// The rows the nomogram reads, with the report's layout: "pre" (the pre-test probability, no
// limits), "cpp" and "rv_neg" (the report's rows), "post_pos" (the probability of disease after
// a positive result) and "post_neg" (after a negative one, that is 1 - VPN at that prevalence),
// each post-test limit through the ratio's limit. Fractions. Requires 0 <= pretest <= 1.
std::vector<ReportRow> nomogramRows(const Report& report, double pretest);

// The rows as the report's CSV (reportCsv): header, then clave,estimación,inferior,superior,motivo.
std::string nomogramCsv(const Report& report, double pretest, char separator);

// The pre-test probabilities the nomogram's field accepts, as fractions: 0.1 % to 99.9 %.
inline constexpr double kNomogramLowest = 0.001, kNomogramHighest = 0.999;
// The likelihood ratios on its middle scale.
inline constexpr double kRatioLowest = 0.001, kRatioHighest = 1000;

// The three scales in a box from top to bottom: pre-test probability at leftX, growing
// downwards; the likelihood ratio at middleX, halfway, growing upwards and centred on 1;
// post-test probability at rightX, growing upwards. Both probability scales are logit scales
// over 0.1..99.9 %, and the ratio scale is logarithmic at half their unit, so that the point
// of ratio r lies halfway between pre-test p and post-test postTestProbability(p, r).
struct NomogramLayout {
  double leftX, middleX, rightX, top, bottom;
  PlotScale pre, ratio, post;
};
// Requires width > 0 and height > 0.
NomogramLayout nomogramLayout(double left, double top, double width, double height);

// The ends of a line of the nomogram: from pre-test pretest on the left scale through ratio on
// the middle one to the right scale.
struct Segment {
  double x1, y1, x2, y2;
};
// Requires 0 < pretest < 1 and ratio > 0 (finite).
Segment nomogramLine(const NomogramLayout& layout, double pretest, double ratio);

}  // namespace tarnolo
