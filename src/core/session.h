// A calculator on the control model, started as the program starts: the tests and
// tarnolo-replay run whole user sessions on it, with scripted file dialogs and real files.
#pragma once

#include "core/calculator.h"
#include "core/control_model.h"
#include "core/desktop.h"
#include "core/events.h"
#include "core/posix_files.h"
#include "core/scripted_dialog.h"

namespace tarnolo {

struct ModelSession {
  ControlModel model;
  ScriptedDialog openDialog1, saveDialog1;
  PosixFileSystem posixFiles;
  FaultyFileSystem files{posixFiles};  // no fault armed: the real files
  EventTable table;
  RecordingDesktop desktop;
  Calculator calculator{model, {openDialog1, saveDialog1, files}, desktop};

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
