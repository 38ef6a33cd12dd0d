// Tarnolo as it starts, ended by the first-frame probe (first_frame.cpp).
#include "shell/application.h"

int main(int argc, char** argv) {
  return tarnolo::runTarnolo(argc, argv);
}
