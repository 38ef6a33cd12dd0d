// The two pictures on screen: widgets that only paint what the drawings draw, with a cursor on
// the curve that the mouse and the keyboard move, and a text alternative for screen readers.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

#include "graficos/curve_drawing.h"
#include "graficos/nomogram_drawing.h"

namespace tarnolo {

// The frame of a picture drawn once into a pixmap and drawn again only when the widget's size,
// its screen's pixel ratio or the key (what else the frame shows) changes: a slider step
// repaints the data alone.
class FrameCache {
 public:
  const QPixmap& frame(const QWidget& widget, const QString& key,
                       const std::function<void(QPainter&, const QRectF&)>& draw);

 private:
  QPixmap m_pixmap;
  QString m_key;
};

class CurveWidget : public QWidget {
  Q_OBJECT

 public:
  explicit CurveWidget(QWidget* parent = nullptr);

  void setView(const CurveView& view);
  const CurveView& view() const { return m_view; }
  // The prevalence under the cursor, none when it is not on the plot.
  std::optional<double> cursor() const { return m_view.cursor; }
  // Puts the cursor at prevalence (clamped to 0..1), or takes it away.
  void placeCursor(std::optional<double> prevalence);

  QSize sizeHint() const override { return {640, 440}; }
  QSize minimumSizeHint() const override { return {360, 260}; }

 signals:
  // The cursor moved: what it reads, or an empty text when it left the plot.
  void cursorRead(const QString& readout);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Q_DISABLE_COPY(CurveWidget)
  void describe();
  void updateData(bool sameFrame);

  CurveView m_view;
  FrameCache m_frame;
};

class NomogramWidget : public QWidget {
  Q_OBJECT

 public:
  explicit NomogramWidget(QWidget* parent = nullptr);

  void setView(const NomogramView& view);
  const NomogramView& view() const { return m_view; }

  QSize sizeHint() const override { return {560, 660}; }
  QSize minimumSizeHint() const override { return {360, 420}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Q_DISABLE_COPY(NomogramWidget)

  NomogramView m_view;
  FrameCache m_frame;
};

}  // namespace tarnolo
