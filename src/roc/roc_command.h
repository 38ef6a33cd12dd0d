// The main window's command "Análisis > Prueba con varios niveles…": the window "Curva ROC", one
// at a time, whose chosen cut-off goes into the main window's cells.
#pragma once

#include <QObject>
#include <QPointer>
#include <string_view>

#include "core/events.h"
#include "core/view.h"
#include "roc/roc_window.h"

namespace tarnolo {

class RocCommand : public QObject {
  Q_OBJECT

 public:
  // Binds the click of Pruebaconvariosniveles1 in table to open(). "Usar este punto de corte"
  // writes the cut-off's counts through view and delivers Calcular through table (useCutoff).
  // The command and its window belong to owner, the main window; view and table must outlive
  // it. failure presents what keeps a file or a printout of the window from completing.
  static RocCommand* install(QWidget& owner, View& view, EventTable& table,
                             FailureReporter failure);

  // Shows the window, created the first time, and brings it to the front.
  void open();

  // The window, nullptr before the first open().
  RocWindow* window() const { return m_window; }

 private:
  Q_DISABLE_COPY(RocCommand)

  RocCommand(QWidget& owner, View& view, EventTable& table, FailureReporter failure);

  QWidget& m_owner;
  View& m_view;
  EventTable& m_table;
  FailureReporter m_failure;
  QPointer<RocWindow> m_window;
};

}  // namespace tarnolo
