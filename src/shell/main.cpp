// tarnolo: the accuracy of a diagnostic test, from its two-by-two table.
#include "shell/application.h"

int main(int argc, char** argv) {
  return tarnolo::runTarnolo(argc, argv);
}
