// The window tests' way into the replay's step interpreter: steps as a test's table holds them,
// and what the replay saw, in a test's terms.
#pragma once

#include <QStringList>
#include <QtTest>
#include <sstream>

#include "informe/qt_text.h"
#include "replay.h"

namespace tarnolo {

// Runs replay steps, one a line, on target; false, with the replay's reason as a warning, for a
// step the replay refuses.
inline bool runSteps(replay::Target& target, const QString& steps) {
  std::istringstream in(utf8(steps));
  std::ostringstream err;
  const int status = replay::runScript(in, target, err);
  if (status != 0) qWarning("%s", err.str().c_str());
  return status == 0;
}

inline bool runSteps(replay::Target& target, const QStringList& steps) {
  return runSteps(target, steps.join(u'\n'));
}

// The message boxes shown: "notice: TEXT", "error: TEXT" in the order shown.
inline QStringList shownMessages(const replay::Target& target) {
  QStringList texts;
  for (const Message& m : target.snapshot().messages)
    texts << (m.kind == Message::Notice ? "notice: " : "error: ") + qstring(m.text);
  return texts;
}

// What the user sees, as the replay prints it, one line an entry.
inline QStringList printedSnapshot(const replay::Target& target) {
  std::ostringstream out;
  replay::printSnapshot(target.snapshot(), out);
  return qstring(out.str()).split(u'\n', Qt::SkipEmptyParts);
}

}  // namespace tarnolo
