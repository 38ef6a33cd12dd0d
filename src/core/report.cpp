// The full report of a two-by-two table.
#include "core/report.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "core/arithmetic.h"
#include "core/ratio_rows.h"

namespace tarnolo {

namespace {

using C = CountTable;

constexpr std::string_view kLabels[] = {
    "Sensibilidad",
    "Especificidad",
    "Valor predictivo positivo",
    "Valor predictivo negativo",
    "Prevalencia",
    "Prevalencia aparente",
    "Exactitud",
    "Índice de Youden, sens + esp - 1",
    "Cociente de probabilidad positivo (CP+), sens/(1 - esp)",
    "CP- de la ventana principal, esp/(1 - sens): inverso del cociente negativo",
    "Cociente de probabilidad negativo, (1 - sens)/esp",
    "Odds ratio diagnóstica, VP·VN/(FP·FN)",
    "Fracción de falsos positivos, 1 - esp",
    "Fracción de falsos negativos, 1 - sens",
    "Número necesario para diagnosticar, 1/Youden",
};
static_assert(std::size(kLabels) == std::size(kReportKeys));

// A proportion of the report: count over margin, and why it has no value when the margin is 0.
struct ProportionForm {
  std::string_view key;
  int64_t C::*count;
  int64_t C::*margin;
  const char* empty;
};

const ProportionForm kProportions[] = {
    {"sens", &C::vp, &C::enfermos, "no hay enfermos (VP + FN = 0)"},
    {"esp", &C::vn, &C::sanos, "no hay sanos (FP + VN = 0)"},
    {"vpp", &C::vp, &C::positivos, "no hay positivos (VP + FP = 0)"},
    {"vpn", &C::vn, &C::negativos, "no hay negativos (FN + VN = 0)"},
    {"prev", &C::enfermos, &C::total, "la tabla está vacía"},
    {"prevap", &C::positivos, &C::total, "la tabla está vacía"},
    {"exactitud", &C::aciertos, &C::total, "la tabla está vacía"},
    {"fpf", &C::fp, &C::sanos, "no hay sanos (FP + VN = 0)"},
    {"fnf", &C::fn, &C::enfermos, "no hay enfermos (VP + FN = 0)"},
};

ReportRow proportionRow(std::string_view key, const CountTable& t, IntervalMethod method,
                        const ConfidenceLevel& level) {
  const auto form = std::find_if(std::begin(kProportions), std::end(kProportions),
                                 [&](const ProportionForm& s) { return s.key == key; });
  assert(form != std::end(kProportions));
  ReportRow row{form->key, reportLabel(form->key), {}, {}};
  const int64_t count = t.*form->count, margin = t.*form->margin;
  if (margin == 0) {
    row.limits.note = form->empty;
    return row;
  }
  // As the main window divides: both counts exactly, one extended division, stored.
  row.estimate = ReportValue::of(store(static_cast<Ext>(count) / margin));
  row.limits = proportionLimits(method, count, margin, level);
  return row;
}

// A limit of Youden's index: kept in [-1, 1], where only wald-cc's limits can leave it.
ReportValue youdenLimit(Ext value, IntervalMethod method, const char* which, std::string& note) {
  if (value >= -1 && value <= 1) return ReportValue::of(store(value));
  if (method != IntervalMethod::WaldCc) return ReportValue::of(value < 0 ? -1 : 1);
  addNote(note, std::string(which) + " fuera de -1..1, fuera de rango");
  return ReportValue::outOfRange(store(value));
}

// Newcombe's square-and-add: the distances of each limit of sens and esp from the estimate,
// added in quadrature. J itself is (VP·VN − FP·FN)/(enfermos·sanos), whose sign is exact: a test
// that does not discriminate gets 0, not the rounding left over from sens + esp − 1.
ReportRow youdenRow(const CountTable& t, const ReportRow& sens, const ReportRow& esp,
                    IntervalMethod method) {
  ReportRow row{"youden", reportLabel("youden"), {}, {}};
  for (const ReportRow* input : {&sens, &esp}) {
    if (!input->estimate.defined()) {
      row.limits.note = input->limits.note;
      return row;
    }
  }
  // In 128 bits: the counts of a test's table in the comparison of two tests reach 2^32.
  using Wide = __int128;
  const Ext j = static_cast<Ext>(Wide{t.vp} * t.vn - Wide{t.fp} * t.fn) /
                (static_cast<Ext>(t.enfermos) * t.sanos);
  const Ext s = sens.estimate.value, e = esp.estimate.value;
  row.estimate = ReportValue::of(store(j));
  const Limits &sl = sens.limits, &el = esp.limits;
  if (!sl.lower.computed() || !sl.upper.computed() || !el.lower.computed() ||
      !el.upper.computed()) {
    row.limits.note = "faltan los límites de la sensibilidad o de la especificidad";
    return row;
  }
  const Ext below = std::hypot(s - sl.lower.value, e - el.lower.value);
  const Ext above = std::hypot(sl.upper.value - s, el.upper.value - e);
  row.limits.lower = youdenLimit(j - below, method, "límite inferior", row.limits.note);
  row.limits.upper = youdenLimit(j + above, method, "límite superior", row.limits.note);
  return row;
}

// 1/youden: its lower limit from youden's upper one; its upper one only while youden's interval
// stays above 0.
ReportRow nndRow(const ReportRow& youden) {
  ReportRow row{"nnd", reportLabel("nnd"), {}, {}};
  if (!youden.estimate.defined()) {
    row.limits.note = youden.limits.note;
    return row;
  }
  if (youden.estimate.value <= 0) {
    row.limits.note = "índice de Youden no positivo: el test no discrimina";
    return row;
  }
  row.estimate = ReportValue::of(store(1 / static_cast<Ext>(youden.estimate.value)));
  const ReportValue &lower = youden.limits.lower, &upper = youden.limits.upper;
  if (!lower.computed() || !upper.computed()) {
    row.limits.note = youden.limits.note;
    return row;
  }
  const double inverse = store(1 / static_cast<Ext>(upper.value));
  row.limits.lower = upper.defined() ? ReportValue::of(inverse) : ReportValue::outOfRange(inverse);
  if (!upper.defined()) addNote(row.limits.note, "límite inferior menor que 1, fuera de rango");
  if (lower.defined() && lower.value > 0) {
    row.limits.upper = ReportValue::of(store(1 / static_cast<Ext>(lower.value)));
  } else {
    addNote(row.limits.note, "el intervalo del índice de Youden llega a 0: sin límite superior");
  }
  return row;
}

std::vector<ReportRow> undefinedRows(const char* why) {
  std::vector<ReportRow> rows;
  for (std::string_view key : kReportKeys)
    rows.push_back({key, reportLabel(key), {}, {{}, {}, why}});
  return rows;
}

}  // namespace

std::string_view reportLabel(std::string_view key) {
  const auto it = std::find(std::begin(kReportKeys), std::end(kReportKeys), key);
  assert(it != std::end(kReportKeys));
  return kLabels[it - std::begin(kReportKeys)];
}

CountTable countTable(int32_t vp, int32_t fp, int32_t fn, int32_t vn) {
  const int64_t p = vp, f = fp, n = fn, v = vn;
  return {p, f, n, v, p + n, f + v, p + f, n + v, p + v, p + f + n + v};
}

Report buildReport(const CaseState& state, IntervalMethod method, double percent) {
  return buildReport(countTable(state.vp, state.fp, state.fn, state.vn), method, percent);
}

Report buildReport(const CountTable& counts, IntervalMethod method, double percent) {
  Report report{method, confidenceLevel(percent, method), counts, {}};
  const CountTable& t = report.counts;
  if (t.vp < 0 || t.fp < 0 || t.fn < 0 || t.vn < 0) {
    report.rows = undefinedRows("hay recuentos negativos");
    return report;
  }
  const ConfidenceLevel& level = report.level;
  std::vector<ReportRow>& rows = report.rows;
  for (std::string_view key : {"sens", "esp", "vpp", "vpn", "prev", "prevap", "exactitud"})
    rows.push_back(proportionRow(key, t, method, level));
  const ReportRow sens = rows[0], esp = rows[1];
  const ReportRow youden = youdenRow(t, sens, esp, method);
  rows.push_back(youden);
  const ReportRow cpp = ratioRow("cpp", t, sens, esp, method, level);
  const ReportRow cpn = ratioRow("cpn", t, sens, esp, method, level);
  rows.insert(rows.end(), {cpp, cpn, ratioRow("rv_neg", t, sens, esp, method, level)});
  rows.push_back(oddsRatioRow(t, cpp, cpn, method, level));
  for (std::string_view key : {"fpf", "fnf"}) rows.push_back(proportionRow(key, t, method, level));
  rows.push_back(nndRow(youden));
  return report;
}

}  // namespace tarnolo
