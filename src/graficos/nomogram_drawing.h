// The picture of the Fagan nomogram: three scales, the lines of both likelihood ratios from the
// pre-test probability, each with its limits as a fan, and the post-test probabilities.
#pragma once

#include <QRectF>
#include <QStringList>

#include "core/report.h"
#include "graficos/picture_export.h"

class QPainter;

namespace tarnolo {

struct NomogramView {
  Report report;
  double pretest = 0.5;  // a fraction, 0.001..0.999
  char separator = '.';
};

// The box of the three scales inside a picture of rect: room for the titles and the results.
QRectF nomogramScalesRect(const QRectF& rect);

// Draws view into rect (logical pixels, fonts in pixels): the frame (the three scales and their
// titles), which depends on the rect and the separator only, then the data over it.
void drawNomogram(QPainter& painter, const QRectF& rect, const NomogramView& view);
void drawNomogramFrame(QPainter& painter, const QRectF& rect, char separator);
void drawNomogramData(QPainter& painter, const QRectF& rect, const NomogramView& view);

// The results, one a line: "Positivo: CP+ 10,0 (IC 95 % 5,12–19,6) → 76,9 % (63,0–86,7 %)",
// and the same for a negative result with the negative ratio; a missing value says why.
QStringList nomogramResults(const NomogramView& view);

// The text alternative: the pre-test probability and the results.
QString nomogramDescription(const NomogramView& view);

// The picture with its caption, for the clipboard, the files and the printer.
Picture nomogramPicture(const NomogramView& view);

}  // namespace tarnolo
