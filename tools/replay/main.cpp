// tarnolo-replay [--window] [SCRIPT]: replays a user session on the control model, or with
// --window on the real window, and prints what the user sees. Reads standard input without
// SCRIPT.
#include <cstring>
#include <fstream>
#include <iostream>

#include "core/arithmetic.h"
#include "core/number_text.h"
#include "replay.h"
#ifdef TARNOLO_REPLAY_WINDOW
#include "plot_writer.h"
#include "shell/application.h"
#include "window_replay.h"
#endif

namespace {

int usage() {
#ifdef TARNOLO_REPLAY_WINDOW
  std::cerr << "usage: tarnolo-replay [--window] [SCRIPT]\n";
#else
  std::cerr << "usage: tarnolo-replay [SCRIPT]  (built without the window: no --window)\n";
#endif
  return 2;
}

int replayOn(bool window, [[maybe_unused]] int argc, [[maybe_unused]] char** argv,
             std::istream& script) {
  if (window) {
#ifdef TARNOLO_REPLAY_WINDOW
    return tarnolo::replay::runOnWindow(argc, argv, script, std::cout, std::cerr);
#endif
  }
  tarnolo::ModelSession session;
#ifdef TARNOLO_REPLAY_WINDOW
  // The separator that the window would read in this environment, by the toolkit's rule.
  tarnolo::useLocaleSeparator(session.model);
#else
  session.model.setSeparator(tarnolo::environmentSeparator());
#endif
  const int status = tarnolo::replay::runScript(script, session, std::cerr);
  if (status == 0) tarnolo::replay::printSnapshot(session, std::cout);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  int first = 1;
  const bool window = argc > 1 && std::strcmp(argv[1], "--window") == 0;
  if (window) ++first;
#ifndef TARNOLO_REPLAY_WINDOW
  if (window) return usage();
#endif
  if (argc - first > 1) return usage();
  tarnolo::loadFloatingPointSetting();
#ifdef TARNOLO_REPLAY_WINDOW
  tarnolo::replay::installPlotWriter();
#endif
  if (argc - first == 0) return replayOn(window, 1, argv, std::cin);
  std::ifstream script(argv[first]);
  if (!script) {
    std::cerr << "tarnolo-replay: cannot read " << argv[first] << "\n";
    return 2;
  }
  return replayOn(window, 1, argv, script);
}
