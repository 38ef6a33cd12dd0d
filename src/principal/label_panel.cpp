// The label panel.
#include "principal/label_panel.h"

#include <QPainter>

namespace tarnolo {

namespace {

// A one-pixel bevel inside rect: topLeft on the top and left edges, bottomRight on the others.
void bevel(QPainter& painter, const QRect& rect, const QColor& topLeft, const QColor& bottomRight) {
  painter.setPen(topLeft);
  painter.drawLine(rect.topLeft(), rect.topRight());
  painter.drawLine(rect.topLeft(), rect.bottomLeft());
  painter.setPen(bottomRight);
  painter.drawLine(rect.bottomLeft(), rect.bottomRight());
  painter.drawLine(rect.topRight(), rect.bottomRight());
}

}  // namespace

LabelPanel::LabelPanel(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignCenter);
  setContentsMargins(2, 2, 2, 2);
  setAutoFillBackground(true);
}

void LabelPanel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  QPainter painter(this);
  const QPalette& p = palette();
  bevel(painter, rect(), p.color(QPalette::Dark), p.color(QPalette::Light));  // sunken
  bevel(painter, rect().adjusted(1, 1, -1, -1), p.color(QPalette::Light),
        p.color(QPalette::Dark));  // raised
}

}  // namespace tarnolo
