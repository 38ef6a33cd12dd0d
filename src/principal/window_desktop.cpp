// The desktop around the real window.
#include "principal/window_desktop.h"

#include <memory>

#include "about/about_box.h"

namespace tarnolo {

void WindowDesktop::showAboutBox() {
  // Created for this use, owned by the main window, destroyed when closed or when a failure
  // leaves the modal loop.
  const auto box = std::make_unique<TAboutBox>(&m_window);
  box->exec();
}

}  // namespace tarnolo
