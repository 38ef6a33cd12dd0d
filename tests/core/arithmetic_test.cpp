// Checked extended arithmetic, Round, and the text of a failure box.
#include "core/arithmetic.h"

#include <gtest/gtest.h>

#include "core/failures.h"

namespace tarnolo {
namespace {

FailureKind kindOf(const std::function<void()>& step) {
  try {
    step();
  } catch (const Failure& f) {
    return f.kind();
  }
  ADD_FAILURE() << "no failure";
  return FailureKind::Overflow;
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  const std::pair<Ext, int32_t> cases[] = {{12.5L, 12}, {37.5L, 38},   {-2.5L, -2}, {0.5L, 0},
                                           {1.5L, 2},   {85.714L, 86}, {-0.4L, 0},  {99.5L, 100}};
  for (const auto& [value, expected] : cases) {
    SCOPED_TRACE(static_cast<double>(value));
    EXPECT_EQ(roundHalfEven(value), expected);
  }
}

TEST(RoundHalfEven, JustBelowAHalfRoundsDown) {
  // 10 x 0.15 in extended precision lies just below 1.5 (0.15 is stored as a double).
  EXPECT_EQ(roundHalfEven(static_cast<Ext>(0.15) * 10), 1);
  EXPECT_EQ(roundHalfEven((1 - static_cast<Ext>(0.15)) * 10), 9);
}

TEST(RoundHalfEven, SaturatesOutsideTheIntegerRange) {
  EXPECT_EQ(roundHalfEven(1e12L), INT32_MAX);
  EXPECT_EQ(roundHalfEven(-1e12L), INT32_MIN);
  EXPECT_EQ(roundHalfEven(2147483647.4L), INT32_MAX);
}

TEST(Divide, ZeroDivisorsRaiseByTheirDividend) {
  EXPECT_EQ(kindOf([] { divide(1, 0); }), FailureKind::ZeroDivide);
  EXPECT_EQ(kindOf([] { divide(-3, -0.0L); }), FailureKind::ZeroDivide);
  EXPECT_EQ(kindOf([] { divide(0, 0); }), FailureKind::InvalidOp);
  EXPECT_EQ(divide(0, -5), 0);
}

TEST(Divide, CountQuotientsAreRoundedTwice) {
  // The exact quotient to a 64-bit significand, then to a double: one bit off the direct one.
  EXPECT_EQ(store(divide(115, 2051)), 0x1.cb53c097c7156p-5);
}

TEST(SquareRoot, NegativeIsInvalid) {
  EXPECT_EQ(kindOf([] { squareRoot(-1e-30L); }), FailureKind::InvalidOp);
  EXPECT_EQ(squareRoot(-0.0L), 0);
  EXPECT_EQ(squareRoot(0.25L), 0.5L);
}

TEST(Store, OverflowBeyondTheDoubleRange) {
  EXPECT_EQ(kindOf([] { store(1e400L); }), FailureKind::Overflow);
  EXPECT_EQ(store(1e300L), 1e300);
}

TEST(AddCounts, RaisesOutsideThe32BitRange) {
  EXPECT_EQ(addCounts(2147483646, 1), INT32_MAX);
  EXPECT_EQ(addCounts(INT32_MIN, 0), INT32_MIN);
  EXPECT_EQ(kindOf([] { addCounts(2147483647, 1); }), FailureKind::IntOverflow);
  EXPECT_EQ(kindOf([] { addCounts(INT32_MIN, -1); }), FailureKind::IntOverflow);
}

TEST(UserText, AddsAFullStopAboveTheCodeOfPoint) {
  const std::pair<const char*, const char*> cases[] = {
      {"Invalid floating point operation", "Invalid floating point operation."},
      {"File not found", "File not found."},
      {"'' is not a valid integer value", "'' is not a valid integer value."},
      {"Ends in a point.", "Ends in a point."},
      {"Ends in a blank ", "Ends in a blank "},
      {"Done!", "Done!"},
      {"a,", "a,"},
      {"a-", "a-"},
      {"(a)", "(a)"},
      {"a/", "a/."},  // "/" is 47
      {"I/O error 32", "I/O error 32."},
      {"", ""},
  };
  for (const auto& [message, shown] : cases) {
    SCOPED_TRACE(message);
    EXPECT_EQ(userText(message), shown);
  }
}

TEST(InOutMessage, ByCode) {
  const std::pair<int, const char*> cases[] = {{2, "File not found"},
                                               {3, "Invalid filename"},
                                               {4, "Too many open files"},
                                               {5, "File access denied"},
                                               {100, "Read beyond end of file"},
                                               {101, "Disk full"},
                                               {106, "Invalid numeric input"},
                                               {32, "I/O error 32"}};
  for (const auto& [code, message] : cases) EXPECT_EQ(inOutMessage(code), message);
}

}  // namespace
}  // namespace tarnolo
