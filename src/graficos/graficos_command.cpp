// The commands of the window "Gráficos".
#include "graficos/graficos_command.h"

#include <QScreen>

#include "core/control_names.h"

namespace tarnolo {

namespace {

// Beside the main window, so that its sliders stay in sight while the pictures follow them:
// on the side with more room, kept on the screen.
void placeBeside(QWidget& window, const QWidget& owner) {
  const QScreen* screen = owner.screen();
  if (!screen) return;
  const QRect room = screen->availableGeometry();
  const QRect main = owner.frameGeometry();
  // Tall enough for the nomogram to be read, where the screen allows.
  const QSize size = window.sizeHint().expandedTo(QSize(760, 820)).boundedTo(room.size());
  const bool left = main.left() - room.left() > room.right() - main.right();
  const int x = left ? main.left() - size.width() : main.right() + 1;
  const int y = main.top() + (main.height() - size.height()) / 2;
  window.resize(size);
  window.move(qBound(room.left(), x, qMax(room.left(), room.right() - size.width())),
              qBound(room.top(), y, qMax(room.top(), room.bottom() - size.height())));
}

}  // namespace

GraficosCommand* GraficosCommand::install(QWidget& owner, EventTable& table, const CaseState& state,
                                          FailureReporter failure) {
  auto* command = new GraficosCommand(owner, state, std::move(failure));
  table.bind(names::kValorespredictivos1, Event::Click,
             [command] { command->open(GraficosWindow::kCurvePage); });
  table.bind(names::kNomogramadeFagan1, Event::Click,
             [command] { command->open(GraficosWindow::kNomogramPage); });
  table.addDeliveryObserver([command] { command->followState(); });
  return command;
}

GraficosCommand::GraficosCommand(QWidget& owner, const CaseState& state, FailureReporter failure)
    : QObject(&owner), m_owner(owner), m_state(state), m_failure(std::move(failure)) {}

void GraficosCommand::open(GraficosWindow::Page page) {
  if (!m_window) {
    m_window = new GraficosWindow(m_state, m_failure, &m_owner);
    placeBeside(*m_window, m_owner);
  }
  m_window->showPage(page);
  m_window->show();
  m_window->raise();
  m_window->activateWindow();
}

void GraficosCommand::followState() {
  if (m_window) m_window->followState();
}

}  // namespace tarnolo
