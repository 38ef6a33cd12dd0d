// The window "Comparar dos pruebas": eight counts of two tests read on the same patients, each
// test's indices side by side and the paired comparisons; copied, saved as CSV or PDF, printed;
// the case kept in a small CSV file.
#pragma once

#include <QDialog>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "core/events.h"
#include "core/paired_comparison.h"
#include "core/paired_text.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace tarnolo {

class LevelSpinBox;

class PairedWindow : public QWidget {
  Q_OBJECT

 public:
  using DialogHook = std::function<void(QDialog&)>;

  // A window of its own, not modal, owned by owner, with empty counts, the names "Prueba 1" and
  // "Prueba 2", Wilson at 95 %. failure presents a count that is not an integer and what keeps
  // a file from being read or written.
  PairedWindow(FailureReporter failure, QWidget* owner);

  // Reads the eight cells and shows the comparison. A cell that is no integer shows the failure
  // box of the main window's cells ("'x' is not a valid integer value.") and keeps what the
  // window showed; nothing typed is changed. Returns whether the comparison is shown.
  bool calculate();

  // The comparison on screen, none before the first calculation.
  const std::optional<PairedComparison>& comparison() const { return m_comparison; }
  TestNames names() const;

  // Called with each dialog (the file dialogs, the print dialog) once built and before it runs.
  void setDialogHook(DialogHook hook) { m_hook = std::move(hook); }

 private slots:
  void onCalcularClicked();
  void onAbrirClicked();
  void onGuardarClicked();
  void onCopiarClicked();
  void onGuardarCsvClicked();
  void onImprimirClicked();
  void onGuardarPdfClicked();

 private:
  Q_DISABLE_COPY(PairedWindow)

  QWidget* buildCounts();
  QWidget* buildChoices();
  QWidget* buildButtons();
  void buildTables();
  void showMargins(const std::array<int64_t, 8>& n);
  void showResults();
  void refresh();
  QString html() const;
  QString askPath(bool save, const QString& filter, const QString& suffix, const QString& name);
  void saveFile(const QString& filter, const QString& suffix, const QString& name,
                const std::function<std::string()>& bytes);

  FailureReporter m_failure;
  DialogHook m_hook;
  std::array<QLineEdit*, 8> m_cells{};
  QLineEdit *m_name1 = nullptr, *m_name2 = nullptr;
  QLabel* m_margins = nullptr;
  QLabel* m_tables = nullptr;
  QComboBox* m_metodo = nullptr;
  LevelSpinBox* m_nivel = nullptr;
  QTableWidget *m_indices = nullptr, *m_comparaciones = nullptr;
  std::optional<PairedComparison> m_comparison;
  QString m_directory;
};

}  // namespace tarnolo
