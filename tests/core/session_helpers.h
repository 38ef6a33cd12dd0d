// Shared by the calculation tests: a session on the control model, driven as a user would.
#pragma once

#include <string>
#include <vector>

#include "core/control_names.h"
#include "core/number_text.h"
#include "core/session.h"

namespace tarnolo::testing {

struct Counts {
  const char *vp, *fp, *fn, *vn;
};

// Types the four counts and clicks "&Calcular".
inline void calcular(ModelSession& session, const Counts& counts) {
  session.model.setText(names::kVP, counts.vp);
  session.model.setText(names::kFP, counts.fp);
  session.model.setText(names::kFN, counts.fn);
  session.model.setText(names::kVN, counts.vn);
  session.model.userClick(names::kBitBtn6);
}

inline std::vector<std::string> messageTexts(const ModelSession& session) {
  std::vector<std::string> texts;
  for (const auto& m : session.model.messages())
    texts.push_back((m.kind == Message::Notice ? "notice: " : "error: ") + m.text);
  return texts;
}

// Every test starts with "." and leaves it so.
class SessionTest : public ::testing::Test {
 protected:
  void SetUp() override { setDecimalSeparator('.'); }
  void TearDown() override { setDecimalSeparator('.'); }
  std::string text(std::string_view control) const { return session.model.text(control); }
  int32_t value(std::string_view control) const { return session.model.control(control).value; }
  bool enabled(std::string_view control) const { return session.model.control(control).enabled; }
  bool visible(std::string_view control) const { return session.model.control(control).visible; }

  ModelSession session;
};

}  // namespace tarnolo::testing
