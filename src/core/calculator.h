// The main window's handlers, toolkit-free: each runs one calculation or command on the one
// CaseState and the view, and may resize the window.
#pragma once

#include "core/case_state.h"
#include "core/events.h"
#include "core/view.h"

namespace tarnolo {

inline constexpr int kCompactHeight = 105;
inline constexpr int kFullHeight = 311;

class Calculator {
 public:
  explicit Calculator(View& view) : view_(view) {}

  CaseState& state() { return state_; }
  const CaseState& state() const { return state_; }
  View& view() { return view_; }

  void FormCreate();    // compact window
  void BitBtn6Click();  // "&Calcular": the table, then the full window
  void icClick();       // "IC": show or hide the limits
  void ZalfaClick();    // the level changed

  void bayesbotonClick();      // "&Bayes": enter the Bayes mode
  void BayesOkClick();         // "Ok": leave it
  void sensScrollBarScroll();  // a slider's notification: the Bayes table again
  void espScrollBarScroll();
  void prevScrollBarScroll();
  void totalClick();    // a click in the total cell: re-scale
  void BitBtn5Click();  // "&Recalc.": re-scale
  void BitBtn1Click();  // "Redimens.": re-scale

  // Binds every handler above to its control's event.
  void bindEvents(EventTable& table);

 private:
  View& view_;
  CaseState state_;
};

}  // namespace tarnolo
