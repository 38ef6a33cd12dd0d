// Ends the program at its first painted frame: prints "first-frame NS WIDTH HEIGHT", NS read
// from the monotonic clock once the first exposed window has been painted and flushed, and
// exits at once. Linked into the start-up benchmark's programs only.
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <ctime>

namespace {

void report(const QWindow& window) {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  std::printf("first-frame %lld %d %d\n", now.tv_sec * 1000000000LL + now.tv_nsec, window.width(),
              window.height());
  std::fflush(stdout);
  _exit(0);
}

class FirstFrame : public QObject {
 protected:
  // The expose event paints the window and flushes it; the zero timer fires right after.
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* window = qobject_cast<QWindow*>(watched);
    if (event->type() == QEvent::Expose && window && !window->parent()) {
      QTimer::singleShot(0, this, [shown = QPointer<QWindow>(window)] {
        if (shown && shown->isExposed()) report(*shown);
      });
    }
    return false;
  }
};

void install() {
  QCoreApplication::instance()->installEventFilter(new FirstFrame);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(install)
