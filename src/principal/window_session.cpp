// The main window with its handlers.
#include "principal/window_session.h"

namespace tarnolo {

WindowSession::WindowSession(QtView::NoticePresenter notice, FailureReporter report)
    : view(window, table, std::move(notice)),
      calculator(view, {openDialog1, saveDialog1, files}, desktop) {
  calculator.bindEvents(table);
  table.setFailureReporter(std::move(report));
  window.attach(table);
  calculator.FormCreate();
}

}  // namespace tarnolo
