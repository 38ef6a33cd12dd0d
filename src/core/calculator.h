// The main window's handlers, toolkit-free: each runs one calculation or command on the one
// CaseState and the view, and may resize the window.
#pragma once

#include "core/case_file.h"
#include "core/case_state.h"
#include "core/desktop.h"
#include "core/events.h"
#include "core/view.h"

namespace tarnolo {

inline constexpr int kCompactHeight = 105;
inline constexpr int kFullHeight = 311;

// Where the case commands get their file names and files: the window's two dialogs and the
// file system. All three must outlive the calculator.
struct CaseFiles {
  FileDialog& openDialog1;
  FileDialog& saveDialog1;
  FileSystem& files;
};

class Calculator {
 public:
  Calculator(View& view, CaseFiles caseFiles, Desktop& desktop)
      : view_(view), caseFiles_(caseFiles), desktop_(desktop) {}

  CaseState& state() { return state_; }
  const CaseState& state() const { return state_; }
  View& view() { return view_; }

  void FormCreate();    // compact window
  void BitBtn6Click();  // "&Calcular": the table, then the full window
  void icClick();       // "IC": show or hide the limits
  void ZalfaClick();    // the level changed

  void bayesbotonClick();      // "&Bayes": enter the Bayes mode
  void BayesOkClick();         // "Ok": leave it
  void sensScrollBarScroll();  // a slider's notification: the Bayes table again
  void espScrollBarScroll();
  void prevScrollBarScroll();
  void totalClick();    // a click in the total cell: re-scale
  void BitBtn5Click();  // "&Recalc.": re-scale
  void BitBtn1Click();  // "Redimens.": re-scale

  void Abrir1Click();    // menu "Abrir"
  void BitBtn8Click();   // "&Abrir"
  void Guardar1Click();  // menu "Guardar"
  void BitBtn7Click();   // "&Salvar"
  void Nuevo1Click();    // menu "Nuevo": empty table, height unchanged
  void BitBtn4Click();   // "&Nuevo": empty table, compact window

  void Salir1Click();               // menu "Salir": close the window, which ends the program
  void Pruebasdiagnsticas1Click();  // menu "Pruebas diagnósticas ..": the help's contents
  void Acercade1Click();            // menu "Acerca de ...": the About box

  // Binds every handler above to its control's event.
  void bindEvents(EventTable& table);

 private:
  View& view_;
  CaseFiles caseFiles_;
  Desktop& desktop_;
  CaseState state_;
};

}  // namespace tarnolo
