// The command "Prueba con varios niveles…".
#include "roc/roc_command.h"

#include "core/control_names.h"
#include "core/roc_use.h"

namespace tarnolo {

RocCommand* RocCommand::install(QWidget& owner, View& view, EventTable& table,
                                FailureReporter failure) {
  auto* command = new RocCommand(owner, view, table, std::move(failure));
  table.bind(names::kPruebaconvariosniveles1, Event::Click, [command] { command->open(); });
  return command;
}

RocCommand::RocCommand(QWidget& owner, View& view, EventTable& table, FailureReporter failure)
    : QObject(&owner),
      m_owner(owner),
      m_view(view),
      m_table(table),
      m_failure(std::move(failure)) {}

void RocCommand::open() {
  if (!m_window) {
    m_window = new RocWindow(
        m_failure, [this](const CountTable& counts) { useCutoff(counts, m_view, m_table); },
        &m_owner);
  }
  m_window->show();
  m_window->raise();
  m_window->activateWindow();
}

}  // namespace tarnolo
