// The main window's handlers.
#include "core/calculator.h"

#include "core/confidence.h"
#include "core/control_names.h"
#include "core/two_by_two.h"

namespace tarnolo {

void Calculator::FormCreate() {
  view_.setClientHeight(kCompactHeight);
}

void Calculator::BitBtn6Click() {
  CalcularTabla(state_, view_);
  view_.setClientHeight(kFullHeight);
}

void Calculator::icClick() {
  tarnolo::icClick(state_, view_);
}

void Calculator::ZalfaClick() {
  tarnolo::ZalfaClick(state_, view_);
}

void Calculator::bindEvents(EventTable& table) {
  using namespace names;
  table.bind(kBitBtn6, Event::Click, [this] { BitBtn6Click(); });
  table.bind(kIc, Event::Click, [this] { icClick(); });
  table.bind(kZalfa, Event::Click, [this] { ZalfaClick(); });
}

}  // namespace tarnolo
