// Confidence limits: the texts of the sixteen limit cells, the "error" and "*" rules, the
// default level chosen by the first calculation, and the level switch.
#include "core/confidence.h"

#include <gtest/gtest.h>
#include <cmath>
#include <map>

#include "core/arithmetic.h"
#include "core/failures.h"
#include "session_helpers.h"

namespace tarnolo {
namespace {

using namespace names;
using test::Counts;

constexpr std::string_view kLimitCells[] = {kSensli, kSensls, kEspli,    kEspls,   kCppli, kCppls,
                                            kCpnli,  kCpnls,  kVppli,    kVppls,   kVpnli, kVpnls,
                                            kPrevli, kPrevls, kPrevapli, kPrevapls};

struct LimitCase {
  const char* name;
  Counts counts;
  int level;              // item of Zalfa: 0 "95%", 1 "99%"
  const char* texts[16];  // in the order of kLimitCells
};

const LimitCase kLimits[] = {
    {"90 10 10 90 at 95%",
     {"90", "10", "10", "90"},
     0,
     {"83.62", "96.38", "83.62", "96.38", "5.10500610500611", "26.6243093922652",
      "5.10500610500611", "26.6243093922652", "83.62", "96.38", "83.62", "96.38",
      "42.8203535443718", "57.1796464556282", "42.8203535443718", "57.1796464556282"}},
    {"90 10 10 90 at 99%",
     {"90", "10", "10", "90"},
     1,
     {"81.772", "98.228", "81.772", "98.228", "4.4860653938995", "55.4334085778782",
      "4.4860653938995", "55.4334085778782", "81.772", "98.228", "81.772", "98.228",
      "40.6424646583173", "59.3575353416827", "40.6424646583173", "59.3575353416827"}},
    {"limits outside 0..100 become stars",
     {"1", "3", "7", "5"},
     0,
     {"*", "41.6676514939904", "22.7019933528086", "*", "*", "*", "0.194586871871488",
      "1.75370972140188", "*", "79.9352447854375", "9.60552291488776", "73.7278104184456", "22.375",
      "77.625", "0.657377607281254", "49.3426223927187"}},
};

TEST(CalcularIC, LimitTextsAtBothLevels) {
  for (const auto& c : kLimits) {
    SCOPED_TRACE(c.name);
    ModelSession s;
    test::calcular(s, c.counts);
    s.model.userClick(kIc);
    s.model.userSelect(kZalfa, c.level);
    EXPECT_TRUE(s.model.messages().empty());
    for (int i = 0; i < 16; ++i)
      EXPECT_EQ(s.model.text(kLimitCells[i]), c.texts[i]) << kLimitCells[i];
  }
}

class ConfidenceTest : public test::SessionTest {};

TEST_F(ConfidenceTest, FieldsKeepValuesThatTheCellsHideBehindStars) {
  test::calcular(session, {"1", "3", "7", "5"});
  EXPECT_NEAR(session.state().sensLi, -0.1667, 1e-4);
  EXPECT_GT(session.state().espLs, 1.0);
  EXPECT_LT(session.state().cppLs, 0.0);  // espLs above 1 makes the divisor negative
}

TEST_F(ConfidenceTest, FirstCalculationSelects95Percent) {
  EXPECT_EQ(session.model.itemIndex(kZalfa), -1);
  EXPECT_EQ(session.state().zAlfa, 0.0);
  test::calcular(session, {"6", "3", "1", "10"});
  EXPECT_EQ(session.model.itemIndex(kZalfa), 0);
  EXPECT_EQ(session.state().zAlfa, 1.96);
  EXPECT_FALSE(visible(kZalfa));  // chosen, still hidden
  EXPECT_EQ(text(kSensli), "52.6484657777971");
  EXPECT_EQ(text(kCppli), "1.05663441633957");
  EXPECT_EQ(text(kSensls), "*");
  EXPECT_EQ(text(kCppls), "*");
}

// The first calculation chooses 95 % itself: the level's handler, bound as in the window, must
// not run a second, nested calculation of every limit.
TEST_F(ConfidenceTest, FirstCalculationWritesEachLimitOnce) {
  struct CountingModel : ControlModel {
    std::map<std::string, int, std::less<>> writes;
    void setText(std::string_view control, const std::string& text) override {
      ++writes[std::string(control)];
      ControlModel::setText(control, text);
    }
  } model;
  EventTable table;
  model.attach(table);
  test::calcular(session, {"6", "3", "1", "10"});
  CaseState state = session.state();
  state.zAlfa = 0;
  int levelRuns = 0;
  table.bind(kZalfa, Event::Click, [&] { ++levelRuns, ZalfaClick(state, model); });
  CalcularIC(state, model);
  EXPECT_EQ(levelRuns, 0);
  EXPECT_EQ(model.itemIndex(kZalfa), 0);
  EXPECT_EQ(state.zAlfa, 1.96);
  for (auto cell : kLimitCells) {
    EXPECT_EQ(model.writes[std::string(cell)], 1) << cell;
    EXPECT_EQ(model.text(cell), text(cell)) << cell;
  }
}

TEST_F(ConfidenceTest, LevelChosenBeforeAnyCalculationFailsOnceAndStays) {
  session.model.userClick(kIc);
  EXPECT_TRUE(visible(kSensli));
  EXPECT_TRUE(visible(kZalfa));
  EXPECT_EQ(text(kSensli), "");
  session.model.userSelect(kZalfa, 1);  // block 1 is 0/0 on the all-zero state
  EXPECT_EQ(test::messageTexts(session),
            std::vector<std::string>{"error: Invalid floating point operation."});
  for (auto cell : kLimitCells) EXPECT_EQ(text(cell), "") << cell;
  EXPECT_EQ(session.model.itemIndex(kZalfa), 1);
  EXPECT_EQ(session.state().zAlfa, 2.576);
  test::calcular(session, {"90", "10", "10", "90"});
  EXPECT_EQ(text(kSensli), "81.772");  // the next calculation uses 99%
}

TEST_F(ConfidenceTest, ChoosingTheSelectedItemRunsNothing) {
  test::calcular(session, {"90", "10", "10", "90"});
  session.model.userClick(kIc);
  session.model.setText(kSensli, "typed");
  session.model.userSelect(kZalfa, 0);
  EXPECT_EQ(text(kSensli), "typed");
  session.model.userSelect(kZalfa, 1);
  EXPECT_EQ(text(kSensli), "81.772");
}

TEST_F(ConfidenceTest, IcTogglesSeventeenControlsWithoutRecomputing) {
  test::calcular(session, {"90", "10", "10", "90"});
  session.model.setText(kVppls, "typed");
  session.model.userClick(kIc);
  EXPECT_TRUE(session.state().ciVisible);
  for (auto cell : kLimitCells) EXPECT_TRUE(visible(cell)) << cell;
  EXPECT_TRUE(visible(kZalfa));
  session.model.userClick(kIc);
  EXPECT_FALSE(session.state().ciVisible);
  for (auto cell : kLimitCells) EXPECT_FALSE(visible(cell)) << cell;
  EXPECT_FALSE(visible(kZalfa));
  EXPECT_EQ(text(kVppls), "typed");
}

// Runs CalcularIC on a state set by hand, as the Bayes mode and the case files can leave it.
class BlockTest : public test::SessionTest {};

TEST_F(BlockTest, ZeroCountShowsErrorAndKeepsTheFields) {
  test::calcular(session, {"90", "10", "10", "90"});
  CaseState& s = session.state();
  const double sensLi = s.sensLi;
  s.enfermos = 0;  // 0 < sens < 1 over n = 0: division by zero
  s.sens = 0.8;
  CalcularIC(s, session.model);
  EXPECT_EQ(text(kSensli), "error");
  EXPECT_EQ(text(kSensls), "error");
  EXPECT_EQ(s.sensLi, sensLi);
  EXPECT_EQ(text(kCppli), "5.10500610500611");  // the ratios use the kept limits
}

TEST_F(BlockTest, ZeroCountWithProportionZeroOrOneEndsTheRun) {
  test::calcular(session, {"90", "10", "10", "90"});
  CaseState& s = session.state();
  s.sanos = 0;
  s.esp = 1;     // 0/0 in block 2
  s.sens = 0.5;  // block 1 is written first
  EXPECT_THROW(CalcularIC(s, session.model), Failure);
  EXPECT_EQ(text(kSensli), "39.7");
  EXPECT_EQ(text(kEspli), "83.62");  // block 2 and the later ones keep their texts
  EXPECT_EQ(text(kPrevapli), "42.8203535443718");
}

TEST_F(BlockTest, NegativeCount) {
  test::calcular(session, {"90", "10", "10", "90"});
  CaseState& s = session.state();
  s.enfermos = -4;
  s.sens = 0.5;  // the square root of a negative number
  EXPECT_THROW(CalcularIC(s, session.model), Failure);
  s.sens = 1;  // h = -1/8: the lower limit lies above p, the upper one below
  CalcularIC(s, session.model);
  EXPECT_EQ(text(kSensli), "112.5");
  EXPECT_EQ(text(kSensls), "87.5");
  EXPECT_EQ(s.sensLi, 1.125);
}

TEST_F(BlockTest, RatioDividingByZeroShowsAStar) {
  test::calcular(session, {"90", "10", "10", "90"});
  CaseState& s = session.state();
  s.espLi = 1;  // block 1 and 2 fail below, so these limits stay
  s.enfermos = 0;
  s.sanos = 0;
  s.sens = 0.5;
  s.esp = 0.5;
  const double cppLi = s.cppLi;
  CalcularIC(s, session.model);
  EXPECT_EQ(text(kCppli), "*");
  EXPECT_EQ(s.cppLi, cppLi);
}

TEST_F(BlockTest, HalfWidthStaysOneOverTwoNForHugeCounts) {
  // 2n leaves the 32-bit range from n = 2^30: the correction must still be 1/(2n).
  CaseState& s = session.state();
  for (int32_t n : {1 << 30, INT32_MAX}) {
    SCOPED_TRACE(n);
    s.enfermos = s.sanos = s.positivos = s.negativos = s.total = n;
    s.sens = s.esp = s.vpp = s.vpn = s.prev = s.prevap = 0.5;
    CalcularIC(s, session.model);
    const Ext h = std::sqrt(0.25L / n) * static_cast<Ext>(1.96) + 1 / (2.0L * n);
    EXPECT_EQ(s.prevLi, static_cast<double>(0.5L - static_cast<double>(h)));
    EXPECT_LT(s.prevLi, 0.5);
    EXPECT_GT(s.prevLs, 0.5);
  }
}

}  // namespace
}  // namespace tarnolo
