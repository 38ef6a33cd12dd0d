// A calculator on the control model, started as the program starts: the tests and
// tarnolo-replay run whole user sessions on it.
#pragma once

#include "core/calculator.h"
#include "core/control_model.h"
#include "core/events.h"

namespace tarnolo {

struct ModelSession {
  ControlModel model;
  EventTable table;
  Calculator calculator{model};

  ModelSession() {
    calculator.bindEvents(table);
    model.attach(table);
    calculator.FormCreate();
  }
  ModelSession(const ModelSession&) = delete;
  ModelSession& operator=(const ModelSession&) = delete;

  CaseState& state() { return calculator.state(); }
};

}  // namespace tarnolo
