// Work deferred until the first frame of a window is painted.
#include "shell/first_frame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace tarnolo {

namespace {

// Watches window for its first paint; then queues the work behind that paint's flush and goes.
class FirstFrameWatcher : public QObject {
 public:
  FirstFrameWatcher(QWidget& window, std::function<void()> work)
      : QObject(&window), m_work(std::move(work)) {
    window.installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !m_painted) {
      m_painted = true;
      watched->removeEventFilter(this);
      QTimer::singleShot(0, watched, std::move(m_work));
      deleteLater();
    }
    return false;
  }

 private:
  std::function<void()> m_work;
  bool m_painted = false;
};

}  // namespace

void runAfterFirstFrame(QWidget& window, std::function<void()> work) {
  new FirstFrameWatcher(window, std::move(work));
}

}  // namespace tarnolo
