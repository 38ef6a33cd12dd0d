// A graded test: cut-offs, level ratios, the curve, its area and the best cut-off.
#include "core/roc_analysis.h"

#include <cassert>
#include <cmath>

#include "core/arithmetic.h"

namespace tarnolo {

namespace {

// The rows of the report of the cut-off at k, whose positives are above[k], the counts at or
// above level k.
RocCutoff cutoffOf(int k, int64_t vp, int64_t fp, const RocTable& table, IntervalMethod method,
                   double percent) {
  CaseState state;
  state.vp = static_cast<int32_t>(vp);
  state.fp = static_cast<int32_t>(fp);
  state.fn = static_cast<int32_t>(table.enfermos - vp);
  state.vn = static_cast<int32_t>(table.sanos - fp);
  const Report report = buildReport(state, method, percent);
  auto row = [&report](std::string_view key) {
    for (const ReportRow& r : report.rows)
      if (r.key == key) return r;
    assert(false && "no such row");
    return ReportRow{};
  };
  return {k, report.counts, row("sens"), row("esp"), row("cpp"), row("rv_neg"), row("youden")};
}

ReportRow levelRatio(const RocLevel& level, const RocTable& table, const ConfidenceLevel& z) {
  ReportRow row{"rv_nivel", "Cociente de probabilidad del nivel", {}, {}};
  const int64_t d = level.enfermos, s = level.sanos;
  if (s == 0) {
    row.limits.note =
        d == 0 ? "nivel sin casos: 0/0" : "ningún sano en el nivel: cociente infinito";
    return row;
  }
  const Ext ratio = static_cast<Ext>(d) * table.sanos / (static_cast<Ext>(s) * table.enfermos);
  row.estimate = ReportValue::of(store(ratio));
  if (d == 0) {
    row.limits.note = "ningún enfermo en el nivel: cociente 0, sin límites";
    return row;
  }
  const Ext variance = 1 / static_cast<Ext>(d) - 1 / static_cast<Ext>(table.enfermos) +
                       1 / static_cast<Ext>(s) - 1 / static_cast<Ext>(table.sanos);
  const Ext spread = z.z * std::sqrt(std::max<Ext>(variance, 0));
  row.limits.lower = ReportValue::of(store(ratio * std::exp(-spread)));
  row.limits.upper = ReportValue::of(store(ratio * std::exp(spread)));
  return row;
}

// A -/+ z·se kept inside 0..1, with a note where it was cut.
Limits areaLimits(Ext area, Ext se, const ConfidenceLevel& level) {
  Limits limits;
  const Ext lower = area - level.z * se, upper = area + level.z * se;
  limits.lower = ReportValue::of(store(std::max<Ext>(lower, 0)));
  limits.upper = ReportValue::of(store(std::min<Ext>(upper, 1)));
  if (lower < 0) addNote(limits.note, "límite inferior truncado a 0");
  if (upper > 1) addNote(limits.note, "límite superior truncado a 1");
  return limits;
}

// DeLong's variance of the area: the placements of each diseased case among the healthy and of
// each healthy case among the diseased, grouped by level.
Ext deLongVariance(const RocTable& table, Ext area) {
  const std::vector<RocLevel>& levels = table.levels;
  const Ext e = static_cast<Ext>(table.enfermos), s = static_cast<Ext>(table.sanos);
  Ext s10 = 0, s01 = 0;
  int64_t healthyBelow = 0, diseasedAbove = table.enfermos;
  for (const RocLevel& level : levels) {
    diseasedAbove -= level.enfermos;
    const Ext v10 = (2 * static_cast<Ext>(healthyBelow) + level.sanos) / (2 * s);
    const Ext v01 = (2 * static_cast<Ext>(diseasedAbove) + level.enfermos) / (2 * e);
    s10 += level.enfermos * (v10 - area) * (v10 - area);
    s01 += level.sanos * (v01 - area) * (v01 - area);
    healthyBelow += level.sanos;
  }
  return s10 / (e - 1) / e + s01 / (s - 1) / s;
}

Ext hanleyMcNeilVariance(Ext a, Ext e, Ext s) {
  const Ext q1 = a / (2 - a), q2 = 2 * a * a / (1 + a);
  return (a * (1 - a) + (e - 1) * (q1 - a * a) + (s - 1) * (q2 - a * a)) / (e * s);
}

RocArea areaOf(const RocTable& table, const ConfidenceLevel& level) {
  RocArea result;
  // Σ sk·(2·E_above + dk) <= 2·E·S < 2^62: exact in 64 bits and in extended.
  int64_t sum = 0, diseasedAbove = table.enfermos;
  for (const RocLevel& l : table.levels) {
    diseasedAbove -= l.enfermos;
    sum += l.sanos * (2 * diseasedAbove + l.enfermos);
  }
  const Ext e = static_cast<Ext>(table.enfermos), s = static_cast<Ext>(table.sanos);
  const Ext area = static_cast<Ext>(sum) / (2 * e * s);
  result.area = store(area);
  const Ext hm = std::sqrt(std::max<Ext>(hanleyMcNeilVariance(area, e, s), 0));
  result.seHanleyMcNeil = ReportValue::of(store(hm));
  result.hanleyMcNeil = areaLimits(area, hm, level);
  if (table.enfermos < 2 || table.sanos < 2) {
    result.deLong.note = "DeLong necesita al menos 2 enfermos y 2 sanos";
    return result;
  }
  const Ext dl = std::sqrt(std::max<Ext>(deLongVariance(table, area), 0));
  result.seDeLong = ReportValue::of(store(dl));
  result.deLong = areaLimits(area, dl, level);
  return result;
}

}  // namespace

RocAnalysis analyseRoc(const RocTable& table, IntervalMethod method, double percent) {
  assert(table.levels.size() >= 2 && table.enfermos > 0 && table.sanos > 0);
  RocAnalysis analysis{method, confidenceLevel(percent, method), table, {}, {}, {}, {}, 0};
  const int levels = static_cast<int>(table.levels.size());
  // vp and fp of the cut-off at k: the counts at or above level k.
  std::vector<int64_t> vp(levels + 2, 0), fp(levels + 2, 0);
  for (int k = levels; k >= 1; --k) {
    vp[k] = vp[k + 1] + table.levels[k - 1].enfermos;
    fp[k] = fp[k + 1] + table.levels[k - 1].sanos;
  }
  for (int k = levels + 1; k >= 1; --k) {
    analysis.curve.push_back({store(static_cast<Ext>(fp[k]) / table.sanos),
                              store(static_cast<Ext>(vp[k]) / table.enfermos), k});
  }
  // Youden's index is (VP·VN - FP·FN)/(E·S); the numerators compare exactly.
  int64_t bestNumerator = 0;
  for (int k = 2; k <= levels; ++k) {
    analysis.cutoffs.push_back(cutoffOf(k, vp[k], fp[k], table, method, percent));
    const int64_t numerator = vp[k] * (table.sanos - fp[k]) - fp[k] * (table.enfermos - vp[k]);
    if (k == 2 || numerator > bestNumerator) {
      bestNumerator = numerator;
      analysis.best = k;
    }
  }
  for (int k = 1; k <= levels; ++k)
    analysis.ratios.push_back({k, levelRatio(table.levels[k - 1], table, analysis.level)});
  analysis.area = areaOf(table, analysis.level);
  return analysis;
}

const RocCutoff& cutoffAt(const RocAnalysis& analysis, int k) {
  assert(k >= 2 && k - 2 < static_cast<int>(analysis.cutoffs.size()));
  return analysis.cutoffs[k - 2];
}

}  // namespace tarnolo
