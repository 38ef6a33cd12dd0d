// The predictive values against the prevalence: a test's likelihood ratios carry any prevalence
// to the probability of disease after a result, with the ratios' confidence limits as a band.
#pragma once

#include <string>
#include <vector>

#include "core/plot_scale.h"
#include "core/report.h"

namespace tarnolo {

// The probability of disease after a result with likelihood ratio ratio, before which it was
// pretest: post-test odds = pre-test odds × ratio, that is p·r / (p·r + 1 - p).
// Requires 0 <= pretest <= 1. Undefined when ratio is not a value (missing or out of range),
// negative, or when pretest is 1 and ratio 0 (0/0). 0 at pretest 0, 1 at pretest 1.
//   postTestProbability(0.25, 10) -> 0.769230... (odds 1/3 × 10 = 10/3)
ReportValue postTestProbability(double pretest, const ReportValue& ratio);

// A ratio's limits carried to a post-test probability: the lower limit through the lower
// ratio, the upper through the upper; each Undefined where its ratio limit is not a value.
Limits postTestLimits(double pretest, const Limits& ratio);

// The predictive values at one prevalence, with their limits.
struct CurvePoint {
  double prevalence = 0;  // a fraction, 0..1
  ReportValue vpp, vpn;
  Limits vppLimits, vpnLimits;  // notes empty: the curve's notes say why
};

// The positive predictive value at prevalence p is the post-test probability through cpp;
// the negative one, the probability of health after a negative result, is that of 1 - p
// through cpn (esp / (1 - sens)): VPN(p) = 1 / (1 + p / ((1 - p)·CP-)). Both from the rows
// of report, limits through the rows' limits (Mercaldo, Lau and Zhou 2007 give the same
// logit interval with the prevalence known). Requires 0 <= prevalence <= 1.
CurvePoint curvePoint(const Report& report, double prevalence);

// Why a curve or its band is missing, in Spanish, from the ratio's row: empty when the ratio
// and both its limits are values.
//   "VPP: sin curva (CP+ no definida: FP = 0)"  "VPN: sin banda inferior (...)"
std::string curveNote(const Report& report, std::string_view key);

// The prevalences of the CSV: 0.01, 0.02, ..., 0.99, each the double nearest its decimal.
std::vector<double> csvPrevalences();

// The curve as CSV, lines ending in CR LF: the header
//   prevalencia,vpp,vpp_inf,vpp_sup,vpn,vpn_inf,vpn_sup
// then one line per prevalence of csvPrevalences, fractions by RealToText with separator,
// empty where not a value; fields separated by csvDelimiter(separator).
std::string curveCsv(const Report& report, char separator);

// The curve's picture in a box: the prevalence (a fraction) from left to right, the predictive
// values (fractions) from the bottom up. Requires width > 0 and height > 0.
struct CurveLayout {
  PlotScale prevalence, probability;
};
CurveLayout curveLayout(double left, double top, double width, double height);

// The points the curves are drawn through: the prevalences i / intervals for i = 0..intervals.
// Requires intervals >= 1.
std::vector<CurvePoint> curveSamples(const Report& report, int intervals);

}  // namespace tarnolo
