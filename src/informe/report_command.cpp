// The command "Informe completo…".
#include "informe/report_command.h"

#include "core/control_names.h"

namespace tarnolo {

ReportCommand* ReportCommand::install(QWidget& owner, EventTable& table, const CaseState& state,
                                      FailureReporter failure) {
  auto* command = new ReportCommand(owner, state, std::move(failure));
  table.bind(names::kInformecompleto1, Event::Click, [command] { command->open(); });
  table.addDeliveryObserver([command] { command->followState(); });
  return command;
}

ReportCommand::ReportCommand(QWidget& owner, const CaseState& state, FailureReporter failure)
    : QObject(&owner), m_owner(owner), m_state(state), m_failure(std::move(failure)) {}

void ReportCommand::open() {
  if (!m_window) m_window = new ReportWindow(m_state, m_failure, &m_owner);
  m_window->show();
  m_window->raise();
  m_window->activateWindow();
}

void ReportCommand::followState() {
  if (m_window) m_window->followState();
}

}  // namespace tarnolo
