// The main window's command "Análisis > Dos pruebas en los mismos pacientes…": the window
// "Comparar dos pruebas", one at a time.
#pragma once

#include <QObject>
#include <QPointer>
#include <string_view>

#include "comparar/paired_window.h"
#include "core/events.h"

namespace tarnolo {

class PairedCommand : public QObject {
  Q_OBJECT

 public:
  // Binds the click of Dospruebas1 in table to open(). The command and its window belong to
  // owner, the main window; failure presents the window's failures.
  static PairedCommand* install(QWidget& owner, EventTable& table, FailureReporter failure);

  // Shows the window, created the first time, and brings it to the front.
  void open();

  // The window, nullptr before the first open().
  PairedWindow* window() const { return m_window; }

 private:
  Q_DISABLE_COPY(PairedCommand)

  PairedCommand(QWidget& owner, FailureReporter failure);

  QWidget& m_owner;
  FailureReporter m_failure;
  QPointer<PairedWindow> m_window;
};

}  // namespace tarnolo
