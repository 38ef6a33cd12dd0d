// A line two pixels wide, drawn fast on screen and scaled with the picture elsewhere.
#pragma once

#include <QColor>
#include <QPolygonF>

class QPainter;

namespace tarnolo {

// Scaled into a file or onto paper (a world transform other than the identity), a pen two
// logical pixels wide; on screen, twice a one-pixel cosmetic line, the second moved by a little
// over half a pixel: the raster engine draws those several times faster than a wide stroke,
// which keeps a slider step with a picture open under a millisecond.
void drawWideLine(QPainter& painter, const QPolygonF& line, const QColor& colour);

}  // namespace tarnolo
