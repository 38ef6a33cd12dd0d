// The desktop around the real window.
#include "principal/window_desktop.h"

#include <QDialog>
#include <QEventLoop>
#include <memory>

#include "about/about_box.h"

namespace tarnolo {

int runModal(QDialog& box) {
  box.setAttribute(Qt::WA_ShowModal, true);
  box.setResult(0);
  QEventLoop loop;
  QObject::connect(&box, &QDialog::finished, &loop, &QEventLoop::quit);
  box.show();
  loop.exec(QEventLoop::DialogExec);
  return box.result();
}

void WindowDesktop::showAboutBox() {
  // Created for this use, owned by the main window, destroyed when closed or when a failure
  // leaves the modal loop.
  const auto box = std::make_unique<TAboutBox>(&m_window);
  runModal(*box);
}

}  // namespace tarnolo
