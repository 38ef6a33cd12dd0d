// The control model answers the view operations as the window's controls do.
#include "core/control_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "core/control_names.h"
#include "core/control_table.h"
#include "core/failures.h"

namespace tarnolo {
namespace {

using namespace names;

class ControlModelTest : public ::testing::Test {
 protected:
  void SetUp() override { model.attach(table); }
  ControlModel model;
  EventTable table;
};

// The table of controls is what the model, the accessibility setup and the form check read:
// a name twice or a gap in the tab order would make one of them pick the wrong control.
TEST(ControlTable, NamesAreUniqueAndTabOrderHasNoGapOrRepeat) {
  std::set<std::string_view> names;
  std::vector<int> stops;
  for (const ControlEntry& entry : controlTable()) {
    SCOPED_TRACE(entry.name);
    EXPECT_TRUE(names.insert(entry.name).second);
    EXPECT_EQ(findControl(entry.name), &entry);
    if (entry.tabOrder >= 0) stops.push_back(entry.tabOrder);
    // Only what takes the focus stops the Tab key.
    const bool focusable = entry.kind != ControlKind::Bar && entry.kind != ControlKind::MenuItem &&
                           entry.kind != ControlKind::Label;
    EXPECT_EQ(entry.tabOrder >= 0, focusable);
  }
  std::sort(stops.begin(), stops.end());
  for (size_t i = 0; i < stops.size(); ++i) EXPECT_EQ(stops[i], static_cast<int>(i));
  EXPECT_EQ(findControl("Panel99"), nullptr);
}

// The model holds every control of the table but the labels, in the table's order, each in
// its start-up state.
TEST(ControlTable, ModelTakesEveryControlButTheLabels) {
  ControlModel model;
  auto c = model.controls().begin();
  for (const ControlEntry& entry : controlTable()) {
    SCOPED_TRACE(entry.name);
    if (entry.kind == ControlKind::Label) {
      EXPECT_FALSE(model.has(entry.name));
      continue;
    }
    ASSERT_NE(c, model.controls().end());
    EXPECT_EQ(c->name, entry.name);
    EXPECT_EQ(c->kind, entry.kind);
    EXPECT_EQ(c->visible, entry.visible);
    EXPECT_EQ(c->enabled, entry.enabled);
    EXPECT_EQ(c->value, entry.min);
    ++c;
  }
  EXPECT_EQ(c, model.controls().end());
  EXPECT_EQ(model.control(kZalfa).value, -1);  // no level chosen
  EXPECT_EQ(model.control(kSensScrollBar).value, 1);
  EXPECT_EQ(model.control(kSensGauge).max, 100);
}

TEST_F(ControlModelTest, MaskedCellReadsWithoutTrailingBlanks) {
  const std::pair<const char*, const char*> cases[] = {
      {"12", "12"}, {"", ""}, {"1 3", "1 3"}, {" 12  ", " 12"}, {"12345678", "12345678"},
      {"-3", "-3"}};
  for (const auto& [written, read] : cases) {
    model.setText(kVP, written);
    EXPECT_EQ(model.text(kVP), read);
  }
  model.setText(kTotal, "12 ");  // a plain text box keeps every blank
  EXPECT_EQ(model.text(kTotal), "12 ");
}

TEST_F(ControlModelTest, BarClampsToItsRange) {
  const std::pair<int32_t, int32_t> cases[] = {{150, 100}, {-5, 0}, {42, 42}, {INT32_MIN, 0}};
  for (const auto& [set, shown] : cases) {
    model.setProgress(kSensGauge, set);
    EXPECT_EQ(model.control(kSensGauge).value, shown);
  }
}

TEST_F(ControlModelTest, SliderWriteClampsAndEnablesOnlyOnChange) {
  model.setEnabled(kSensScrollBar, false);
  model.setPosition(kSensScrollBar, 1);  // already there: not even enabled
  EXPECT_FALSE(model.control(kSensScrollBar).enabled);
  model.setPosition(kSensScrollBar, 100);
  EXPECT_EQ(model.position(kSensScrollBar), 99);
  EXPECT_TRUE(model.control(kSensScrollBar).enabled);
  model.setPosition(kSensScrollBar, 0);
  EXPECT_EQ(model.position(kSensScrollBar), 1);
}

TEST_F(ControlModelTest, SliderWriteRunsNoHandler) {
  int runs = 0;
  table.bind(kSensScrollBar, Event::Scroll, [&] { ++runs; });
  model.setPosition(kSensScrollBar, 50);
  EXPECT_EQ(runs, 0);
}

TEST_F(ControlModelTest, RadioGroupWriteRunsTheClickHandlerAfterStoring) {
  std::vector<int32_t> seen;
  table.bind(kZalfa, Event::Click, [&] { seen.push_back(model.itemIndex(kZalfa)); });
  model.setItemIndex(kZalfa, 0);
  model.setItemIndex(kZalfa, 0);   // unchanged: nothing
  model.setItemIndex(kZalfa, 5);   // beyond the last item: the last
  model.setItemIndex(kZalfa, -1);  // cleared: nothing runs
  model.setItemIndex(kZalfa, -7);
  model.setItemIndex(kZalfa, 1, View::Handler::Skip);  // stored, the handler skipped
  EXPECT_EQ(seen, (std::vector<int32_t>{0, 1}));
  EXPECT_EQ(model.itemIndex(kZalfa), 1);
}

TEST_F(ControlModelTest, ProgramWriteOfTheRadioGroupLetsAFailureThrough) {
  table.bind(kZalfa, Event::Click, [] { raiseInvalidOp(); });
  EXPECT_THROW(model.setItemIndex(kZalfa, 0), Failure);
  EXPECT_EQ(model.itemIndex(kZalfa), 0);
  EXPECT_TRUE(model.messages().empty());
}

TEST_F(ControlModelTest, UserGesturesReachOnlyShownEnabledControls) {
  int clicks = 0, scrolls = 0, selects = 0;
  table.bind(kBayes, Event::Click, [&] { ++clicks; });
  table.bind(kSensScrollBar, Event::Scroll, [&] { ++scrolls; });
  table.bind(kZalfa, Event::Click, [&] { ++selects; });
  model.userClick(kBayes);               // disabled at start
  model.userScroll(kSensScrollBar, 50);  // hidden at start
  model.userSelect(kZalfa, 0);           // hidden at start
  EXPECT_EQ(clicks + scrolls + selects, 0);
  EXPECT_EQ(model.position(kSensScrollBar), 1);
  model.setEnabled(kBayes, true);
  model.userClick(kBayes);
  EXPECT_EQ(clicks, 1);
}

TEST_F(ControlModelTest, ScrollHandlerSeesThePositionBeforeTheMoveThenAfter) {
  std::vector<int32_t> seen;
  table.bind(kSensScrollBar, Event::Scroll,
             [&] { seen.push_back(model.position(kSensScrollBar)); });
  model.setVisible(kSensScrollBar, true);
  model.setPosition(kSensScrollBar, 86);
  model.userScroll(kSensScrollBar, 87);
  model.userScroll(kSensScrollBar, 500);  // clamped to 99
  EXPECT_EQ(seen, (std::vector<int32_t>{86, 87, 87, 99}));
}

TEST_F(ControlModelTest, FailingScrollHandlerEndsTheGesture) {
  int runs = 0;
  table.bind(kSensScrollBar, Event::Scroll, [&] {
    ++runs;
    raiseInvalidOp();
  });
  model.setVisible(kSensScrollBar, true);
  model.userScroll(kSensScrollBar, 40);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(model.position(kSensScrollBar), 1);
  ASSERT_EQ(model.messages().size(), 1u);
  EXPECT_EQ(model.messages()[0].text, "Invalid floating point operation.");
}

TEST_F(ControlModelTest, GuardReportsOneBoxAndGoesOn) {
  table.bind(kCalcular, Event::Click, [] { throw std::runtime_error("boom"); });
  table.bind(kIc, Event::Click, [] { raiseInOut(32); });
  model.userClick(kCalcular);
  model.userClick(kIc);
  ASSERT_EQ(model.messages().size(), 2u);
  EXPECT_EQ(model.messages()[0].text, "boom.");
  EXPECT_EQ(model.messages()[1].text, "I/O error 32.");
}

// Observers follow every delivered event, after its handler, whether it completed, failed or
// was not bound; a failing observer gets its own box and the next one still runs.
TEST_F(ControlModelTest, DeliveryObserversRunAfterEveryEvent) {
  std::vector<std::string> seen;
  table.bind(kCalcular, Event::Click, [&] { seen.push_back("handler"); });
  table.bind(kIc, Event::Click, [&] {
    seen.push_back("failing handler");
    raiseInvalidOp();
  });
  table.addDeliveryObserver([&] {
    seen.push_back("first");
    if (seen.size() > 8) raiseZeroDivide();
  });
  table.addDeliveryObserver([&] { seen.push_back("second"); });
  model.userClick(kCalcular);
  model.userClick(kIc);
  model.userClick(kNuevo);  // nothing bound
  EXPECT_EQ(seen, (std::vector<std::string>{"handler", "first", "second", "failing handler",
                                            "first", "second", "first", "second"}));
  model.userClick(kNuevo);
  ASSERT_EQ(model.messages().size(), 2u);
  EXPECT_EQ(model.messages()[0].text, "Invalid floating point operation.");
  EXPECT_EQ(model.messages()[1].text, "Floating point division by zero.");
  EXPECT_EQ(seen.back(), "second");
}

TEST_F(ControlModelTest, UnknownNameIsAProgrammingError) {
  EXPECT_THROW(model.setText("nope", "1"), std::out_of_range);
  EXPECT_THROW(model.setText(kSensGauge, "1"), std::out_of_range);
  EXPECT_FALSE(model.has("nope"));
}

}  // namespace
}  // namespace tarnolo
