// The two-by-two analysis run as "&Calcular" runs it, on the control model.
#include "core/two_by_two.h"

#include <gtest/gtest.h>

#include "session_helpers.h"

namespace tarnolo {
namespace {

using namespace names;
using test::Counts;

class CalcularTablaTest : public test::SessionTest {};

struct TableCase {
  const char* name;
  Counts counts;
  // ENFERMOS, SANOS, positivos, negativos, total
  const char* margins[5];
  // sens, esp, CPP, CPN, VPP, VPN, PREVALENCIA, prevap
  const char* results[8];
  // SensGauge, EspGauge, prevgauge, prevapGauge, vppGauge, vpngauge
  int bars[6];
  // sensScrollBar, espScrollBar, prevScrollBar
  int sliders[3];
};

const TableCase kTables[] = {
    {"worked example",
     {"6", "3", "1", "10"},
     {"7", "13", "9", "11", "20"},
     {"85.7142857142857", "76.9230769230769", "3.71428571428571", "5.38461538461538",
      "66.6666666666667", "90.9090909090909", "35", "45"},
     {86, 77, 35, 45, 67, 91},
     {86, 77, 35}},
    {"halves round to even",  // sens x 100 = 12.5, esp x 100 = 62.5
     {"1", "3", "7", "5"},
     {"8", "8", "4", "12", "16"},
     {"12.5", "62.5", "0.333333333333333", "0.714285714285714", "25", "41.6666666666667", "50",
      "25"},
     {12, 62, 50, 25, 25, 42},
     {12, 62, 50}},
    {"esp = 1: cpp divides by zero",
     {"5", "0", "5", "10"},
     {"10", "10", "5", "15", "20"},
     {"error", "error", "error", "error", "error", "error", "error", "error"},
     {50, 100, 50, 25, 100, 67},
     {50, 99, 50}},
    {"sens = 1: cpn divides by zero",
     {"10", "2", "0", "8"},
     {"10", "10", "12", "8", "20"},
     {"error", "error", "error", "error", "error", "error", "error", "error"},
     {100, 80, 50, 60, 83, 100},
     {99, 80, 50}},
    {"sensitivity below half a percent",
     {"1", "10", "299", "90"},
     {"300", "100", "11", "389", "400"},
     {"0.333333333333333", "90", "0.0333333333333333", "0.903010033444816", "9.09090909090909",
      "23.1362467866324", "75", "2.75"},
     {0, 90, 75, 3, 9, 23},
     {1, 90, 75}},
};

TEST_F(CalcularTablaTest, WritesMarginsIndicesBarsAndSliders) {
  const std::string_view marginCells[] = {kEnfermos, kSanos, kPositivos, kNegativos, kTotal};
  const std::string_view resultCells[] = {kSens, kEsp, kCPP,         kCPN,
                                          kVPP,  kVPN, kPrevalencia, kPrevap};
  const std::string_view bars[] = {kSensGauge,   kEspGauge, kPrevgauge,
                                   kPrevapGauge, kVppGauge, kVpngauge};
  const std::string_view sliders[] = {kSensScrollBar, kEspScrollBar, kPrevScrollBar};
  for (const auto& c : kTables) {
    SCOPED_TRACE(c.name);
    ModelSession fresh;
    test::calcular(fresh, c.counts);
    EXPECT_TRUE(fresh.model.messages().empty());
    for (int i = 0; i < 5; ++i)
      EXPECT_EQ(fresh.model.text(marginCells[i]), c.margins[i]) << marginCells[i];
    for (int i = 0; i < 8; ++i)
      EXPECT_EQ(fresh.model.text(resultCells[i]), c.results[i]) << resultCells[i];
    for (int i = 0; i < 6; ++i) EXPECT_EQ(fresh.model.control(bars[i]).value, c.bars[i]) << bars[i];
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(fresh.model.position(sliders[i]), c.sliders[i]) << sliders[i];
    EXPECT_TRUE(fresh.model.control(kBayes).enabled);
    EXPECT_FALSE(fresh.model.control(kSensScrollBar).visible);  // positions only; still hidden
    EXPECT_EQ(fresh.model.clientHeight(), 311);
  }
}

TEST_F(CalcularTablaTest, FailedRatioLeavesItsFieldAndTheLaterOnesStale) {
  test::calcular(session, {"6", "3", "1", "10"});
  const double cppBefore = session.state().cpp, cpnBefore = session.state().cpn;
  test::calcular(session, {"5", "0", "5", "10"});  // cpp fails first
  EXPECT_EQ(session.state().cpp, cppBefore);
  EXPECT_EQ(session.state().cpn, cpnBefore);
  EXPECT_EQ(session.state().esp, 1.0);
  test::calcular(session, {"10", "2", "0", "8"});  // cpn fails, cpp is fresh
  // 0.8 as a double over 1 - 0.8 in extended: one bit above 5.
  EXPECT_EQ(session.state().cpp, 0x1.4000000000001p+2);
  EXPECT_EQ(session.state().cpn, cpnBefore);
}

TEST_F(CalcularTablaTest, InvalidOperationStopsBeforeTheResults) {
  struct Row {
    Counts counts;
    const char* margins[5];
  };
  const Row rows[] = {
      {{"0", "0", "0", "0"}, {"0", "0", "0", "0", "0"}},    // sens is 0/0
      {{"0", "0", "4", "6"}, {"4", "6", "0", "10", "10"}},  // vpp is 0/0
  };
  for (const auto& row : rows) {
    ModelSession s;
    test::calcular(s, {"6", "3", "1", "10"});
    test::calcular(s, row.counts);
    const std::string_view marginCells[] = {kEnfermos, kSanos, kPositivos, kNegativos, kTotal};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(s.model.text(marginCells[i]), row.margins[i]);
    EXPECT_EQ(test::messageTexts(s),
              std::vector<std::string>{"error: Invalid floating point operation."});
    EXPECT_EQ(s.model.text(kSens), "85.7142857142857");  // results of the earlier run stay
    EXPECT_EQ(s.model.control(kSensGauge).value, 86);
    EXPECT_EQ(s.model.text(kSensli), "52.6484657777971");
  }
  ModelSession compact;
  test::calcular(compact, {"0", "0", "0", "0"});
  EXPECT_EQ(compact.model.clientHeight(), 105);
  EXPECT_FALSE(compact.model.control(kBayes).enabled);
  EXPECT_EQ(compact.model.itemIndex(kZalfa), -1);  // CalcularIC did not run
}

TEST_F(CalcularTablaTest, VpThatIsNoNumberGivesANoticeAndKeepsTheOldCount) {
  test::calcular(session, {"", "3", "1", "10"});
  EXPECT_EQ(test::messageTexts(session),
            std::vector<std::string>{"notice: El texto no es numérico"});
  EXPECT_EQ(text(kEnfermos), "1");  // vp is still 0
  EXPECT_EQ(text(kSens), "0");
  EXPECT_EQ(session.model.clientHeight(), 311);
}

TEST_F(CalcularTablaTest, CountThatIsNoIntegerStopsTheRun) {
  struct Row {
    Counts counts;
    const char* message;
    int32_t vp, fp;  // converted before the failure
  };
  const Row rows[] = {
      {{"1.5", "3", "1", "10"}, "error: '1.5' is not a valid integer value.", 0, 0},
      {{"6", "abc", "1", "10"}, "error: 'abc' is not a valid integer value.", 6, 0},
      {{"6", "3", "1", ""}, "error: '' is not a valid integer value.", 6, 3},
  };
  for (const auto& row : rows) {
    ModelSession s;
    test::calcular(s, row.counts);
    EXPECT_EQ(test::messageTexts(s), std::vector<std::string>{row.message});
    EXPECT_EQ(s.state().vp, row.vp);
    EXPECT_EQ(s.state().fp, row.fp);
    EXPECT_EQ(s.model.text(kTotal), "");
    EXPECT_EQ(s.model.clientHeight(), 105);
  }
}

TEST_F(CalcularTablaTest, MarginBeyond32BitsRaisesBeforeAnyTotalIsWritten) {
  session.model.setText(kTotal, "typed");
  test::calcular(session, {"2147483647", "1", "0", "0"});
  EXPECT_EQ(test::messageTexts(session), std::vector<std::string>{"error: Integer overflow."});
  EXPECT_EQ(session.state().vp, 2147483647);  // the counts keep their new values
  EXPECT_EQ(session.state().fp, 1);
  EXPECT_EQ(session.state().positivos, 0);  // no margin stored
  EXPECT_EQ(text(kPositivos), "");
  EXPECT_EQ(text(kTotal), "typed");
}

TEST_F(CalcularTablaTest, TotalOnlyOverflowingAsASum) {
  // Each margin fits; the total of all four does not.
  test::calcular(session, {"1073741824", "1073741824", "1073741824", "0"});
  EXPECT_EQ(test::messageTexts(session), std::vector<std::string>{"error: Integer overflow."});
  EXPECT_EQ(text(kEnfermos), "");
}

TEST_F(CalcularTablaTest, TypedTotalIsReplacedByTheSum) {
  session.model.setText(kTotal, "999");
  test::calcular(session, {"6", "3", "1", "10"});
  EXPECT_EQ(text(kTotal), "20");
}

TEST_F(CalcularTablaTest, CountsWrittenByTheProgramAreReadBack) {
  // Masked cells keep what the program writes: a minus sign or more than seven digits.
  test::calcular(session, {"-3", "12345678", "5", "7"});
  EXPECT_EQ(session.state().vp, -3);
  EXPECT_EQ(session.state().fp, 12345678);
  EXPECT_EQ(text(kEnfermos), "2");
}

// The separator of the view, also an odd one, so that "." cannot pass by accident.
TEST_F(CalcularTablaTest, UsesTheSeparatorOfTheView) {
  for (char separator : {',', '?'}) {
    SCOPED_TRACE(separator);
    session.model.setSeparator(separator);
    test::calcular(session, {"6", "3", "1", "10"});
    const std::string s(1, separator);
    EXPECT_EQ(text(kSens), "85" + s + "7142857142857");
    EXPECT_EQ(text(kSensli), "52" + s + "6484657777971");
  }
}

TEST(EsNumero, ConvertErrorMeansNo) {
  EXPECT_TRUE(EsNumero(" 12 ", '.'));
  EXPECT_TRUE(EsNumero("1.5", '.'));
  EXPECT_TRUE(EsNumero("1,5", ','));
  EXPECT_FALSE(EsNumero("1.5", ','));
  EXPECT_FALSE(EsNumero("", '.'));
  EXPECT_FALSE(EsNumero("1 2", '.'));
}

}  // namespace
}  // namespace tarnolo
