// A user's slider gestures on the control model: which positions the handler sees, what is
// stored, and how a failing step ends the gesture.
#include "core/slider_gestures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/control_names.h"
#include "core/failures.h"

namespace tarnolo {
namespace {

constexpr std::string_view kSlider = names::kSensScrollBar;  // range 1 to 99

struct GestureCase {
  const char* name;
  int32_t start;
  SliderKey key;              // used when drag is empty
  std::vector<int32_t> drag;  // the positions of a drag
  int failAt;                 // the notification that fails (1 is the first), 0: none
  std::vector<int32_t> seen;  // the stored position at each notification
  int32_t end;                // the position stored at the end
};

const GestureCase kGestures[] = {
    {"line up", 40, SliderKey::LineMore, {}, 0, {40, 41}, 41},
    {"line down", 40, SliderKey::LineLess, {}, 0, {40, 39}, 39},
    {"page up", 40, SliderKey::PageMore, {}, 0, {40, 41}, 41},
    {"page down", 40, SliderKey::PageLess, {}, 0, {40, 39}, 39},
    {"Home", 40, SliderKey::Home, {}, 0, {40, 1}, 1},
    {"End", 40, SliderKey::End, {}, 0, {40, 99}, 99},
    // At the end of the range the key still steps, to where the slider stands.
    {"line up at the maximum", 99, SliderKey::LineMore, {}, 0, {99, 99}, 99},
    {"Home at the minimum", 1, SliderKey::Home, {}, 0, {1, 1}, 1},
    {"a failing key step", 40, SliderKey::LineMore, {}, 1, {40}, 40},
    {"a failing end of gesture", 40, SliderKey::End, {}, 2, {40, 99}, 99},
    {"drag through three", 40, {}, {50, 60, 70}, 0, {40, 50, 60, 70, 70}, 70},
    // A position the thumb already holds is no step; beyond the range it clamps.
    {"drag with a repeat", 40, {}, {50, 50, 200, -3}, 0, {40, 50, 99, 1, 1}, 1},
    {"thumb taken and let go", 40, {}, {40}, 0, {40, 40}, 40},
    {"drag failing midway", 40, {}, {50, 60, 70}, 2, {40, 50}, 50},
    {"drag failing at the release", 40, {}, {50}, 2, {40, 50}, 50},
};

TEST(SliderGesture, StepsNotifyBeforeStoringAndAFailureEndsTheGesture) {
  for (const GestureCase& c : kGestures) {
    SCOPED_TRACE(c.name);
    ControlModel model;
    EventTable table;
    model.attach(table);
    model.setVisible(kSlider, true);
    model.setPosition(kSlider, c.start);
    std::vector<int32_t> seen;
    std::vector<std::string> failures;
    table.setFailureReporter([&](const std::string& text) { failures.push_back(text); });
    table.bind(kSlider, Event::Scroll, [&] {
      seen.push_back(model.position(kSlider));
      if (static_cast<int>(seen.size()) == c.failAt) raiseInvalidOp();
    });
    if (c.drag.empty())
      keyGesture(model, table, kSlider, c.key);
    else
      dragGesture(model, table, kSlider, c.drag);
    EXPECT_EQ(seen, c.seen);
    EXPECT_EQ(model.position(kSlider), c.end);
    EXPECT_EQ(failures.size(), c.failAt ? 1u : 0u);
  }
}

TEST(SliderGesture, AHiddenOrDisabledSliderTakesNothing) {
  for (bool hidden : {true, false}) {
    ControlModel model;
    EventTable table;
    model.attach(table);
    model.setVisible(kSlider, !hidden);
    model.setPosition(kSlider, 40);
    model.setEnabled(kSlider, hidden);
    int notified = 0;
    table.bind(kSlider, Event::Scroll, [&] { ++notified; });
    keyGesture(model, table, kSlider, SliderKey::End);
    dragGesture(model, table, kSlider, {60});
    EXPECT_EQ(notified, 0);
    EXPECT_EQ(model.position(kSlider), 40);
  }
}

}  // namespace
}  // namespace tarnolo
