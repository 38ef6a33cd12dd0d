// The font configuration, loaded on a second core while the toolkit connects to the display.
#pragma once

#include <thread>

namespace tarnolo {

// Reading the system's font configuration and its font list is the largest single step before
// the first frame, and the first text of the window would do it on the main thread. Started
// before the application object, it runs beside the toolkit's own start; wait() (or the end of
// the object) joins it before the window is built, so that the toolkit finds it ready.
class FontConfigWarmUp {
 public:
  FontConfigWarmUp();
  ~FontConfigWarmUp();
  FontConfigWarmUp(const FontConfigWarmUp&) = delete;
  FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

  void wait();

 private:
  std::thread m_thread;
};

}  // namespace tarnolo
