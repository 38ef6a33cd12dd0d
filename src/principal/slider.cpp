// The slider.
#include "principal/slider.h"

#include <QKeyEvent>
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
  if (m_notifying) return;  // the handler moved this slider itself
  if (m_cancelled) {
    setSliderPosition(value());
    return;
  }
  const int target = sliderPosition();
  m_stepped = true;
  m_notifying = true;
  const bool ok = !m_notify || m_notify();
  setSliderPosition(ok ? target : value());
  m_notifying = false;
  if (!ok) cancelGesture();
}

void Slider::startGesture() {
  m_stepped = false;
  m_cancelled = false;
}

void Slider::endGesture() {
  const bool notify = m_stepped && !m_cancelled;
  m_stepped = false;
  if (notify && m_notify) m_notify();
}

void Slider::cancelGesture() {
  m_cancelled = true;
  setRepeatAction(SliderNoAction);
  setSliderDown(false);
}

void Slider::mousePressEvent(QMouseEvent* event) {
  startGesture();
  QScrollBar::mousePressEvent(event);
}

void Slider::mouseReleaseEvent(QMouseEvent* event) {
  QScrollBar::mouseReleaseEvent(event);
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
