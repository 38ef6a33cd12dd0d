// The window "Curva ROC": the levels of a graded test typed, pasted or read from CSV, and its
// results per cut-off and per level, the curve with its area, and the best cut-off.
#pragma once

#include <QDialog>
#include <QWidget>
#include <functional>
#include <optional>

#include "core/events.h"
#include "core/roc_analysis.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tarnolo {

class LevelSpinBox;
class RocCurveView;

class RocWindow : public QWidget {
  Q_OBJECT

 public:
  using DialogHook = std::function<void(QDialog&)>;
  // Puts the table of a cut-off into the main window and calculates there.
  using CutoffUser = std::function<void(const CountTable&)>;

  // A window of its own, not modal, owned by owner, with the Hanley and McNeil example as its
  // first table. failure presents what keeps a file or a printout from completing and a file
  // refused; use takes "Usar este punto de corte".
  RocWindow(FailureReporter failure, CutoffUser use, QWidget* owner);

  // The levels typed, top to bottom.
  std::vector<RocRowText> rows() const;
  // Replaces the levels typed.
  void setRows(const std::vector<RocRowText>& rows);
  // The analysis on screen; none while the table is refused (message() says why).
  const std::optional<RocAnalysis>& analysis() const { return m_analysis; }
  QString message() const;
  // The cut-off selected in the results, 0 for none.
  int selectedCutoff() const;

  // Called with each file or print dialog once built and before it runs.
  void setDialogHook(DialogHook hook) { m_hook = std::move(hook); }

 protected:
  void changeEvent(QEvent* event) override;

 private slots:
  void onAnadirClicked();
  void onQuitarClicked();
  void onMoverClicked(int step);
  void onPegarClicked();
  void onAbrirClicked();
  void onGuardarTablaClicked();
  void onUsarClicked();
  void onCopiarClicked();
  void onGuardarResultadosClicked();
  void onGuardarCurvaClicked();
  void onImprimirClicked();

 private:
  Q_DISABLE_COPY(RocWindow)

  QWidget* buildInput();
  QWidget* buildResults();
  void rebuild();
  void showResults();
  void showCutoffs();
  void showLevels();
  QString askPath(const QString& title, const QString& filters, const QString& name, bool save,
                  QString* chosenFilter = nullptr);
  void saveBytes(const QString& path, const std::function<std::string()>& bytes);

  FailureReporter m_failure;
  CutoffUser m_use;
  DialogHook m_hook;
  QString m_directory;
  std::optional<RocAnalysis> m_analysis;
  bool m_filling = false;

  QTableWidget* m_niveles;
  QCheckBox* m_inverso;
  QComboBox* m_metodo;
  LevelSpinBox* m_nivel;
  QLabel* m_mensaje;
  QLabel* m_area;
  QLabel* m_mejor;
  QTableWidget* m_cortes;
  QTableWidget* m_cocientes;
  RocCurveView* m_curva;
  QWidget* m_salidas;
};

}  // namespace tarnolo
