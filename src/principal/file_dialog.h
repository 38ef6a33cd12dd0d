// The window's file dialogs (OpenDialog1, SaveDialog1) on Qt's file dialog.
#pragma once

#include <QFileDialog>
#include <QPointer>
#include <functional>

#include "core/case_file.h"

namespace tarnolo {

// A modal dialog with the one filter "Archivos ROC" (*.ROC, and *.roc since Linux tells the
// cases apart), the default extension "ROC", no existence check and no overwrite question.
class QtFileDialog : public FileDialog {
 public:
  enum class Mode { Open, Save };
  QtFileDialog(QWidget* owner, Mode mode) : m_owner(owner), m_mode(mode) {}

  void clearFileName() override { m_name.clear(); }
  bool execute() override;
  std::string fileName() const override { return m_name; }

  // Called with the dialog once it is built and before it runs: tests and the window replay
  // act on it as a user would.
  using Hook = std::function<void(QFileDialog&)>;
  void setHook(Hook hook) { m_hook = std::move(hook); }

 private:
  QWidget* m_owner;
  Mode m_mode;
  std::string m_name;
  Hook m_hook;
};

}  // namespace tarnolo
