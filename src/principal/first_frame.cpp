// Work after the first frame.
#include "principal/first_frame.h"

#include <QEvent>
#include <QMetaObject>
#include <QWindow>

namespace tarnolo {

namespace {

// Watches the window for its first exposure; the expose event paints the window, so work
// queued from here runs once the frame is out.
class FirstExposure : public QObject {
 public:
  FirstExposure(QWindow& window, std::function<void()> then)
      : QObject(&window), m_then(std::move(then)) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
      watched->removeEventFilter(this);
      QMetaObject::invokeMethod(watched, std::move(m_then), Qt::QueuedConnection);
      deleteLater();
    }
    return false;
  }

 private:
  std::function<void()> m_then;
};

}  // namespace

void afterFirstFrame(QWindow& window, std::function<void()> then) {
  if (window.isExposed()) {
    QMetaObject::invokeMethod(&window, std::move(then), Qt::QueuedConnection);
    return;
  }
  new FirstExposure(window, std::move(then));
}

}  // namespace tarnolo
