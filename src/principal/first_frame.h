// Work that the first frame need not wait for.
#pragma once

#include <functional>

class QWindow;

namespace tarnolo {

// Runs then once, from the event loop, right after window has first been exposed (and so
// painted).
void afterFirstFrame(QWindow& window, std::function<void()> then);

}  // namespace tarnolo
