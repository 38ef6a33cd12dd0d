// The picture of the predictive values against the prevalence.
#include "graficos/curve_drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "core/plot_scale.h"
#include "core/predictive_curve.h"
#include "graficos/graph_text.h"
#include "graficos/picture_export.h"
#include "graficos/wide_line.h"

namespace tarnolo {

namespace {

constexpr int kSamples = 120;
constexpr int kFontPixels = 12;
const QColor kVppColour(0x1f, 0x5f, 0xbf);
const QColor kVpnColour(0xc0, 0x4f, 0x15);

QString tick(double percent, char separator) {
  return QString::fromStdString(tickLabel(percent, separator));
}

// The plot's paper: white, the grid at the ticks, the border.
void drawGrid(QPainter& p, const CurveLayout& layout, const QRectF& plot) {
  // Without smoothing: a rectangle and straight lines fill several times faster, which a slider
  // step, painting them again under the data, needs.
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(plot, Qt::white);
  p.setPen(QPen(QColor(0xdd, 0xdd, 0xdd), 0));
  for (const double t : linearTicks(0, 100, 11)) {
    const double x = layout.prevalence.position(t / 100), y = layout.probability.position(t / 100);
    p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
  }
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(plot);
  p.restore();
}

void drawAxes(QPainter& p, const CurveLayout& layout, const QRectF& plot, char separator) {
  drawGrid(p, layout, plot);
  p.setFont(pixelFont(kFontPixels));
  const QFontMetricsF metrics(p.font());
  for (const double t : linearTicks(0, 100, 11)) {
    const double x = layout.prevalence.position(t / 100), y = layout.probability.position(t / 100);
    p.setPen(Qt::black);
    const QString label = tick(t, separator);
    p.drawText(
        QPointF(x - metrics.horizontalAdvance(label) / 2, plot.bottom() + metrics.ascent() + 4),
        label);
    p.drawText(
        QPointF(plot.left() - metrics.horizontalAdvance(label) - 5, y + metrics.ascent() / 2 - 1),
        label);
  }
}

void drawTitles(QPainter& p, const QRectF& rect, const QRectF& plot) {
  p.setPen(Qt::black);
  p.setFont(pixelFont(14, true));
  p.drawText(QRectF(rect.left(), rect.top() + 4, rect.width(), 20), Qt::AlignHCenter,
             QStringLiteral("Valores predictivos según la prevalencia"));
  p.setFont(pixelFont(kFontPixels));
  p.drawText(QRectF(plot.left(), plot.bottom() + 20, plot.width(), 18), Qt::AlignHCenter,
             QStringLiteral("Prevalencia (%)"));
  p.save();
  p.translate(rect.left() + 14, plot.center().y());
  p.rotate(-90);
  p.drawText(QRectF(-plot.height() / 2, -12, plot.height(), 18), Qt::AlignHCenter,
             QStringLiteral("Probabilidad (%)"));
  p.restore();
}

// Runs of consecutive samples where value() is defined, as polylines.
template <class Get>
QList<QPolygonF> runs(const std::vector<CurvePoint>& samples, const CurveLayout& layout, Get get) {
  QList<QPolygonF> result;
  QPolygonF current;
  for (const CurvePoint& c : samples) {
    const ReportValue v = get(c);
    if (v.defined()) {
      current << QPointF(layout.prevalence.position(c.prevalence),
                         layout.probability.position(v.value));
    } else if (!current.isEmpty()) {
      result << current;
      current.clear();
    }
  }
  if (!current.isEmpty()) result << current;
  return result;
}

template <class Get>
void drawBand(QPainter& p, const std::vector<CurvePoint>& samples, const CurveLayout& layout,
              Get limits, const QColor& colour) {
  const auto lower = runs(samples, layout, [&](const CurvePoint& c) {
    const Limits l = limits(c);
    return l.lower.defined() && l.upper.defined() ? l.lower : ReportValue{};
  });
  const auto upper = runs(samples, layout, [&](const CurvePoint& c) {
    const Limits l = limits(c);
    return l.lower.defined() && l.upper.defined() ? l.upper : ReportValue{};
  });
  QColor fill = colour;
  fill.setAlpha(50);
  p.save();
  // A pale fill loses nothing without smoothing, and is filled several times faster.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  for (qsizetype i = 0; i < lower.size() && i < upper.size(); ++i) {
    QPolygonF band = lower[i];
    for (auto it = upper[i].crbegin(); it != upper[i].crend(); ++it) band << *it;
    p.drawPolygon(band);
  }
  p.restore();
}

template <class Get>
void drawLine(QPainter& p, const std::vector<CurvePoint>& samples, const CurveLayout& layout,
              Get get, const QColor& colour) {
  p.setBrush(Qt::NoBrush);
  for (const QPolygonF& run : runs(samples, layout, get)) drawWideLine(p, run, colour);
}

void drawMark(QPainter& p, const CurveLayout& layout, const QRectF& plot, const CurveView& view) {
  const CurvePoint at = curvePoint(view.report, view.marked);
  const double x = layout.prevalence.position(view.marked);
  p.setPen(QPen(Qt::black, 1, Qt::DashLine));
  p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
  p.setFont(pixelFont(kFontPixels));
  const QFontMetricsF metrics(p.font());
  const bool right = x < plot.center().x();
  // The higher value's label above its point, the lower one's below, so that they never meet.
  const bool vppHigher = !at.vpn.defined() || (at.vpp.defined() && at.vpp.value >= at.vpn.value);
  auto label = [&](const ReportValue& v, const QString& name, const QColor& colour, bool above) {
    if (!v.defined()) return;
    const QPointF point(x, layout.probability.position(v.value));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(point, 4, 4);
    const QString text = name + u' ' + percentText(v, view.separator);
    const double width = metrics.horizontalAdvance(text);
    const double y =
        qBound(plot.top() + metrics.ascent() + 2,
               above ? point.y() - 6 : point.y() + metrics.ascent() + 4, plot.bottom() - 4);
    p.setPen(colour.darker(120));
    p.drawText(QPointF(right ? x + 8 : x - 8 - width, y), text);
  };
  label(at.vpp, QStringLiteral("VPP"), kVppColour, vppHigher);
  label(at.vpn, QStringLiteral("VPN"), kVpnColour, !vppHigher);
}

void drawLegend(QPainter& p, const QRectF& plot, const CurveView& view) {
  p.setFont(pixelFont(kFontPixels));
  const QString band = QStringLiteral("banda: ") + levelLabel(view.report, view.separator);
  const QString items[] = {QStringLiteral("VPP"), QStringLiteral("VPN"), band};
  const QColor colours[] = {kVppColour, kVpnColour, QColor(0x88, 0x88, 0x88)};
  double x = plot.left() + 8;
  const double y = plot.top() - 8;
  const QFontMetricsF metrics(p.font());
  for (int i = 0; i < 3; ++i) {
    p.setPen(QPen(colours[i], i < 2 ? 2 : 8));
    p.drawLine(QPointF(x, y - 4), QPointF(x + 18, y - 4));
    p.setPen(Qt::black);
    p.drawText(QPointF(x + 22, y), items[i]);
    x += 22 + metrics.horizontalAdvance(items[i]) + 14;
  }
}

}  // namespace

QRectF curvePlotRect(const QRectF& rect) {
  return rect.adjusted(62, 52, -20, -46);
}

void drawCurveFrame(QPainter& painter, const QRectF& rect, const CurveView& view) {
  const QRectF plot = curvePlotRect(rect);
  if (plot.width() < 10 || plot.height() < 10) return;
  painter.save();
  const CurveLayout layout = curveLayout(plot.left(), plot.top(), plot.width(), plot.height());
  drawAxes(painter, layout, plot, view.separator);
  drawTitles(painter, rect, plot);
  drawLegend(painter, plot, view);
  painter.restore();
}

void drawCurveGrid(QPainter& painter, const QRectF& rect) {
  const QRectF plot = curvePlotRect(rect);
  if (plot.width() < 10 || plot.height() < 10) return;
  painter.save();
  drawGrid(painter, curveLayout(plot.left(), plot.top(), plot.width(), plot.height()), plot);
  painter.restore();
}

void drawCurveData(QPainter& painter, const QRectF& rect, const CurveView& view) {
  const QRectF plot = curvePlotRect(rect);
  if (plot.width() < 10 || plot.height() < 10) return;
  painter.save();
  const CurveLayout layout = curveLayout(plot.left(), plot.top(), plot.width(), plot.height());
  const auto samples = curveSamples(view.report, kSamples);
  drawBand(
      painter, samples, layout, [](const CurvePoint& c) { return c.vppLimits; }, kVppColour);
  drawBand(
      painter, samples, layout, [](const CurvePoint& c) { return c.vpnLimits; }, kVpnColour);
  drawLine(
      painter, samples, layout, [](const CurvePoint& c) { return c.vpp; }, kVppColour);
  drawLine(
      painter, samples, layout, [](const CurvePoint& c) { return c.vpn; }, kVpnColour);
  drawMark(painter, layout, plot, view);
  if (view.cursor) {
    const double x = layout.prevalence.position(*view.cursor);
    painter.setPen(QPen(QColor(0x44, 0x44, 0x44), 1, Qt::DotLine));
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
  }
  painter.restore();
}

void drawCurve(QPainter& painter, const QRectF& rect, const CurveView& view) {
  drawCurveFrame(painter, rect, view);
  drawCurveData(painter, rect, view);
}

QStringList curveNotes(const CurveView& view) {
  QStringList notes;
  for (const char* key : {"vpp", "vpn"}) {
    const std::string note = curveNote(view.report, key);
    if (!note.empty()) notes << QString::fromStdString(note);
  }
  return notes;
}

QString curveReadout(const Report& report, double prevalence, char separator) {
  const CurvePoint c = curvePoint(report, prevalence);
  const QString level = levelLabel(report, separator);
  return QStringLiteral("Prevalencia %1: VPP %2 (%3 %4); VPN %5 (%3 %6)")
      .arg(percentText(ReportValue::of(prevalence), separator), percentText(c.vpp, separator),
           level, percentLimitsText(c.vppLimits, separator), percentText(c.vpn, separator),
           percentLimitsText(c.vpnLimits, separator));
}

QString curveDescription(const CurveView& view) {
  QString text =
      QStringLiteral("Valores predictivos según la prevalencia. En la prevalencia del caso, ") +
      curveReadout(view.report, view.marked, view.separator) + u'.';
  for (const QString& note : curveNotes(view)) text += u' ' + note + u'.';
  return text;
}

Picture curvePicture(const CurveView& view) {
  CurveView shown = view;
  shown.cursor.reset();
  return {[shown](QPainter& p, const QRectF& rect) { drawCurve(p, rect, shown); }, QSizeF(640, 440),
          graphCaption(view.report, curveNotes(view), view.separator),
          QStringLiteral("Valores predictivos según la prevalencia")};
}

}  // namespace tarnolo
