// The command "Dos pruebas en los mismos pacientes…".
#include "comparar/paired_command.h"

#include "core/control_names.h"

namespace tarnolo {

PairedCommand* PairedCommand::install(QWidget& owner, EventTable& table, FailureReporter failure) {
  auto* command = new PairedCommand(owner, std::move(failure));
  table.bind(names::kDospruebas1, Event::Click, [command] { command->open(); });
  return command;
}

PairedCommand::PairedCommand(QWidget& owner, FailureReporter failure)
    : QObject(&owner), m_owner(owner), m_failure(std::move(failure)) {}

void PairedCommand::open() {
  if (!m_window) m_window = new PairedWindow(m_failure, &m_owner);
  m_window->show();
  m_window->raise();
  m_window->activateWindow();
}

}  // namespace tarnolo
