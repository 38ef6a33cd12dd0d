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
  // Selected item of the radio group (-1: none). A write that changes the selection to an item
  // runs the group's click handler after storing it; a failure of that handler leaves setItemIndex.
  virtual int32_t itemIndex(std::string_view control) const = 0;
  virtual void setItemIndex(std::string_view control, int32_t index) = 0;
  // Client height of the main window (105 compact, 311 full).
  virtual void setClientHeight(int32_t height) = 0;
  // A modal notice with the application title; returns when the user has closed it.
  virtual void showNotice(const std::string& text) = 0;
};

}  // namespace tarnolo
