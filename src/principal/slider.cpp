// The slider.
#include "principal/slider.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>

namespace tarnolo {

Slider::Slider(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
  setContextMenuPolicy(Qt::NoContextMenu);
  connect(this, &QAbstractSlider::actionTriggered, this, &Slider::onActionTriggered);
}

void Slider::setPositionByProgram(int position) {
  position = std::clamp(position, minimum(), maximum());
  if (position == value()) return;
  setValue(position);
  setEnabled(true);
}

// Runs while the scroll bar holds the step's position as its slider position but has not yet
// stored it as its value; it stores it right after.
void Slider::onActionTriggered(int) {
  if (m_storing) return;  // the step being stored below
  if (m_notifying || m_cancelled) {
    // A step while a notification runs (the auto-repeat firing under a box the handler
    // shows), or after one failed: dropped.
    setSliderPosition(value());
    return;
  }
  const int target = sliderPosition();
  m_stepped = true;
  m_notifying = true;
  const bool ok = !m_notify || m_notify();
  m_notifying = false;
  m_storing = true;
  setSliderPosition(ok ? target : value());
  m_storing = false;
  if (!ok) cancelGesture();
  if (m_gestureButton != Qt::NoButton && !(QGuiApplication::mouseButtons() & m_gestureButton)) {
    // The button was released into a box that the handler showed: the gesture ends here,
    // once this step is stored.
    setRepeatAction(SliderNoAction);
    QMetaObject::invokeMethod(this, &Slider::releaseMouseGesture, Qt::QueuedConnection);
  }
}

void Slider::startGesture() {
  m_stepped = false;
  m_cancelled = false;
  m_onThumb = false;
}

void Slider::endGesture() {
  const bool notify = (m_stepped || m_onThumb) && !m_cancelled;
  m_stepped = false;
  m_onThumb = false;
  if (notify && m_notify) m_notify();
}

void Slider::cancelGesture() {
  m_cancelled = true;
  setRepeatAction(SliderNoAction);
  setSliderDown(false);
}

// Ends a mouse gesture whose button release went elsewhere, as the release would have.
void Slider::releaseMouseGesture() {
  if (m_gestureButton == Qt::NoButton) return;
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(), mapToGlobal(QPointF()),
                      m_gestureButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(this, &release);
}

QPoint Slider::thumbCentre() const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  return style()
      ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this)
      .center();
}

// The scroll bar maps the thumb's left edge, less the groove's, over the groove's width less
// the thumb's onto the range.
std::optional<QPoint> Slider::thumbDragTarget(int position) const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  const QRect groove =
      style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, this);
  const QRect thumb =
      style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
  const int span = groove.width() - thumb.width();
  const QPoint grip = thumbCentre() - thumb.topLeft();
  std::optional<QPoint> target;
  for (int pixel = 0; pixel <= span; ++pixel) {
    if (QStyle::sliderValueFromPosition(minimum(), maximum(), pixel, span) != position) continue;
    target = QPoint(groove.left() + pixel, thumb.top()) + grip;
    // Where the thumb already stands the mouse would not move: any other pixel is better.
    if (groove.left() + pixel != thumb.left()) break;
  }
  return target;
}

bool Slider::pressesThumb(const QMouseEvent& event) const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  return event.button() == Qt::LeftButton &&
         style()->hitTestComplexControl(QStyle::CC_ScrollBar, &option, event.position().toPoint(),
                                        this) == QStyle::SC_ScrollBarSlider;
}

void Slider::mousePressEvent(QMouseEvent* event) {
  startGesture();
  m_gestureButton = event->button();
  m_onThumb = pressesThumb(*event);
  QScrollBar::mousePressEvent(event);
}

void Slider::mouseReleaseEvent(QMouseEvent* event) {
  QScrollBar::mouseReleaseEvent(event);
  if (event->button() != m_gestureButton) return;
  m_gestureButton = Qt::NoButton;
  // The thumb let go: its position (already stored while it was dragged) is notified once.
  if (m_onThumb && !m_cancelled && m_notify && !m_notify()) cancelGesture();
  endGesture();
}

// Left, Up and Page Up move towards the minimum, Right, Down and Page Down towards the
// maximum, Home and End to either end.
void Slider::keyPressEvent(QKeyEvent* event) {
  SliderAction action = SliderNoAction;
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      action = SliderSingleStepSub;
      break;
    case Qt::Key_Right:
    case Qt::Key_Down:
      action = SliderSingleStepAdd;
      break;
    case Qt::Key_PageUp:
      action = SliderPageStepSub;
      break;
    case Qt::Key_PageDown:
      action = SliderPageStepAdd;
      break;
    case Qt::Key_Home:
      action = SliderToMinimum;
      break;
    case Qt::Key_End:
      action = SliderToMaximum;
      break;
    default:
      QScrollBar::keyPressEvent(event);
      return;
  }
  if (!event->isAutoRepeat()) startGesture();
  triggerAction(action);
  event->accept();
}

void Slider::keyReleaseEvent(QKeyEvent* event) {
  QScrollBar::keyReleaseEvent(event);
  if (!event->isAutoRepeat()) endGesture();
}

void Slider::wheelEvent(QWheelEvent* event) {
  startGesture();
  QScrollBar::wheelEvent(event);
  endGesture();
}

}  // namespace tarnolo
