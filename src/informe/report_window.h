// The report window "Informe": the report of the current case, with the method and level that
// the user chooses, copied, saved as CSV or PDF, or printed.
#pragma once

#include <QDialog>
#include <QWidget>
#include <functional>
#include <memory>

#include "core/case_state.h"
#include "core/events.h"
#include "core/report.h"

namespace Ui {
class ReportWindow;
}

namespace tarnolo {

class ReportWindow : public QWidget {
  Q_OBJECT

 public:
  using DialogHook = std::function<void(QDialog&)>;

  // A window of its own, not modal, owned by owner, showing the report of state with Wald with
  // continuity correction at 95 %. state must outlive the window; failure presents what keeps
  // an output from completing (a file that cannot be written, a printer that fails).
  ReportWindow(const CaseState& state, FailureReporter failure, QWidget* owner);
  ~ReportWindow() override;

  // Builds the report of the state again and shows it, when the window is shown; a hidden
  // window does so when it is shown again.
  void followState();

  // The report on screen.
  const Report& report() const { return m_report; }

  // Called with each dialog of the outputs (the CSV and PDF file dialogs, the print dialog)
  // once built and before it runs: tests act on it as a user would.
  void setDialogHook(DialogHook hook) { m_hook = std::move(hook); }

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private slots:
  void onMetodoChanged();
  void onNivelValueChanged();
  void onCopiarClicked();
  void onGuardarCsvClicked();
  void onImprimirClicked();
  void onGuardarPdfClicked();

 private:
  Q_DISABLE_COPY(ReportWindow)

  void fillChoices();
  void connectControls();
  void rebuild();
  void showCounts();
  void showRows();  // also a slot: the choice of decimals changed
  // The choice of decimals (report_text.h): kAllDigits, kAutomaticDecimals or 0..4.
  int decimals() const;
  QString html() const;
  QString askSavePath(const QString& filter, const QString& suffix);
  void saveFile(const QString& filter, const QString& suffix,
                const std::function<std::string()>& bytes);

  std::unique_ptr<Ui::ReportWindow> m_ui;
  const CaseState& m_state;
  FailureReporter m_failure;
  DialogHook m_hook;
  Report m_report{};
  QString m_directory;  // where the last file went
};

}  // namespace tarnolo
