// The main window's command "Análisis > Informe completo…": the report window, one at a time,
// following the case.
#pragma once

#include <QObject>
#include <QPointer>

#include "core/case_state.h"
#include "core/events.h"
#include "informe/report_window.h"

namespace tarnolo {

class ReportCommand : public QObject {
  Q_OBJECT

 public:
  // Binds the click of Informecompleto1 in table to open(), and has the report window follow
  // state after every event that table delivers (a Calcular, a Bayes step, a re-scale, an
  // Open...). The command and the report window belong to owner, the main window. table must
  // deliver nothing once owner is gone; the window reads state whenever it is shown and after
  // each delivered event. failure presents what keeps an output of the report from completing.
  static ReportCommand* install(QWidget& owner, EventTable& table, const CaseState& state,
                                FailureReporter failure);

  // Shows the report window, created the first time, and brings it to the front.
  void open();

  // The report window, nullptr before the first open().
  ReportWindow* window() const { return m_window; }

 private:
  Q_DISABLE_COPY(ReportCommand)

  ReportCommand(QWidget& owner, const CaseState& state, FailureReporter failure);
  void followState();

  QWidget& m_owner;
  const CaseState& m_state;
  FailureReporter m_failure;
  QPointer<ReportWindow> m_window;
};

}  // namespace tarnolo
