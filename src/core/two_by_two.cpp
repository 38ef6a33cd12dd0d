// The two-by-two analysis.
#include "core/two_by_two.h"

#include "core/arithmetic.h"
#include "core/confidence.h"
#include "core/control_names.h"
#include "core/failures.h"
#include "core/number_text.h"

namespace tarnolo {

namespace {

using namespace names;

// A count quotient: both integers exactly, one extended division, stored as a double.
double quotient(int32_t dividend, int32_t divisor) {
  return store(divide(static_cast<Ext>(dividend), static_cast<Ext>(divisor)));
}

// x / (1 - y) from stored doubles, in extended precision.
double ratio(double x, double y) {
  return store(divide(x, 1 - static_cast<Ext>(y)));
}

void readCounts(CaseState& s, View& view) {
  if (EsNumero(view.text(kVP), view.separator())) {
    s.vp = TextToInteger(view.text(kVP));
  } else {
    // The notice is shown from within the calculation, which then goes on with the old vp.
    view.showNotice("El texto no es numérico");
  }
  s.fp = TextToInteger(view.text(kFP));
  s.fn = TextToInteger(view.text(kFN));
  s.vn = TextToInteger(view.text(kVN));
}

void computeMargins(CaseState& s) {
  const int32_t enfermos = addCounts(s.vp, s.fn);
  const int32_t sanos = addCounts(s.fp, s.vn);
  const int32_t positivos = addCounts(s.vp, s.fp);
  const int32_t negativos = addCounts(s.fn, s.vn);
  const int32_t total = addCounts(int64_t{s.vp} + s.fn + s.fp, s.vn);
  s.enfermos = enfermos;
  s.sanos = sanos;
  s.positivos = positivos;
  s.negativos = negativos;
  s.total = total;
}

void writeMargins(const CaseState& s, View& view) {
  view.setText(kEnfermos, IntegerToText(s.enfermos));
  view.setText(kSanos, IntegerToText(s.sanos));
  view.setText(kPositivos, IntegerToText(s.positivos));
  view.setText(kNegativos, IntegerToText(s.negativos));
  view.setText(kTotal, IntegerToText(s.total));
}

constexpr std::string_view kResultCells[] = {kSens, kEsp, kCPP,         kCPN,
                                             kVPP,  kVPN, kPrevalencia, kPrevap};

// The eight indices and their cells; a division by zero puts "error" into all eight cells.
void computeIndices(CaseState& s, View& view) {
  try {
    s.sens = quotient(s.vp, s.enfermos);
    s.esp = quotient(s.vn, s.sanos);
    s.vpp = quotient(s.vp, s.positivos);
    s.vpn = quotient(s.vn, s.negativos);
    s.prev = quotient(s.enfermos, s.total);
    s.prevap = quotient(s.positivos, s.total);
    s.cpp = ratio(s.sens, s.esp);
    s.cpn = ratio(s.esp, s.sens);
    const char sep = view.separator();
    view.setText(kSens, RealToText(percent(s.sens), sep));
    view.setText(kEsp, RealToText(percent(s.esp), sep));
    view.setText(kCPP, RealToText(s.cpp, sep));
    view.setText(kCPN, RealToText(s.cpn, sep));
    view.setText(kVPP, RealToText(percent(s.vpp), sep));
    view.setText(kVPN, RealToText(percent(s.vpn), sep));
    view.setText(kPrevalencia, RealToText(percent(s.prev), sep));
    view.setText(kPrevap, RealToText(percent(s.prevap), sep));
  } catch (const Failure& failure) {
    if (failure.kind() != FailureKind::ZeroDivide) throw;
    for (auto cell : kResultCells) view.setText(cell, "error");
  }
}

void setBarsAndSliders(const CaseState& s, View& view) {
  view.setProgress(kSensGauge, roundHalfEven(percent(s.sens)));
  view.setPosition(kSensScrollBar, roundHalfEven(percent(s.sens)));
  view.setProgress(kEspGauge, roundHalfEven(percent(s.esp)));
  view.setPosition(kEspScrollBar, roundHalfEven(percent(s.esp)));
  view.setProgress(kPrevgauge, roundHalfEven(percent(s.prev)));
  view.setPosition(kPrevScrollBar, roundHalfEven(percent(s.prev)));
  view.setProgress(kPrevapGauge, roundHalfEven(percent(s.prevap)));
  view.setProgress(kVppGauge, roundHalfEven(percent(s.vpp)));
  view.setProgress(kVpngauge, roundHalfEven(percent(s.vpn)));
}

}  // namespace

bool EsNumero(const std::string& text, char separator) {
  try {
    TextToReal(text, separator);
    return true;
  } catch (const Failure& failure) {
    if (failure.kind() != FailureKind::ConvertError) throw;
    return false;
  }
}

void CalcularTabla(CaseState& state, View& view) {
  readCounts(state, view);
  computeMargins(state);
  writeMargins(state, view);
  computeIndices(state, view);
  setBarsAndSliders(state, view);
  view.setEnabled(kBayes, true);
  CalcularIC(state, view);
}

}  // namespace tarnolo
