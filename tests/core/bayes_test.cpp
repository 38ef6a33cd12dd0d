// The Bayes mode on the control model: the rebuilt table, the re-scale commands and the slider
// gestures as a user makes them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/arithmetic.h"
#include "core/bayes.h"
#include "core/control_names.h"
#include "core/session.h"
#include "session_helpers.h"

namespace tarnolo {
namespace {

using namespace names;
using namespace test;

// The sliders set by the program, the total typed, then "&Recalc.".
void recalc(ModelSession& s, int sens, int esp, int prev, const std::string& total) {
  s.model.setPosition(kSensScrollBar, sens);
  s.model.setPosition(kEspScrollBar, esp);
  s.model.setPosition(kPrevScrollBar, prev);
  s.model.setText(kTotal, total);
  s.model.userClick(kRecalc);
}

struct TableCase {
  const char* name;
  int sens, esp, prev;
  const char* total;
  const char* controls;
};

const TableCase kTables[] = {
    {"90/80/10 of 100", 90, 80, 10, "100",
     "sens=90 esp=80 PREVALENCIA=10 CPP=4.5 CPN=8 VPP=33.3333333333333 VPN=98.6301369863014 "
     "ENFERMOS=10 VP=9 FN=1 SANOS=90 VN=72 FP=18 positivos=27 negativos=73 prevap=27 "
     "SensGauge=90 EspGauge=80 prevgauge=10 vppGauge=33 vpngauge=99 prevapGauge=27"},
    // 2.5 rounds to 2, so the counts no longer add up to ENFERMOS and SANOS.
    {"halves go to even", 50, 50, 50, "10",
     "ENFERMOS=5 VP=2 FN=2 SANOS=5 VN=2 FP=2 positivos=4 negativos=4 prevap=40"},
    // 1.5 rounds to 2 twice: four people in a total of 3.
    {"margins beyond the total", 50, 50, 50, "3", "ENFERMOS=2 SANOS=2"},
    // 10 x 0.15 is just below 1.5 and 0.85 x 10 just above 8.5 in extended precision; doubles
    // would give exactly 1.5 and 8.5 and round them to 2 and 8.
    {"prevalence 15 in extended precision", 50, 50, 15, "10",
     "ENFERMOS=1 SANOS=9 VP=1 FN=1 VN=4 FP=4 prevap=50"},
    // The sliders stand at 1 until something moves them.
    {"before any calculation", 1, 1, 1, "100",
     "sens=1 esp=1 PREVALENCIA=1 ENFERMOS=1 VP=0 FN=1 SANOS=99 VN=1 FP=98 prevap=98"},
    // -2.5 goes to -2 as 2.5 goes to 2; prevap is still positivos / total.
    {"negative total", 50, 50, 50, "-5",
     "ENFERMOS=-2 VP=-1 FN=-1 SANOS=-2 FP=-1 positivos=-2 prevap=40"},
    {"largest total", 99, 99, 99, "2147483647",
     "ENFERMOS=2126008811 SANOS=21474836 VP=2104748722 FN=21260088"},
};

TEST(CalcularBayes, RebuildsTheTableWithEachCountRoundedOnItsOwn) {
  for (const TableCase& c : kTables) {
    SCOPED_TRACE(c.name);
    ModelSession s;
    recalc(s, c.sens, c.esp, c.prev, c.total);
    expectControls(s, c.controls);
  }
}

TEST(SliderProportion, IsTheDoubleNearestToAHundredth) {
  for (int position = 0; position <= 100; ++position) {
    SCOPED_TRACE(position);
    EXPECT_EQ(store(position * 0.01L), position / 100.0);
  }
}

struct TotalCase {
  const char* typed;
  const char* error;  // "" when the re-scale succeeds
  int32_t total;      // the stored total afterwards
};

// The total cell is not masked: anything can be typed into it.
const TotalCase kTotals[] = {
    {"", "'' is not a valid integer value.", 7},
    {"abc", "'abc' is not a valid integer value.", 7},
    {"99999999999", "'99999999999' is not a valid integer value.", 7},
    {"0", "Invalid floating point operation.", 0},
    {"2147483647", "", 2147483647},
    {"40", "", 40},
};

TEST(Reescalar, TakesTheTotalFromItsCell) {
  for (const TotalCase& c : kTotals) {
    SCOPED_TRACE(c.typed);
    ModelSession s;
    recalc(s, 50, 50, 50, "7");
    recalc(s, 20, 50, 50, c.typed);
    EXPECT_EQ(s.state().total, c.total);
    const std::vector<std::string> expected = {c.error};
    EXPECT_EQ(errors(s), *c.error ? expected : std::vector<std::string>{});
    // A refused text changes nothing, not even the cells the sliders would rewrite.
    expectControls(s, c.total == 7 ? "sens=50" : "sens=20");
  }
}

TEST(Reescalar, AllThreeCommandsRescale) {
  for (auto command : {kTotal, kRecalc, kRedimens}) {
    SCOPED_TRACE(command);
    ModelSession s;
    s.model.setText(kTotal, "100");
    s.model.userClick(command);
    expectControls(s, "FP=98");
  }
}

// With total 0 every count is 0 and prevap is 0/0: the counts are shown, prevap keeps its old
// value and the limits are not computed.
TEST(Reescalar, ZeroTotalFailsAtTheLastStep) {
  ModelSession s;
  recalc(s, 50, 50, 50, "10");
  recalc(s, 30, 60, 20, "0");
  expectControls(s, "sens=30 VP=0 FP=0 positivos=0 negativos=0 prevap=40 prevapGauge=40");
  EXPECT_EQ(s.state().prevap, 0.4);
  EXPECT_EQ(errors(s), std::vector<std::string>{"Invalid floating point operation."});

  ModelSession fresh;
  recalc(fresh, 50, 50, 50, "0");
  EXPECT_EQ(fresh.model.itemIndex(kZalfa), -1);  // CalcularIC would have picked 95 %
}

// 6, 3, 1, 10 gives a sensitivity of 85.714...: its slider stands at 86.
const char kCalculated[] = "set VP 6\nset FP 3\nset FN 1\nset VN 10\nclick BitBtn6\n";

TEST(BayesMode, EnteringAndLeavingRecomputeNothing) {
  ModelSession s;
  run(s, kCalculated);
  const std::vector<std::string> before = textsOf(s);
  s.model.userClick(kBayes);
  EXPECT_EQ(textsOf(s), before);
  for (auto slider :
       {kSensScrollBar, kEspScrollBar, kPrevScrollBar, kCPPScrollBar, kCPNScrollBar}) {
    const bool shown = slider != kCPPScrollBar && slider != kCPNScrollBar;
    EXPECT_EQ(s.model.control(slider).visible && s.model.control(slider).enabled, shown) << slider;
  }
  EXPECT_FALSE(s.model.control(kBayes).enabled);
  s.model.userScroll(kEspScrollBar, 80);
  const std::vector<std::string> moved = textsOf(s);
  s.model.userClick(kBayesOk);
  EXPECT_EQ(textsOf(s), moved);
  EXPECT_FALSE(s.model.control(kSensScrollBar).visible);
  EXPECT_TRUE(s.model.control(kBayes).enabled);
  EXPECT_FALSE(s.model.control(kBayesOk).enabled);
}

struct GestureCase {
  const char* name;
  int to;
  std::vector<std::string> shown;  // the sens cell after each notification
};

// The handler runs before the slider stores its new position, so each notification shows the
// position before it; the end of the gesture catches up.
const GestureCase kGestures[] = {
    {"one arrow click", 87, {"86", "87"}},
    {"a drag", 40, {"86", "40"}},
    {"a drag past the end", 150, {"86", "99"}},
    {"nowhere", 86, {"86", "86"}},
};

TEST(SliderGesture, DisplayFollowsOneStepBehind) {
  for (const GestureCase& c : kGestures) {
    SCOPED_TRACE(c.name);
    ModelSession s;
    run(s, std::string(kCalculated) + "click bayesboton\n");
    std::vector<std::string> shown;
    s.table.bind(kSensScrollBar, Event::Scroll, [&] {
      recalcularBayes(s.state(), s.model);
      shown.push_back(s.model.text(kSens));
    });
    s.model.userScroll(kSensScrollBar, c.to);
    EXPECT_EQ(shown, c.shown);
  }
}

// A gesture whose handler fails ends there: one error box, the slider does not move.
TEST(SliderGesture, AFailingHandlerEndsTheGesture) {
  ModelSession s;
  run(s, std::string(kCalculated) + "click bayesboton\nset total 0\nclick BitBtn5\n" +
             "scroll sensScrollBar 50\n");
  EXPECT_EQ(s.model.position(kSensScrollBar), 86);
  EXPECT_EQ(errors(s).size(), 2u);
}

}  // namespace
}  // namespace tarnolo
