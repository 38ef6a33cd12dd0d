// The numbers of the report: a value or why there is none, and a pair of confidence limits.
#pragma once

#include <string>

namespace tarnolo {

// One number of the report: a value; a value outside the index's range, which only the main
// window's rule (wald-cc) produces and which is shown as "*" as in the main window; or none.
struct ReportValue {
  enum class State { Value, OutOfRange, Undefined };
  State state = State::Undefined;
  double value = 0;  // also kept when OutOfRange; 0 when Undefined

  static ReportValue of(double v) { return {State::Value, v}; }
  static ReportValue outOfRange(double v) { return {State::OutOfRange, v}; }
  bool defined() const { return state == State::Value; }
  bool computed() const { return state != State::Undefined; }  // a value, in range or not
};

// The confidence limits of one index, with a short note in Spanish on why a limit is missing,
// out of range or truncated (empty when there is nothing to say).
struct Limits {
  ReportValue lower, upper;
  std::string note;
};

// Appends a sentence to a note, separated by "; ".
inline void addNote(std::string& note, const std::string& sentence) {
  note += note.empty() ? sentence : "; " + sentence;
}

}  // namespace tarnolo
