// The main window's handlers, toolkit-free: each event runs one calculation or command on the
// one CaseState and the view, and may resize the window.
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

  void FormCreate();  // compact window

  // Binds each control's event to the calculation or command that it runs: the table, the
  // limits and the level; the Bayes mode and its sliders; the re-scale (the total cell,
  // "&Recalc.", "Redimens."); the case commands from the buttons and the menu; "Salir", the help
  // and the About box. "&Calcular" and "&Nuevo" then also resize the window.
  void bindEvents(EventTable& table);

 private:
  View& view_;
  CaseFiles caseFiles_;
  Desktop& desktop_;
  CaseState state_;
};

}  // namespace tarnolo
