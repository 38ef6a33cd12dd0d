// The commands of the window "Gráficos".
#include "graficos/graficos_command.h"

namespace tarnolo {

GraficosCommand* GraficosCommand::install(QWidget& owner, EventTable& table, const CaseState& state,
                                          FailureReporter failure) {
  auto* command = new GraficosCommand(owner, state, std::move(failure));
  table.bind(kValorespredictivos1, Event::Click,
             [command] { command->open(GraficosWindow::kCurvePage); });
  table.bind(kNomogramadeFagan1, Event::Click,
             [command] { command->open(GraficosWindow::kNomogramPage); });
  table.addDeliveryObserver([command] { command->followState(); });
  return command;
}

GraficosCommand::GraficosCommand(QWidget& owner, const CaseState& state, FailureReporter failure)
    : QObject(&owner), m_owner(owner), m_state(state), m_failure(std::move(failure)) {}

void GraficosCommand::open(GraficosWindow::Page page) {
  if (!m_window) m_window = new GraficosWindow(m_state, m_failure, &m_owner);
  m_window->showPage(page);
  m_window->show();
  m_window->raise();
  m_window->activateWindow();
}

void GraficosCommand::followState() {
  if (m_window) m_window->followState();
}

}  // namespace tarnolo
