// The slider: a horizontal scroll bar whose user gestures notify before they move it.
#pragma once

#include <QScrollBar>
#include <functional>
#include <optional>

namespace tarnolo {

class Slider : public QScrollBar {
  Q_OBJECT

 public:
  // One notification of a user's gesture; returns false when its handler failed.
  using Notifier = std::function<bool()>;

  explicit Slider(QWidget* parent = nullptr);

  // A program write: clamped to the range; when the position changes it is stored and the
  // slider enabled. Never notifies.
  void setPositionByProgram(int position);

  // A gesture (an arrow or track click, a thumb drag, a key, the wheel) notifies for each step
  // while the stored position is still the one before the step, then stores the step's
  // position; when the gesture ends it notifies once more. A thumb let go notifies its
  // position before that end, also when it was not moved (as Windows' scroll bar does). A
  // failed notification ends the gesture at once: that step is not stored and no end
  // notification follows.
  void setNotifier(Notifier notify) { m_notify = std::move(notify); }

  // True while a held arrow or page area repeats its step.
  bool isRepeating() const { return repeatAction() != SliderNoAction; }

  // Where the mouse takes hold of the thumb: its centre at the stored position.
  QPoint thumbCentre() const;
  // Where a thumb taken at thumbCentre() must be dragged to stand at position, away from where
  // it stands when another pixel gives position too; none when no pixel of the track gives
  // that position (the track has fewer pixels than the range has positions).
  std::optional<QPoint> thumbDragTarget(int position) const;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  Q_DISABLE_COPY(Slider)

  void onActionTriggered(int action);
  void startGesture();
  void endGesture();
  void cancelGesture();
  void releaseMouseGesture();
  bool pressesThumb(const QMouseEvent& event) const;

  Notifier m_notify;
  bool m_stepped = false;    // the current gesture has notified a step
  bool m_cancelled = false;  // the current gesture failed; its further steps are dropped
  bool m_notifying = false;  // a notification is running
  bool m_storing = false;    // a notified step is being stored
  bool m_onThumb = false;    // the current gesture is a thumb drag
  Qt::MouseButton m_gestureButton = Qt::NoButton;  // pressed on the slider, not yet released
};

}  // namespace tarnolo
