// The window "Gráficos": the predictive values against the prevalence and the Fagan nomogram of
// the current case, at a method and level of the report, copied, saved or printed.
#pragma once

#include <QDialog>
#include <QWidget>
#include <functional>

#include "core/case_state.h"
#include "core/events.h"
#include "core/report.h"
#include "graficos/picture_export.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QTabWidget;
class QTableWidget;

namespace tarnolo {

class CurveWidget;
class LevelSpinBox;
class NomogramWidget;

class GraficosWindow : public QWidget {
  Q_OBJECT

 public:
  enum Page { kCurvePage, kNomogramPage };
  using DialogHook = std::function<void(QDialog&)>;

  // A window of its own, not modal, owned by owner, showing the pictures of state with Wilson at
  // 95 %. state must outlive the window; failure presents what keeps an output from completing.
  GraficosWindow(const CaseState& state, FailureReporter failure, QWidget* owner);

  // Builds the pictures of the state again, when the window is shown.
  void followState();
  void showPage(Page page);
  Page page() const;

  const Report& report() const { return m_report; }
  // The pre-test probability of the nomogram, a fraction.
  double pretest() const;
  // The picture of the page shown, as it is copied, saved and printed.
  Picture picture() const;

  // Called with each dialog of the outputs (the save and print dialogs) before it runs.
  void setDialogHook(DialogHook hook) { m_hook = std::move(hook); }

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private slots:
  void onPrepruebaValueChanged();
  void onCopiarClicked();
  void onGuardarClicked();
  void onImprimirClicked();
  void onMostrarTablaToggled(bool shown);

 private:
  Q_DISABLE_COPY(GraficosWindow)

  QWidget* buildChoices();
  QWidget* buildCurvePage();
  QWidget* buildNomogramPage();
  void rebuild();
  void showCurve();
  void showNomogram();
  void fillTable();

  const CaseState& m_state;
  FailureReporter m_failure;
  DialogHook m_hook;
  Report m_report{};
  bool m_pretestFollows = true;  // the pre-test probability is the case's until the user sets it
  QString m_directory;

  QComboBox* m_metodo = nullptr;
  LevelSpinBox* m_nivel = nullptr;
  QTabWidget* m_paginas = nullptr;
  CurveWidget* m_curva = nullptr;
  QLabel* m_lectura = nullptr;
  QLabel* m_notasCurva = nullptr;
  QCheckBox* m_mostrarTabla = nullptr;
  QTableWidget* m_tabla = nullptr;
  QDoubleSpinBox* m_preprueba = nullptr;
  NomogramWidget* m_nomograma = nullptr;
};

}  // namespace tarnolo
