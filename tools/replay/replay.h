// tarnolo-replay: a user session as a script, one step a line, and what the user then sees.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/case_state.h"
#include "core/control_model.h"
#include "core/session.h"
#include "core/slider_gestures.h"

namespace tarnolo::replay {

// What the user sees after a session: the message boxes in the order shown, every control of
// the main window (in the control model's order, texts as the view reads them), the window's
// client height and the calculator's state.
struct Snapshot {
  std::vector<Message> messages;
  std::vector<ModelControl> controls;
  int32_t height = 0;
  CaseState state;
};

// Where a script's steps go: the control model (ModelTarget below) or the real window
// (window_replay.h). Each gesture does what a user's does: nothing on a hidden control.
class Target {
 public:
  virtual ~Target() = default;
  // The kind of the main window's control named, none when there is no such control.
  virtual std::optional<ControlKind> kind(std::string_view control) const = 0;
  // The program writes text into a text box or cell.
  virtual void write(std::string_view control, const std::string& text) = 0;
  // A click on a button, a menu item or a text box.
  virtual void click(std::string_view control) = 0;
  // The user takes the text box or cell to the keyboard as Tab does, its text selected, and
  // types text key by key.
  virtual void type(std::string_view control, const std::string& text) = 0;
  // The user takes control to the keyboard as Tab does (a radio group: the item Tab reaches).
  // Returns false where there is no keyboard focus (the control model).
  virtual bool focus(std::string_view control) = 0;
  // The user presses keys, "Alt+C", "F10", "Down", "Space" ("Alt" alone: pressed and let go), in
  // the open menu, else the focused control. Returns false where there are no keys (the model).
  virtual bool pressKeys(const std::string& keys) = 0;
  // The user picks item index of the radio group.
  virtual void select(std::string_view control, int32_t index) = 0;
  // The user drags the slider's thumb to position: one gesture.
  virtual void scroll(std::string_view control, int32_t position) = 0;
  // The user presses a key of the slider and lets it go: one gesture of one step.
  virtual void press(std::string_view control, SliderKey key) = 0;
  // The user takes the thumb, moves it through each position and lets it go: one gesture.
  virtual void drag(std::string_view control, const std::vector<int32_t>& positions) = 0;
  // A click on control, which opens the open (or save) dialog; the user types name into it and
  // confirms, or cancels it when there is no name.
  virtual void fileCommand(std::string_view control, bool open,
                           const std::optional<std::string>& name) = 0;
  virtual CaseState& state() = 0;
  // The view of the main window, whose separator the separator step changes.
  virtual View& view() = 0;
  // The failure box, for a failure outside the window's handlers (the report step).
  virtual void reportFailure(const std::string& text) = 0;
  virtual Snapshot snapshot() const = 0;
  // The main window has been closed (menu "Salir"): no step can reach it any more.
  virtual bool closed() const = 0;
};

// The steps on the control model of session, which must outlive the target.
class ModelTarget : public Target {
 public:
  explicit ModelTarget(ModelSession& session) : m_session(session) {}
  std::optional<ControlKind> kind(std::string_view control) const override;
  void write(std::string_view control, const std::string& text) override;
  void click(std::string_view control) override;
  // The model knows no keys: the text arrives whole, as set writes it, but a count cell keeps
  // only the digits that its mask lets through.
  void type(std::string_view control, const std::string& text) override;
  bool focus(std::string_view) override { return false; }
  bool pressKeys(const std::string&) override { return false; }
  void select(std::string_view control, int32_t index) override;
  void scroll(std::string_view control, int32_t position) override;
  void press(std::string_view control, SliderKey key) override;
  void drag(std::string_view control, const std::vector<int32_t>& positions) override;
  void fileCommand(std::string_view control, bool open,
                   const std::optional<std::string>& name) override;
  CaseState& state() override { return m_session.state(); }
  View& view() override { return m_session.model; }
  void reportFailure(const std::string& text) override { m_session.model.reportFailure(text); }
  Snapshot snapshot() const override;
  bool closed() const override { return m_session.desktop.closed; }

 private:
  ModelSession& m_session;
};

// What the user sees of the control model.
Snapshot modelSnapshot(const ModelSession& session);

// Steps:
//   set NAME TEXT       the program writes TEXT (possibly empty) into control NAME
//   type NAME TEXT      the user tabs to text box or cell NAME and types TEXT key by key (on the
//                       model: as set, a count cell keeping the digits its mask takes)
//   focus NAME          the user tabs to control NAME (the window only)
//   press KEYS          the user presses KEYS, "Alt+C", "F10", "Space", "Alt" (the window only)
//   click NAME          a click on a button, menu item or text box NAME (nothing if hidden or
//                       disabled); a radio group takes select, a slider scroll
//   select NAME INDEX   the user picks item INDEX of a radio group
//   scroll NAME POS     a thumb drag of slider NAME to POS, with its notifications
//   line NAME -1|+1     one arrow key (or arrow button) on slider NAME, towards Min or Max
//   page NAME -1|+1     one page key (or click in the track) on slider NAME
//   key NAME Home|End   the Home or End key on slider NAME
//   drag NAME P1 [P2 ...]  the thumb of slider NAME taken, moved through P1, P2... and let go
//   separator C         the regional settings change the decimal separator to C, "." or ","
//   open PATH           a click on "&Abrir"; the user picks PATH (the rest of the line) in the
//                       open dialog, which adds ".ROC" to a name without extension
//   open-menu PATH      the same from the menu item "Abrir"
//   save PATH           a click on "&Salvar"; the user picks PATH in the save dialog
//   save-menu PATH      the same from the menu item "Guardar"
//   cancel-open         a click on "&Abrir"; the user cancels the dialog
//   cancel-save         a click on "&Salvar"; the user cancels the dialog
//   report M L PATH     writes the report's CSV (report_text.h) by method key M at level L
//                       ("50" to "99.9", always with ".") into PATH; a file that cannot be
//                       written shows the failure box
//   paired A B C D E F G H M L PATH   the comparison of two tests (paired_steps.h)
//   roc IN M L OUT      reads the levels of a graded test from the CSV file IN (roc_table.h)
//                       and writes its results' CSV (roc_text.h) by method M at level L into
//                       OUT; a file IN that cannot be read or is refused stops the script
//   curve, nomogram, plot   the pictures' steps (picture_steps.h)
//   # ...               a comment; empty lines are skipped
// Runs the script on the target. Returns 0, or 2 after writing "line N: why" to err for an
// unknown step, an unknown control, method or level, a malformed argument, or any step after
// the window was closed (the steps before it have run); 2 after "tarnolo-replay: cannot read
// the script" when reading it fails (a folder, say).
int runScript(std::istream& script, Target& target, std::ostream& err);
int runScript(std::istream& script, ModelSession& session, std::ostream& err);

// What the user sees, one record a line, fields separated by tabs: each message box
// ("notice"/"error", TEXT escaped as by escapedText), then "control", NAME and key=value fields
// for every control, then "height", then "state", FIELD, VALUE for every field of the case
// state.
void printSnapshot(const Snapshot& snapshot, std::ostream& out);
void printSnapshot(const ModelSession& session, std::ostream& out);

// A JSON string literal of text: quotes, backslashes and control characters escaped.
std::string jsonString(const std::string& text);
// The same without the enclosing quotes: "a\tb" -> a\u0009b, so that a text stays one field.
std::string escapedText(const std::string& text);

}  // namespace tarnolo::replay
