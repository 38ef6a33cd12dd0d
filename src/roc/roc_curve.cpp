// The empirical ROC curve.
#include "roc/roc_curve.h"

#include <QPainter>
#include <QPainterPath>

#include "core/number_text.h"
#include "core/plot_scale.h"
#include "core/roc_text.h"
#include "informe/locale_separator.h"
#include "informe/qt_text.h"

namespace tarnolo {

namespace {

constexpr qreal kSide = 460, kLeft = 56, kTop = 34, kRight = 18, kBottom = 50;

// Three decimals for reading on the picture; the tables keep every digit.
QString rounded(double value, char separator) {
  QString text = QString::number(value, 'f', 3);
  if (separator != '.') text.replace(QLatin1Char('.'), QLatin1Char(separator));
  return text;
}

QString areaLine(const RocAnalysis& a, char separator) {
  const Limits& l = a.area.deLong.lower.defined() ? a.area.deLong : a.area.hanleyMcNeil;
  const QString by =
      a.area.deLong.lower.defined() ? QStringLiteral("DeLong") : QStringLiteral("Hanley y McNeil");
  return QStringLiteral("Área %1 (IC %2 % %3: %4 a %5)")
      .arg(rounded(a.area.area, separator), qstring(RealToText(a.level.percent, separator)), by,
           rounded(l.lower.value, separator), rounded(l.upper.value, separator));
}

void drawAxes(QPainter& p, const PlotScale& x, const PlotScale& y, char separator) {
  QFont font = p.font();
  font.setPixelSize(11);
  p.setFont(font);
  for (double t : linearTicks(0, 1, 6)) {
    const QString label = qstring(tickLabel(t, separator));
    p.setPen(QColor(225, 225, 225));
    p.drawLine(QPointF(x.position(t), y.position(0)), QPointF(x.position(t), y.position(1)));
    p.drawLine(QPointF(x.position(0), y.position(t)), QPointF(x.position(1), y.position(t)));
    p.setPen(Qt::black);
    p.drawText(QRectF(x.position(t) - 20, y.position(0) + 4, 40, 14), Qt::AlignHCenter, label);
    p.drawText(QRectF(x.position(0) - 44, y.position(t) - 7, 38, 14), Qt::AlignRight, label);
  }
  p.drawRect(QRectF(QPointF(x.position(0), y.position(1)), QPointF(x.position(1), y.position(0))));
  p.drawText(QRectF(x.position(0), y.position(0) + 20, x.position(1) - x.position(0), 16),
             Qt::AlignHCenter, QStringLiteral("1 - especificidad"));
  p.save();
  p.translate(x.position(0) - 30, y.position(0.5));
  p.rotate(-90);
  p.drawText(QRectF(-80, -16, 160, 16), Qt::AlignHCenter, QStringLiteral("Sensibilidad"));
  p.restore();
}

void drawCurve(QPainter& p, const RocAnalysis& a, int selected, const QRectF& rect,
               char separator) {
  const PlotScale x(ScaleKind::Linear, 0, 1, rect.left() + kLeft, rect.right() - kRight);
  const PlotScale y(ScaleKind::Linear, 0, 1, rect.bottom() - kBottom, rect.top() + kTop);
  p.setRenderHint(QPainter::Antialiasing);
  drawAxes(p, x, y, separator);
  p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DashLine));
  p.drawLine(QPointF(x.position(0), y.position(0)), QPointF(x.position(1), y.position(1)));
  QPainterPath path;
  for (const RocPoint& point : a.curve) {
    const QPointF at(x.position(point.fpf), y.position(point.sens));
    if (path.elementCount() == 0)
      path.moveTo(at);
    else
      path.lineTo(at);
  }
  p.setPen(QPen(QColor(0, 70, 160), 2));
  p.drawPath(path);
  for (const RocPoint& point : a.curve) {
    if (point.k < 2 || point.k > int(a.table.levels.size())) continue;
    const QPointF at(x.position(point.fpf), y.position(point.sens));
    const bool best = point.k == a.best;
    p.setPen(QPen(best ? QColor(190, 0, 0) : QColor(0, 70, 160), 1.5));
    p.setBrush(best ? QColor(190, 0, 0) : QColor(255, 255, 255));
    p.drawEllipse(at, best ? 5 : 3.5, best ? 5 : 3.5);
    if (point.k == selected) {
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(QColor(0, 140, 0), 2));
      p.drawEllipse(at, 9, 9);
    }
    p.setPen(Qt::black);
    p.drawText(at + QPointF(7, 14), QStringLiteral("≥%1").arg(point.k));
  }
  p.setBrush(Qt::NoBrush);
  QFont title = p.font();
  title.setPixelSize(13);
  title.setBold(true);
  p.setFont(title);
  p.drawText(QRectF(rect.left(), rect.top() + 6, rect.width(), 20), Qt::AlignHCenter,
             QStringLiteral("Curva ROC — ") + areaLine(a, separator));
  QFont note = p.font();
  note.setBold(false);
  note.setPixelSize(11);
  p.setFont(note);
  p.setPen(QColor(190, 0, 0));
  p.drawText(QRectF(x.position(0.45), y.position(0.12), x.position(1) - x.position(0.45) - 6, 16),
             Qt::AlignRight, QStringLiteral("● índice de Youden máximo: ≥%1").arg(a.best));
}

}  // namespace

Picture rocCurvePicture(const RocAnalysis& analysis, int selected, char separator) {
  const RocAnalysis a = analysis;  // the picture may outlive the window's analysis
  Picture picture;
  picture.size = QSizeF(kSide + 60, kSide);
  picture.draw = [a, selected, separator](QPainter& p, const QRectF& rect) {
    drawCurve(p, a, selected, rect, separator);
  };
  picture.caption = QStringLiteral("Enfermos %1, sanos %2, %3 niveles; %4; %5")
                        .arg(a.table.enfermos)
                        .arg(a.table.sanos)
                        .arg(a.table.levels.size())
                        .arg(qstring(rocIntervalName(a, separator)), areaLine(a, separator));
  picture.title = QStringLiteral("Curva ROC");
  return picture;
}

QString rocCurveDescription(const RocAnalysis& a, char separator) {
  QString text = QStringLiteral("Curva ROC empírica. ") + areaLine(a, separator) +
                 QStringLiteral(". Mejor punto de corte: positivo desde el nivel %1.").arg(a.best);
  for (const RocPoint& point : a.curve) {
    if (point.k < 2 || point.k > int(a.table.levels.size())) continue;
    text += QStringLiteral(" Desde el nivel %1: sensibilidad %2, 1 - especificidad %3.")
                .arg(point.k)
                .arg(rounded(point.sens, separator), rounded(point.fpf, separator));
  }
  return text;
}

RocCurveView::RocCurveView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("curva"));
  setAccessibleName(QStringLiteral("Curva ROC"));
  setMinimumSize(320, 300);
  setFocusPolicy(Qt::TabFocus);
}

void RocCurveView::setAnalysis(const RocAnalysis* analysis, int selected) {
  m_analysis = analysis;
  m_selected = selected;
  const char separator = localeSeparator();
  setAccessibleDescription(analysis ? rocCurveDescription(*analysis, separator)
                                    : QStringLiteral("Sin curva: la tabla no es válida."));
  setToolTip(accessibleDescription());
  update();
}

void RocCurveView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (!m_analysis) return;
  const Picture picture = rocCurvePicture(*m_analysis, m_selected, localeSeparator());
  paintPicture(painter, QRectF(rect()), picture);
}

}  // namespace tarnolo
