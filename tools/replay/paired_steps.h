// The replay step of the comparison of two tests on the same patients.
#pragma once

#include <string>

#include "replay.h"

namespace tarnolo::replay {

// paired A B C D E F G H METHOD LEVEL PATH: writes the comparison's CSV (pairedCsv) of the
// eight counts (signed 32-bit) with each test's limits by method key METHOD at level LEVEL ("50"
// to "99.9", always with ".") into PATH, the rest of the line. A file that cannot be written
// shows the failure box. args is everything after "paired ". Returns an empty text, or why the
// step cannot run.
std::string runPairedStep(const std::string& args, Target& target);

}  // namespace tarnolo::replay
