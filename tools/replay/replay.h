// tarnolo-replay: a user session as a script, one step a line, and what the user then sees.
#pragma once

#include <iosfwd>
#include <string>

#include "core/session.h"

namespace tarnolo::replay {

// Steps:
//   set NAME TEXT       the program writes TEXT (possibly empty) into control NAME
//   click NAME          a click on control or menu item NAME (nothing if hidden or disabled)
//   select NAME INDEX   the user picks item INDEX of a radio group
//   scroll NAME POS     a thumb drag of slider NAME to POS, with its notifications
//   separator C         the regional settings change the decimal separator to C
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
//   # ...               a comment; empty lines are skipped
// Runs the script on the session. Returns 0, or 2 after writing "line N: why" to err for an
// unknown step, an unknown control, method or level, or a malformed argument (the steps before
// it have run).
int runScript(std::istream& script, ModelSession& session, std::ostream& err);

// What the user sees, one record a line, fields separated by tabs: each message box
// ("notice"/"error", TEXT), then "control", NAME and key=value fields for every control,
// then "height", then "state", FIELD, VALUE for every field of the case state.
void printSnapshot(const ModelSession& session, std::ostream& out);

// A JSON string literal of text: quotes, backslashes and control characters escaped.
std::string jsonString(const std::string& text);

}  // namespace tarnolo::replay
