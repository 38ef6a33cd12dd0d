// Checked steps of extended arithmetic: every intermediate is a long double with a 64-bit
// significand, rounded to nearest with ties to even; a value becomes a double only when it is
// stored. A step that would trap raises its failure before anything is stored.
#pragma once

#include <cstdint>
#include <limits>

namespace tarnolo {

using Ext = long double;
static_assert(std::numeric_limits<Ext>::digits == 64,
              "the calculations need long double with a 64-bit significand (x87 extended)");
static_assert(std::numeric_limits<Ext>::is_iec559, "long double must be IEEE extended");

// a / b. Requires nothing; raises ZeroDivide for b == 0 with a != 0, InvalidOp for 0/0 (or any
// operation that would give a not-a-number), Overflow for a finite quotient beyond the range.
Ext divide(Ext a, Ext b);

// √a. Raises InvalidOp for a < 0.
Ext squareRoot(Ext a);

// The value rounded to the nearest double, as it is stored into the case state.
// Raises Overflow when a finite value lies beyond the range of a double.
double store(Ext value);

// A stored fraction times 100 in extended precision, as every percentage text and bar takes it.
inline Ext percent(double fraction) {
  return static_cast<Ext>(fraction) * 100;
}

// Round: the nearest integer, halves to the even neighbour (12.5 -> 12, 37.5 -> 38,
// -2.5 -> -2). A value beyond the signed 32-bit range saturates to that range.
int32_t roundHalfEven(Ext value);

// A sum of two counts; raises IntOverflow ("Integer overflow") outside the signed 32-bit range.
int32_t addCounts(int64_t a, int64_t b);

// Loads the floating-point setting of the program: x87 with a 64-bit significand, round to
// nearest, every hardware exception masked (the traps are the explicit checks above), flags
// cleared. Run at start-up and after every failure.
void loadFloatingPointSetting();

}  // namespace tarnolo
