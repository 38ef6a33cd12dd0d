// A user's gestures on a slider of the control model.
#include "core/slider_gestures.h"

#include <algorithm>

namespace tarnolo {

namespace {

constexpr int32_t kStep = 1;

bool takesInput(const ModelControl& c) {
  return c.kind == ControlKind::Slider && c.enabled && c.visible;
}

// One step to position: false when its notification failed, and then nothing is stored.
bool step(ControlModel& model, const EventTable& table, std::string_view slider, int32_t position) {
  if (!table.deliver(slider, Event::Scroll)) return false;
  model.setPosition(slider, position);
  return true;
}

int32_t keyTarget(const ModelControl& c, SliderKey key) {
  switch (key) {
    case SliderKey::LineLess:
    case SliderKey::PageLess:
      return c.value - kStep;
    case SliderKey::LineMore:
    case SliderKey::PageMore:
      return c.value + kStep;
    case SliderKey::Home:
      return c.min;
    case SliderKey::End:
      return c.max;
  }
  return c.value;
}

}  // namespace

void keyGesture(ControlModel& model, const EventTable& table, std::string_view slider,
                SliderKey key) {
  const ModelControl& c = model.control(slider);
  if (!takesInput(c)) return;
  // At either end the key still steps, to where the slider stands.
  if (!step(model, table, slider, std::clamp(keyTarget(c, key), c.min, c.max))) return;
  table.deliver(slider, Event::Scroll);
}

void dragGesture(ControlModel& model, const EventTable& table, std::string_view slider,
                 const std::vector<int32_t>& positions) {
  const ModelControl& c = model.control(slider);
  if (!takesInput(c)) return;
  for (int32_t position : positions) {
    position = std::clamp(position, c.min, c.max);
    if (position != c.value && !step(model, table, slider, position)) return;
  }
  // The thumb let go notifies where it stands, then the gesture ends.
  if (!table.deliver(slider, Event::Scroll)) return;
  table.deliver(slider, Event::Scroll);
}

}  // namespace tarnolo
