// The font configuration's warm-up.
#include "shell/font_warm_up.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace tarnolo {

FontConfigWarmUp::FontConfigWarmUp() {
  try {
    m_thread = std::thread([] { FcInit(); });
  } catch (const std::system_error&) {
    // No second thread: the toolkit loads the configuration itself, as it would anyway.
  }
}

FontConfigWarmUp::~FontConfigWarmUp() {
  wait();
}

void FontConfigWarmUp::wait() {
  if (m_thread.joinable()) m_thread.join();
}

}  // namespace tarnolo
