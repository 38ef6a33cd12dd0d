// A user's gestures on a slider of the control model, step by step as the window's slider
// delivers them: each step notifies while the old position is still stored, then stores the
// new one; the gesture ends with one more notification. A failed notification ends the gesture
// at once: that step is not stored and nothing more is notified.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/control_model.h"
#include "core/events.h"

namespace tarnolo {

// The keys of a slider, with the arrow buttons and track clicks that do the same: every slider
// of the main window has line and page steps of 1.
enum class SliderKey { LineLess, LineMore, PageLess, PageMore, Home, End };

// One key pressed and let go: one step, then the end of the gesture. Nothing on a hidden or
// disabled slider.
void keyGesture(ControlModel& model, const EventTable& table, std::string_view slider,
                SliderKey key);

// The thumb taken, moved through each position in turn (clamped; a position it already holds
// is no step) and let go: the release notifies once, then the gesture ends. Nothing on a hidden
// or disabled slider.
void dragGesture(ControlModel& model, const EventTable& table, std::string_view slider,
                 const std::vector<int32_t>& positions);

}  // namespace tarnolo
