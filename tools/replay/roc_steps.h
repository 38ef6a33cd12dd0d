// The replay step of graded tests.
#pragma once

#include <string>
#include <string_view>

#include "replay.h"

namespace tarnolo::replay {

// roc IN METHOD LEVEL OUT: reads the levels from the CSV file IN (one word), analyses them by
// method key METHOD at LEVEL ("50" to "99.9", with ".") and writes the results' CSV
// (roc_text.h) into OUT, the rest of the line. Returns an empty text, or why the step cannot
// run: a malformed argument, or a file IN that cannot be read or is refused, with the window's
// message. A file OUT that cannot be written shows the failure box.
std::string runRocStep(std::string_view in, const std::string& rest, Target& target);

}  // namespace tarnolo::replay
