// Work that the first frame of a window does not need, done once that frame is painted.
#pragma once

#include <functional>

class QWidget;

namespace tarnolo {

// Runs work once, from the event loop, after window has painted its first frame (the paint is
// on screen before work starts). Nothing runs when window goes before it is painted.
void runAfterFirstFrame(QWidget& window, std::function<void()> work);

}  // namespace tarnolo
