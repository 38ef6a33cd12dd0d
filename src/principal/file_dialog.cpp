// The window's file dialogs.
#include "principal/file_dialog.h"

namespace tarnolo {

bool QtFileDialog::execute() {
  QFileDialog dialog(m_owner);
  dialog.setObjectName(m_mode == Mode::Open ? "OpenDialog1" : "SaveDialog1");
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setFileMode(QFileDialog::AnyFile);  // no existence check, also when opening
  dialog.setAcceptMode(m_mode == Mode::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setNameFilter(QStringLiteral("Archivos ROC (*.ROC *.roc)"));
  dialog.setDefaultSuffix(QStringLiteral("ROC"));
  dialog.selectFile(QString::fromStdString(m_name));
  if (m_hook) m_hook(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  m_name = withDefaultExtension(dialog.selectedFiles().constFirst().toStdString());
  return true;
}

}  // namespace tarnolo
