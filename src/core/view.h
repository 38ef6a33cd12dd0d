// The view operations: how calculations and case commands reach the main window's controls,
// by control name, without any toolkit.
//
// Who calls whom: an event of a control (a click, a slider notification) reaches the
// EventTable (events.h), which runs the bound handler of the Calculator (calculator.h) under
// the failure guard. Handlers run the calculations (two_by_two.h, confidence.h, bayes.h) and
// the case commands (case_file.h); these read and write controls only through View. The
// ControlModel (control_model.h) implements View in memory for tests and tarnolo-replay; the
// Qt window implements it on real widgets.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/events.h"

namespace tarnolo {

class View {
 public:
  virtual ~View() = default;

  // Text of a text box, masked cell or limit cell. A masked cell reads without its trailing
  // blanks; a write of any text is accepted as it is.
  virtual std::string text(std::string_view control) const = 0;
  virtual void setText(std::string_view control, const std::string& text) = 0;
  // Progress of a percentage bar, clamped to 0..100.
  virtual void setProgress(std::string_view control, int32_t progress) = 0;
  // Position of a slider. A write clamps to the slider's range; a changed position enables the
  // slider; a write never runs the slider's scroll handler.
  virtual int32_t position(std::string_view control) const = 0;
  virtual void setPosition(std::string_view control, int32_t position) = 0;
  virtual void setEnabled(std::string_view control, bool enabled) = 0;
  virtual void setVisible(std::string_view control, bool visible) = 0;
  // Selected item of the radio group (-1: none), clamped to -1..the last item. A write that
  // changes the selection to an item runs the group's click handler in the table of
  // runHandlersFrom after storing it, as a user's choice would, unless the writer asks to skip
  // it; the handler runs unguarded: its failure leaves setItemIndex. This is the one write by
  // the program that runs a handler (a slider's never does).
  enum class Handler { Run, Skip };
  virtual int32_t itemIndex(std::string_view control) const = 0;
  void setItemIndex(std::string_view control, int32_t index, Handler handler = Handler::Run) {
    const bool chosen = storeItemIndex(control, index);
    if (chosen && handler == Handler::Run && handlers_) handlers_->invoke(control, Event::Click);
  }
  // Client height of the main window (105 compact, 311 full).
  virtual void setClientHeight(int32_t height) = 0;
  // A modal notice with the application title; returns when the user has closed it.
  virtual void showNotice(const std::string& text) = 0;

  // The decimal separator of the user's locale, with which the calculations write numbers into
  // the controls and read them back: "." until the window sets the locale's.
  char separator() const { return separator_; }
  void setSeparator(char separator) { separator_ = separator; }

  // The table whose handlers a write by the program runs (see setItemIndex); none at first.
  // table must outlive the view's use.
  void runHandlersFrom(const EventTable& table) { handlers_ = &table; }

 protected:
  // Stores the selection of a radio group, clamped; true when it changed to an item (not -1).
  virtual bool storeItemIndex(std::string_view control, int32_t index) = 0;

 private:
  const EventTable* handlers_ = nullptr;
  char separator_ = '.';
};

}  // namespace tarnolo
