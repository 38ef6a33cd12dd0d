// The main window's commands "Análisis > Valores predictivos y prevalencia…" and "Análisis >
// Nomograma de Fagan…": the window "Gráficos", one at a time, following the case.
#pragma once

#include <QObject>
#include <QPointer>
#include <string_view>

#include "core/case_state.h"
#include "core/events.h"
#include "graficos/graficos_window.h"

namespace tarnolo {

class GraficosCommand : public QObject {
  Q_OBJECT

 public:
  // Binds the clicks of both items in table to open() at their pages, and has the window follow
  // state after every event that table delivers. The command and the window belong to owner;
  // table must deliver nothing once owner is gone. failure presents what keeps an output from
  // completing.
  static GraficosCommand* install(QWidget& owner, EventTable& table, const CaseState& state,
                                  FailureReporter failure);

  // Shows the window at page, created the first time, and brings it to the front.
  void open(GraficosWindow::Page page);

  // The window, nullptr before the first open().
  GraficosWindow* window() const { return m_window; }

 private:
  Q_DISABLE_COPY(GraficosCommand)

  GraficosCommand(QWidget& owner, const CaseState& state, FailureReporter failure);
  void followState();

  QWidget& m_owner;
  const CaseState& m_state;
  FailureReporter m_failure;
  QPointer<GraficosWindow> m_window;
};

}  // namespace tarnolo
