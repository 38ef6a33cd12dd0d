// A line two pixels wide.
#include "graficos/wide_line.h"

#include <QPainter>

namespace tarnolo {

void drawWideLine(QPainter& painter, const QPolygonF& line, const QColor& colour) {
  if (!painter.worldTransform().isIdentity()) {
    painter.setPen(QPen(colour, 2));
    painter.drawPolyline(line);
    return;
  }
  QPen pen(colour, 1);
  pen.setCosmetic(true);
  painter.setPen(pen);
  painter.drawPolyline(line);
  painter.drawPolyline(line.translated(0.6, 0.6));
}

}  // namespace tarnolo
