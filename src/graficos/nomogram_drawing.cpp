// The picture of the Fagan nomogram.
#include "graficos/nomogram_drawing.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <vector>

#include "core/fagan.h"
#include "core/plot_scale.h"
#include "graficos/graph_text.h"
#include "graficos/picture_export.h"
#include "graficos/wide_line.h"

namespace tarnolo {

namespace {

constexpr int kFontPixels = 12;
const QColor kPositiveColour(0xb0, 0x1c, 0x2e);
const QColor kNegativeColour(0x1f, 0x6f, 0x3f);

const ReportRow* rowOf(const std::vector<ReportRow>& rows, std::string_view key) {
  for (const ReportRow& row : rows)
    if (row.key == key) return &row;
  return nullptr;
}

// One vertical scale with its ticks; labels on the side given.
void drawScale(QPainter& p, double x, const PlotScale& scale, const std::vector<double>& ticks,
               double factor, bool labelsLeft, char separator) {
  p.setPen(QPen(Qt::black, 1.5));
  p.drawLine(QPointF(x, scale.from()), QPointF(x, scale.to()));
  const QFontMetricsF metrics(p.font());
  for (const double t : ticks) {
    const double y = scale.position(t / factor);
    p.drawLine(QPointF(x - 5, y), QPointF(x + 5, y));
  }
  // Labels of the powers of ten first, then the others that touch none of them; a tick whose
  // label would touch another keeps its mark only.
  std::vector<double> labelled;
  auto label = [&](double t) {
    const double y = scale.position(t / factor);
    for (const double other : labelled)
      if (std::abs(y - other) < metrics.height()) return;
    labelled.push_back(y);
    const QString text = QString::fromStdString(tickLabel(t, separator));
    const double width = metrics.horizontalAdvance(text);
    p.drawText(QPointF(labelsLeft ? x - 8 - width : x + 8, y + metrics.ascent() / 2 - 1), text);
  };
  auto powerOfTen = [](double t) {
    const double e = std::log10(t);
    return std::abs(e - std::round(e)) < 1e-9;
  };
  for (const double t : ticks)
    if (powerOfTen(t)) label(t);
  for (const double t : ticks)
    if (!powerOfTen(t)) label(t);
}

bool drawable(const ReportValue& ratio) {
  return ratio.defined() && ratio.value > 0;
}

// The line of a ratio and, where both limits are values, the fan between their lines.
void drawRatio(QPainter& p, const NomogramLayout& layout, double pretest, const ReportRow& ratio,
               const QColor& colour) {
  if (drawable(ratio.limits.lower) && drawable(ratio.limits.upper)) {
    const Segment a = nomogramLine(layout, pretest, ratio.limits.lower.value);
    const Segment b = nomogramLine(layout, pretest, ratio.limits.upper.value);
    QColor fill = colour;
    fill.setAlpha(45);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);  // a pale fill loses nothing, and is faster
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPolygon(QPolygonF{QPointF(a.x1, a.y1), QPointF(a.x2, a.y2), QPointF(b.x2, b.y2)});
    p.restore();
    QPen edge(colour.lighter(130), 1);
    edge.setCosmetic(true);
    p.setPen(edge);
    p.drawLine(QPointF(a.x1, a.y1), QPointF(a.x2, a.y2));
    p.drawLine(QPointF(b.x1, b.y1), QPointF(b.x2, b.y2));
  }
  if (!drawable(ratio.estimate)) return;
  const Segment s = nomogramLine(layout, pretest, ratio.estimate.value);
  p.setBrush(Qt::NoBrush);
  drawWideLine(p, QPolygonF{QPointF(s.x1, s.y1), QPointF(s.x2, s.y2)}, colour);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(QPointF(s.x2, s.y2), 3.5, 3.5);
}

void drawTitles(QPainter& p, const QRectF& rect, const NomogramLayout& layout) {
  p.setPen(Qt::black);
  p.setFont(pixelFont(14, true));
  p.drawText(QRectF(rect.left(), rect.top() + 4, rect.width(), 20), Qt::AlignHCenter,
             QStringLiteral("Nomograma de Fagan"));
  p.setFont(pixelFont(kFontPixels, true));
  const double y = layout.top - 22;
  const QString titles[] = {QStringLiteral("Pre-prueba (%)"),
                            QStringLiteral("Razón de verosimilitud"),
                            QStringLiteral("Post-prueba (%)")};
  const double xs[] = {layout.leftX, layout.middleX, layout.rightX};
  for (int i = 0; i < 3; ++i)
    p.drawText(QRectF(xs[i] - 90, y, 180, 18), Qt::AlignHCenter, titles[i]);
}

}  // namespace

QRectF nomogramScalesRect(const QRectF& rect) {
  return rect.adjusted(rect.width() * 0.18, 56, -rect.width() * 0.18, -110);
}

void drawNomogramFrame(QPainter& painter, const QRectF& rect, char separator) {
  const QRectF box = nomogramScalesRect(rect);
  if (box.width() < 10 || box.height() < 10) return;
  painter.save();
  const NomogramLayout layout = nomogramLayout(box.left(), box.top(), box.width(), box.height());
  painter.setFont(pixelFont(kFontPixels));
  const auto probabilities = percentProbabilityTicks(0.1, 99.9);
  drawScale(painter, layout.leftX, layout.pre, probabilities, 100, true, separator);
  drawScale(painter, layout.middleX, layout.ratio, logTicks(kRatioLowest, kRatioHighest, true), 1,
            true, separator);
  drawScale(painter, layout.rightX, layout.post, probabilities, 100, false, separator);
  drawTitles(painter, rect, layout);
  painter.restore();
}

void drawNomogramData(QPainter& painter, const QRectF& rect, const NomogramView& view) {
  const QRectF box = nomogramScalesRect(rect);
  if (box.width() < 10 || box.height() < 10) return;
  painter.save();
  const NomogramLayout layout = nomogramLayout(box.left(), box.top(), box.width(), box.height());
  const auto rows = nomogramRows(view.report, view.pretest);
  painter.save();
  painter.setClipRect(QRectF(layout.leftX, layout.top - 2, layout.rightX - layout.leftX,
                             layout.bottom - layout.top + 4));
  if (const ReportRow* cpp = rowOf(rows, "cpp"))
    drawRatio(painter, layout, view.pretest, *cpp, kPositiveColour);
  if (const ReportRow* rv = rowOf(rows, "rv_neg"))
    drawRatio(painter, layout, view.pretest, *rv, kNegativeColour);
  painter.restore();
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  painter.drawEllipse(QPointF(layout.leftX, layout.pre.position(view.pretest)), 4, 4);
  painter.setFont(pixelFont(kFontPixels));
  const QStringList results = nomogramResults(view);
  const QColor colours[] = {Qt::black, kPositiveColour, kNegativeColour};
  // Each result under the last, wrapped when longer than the picture is wide.
  const QFontMetricsF metrics(painter.font());
  const int flags = Qt::AlignHCenter | Qt::TextWordWrap;
  double y = box.bottom() + 22;
  for (qsizetype i = 0; i < results.size() && i < 3; ++i) {
    const QRectF line(rect.left() + 10, y, rect.width() - 20, rect.bottom() - y);
    painter.setPen(colours[i]);
    painter.drawText(line, flags, results[i]);
    y += metrics.boundingRect(line, flags, results[i]).height() + 2;
  }
  painter.restore();
}

void drawNomogram(QPainter& painter, const QRectF& rect, const NomogramView& view) {
  drawNomogramFrame(painter, rect, view.separator);
  drawNomogramData(painter, rect, view);
}

QStringList nomogramResults(const NomogramView& view) {
  const auto rows = nomogramRows(view.report, view.pretest);
  const char sep = view.separator;
  const QString level = levelLabel(view.report, sep);
  QStringList lines{QStringLiteral("Probabilidad pre-prueba: ") +
                    percentText(ReportValue::of(view.pretest), sep)};
  auto line = [&](const QString& name, const char* ratioKey, const char* postKey,
                  const QString& ratioName) {
    const ReportRow *ratio = rowOf(rows, ratioKey), *post = rowOf(rows, postKey);
    if (!ratio || !post) return;
    QString text = name + u' ' + ratioName + u' ' + ratioText(ratio->estimate, sep);
    const QString why = QString::fromStdString(ratio->limits.note);
    if (!ratio->estimate.defined()) {
      // Nothing to carry: the ratio's reason is the whole line.
      lines << text + (why.isEmpty() ? QString() : QStringLiteral(" (") + why + u')');
      return;
    }
    text += QStringLiteral(" (%1 %2) \u2192 ").arg(level, ratioLimitsText(ratio->limits, sep)) +
            percentText(post->estimate, sep);
    if (post->estimate.defined())
      text += QStringLiteral(" (%1)").arg(percentLimitsText(post->limits, sep));
    // A limit missing ("?") says why.
    if (!why.isEmpty() && (!ratio->limits.lower.defined() || !ratio->limits.upper.defined()))
      text += QStringLiteral("; ") + why;
    lines << text;
  };
  line(QStringLiteral("Positivo:"), "cpp", "post_pos", QStringLiteral("CP+"));
  line(QStringLiteral("Negativo:"), "rv_neg", "post_neg", QStringLiteral("RV\u2212"));
  return lines;
}

QString nomogramDescription(const NomogramView& view) {
  return QStringLiteral("Nomograma de Fagan. ") + nomogramResults(view).join(QStringLiteral(". ")) +
         u'.';
}

Picture nomogramPicture(const NomogramView& view) {
  return {[view](QPainter& p, const QRectF& rect) { drawNomogram(p, rect, view); },
          QSizeF(560, 660), graphCaption(view.report, {}, view.separator),
          QStringLiteral("Nomograma de Fagan")};
}

}  // namespace tarnolo
