// The rows of the report's ratios.
#include "core/ratio_rows.h"

#include <cassert>
#include <cmath>
#include <string>

#include "core/arithmetic.h"

namespace tarnolo {

namespace {

using C = CountTable;

// A count of the table with the name the user knows it by.
struct Cell {
  int64_t C::*count;
  const char* name;
};
constexpr Cell kVP{&C::vp, "VP"}, kFP{&C::fp, "FP"}, kFN{&C::fn, "FN"}, kVN{&C::vn, "VN"};

// A ratio num(s, e)/den(s, e) of sensitivity s and specificity e.
struct RatioForm {
  std::string_view key;
  Ext (*num)(Ext s, Ext e);
  Ext (*den)(Ext s, Ext e);
  bool falls;              // falls as s and e grow: its lower limit comes from their upper limits
  Cell divisor;            // the count whose zero makes den zero
  Cell dividend;           // the count whose zero, with the divisor's, makes the ratio 0/0
  Cell diseased, healthy;  // SE² = 1/diseased - 1/enfermos + 1/healthy - 1/sanos
};

const RatioForm kRatios[] = {
    {"cpp", [](Ext s, Ext) { return s; }, [](Ext, Ext e) { return 1 - e; }, false, kFP, kVP, kVP,
     kFP},
    {"cpn", [](Ext, Ext e) { return e; }, [](Ext s, Ext) { return 1 - s; }, false, kFN, kVN, kFN,
     kVN},
    {"rv_neg", [](Ext s, Ext) { return 1 - s; }, [](Ext, Ext e) { return e; }, true, kVN, kFN, kFN,
     kVN},
};

const RatioForm& formOf(std::string_view key) {
  for (const RatioForm& form : kRatios)
    if (form.key == key) return form;
  assert(false && "no such ratio");
  return kRatios[0];
}

std::string named(const Cell& cell) {
  return std::string(cell.name) + " = 0";
}

// a/b stored, Undefined with a note when b is 0, OutOfRange when negative (the main window's "*").
ReportValue quotientLimit(Ext a, Ext b, const char* which, std::string& note) {
  if (b == 0) {
    addNote(note, std::string(which) + (a == 0 ? ": 0/0" : ": división por cero"));
    return {};
  }
  const double value = store(a / b);
  if (value >= 0) return ReportValue::of(value);
  addNote(note, std::string(which) + " negativo, fuera de rango");
  return ReportValue::outOfRange(value);
}

// The main window's rule: the ratio of the limits of sens and esp, like with like.
Limits windowRuleLimits(const RatioForm& form, const Limits& s, const Limits& e) {
  Limits limits;
  if (!s.lower.computed() || !s.upper.computed() || !e.lower.computed() || !e.upper.computed()) {
    limits.note = "faltan los límites de la sensibilidad o de la especificidad";
    return limits;
  }
  const Ext sLo = s.lower.value, sHi = s.upper.value, eLo = e.lower.value, eHi = e.upper.value;
  const Ext sA = form.falls ? sHi : sLo, eA = form.falls ? eHi : eLo;
  const Ext sB = form.falls ? sLo : sHi, eB = form.falls ? eLo : eHi;
  limits.lower = quotientLimit(form.num(sA, eA), form.den(sA, eA), "límite inferior", limits.note);
  limits.upper = quotientLimit(form.num(sB, eB), form.den(sB, eB), "límite superior", limits.note);
  return limits;
}

// The log method: R·exp(-/+ z·SE), given SE² as variance.
Limits logLimits(double ratio, Ext variance, double z) {
  const Ext spread = std::exp(z * std::sqrt(variance));
  return {ReportValue::of(store(ratio / spread)), ReportValue::of(store(ratio * spread)), ""};
}

// 1/count − 1/margin, as (margin − count)/(count·margin), which does not cancel.
Ext inverseTerm(int64_t count, int64_t margin) {
  return static_cast<Ext>(margin - count) / (static_cast<Ext>(count) * margin);
}

// Simel, Samsa and Matchar's limits of a likelihood ratio, or none when a count in SE is 0.
Limits logMethodLimits(const RatioForm& form, const CountTable& t, double ratio, double z) {
  for (const Cell& cell : {form.diseased, form.healthy}) {
    if (t.*cell.count == 0) return {{}, {}, named(cell) + ": el método logarítmico no da límites"};
  }
  const Ext variance =
      inverseTerm(t.*form.diseased.count, t.enfermos) + inverseTerm(t.*form.healthy.count, t.sanos);
  return logLimits(ratio, variance, z);
}

// The product of two limits of the main window's rule: Undefined when either is, OutOfRange
// when either is (a negative ratio).
ReportValue productLimit(const ReportValue& a, const ReportValue& b) {
  if (!a.computed() || !b.computed()) return {};
  const double value = store(static_cast<Ext>(a.value) * b.value);
  return a.defined() && b.defined() ? ReportValue::of(value) : ReportValue::outOfRange(value);
}

Limits productLimits(const Limits& cpp, const Limits& cpn) {
  Limits limits{productLimit(cpp.lower, cpn.lower), productLimit(cpp.upper, cpn.upper), ""};
  if (!limits.lower.defined() || !limits.upper.defined())
    limits.note = "un límite de CP+ o de CP- falta o está fuera de rango";
  return limits;
}

// The first undefined input's note, or empty when both inputs have estimates.
std::string missingInput(const ReportRow& a, const ReportRow& b) {
  if (!a.estimate.defined()) return a.limits.note;
  if (!b.estimate.defined()) return b.limits.note;
  return "";
}

}  // namespace

ReportRow ratioRow(std::string_view key, const CountTable& t, const ReportRow& sens,
                   const ReportRow& esp, IntervalMethod method, const ConfidenceLevel& level) {
  const RatioForm& form = formOf(key);
  ReportRow row{form.key, reportLabel(form.key), {}, {}};
  row.limits.note = missingInput(sens, esp);
  if (!row.limits.note.empty()) return row;
  if (t.*form.divisor.count == 0) {
    row.limits.note = t.*form.dividend.count == 0
                          ? named(form.dividend) + " y " + named(form.divisor) + ": cociente 0/0"
                          : named(form.divisor) + ": cociente infinito";
    return row;
  }
  const Ext s = sens.estimate.value, e = esp.estimate.value;
  const double ratio = store(divide(form.num(s, e), form.den(s, e)));
  row.estimate = ReportValue::of(ratio);
  row.limits = method == IntervalMethod::WaldCc ? windowRuleLimits(form, sens.limits, esp.limits)
                                                : logMethodLimits(form, t, ratio, level.z);
  return row;
}

ReportRow oddsRatioRow(const CountTable& t, const ReportRow& cpp, const ReportRow& cpn,
                       IntervalMethod method, const ConfidenceLevel& level) {
  ReportRow row{"odds_ratio", reportLabel("odds_ratio"), {}, {}};
  if (t.fp == 0 || t.fn == 0) {
    const bool zeroOverZero = t.vp == 0 || t.vn == 0;
    row.limits.note = zeroOverZero ? "FP·FN = 0 y VP·VN = 0: cociente 0/0"
                                   : (t.fp == 0 ? named(kFP) : named(kFN)) + ": cociente infinito";
    return row;
  }
  const double ratio = store(static_cast<Ext>(t.vp) * t.vn / (static_cast<Ext>(t.fp) * t.fn));
  row.estimate = ReportValue::of(ratio);
  if (method != IntervalMethod::WaldCc) {
    if (t.vp == 0 || t.vn == 0) {
      row.limits.note = named(t.vp == 0 ? kVP : kVN) + ": el método logarítmico no da límites";
      return row;
    }
    const Ext variance = 1.0L / t.vp + 1.0L / t.fp + 1.0L / t.fn + 1.0L / t.vn;
    row.limits = logLimits(ratio, variance, level.z);
    return row;
  }
  row.limits = productLimits(cpp.limits, cpn.limits);
  return row;
}

}  // namespace tarnolo
