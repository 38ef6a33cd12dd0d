// The picture of the predictive values against the prevalence: two curves with their bands, the
// case's prevalence marked, and on screen a cursor.
#pragma once

#include <QRectF>
#include <QStringList>
#include <optional>

#include "core/report.h"
#include "graficos/picture_export.h"

class QPainter;

namespace tarnolo {

struct CurveView {
  Report report;
  double marked = 0;             // the case's prevalence, a fraction
  std::optional<double> cursor;  // a prevalence read out on screen, none in files
  char separator = '.';
};

// The box of the plot inside a picture of rect: room left for the ticks and the axis titles.
QRectF curvePlotRect(const QRectF& rect);

// Draws view into rect (logical pixels, fonts in pixels): the frame (axes, grid, ticks, titles,
// legend), which depends on the rect, the separator and the level only, then the data over it.
void drawCurve(QPainter& painter, const QRectF& rect, const CurveView& view);
void drawCurveFrame(QPainter& painter, const QRectF& rect, const CurveView& view);
void drawCurveData(QPainter& painter, const QRectF& rect, const CurveView& view);
// The plot's white paper, grid and border alone, as the frame draws them: what a step paints
// again under the data.
void drawCurveGrid(QPainter& painter, const QRectF& rect);

// Why a curve or band is missing, one sentence each (empty when both are whole).
QStringList curveNotes(const CurveView& view);

// What a screen reader reads and the cursor's line: "Prevalencia 20,0 %: VPP 76,9 %
// (IC 63,0–86,7 %); VPN 96,1 % (IC 94,0–97,5 %)".
QString curveReadout(const Report& report, double prevalence, char separator);

// The text alternative of the picture: its title, the readout at the marked prevalence, the
// notes.
QString curveDescription(const CurveView& view);

// The picture with its caption, for the clipboard, the files and the printer (no cursor).
Picture curvePicture(const CurveView& view);

}  // namespace tarnolo
