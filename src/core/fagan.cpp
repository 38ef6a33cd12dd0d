// The Fagan nomogram: its rows and its geometry.
#include "core/fagan.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "core/predictive_curve.h"
#include "core/report_text.h"

namespace tarnolo {

namespace {

ReportRow rowOf(const Report& report, std::string_view key) {
  const auto it = std::find_if(report.rows.begin(), report.rows.end(),
                               [key](const ReportRow& row) { return row.key == key; });
  if (it != report.rows.end()) return *it;
  return {key, key, {}, {{}, {}, "sin datos"}};
}

ReportRow postTestRow(std::string_view key, std::string_view label, double pretest,
                      const ReportRow& ratio, const char* ratioName) {
  ReportRow row{key, label, postTestProbability(pretest, ratio.estimate),
                postTestLimits(pretest, ratio.limits)};
  if (!ratio.estimate.defined())
    row.limits.note = std::string(ratioName) + " no definida" +
                      (ratio.limits.note.empty() ? "" : ": " + ratio.limits.note);
  else if (!row.limits.lower.defined() || !row.limits.upper.defined())
    row.limits.note = std::string("sin límite de ") + ratioName +
                      (ratio.limits.note.empty() ? "" : ": " + ratio.limits.note);
  return row;
}

}  // namespace

std::vector<ReportRow> nomogramRows(const Report& report, double pretest) {
  const ReportRow cpp = rowOf(report, "cpp"), rvNeg = rowOf(report, "rv_neg");
  return {
      {"pre", "Probabilidad pre-prueba", ReportValue::of(pretest), {}},
      cpp,
      postTestRow("post_pos", "Probabilidad tras un resultado positivo", pretest, cpp, "CP+"),
      rvNeg,
      postTestRow("post_neg", "Probabilidad tras un resultado negativo", pretest, rvNeg,
                  "la razón de verosimilitud negativa"),
  };
}

std::string nomogramCsv(const Report& report, double pretest, char separator) {
  Report rows = report;
  rows.rows = nomogramRows(report, pretest);
  return reportCsv(rows, separator);
}

NomogramLayout nomogramLayout(double left, double top, double width, double height) {
  assert(width > 0 && height > 0);
  const double bottom = top + height;
  // log10 of the odds at the ends of the probability scales, and so the ratio scale's reach:
  // the midpoint moves by half of a decade of odds per decade of ratio.
  const double reach = std::log10(kNomogramHighest / (1 - kNomogramHighest));
  const double centre = top + height / 2;
  const double ratioHalf = std::log10(kRatioHighest) / (4 * reach) * height;
  return {left,
          left + width / 2,
          left + width,
          top,
          bottom,
          PlotScale(ScaleKind::Logit, kNomogramLowest, kNomogramHighest, top, bottom),
          PlotScale(ScaleKind::Logarithmic, kRatioLowest, kRatioHighest, centre + ratioHalf,
                    centre - ratioHalf),
          PlotScale(ScaleKind::Logit, kNomogramLowest, kNomogramHighest, bottom, top)};
}

Segment nomogramLine(const NomogramLayout& layout, double pretest, double ratio) {
  const double y1 = layout.pre.position(pretest);
  const double yMiddle = layout.ratio.position(ratio);
  // Straight through the ratio's point, to the right scale: twice as far as the middle.
  return {layout.leftX, y1, layout.rightX, 2 * yMiddle - y1};
}

}  // namespace tarnolo
