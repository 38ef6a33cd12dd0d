// The percentage bar: a black-framed white bar filled from the left, with its percentage drawn
// so that it inverts whatever lies beneath.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>

namespace tarnolo {

// Where a bar paints its parts, in the bar's own coordinates; arithmetic only.
struct BarLayout {
  QRect paintArea;  // the bar less a one-pixel frame on each side
  QRect fill;       // the filled part; empty when nothing is filled
  QString label;    // "%d%%": "57%"
};

// The layout of a width x height bar at percentage (0..100). The fill runs from the paint
// area's left edge up to x = trunc(Wp * percentage / 100), Wp being the paint-area width + 1
// (exclusive), so a full bar covers the paint area and 1% of a narrow bar may fill nothing.
BarLayout barLayout(int width, int height, int percentage);

// Top-left corner of a label of size text centred in paintArea: ((Wp - text width) / 2,
// (Hp - text height) / 2) with Wp, Hp the paint-area sizes + 1, halves dropped towards zero.
QPoint labelOrigin(const QRect& paintArea, QSize text);

class PercentBar : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int progress READ progress WRITE setProgress)
  Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor)
  Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
  Q_PROPERTY(bool showText READ showText WRITE setShowText)

 public:
  explicit PercentBar(QWidget* parent = nullptr);

  int progress() const { return m_progress; }
  // Clamps to 0..100; repaints and tells assistive technology when the value changes.
  void setProgress(int progress);
  QColor foreColor() const { return m_fore; }
  void setForeColor(const QColor& color);
  QColor backColor() const { return m_back; }
  void setBackColor(const QColor& color);
  bool showText() const { return m_showText; }
  void setShowText(bool show);

  // The bar as painted: frame, back, fill and the inverted label.
  QImage render() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Q_DISABLE_COPY(PercentBar)

  int m_progress = 0;
  QColor m_fore = Qt::black;
  QColor m_back = Qt::white;
  bool m_showText = true;
};

}  // namespace tarnolo
