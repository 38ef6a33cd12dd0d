// The predictive values against the prevalence.
#include "core/predictive_curve.h"

#include <algorithm>

#include "core/arithmetic.h"
#include "core/number_text.h"
#include "core/report_text.h"

namespace tarnolo {

namespace {

const ReportRow* findRow(const Report& report, std::string_view key) {
  const auto it = std::find_if(report.rows.begin(), report.rows.end(),
                               [key](const ReportRow& row) { return row.key == key; });
  return it == report.rows.end() ? nullptr : &*it;
}

const ReportRow kMissingRow{"", "", {}, {{}, {}, "sin datos"}};

const ReportRow& rowOf(const Report& report, std::string_view key) {
  const ReportRow* row = findRow(report, key);
  return row ? *row : kMissingRow;
}

std::string field(const ReportValue& value, char separator) {
  return value.defined() ? RealToText(value.value, separator) : "";
}

}  // namespace

ReportValue postTestProbability(double pretest, const ReportValue& ratio) {
  if (!ratio.defined() || !(ratio.value >= 0) || !(pretest >= 0 && pretest <= 1)) return {};
  if (pretest == 0) return ReportValue::of(0);
  if (pretest == 1) return ratio.value > 0 ? ReportValue::of(1) : ReportValue{};
  const Ext odds = static_cast<Ext>(pretest) * static_cast<Ext>(ratio.value);
  return ReportValue::of(static_cast<double>(odds / (odds + (1 - static_cast<Ext>(pretest)))));
}

Limits postTestLimits(double pretest, const Limits& ratio) {
  return {postTestProbability(pretest, ratio.lower), postTestProbability(pretest, ratio.upper), ""};
}

CurvePoint curvePoint(const Report& report, double prevalence) {
  const ReportRow& cpp = rowOf(report, "cpp");
  const ReportRow& cpn = rowOf(report, "cpn");
  CurvePoint point;
  point.prevalence = prevalence;
  point.vpp = postTestProbability(prevalence, cpp.estimate);
  point.vppLimits = postTestLimits(prevalence, cpp.limits);
  // Health after a negative result: the prevalence of health, 1 - p, through CP-.
  const double health = 1 - prevalence;
  point.vpn = postTestProbability(health, cpn.estimate);
  point.vpnLimits = postTestLimits(health, cpn.limits);
  return point;
}

std::string curveNote(const Report& report, std::string_view key) {
  const bool positive = key == "vpp";
  const ReportRow& ratio = rowOf(report, positive ? "cpp" : "cpn");
  const std::string name = positive ? "VPP" : "VPN";
  const std::string ratioName = positive ? "CP+" : "CP-";
  const std::string why = ratio.limits.note.empty() ? "" : " (" + ratio.limits.note + ")";
  if (!ratio.estimate.defined()) return name + ": sin curva, " + ratioName + " no definida" + why;
  const bool lower = ratio.limits.lower.defined(), upper = ratio.limits.upper.defined();
  if (lower && upper) return "";
  const char* missing = !lower && !upper ? "sin banda"
                        : !lower         ? "sin límite inferior"
                                         : "sin límite superior";
  return name + ": " + missing + why;
}

std::vector<double> csvPrevalences() {
  std::vector<double> prevalences;
  for (int i = 1; i <= 99; ++i) prevalences.push_back(i / 100.0);
  return prevalences;
}

std::string curveCsv(const Report& report, char separator) {
  const std::string d(1, csvDelimiter(separator));
  std::string csv = "prevalencia" + d + "vpp" + d + "vpp_inf" + d + "vpp_sup" + d + "vpn" + d +
                    "vpn_inf" + d + "vpn_sup\r\n";
  for (const double p : csvPrevalences()) {
    const CurvePoint c = curvePoint(report, p);
    csv += RealToText(p, separator) + d + field(c.vpp, separator) + d +
           field(c.vppLimits.lower, separator) + d + field(c.vppLimits.upper, separator) + d +
           field(c.vpn, separator) + d + field(c.vpnLimits.lower, separator) + d +
           field(c.vpnLimits.upper, separator) + "\r\n";
  }
  return csv;
}

CurveLayout curveLayout(double left, double top, double width, double height) {
  return {PlotScale(ScaleKind::Linear, 0, 1, left, left + width),
          PlotScale(ScaleKind::Linear, 0, 1, top + height, top)};
}

std::vector<CurvePoint> curveSamples(const Report& report, int intervals) {
  std::vector<CurvePoint> points;
  points.reserve(size_t(std::max(intervals, 1)) + 1);
  for (int i = 0; i <= intervals; ++i) points.push_back(curvePoint(report, double(i) / intervals));
  return points;
}

}  // namespace tarnolo
