// Keeps the off-screen platform's notes out of a test's output: it says that it cannot raise
// or resize by hints each time a top-level window is shown, thousands of times in a long test,
// and Qt Test stops printing after two thousand messages.
#pragma once

#include <QtGlobal>

class PlatformNotesDropped {
 public:
  PlatformNotesDropped() { s_next = qInstallMessageHandler(&drop); }
  ~PlatformNotesDropped() { qInstallMessageHandler(s_next); }
  PlatformNotesDropped(const PlatformNotesDropped&) = delete;
  PlatformNotesDropped& operator=(const PlatformNotesDropped&) = delete;

 private:
  static void drop(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QLatin1String("This plugin does not support")))
      s_next(type, context, text);
  }
  static inline QtMessageHandler s_next = nullptr;
};
