// Helpers for tests that run user sessions on the control model.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/control_names.h"
#include "core/number_text.h"
#include "core/session.h"
#include "replay.h"

namespace tarnolo::test {

// Runs replay steps on the session; a step the tool refuses fails the test.
inline void run(ModelSession& s, const std::string& script) {
  std::istringstream in(script);
  std::ostringstream err;
  ASSERT_EQ(replay::runScript(in, s, err), 0) << err.str();
}

// The failure boxes shown, in order.
inline std::vector<std::string> errors(const ModelSession& s) {
  std::vector<std::string> texts;
  for (const Message& m : s.model.messages()) {
    if (m.kind == Message::Error) texts.push_back(m.text);
  }
  return texts;
}

// The texts of every control, to see that nothing changed.
inline std::vector<std::string> textsOf(const ModelSession& s) {
  std::vector<std::string> texts;
  for (const ModelControl& c : s.model.controls()) texts.push_back(c.text);
  return texts;
}

// Expected controls as "NAME=TEXT ..." separated by blanks: the text of a cell, the progress
// of a bar. "VP=9 vppGauge=33".
inline void expectControls(const ModelSession& s, const std::string& expected) {
  std::istringstream in(expected);
  for (std::string item; in >> item;) {
    const std::string name = item.substr(0, item.find('=')), want = item.substr(name.size() + 1);
    const ModelControl& c = s.model.control(name);
    EXPECT_EQ(c.kind == ControlKind::Bar ? std::to_string(c.value) : s.model.text(name), want)
        << name;
  }
}

struct Counts {
  const char *vp, *fp, *fn, *vn;
};

// Types the four counts and clicks "&Calcular".
inline void calcular(ModelSession& session, const Counts& counts) {
  session.model.setText(names::kVP, counts.vp);
  session.model.setText(names::kFP, counts.fp);
  session.model.setText(names::kFN, counts.fn);
  session.model.setText(names::kVN, counts.vn);
  session.model.userClick(names::kCalcular);
}

inline std::vector<std::string> messageTexts(const ModelSession& session) {
  std::vector<std::string> texts;
  for (const auto& m : session.model.messages())
    texts.push_back((m.kind == Message::Notice ? "notice: " : "error: ") + m.text);
  return texts;
}

// A fresh session for every test, writing with ".".
class SessionTest : public ::testing::Test {
 protected:
  std::string text(std::string_view control) const { return session.model.text(control); }
  int32_t value(std::string_view control) const { return session.model.control(control).value; }
  bool enabled(std::string_view control) const { return session.model.control(control).enabled; }
  bool visible(std::string_view control) const { return session.model.control(control).visible; }

  ModelSession session;
};

// A case state holding only the four counts, as the report reads them.
inline CaseState table(int32_t vp, int32_t fp, int32_t fn, int32_t vn) {
  CaseState s;
  s.vp = vp;
  s.fp = fp;
  s.fn = fn;
  s.vn = vn;
  return s;
}

}  // namespace tarnolo::test
