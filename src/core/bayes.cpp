// The Bayes mode.
#include "core/bayes.h"

#include <string_view>

#include "core/arithmetic.h"
#include "core/confidence.h"
#include "core/control_names.h"
#include "core/number_text.h"

namespace tarnolo {

namespace {

using namespace names;

// The extended value nearest to 0.01: a position times it, stored as a double, is the double
// nearest to position / 100 for every position from 0 to 100.
constexpr Ext kOneHundredth = 0.01L;

// A proportion from a slider, then its bar at the slider's position and its cell.
void sliderProportion(double& field, View& view, std::string_view slider, std::string_view gauge,
                      std::string_view cell) {
  const int32_t position = view.position(slider);
  field = store(position * kOneHundredth);
  view.setProgress(gauge, position);
  view.setText(cell, RealToText(percent(field), view.separator()));
}

void setCount(int32_t& field, Ext value, View& view, std::string_view cell) {
  field = roundHalfEven(value);
  view.setText(cell, IntegerToText(field));
}

void predictiveValues(CaseState& st, View& view) {
  const char sep = view.separator();
  const Ext s = st.sens, e = st.esp, p = st.prev;
  st.cpp = store(divide(s, 1 - e));
  view.setText(kCPP, RealToText(st.cpp, sep));
  st.cpn = store(divide(e, 1 - s));
  view.setText(kCPN, RealToText(st.cpn, sep));
  const Ext truePositive = s * p, falsePositive = (1 - p) * (1 - e);
  st.vpp = store(divide(truePositive, truePositive + falsePositive));
  view.setProgress(kVppGauge, roundHalfEven(percent(st.vpp)));
  view.setText(kVPP, RealToText(percent(st.vpp), sep));
  const Ext trueNegative = (1 - p) * e, falseNegative = (1 - s) * p;
  st.vpn = store(divide(trueNegative, trueNegative + falseNegative));
  view.setProgress(kVpngauge, roundHalfEven(percent(st.vpn)));
  view.setText(kVPN, RealToText(percent(st.vpn), sep));
}

void rebuiltTable(CaseState& st, View& view) {
  const Ext s = st.sens, e = st.esp, p = st.prev, t = st.total;
  const Ext diseased = t * p, healthy = (1 - p) * t;
  setCount(st.enfermos, diseased, view, kEnfermos);
  setCount(st.vp, diseased * s, view, kVP);
  setCount(st.fn, diseased * (1 - s), view, kFN);
  setCount(st.sanos, healthy, view, kSanos);
  setCount(st.vn, healthy * e, view, kVN);
  setCount(st.fp, healthy * (1 - e), view, kFP);
  st.positivos = addCounts(st.vp, st.fp);
  view.setText(kPositivos, IntegerToText(st.positivos));
  st.negativos = addCounts(st.vn, st.fn);
  view.setText(kNegativos, IntegerToText(st.negativos));
}

}  // namespace

void CalcularBayes(CaseState& st, View& view) {
  sliderProportion(st.sens, view, kSensScrollBar, kSensGauge, kSens);
  sliderProportion(st.esp, view, kEspScrollBar, kEspGauge, kEsp);
  sliderProportion(st.prev, view, kPrevScrollBar, kPrevgauge, kPrevalencia);
  predictiveValues(st, view);
  rebuiltTable(st, view);
  st.prevap = store(divide(static_cast<Ext>(st.positivos), static_cast<Ext>(st.total)));
  view.setProgress(kPrevapGauge, roundHalfEven(percent(st.prevap)));
  view.setText(kPrevap, RealToText(percent(st.prevap), view.separator()));
}

void recalcularBayes(CaseState& state, View& view) {
  CalcularBayes(state, view);
  CalcularIC(state, view);
}

void reescalar(CaseState& state, View& view) {
  state.total = TextToInteger(view.text(kTotal));
  recalcularBayes(state, view);
}

void bayesbotonClick(View& view) {
  view.setEnabled(kBayes, false);
  view.setEnabled(kBayesOk, true);
  for (auto slider : {kSensScrollBar, kEspScrollBar, kPrevScrollBar}) {
    view.setEnabled(slider, true);
    view.setVisible(slider, true);
  }
  for (auto slider : {kCPPScrollBar, kCPNScrollBar}) {
    view.setEnabled(slider, false);
    view.setVisible(slider, false);
  }
}

void BayesOkClick(View& view) {
  for (auto slider :
       {kSensScrollBar, kEspScrollBar, kCPPScrollBar, kCPNScrollBar, kPrevScrollBar}) {
    view.setEnabled(slider, false);
    view.setVisible(slider, false);
  }
  view.setEnabled(kBayesOk, false);
  view.setEnabled(kBayes, true);
}

}  // namespace tarnolo
