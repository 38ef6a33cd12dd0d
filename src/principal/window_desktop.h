// The desktop around the real window: closing it, the help viewer, the About box.
#pragma once

#include <QWidget>
#include <functional>

#include "core/desktop.h"

class QDialog;

namespace tarnolo {

// Shows box modally until it is closed and returns its result, as QDialog::exec does, but in a
// loop of this function's own: QDialog::exec keeps a pointer to its loop in the box, which a
// failure leaving the loop leaves dangling, so that destroying the box afterwards would crash.
int runModal(QDialog& box);

class WindowDesktop : public Desktop {
 public:
  // The shell's help viewer, called with the owning window, the command and its argument.
  using HelpViewerCall = std::function<void(QWidget* owner, int command, int data)>;

  explicit WindowDesktop(QWidget& window) : m_window(window) {}
  void setHelpViewer(HelpViewerCall call) { m_help = std::move(call); }

  void closeMainWindow() override { m_window.close(); }
  void openHelp(int command, int data) override {
    if (m_help) m_help(&m_window, command, data);
  }
  void showAboutBox() override;

 private:
  QWidget& m_window;
  HelpViewerCall m_help;
};

}  // namespace tarnolo
