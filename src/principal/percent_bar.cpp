// The percentage bar.
#include "principal/percent_bar.h"

#include <QAccessible>
#include <QImage>
#include <QPainter>
#include <algorithm>

namespace tarnolo {

BarLayout barLayout(int width, int height, int percentage) {
  BarLayout layout;
  layout.paintArea = QRect(1, 1, width - 2, height - 2);
  const int wp = layout.paintArea.width() + 1;
  const int fillEnd = std::min(wp * percentage / 100, wp);
  if (fillEnd > layout.paintArea.left())
    layout.fill = QRect(QPoint(layout.paintArea.left(), layout.paintArea.top()),
                        QPoint(fillEnd - 1, layout.paintArea.bottom()));
  layout.label = QStringLiteral("%1%").arg(percentage);
  return layout;
}

QPoint labelOrigin(const QRect& paintArea, QSize text) {
  return {(paintArea.width() + 1 - text.width()) / 2, (paintArea.height() + 1 - text.height()) / 2};
}

PercentBar::PercentBar(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PercentBar::setProgress(int progress) {
  progress = std::clamp(progress, 0, 100);
  if (progress == m_progress) return;
  m_progress = progress;
  update();
  QAccessibleValueChangeEvent changed(this, m_progress);  // a screen reader reads the new value
  QAccessible::updateAccessibility(&changed);
}

void PercentBar::setForeColor(const QColor& color) {
  m_fore = color;
  update();
}

void PercentBar::setBackColor(const QColor& color) {
  m_back = color;
  update();
}

void PercentBar::setShowText(bool show) {
  m_showText = show;
  update();
}

QImage PercentBar::render() const {
  const BarLayout layout = barLayout(width(), height(), m_progress);
  QImage image(size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  painter.fillRect(layout.paintArea, m_back);
  if (!layout.fill.isEmpty()) painter.fillRect(layout.fill, m_fore);
  if (m_showText) {
    // Each text pixel is white combined by exclusive-or: the inverse of what lies beneath.
    // Smoothed edges would only half-invert, so the text is drawn without them.
    QFont font = this->font();
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QPoint origin = labelOrigin(
        layout.paintArea, QSize(metrics.horizontalAdvance(layout.label), metrics.height()));
    painter.setClipRect(layout.paintArea);  // the frame stays black, even under a wide label
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(Qt::white);
    painter.drawText(origin.x(), origin.y() + metrics.ascent(), layout.label);
  }
  return image;
}

void PercentBar::paintEvent(QPaintEvent*) {
  QPainter(this).drawImage(0, 0, render());
}

}  // namespace tarnolo
