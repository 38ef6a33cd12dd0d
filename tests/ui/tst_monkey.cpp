// The real window under a random user: tens of thousands of events, with what a user relies on
// checked after each. The seed is printed first; MONKEY_SEED=N replays a run, MONKEY_EVENTS=N
// sets its length and MONKEY_VERBOSE=1 prints every event.
#include <QtTest>

#include "case_folder.h"
#include "monkey.h"
#include "platform_notes.h"

using namespace tarnolo;

namespace {

uint32_t settingOr(const char* variable, uint32_t fallback) {
  bool ok = false;
  const uint32_t value = qEnvironmentVariable(variable).toUInt(&ok);
  return ok ? value : fallback;
}

}  // namespace

class tst_Monkey : public QObject {
  Q_OBJECT

 private slots:
  void randomUser();
};

void tst_Monkey::randomUser() {
  const uint32_t seed = settingOr("MONKEY_SEED", 20240607);
  const uint32_t events = settingOr("MONKEY_EVENTS", 20000);
  qInfo("monkey: seed %u, %u events (MONKEY_SEED=%u MONKEY_EVENTS=%u replays them)", seed, events,
        seed, events);
  const PlatformNotesDropped quiet;
  QApplication::setQuitOnLastWindowClosed(false);  // Salir is followed by showing it again
  CaseFolder folder;
  QVERIFY(folder.isValid());
  Monkey monkey(seed, folder);
  for (uint32_t i = 0; i < events && !QTest::currentTestFailed(); ++i) {
    monkey.step();
    if (QTest::currentTestFailed())
      qInfo().noquote() << "monkey: event" << i << "of seed" << seed << "failed; the last ones:\n"
                        << monkey.lastEvents();
  }
  qInfo().noquote() << "monkey:" << monkey.summary();
}

QTEST_MAIN(tst_Monkey)
#include "tst_monkey.moc"
