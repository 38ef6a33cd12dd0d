// The main window with its handlers: the form, its view, the event table and the calculator,
// wired as the program runs them.
#pragma once

#include "core/calculator.h"
#include "core/events.h"
#include "core/posix_files.h"
#include "principal/calc_form.h"
#include "principal/file_dialog.h"
#include "principal/qt_view.h"
#include "principal/window_desktop.h"

namespace tarnolo {

struct WindowSession {
  TcalcForm1 window;
  EventTable table;
  QtView view;
  QtFileDialog openDialog1{&window, QtFileDialog::Mode::Open};
  QtFileDialog saveDialog1{&window, QtFileDialog::Mode::Save};
  PosixFileSystem files;
  WindowDesktop desktop{window};
  Calculator calculator;

  // Creates the window, binds every handler to its control's event, and runs FormCreate; a
  // failure of FormCreate leaves the constructor. notice shows the notices, report the failures
  // that leave a handler.
  WindowSession(QtView::NoticePresenter notice, FailureReporter report);
  WindowSession(const WindowSession&) = delete;
  WindowSession& operator=(const WindowSession&) = delete;

  CaseState& state() { return calculator.state(); }
};

}  // namespace tarnolo
