// tarnolo-replay [SCRIPT]: replays a user session on the control model and prints what the
// user sees. Reads standard input without SCRIPT.
#include <fstream>
#include <iostream>

#include "core/arithmetic.h"
#include "core/number_text.h"
#include "replay.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: tarnolo-replay [SCRIPT]\n";
    return 2;
  }
  tarnolo::loadFloatingPointSetting();
  tarnolo::readDecimalSeparator();
  tarnolo::ModelSession session;
  int status = 0;
  if (argc == 2) {
    std::ifstream script(argv[1]);
    if (!script) {
      std::cerr << "tarnolo-replay: cannot read " << argv[1] << "\n";
      return 2;
    }
    status = tarnolo::replay::runScript(script, session, std::cerr);
  } else {
    status = tarnolo::replay::runScript(std::cin, session, std::cerr);
  }
  if (status != 0) return status;
  tarnolo::replay::printSnapshot(session, std::cout);
  return 0;
}
