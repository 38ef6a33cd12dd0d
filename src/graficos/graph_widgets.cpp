// The two pictures on screen.
#include "graficos/graph_widgets.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "core/plot_scale.h"
#include "core/predictive_curve.h"
#include "graficos/graph_text.h"

namespace tarnolo {

namespace {

void announce(QWidget* widget) {
  QAccessibleEvent event(widget, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&event);
}

}  // namespace

const QPixmap& FrameCache::frame(const QWidget& widget, const QString& key,
                                 const std::function<void(QPainter&, const QRectF&)>& draw) {
  const qreal ratio = widget.devicePixelRatioF();
  const QSize size = widget.size() * ratio;
  if (m_pixmap.size() != size || m_pixmap.devicePixelRatio() != ratio || m_key != key) {
    m_pixmap = QPixmap(size);
    m_pixmap.setDevicePixelRatio(ratio);
    m_pixmap.fill(Qt::white);
    QPainter painter(&m_pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, QRectF(widget.rect()));
    m_key = key;
  }
  return m_pixmap;
}

CurveWidget::CurveWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("curva"));
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleName(QStringLiteral("Valores predictivos según la prevalencia"));
}

void CurveWidget::setView(const CurveView& view) {
  const auto cursor = m_view.cursor;
  const bool sameFrame = view.separator == m_view.separator &&
                         view.report.level.percent == m_view.report.level.percent;
  m_view = view;
  m_view.cursor = cursor;
  describe();
  updateData(sameFrame);
  if (cursor) emit cursorRead(curveReadout(m_view.report, *cursor, m_view.separator));
}

void CurveWidget::placeCursor(std::optional<double> prevalence) {
  if (prevalence) prevalence = qBound(0.0, *prevalence, 1.0);
  m_view.cursor = prevalence;
  describe();
  updateData(true);
  emit cursorRead(prevalence ? curveReadout(m_view.report, *prevalence, m_view.separator)
                             : QString());
}

// What a step changes lies in the plot (its marks reach a few pixels past it): the rest of the
// frame is not painted again unless it changed too.
void CurveWidget::updateData(bool sameFrame) {
  if (sameFrame)
    update(curvePlotRect(QRectF(rect())).adjusted(-8, -8, 8, 8).toAlignedRect());
  else
    update();
}

void CurveWidget::describe() {
  QString text = curveDescription(m_view);
  if (m_view.cursor)
    text += QStringLiteral(" Cursor: ") +
            curveReadout(m_view.report, *m_view.cursor, m_view.separator) + u'.';
  if (text == accessibleDescription()) return;
  setAccessibleDescription(text);
  announce(this);
}

void CurveWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QString key = QChar(m_view.separator) + levelLabel(m_view.report, m_view.separator);
  const QPixmap& frame = m_frame.frame(
      *this, key, [this](QPainter& p, const QRectF& r) { drawCurveFrame(p, r, m_view); });
  // The plot's paper and grid are drawn again, faster than copied; the frame around it, copied
  // where it is to be painted.
  const QRegion around = event->region() - curvePlotRect(QRectF(rect())).toAlignedRect();
  if (!around.isEmpty()) {
    painter.setClipRegion(around);
    painter.drawPixmap(0, 0, frame);
    painter.setClipping(false);
  }
  painter.setRenderHint(QPainter::Antialiasing);
  drawCurveGrid(painter, QRectF(rect()));
  drawCurveData(painter, QRectF(rect()), m_view);
  if (hasFocus()) {
    painter.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
  }
}

void CurveWidget::mouseMoveEvent(QMouseEvent* event) {
  const QRectF plot = curvePlotRect(QRectF(rect()));
  if (plot.width() < 10 || !plot.contains(event->position())) {
    if (m_view.cursor) placeCursor(std::nullopt);
    return;
  }
  const CurveLayout layout = curveLayout(plot.left(), plot.top(), plot.width(), plot.height());
  placeCursor(layout.prevalence.value(event->position().x()));
}

void CurveWidget::leaveEvent(QEvent* event) {
  if (m_view.cursor && !hasFocus()) placeCursor(std::nullopt);
  QWidget::leaveEvent(event);
}

// Arrows move the cursor by 1 %, Page Up and Down by 10 %, Home and End to the ends; it starts
// at the marked prevalence.
void CurveWidget::keyPressEvent(QKeyEvent* event) {
  const double at = m_view.cursor.value_or(m_view.marked);
  // In whole hundredths, so that steps land on 0.01, 0.02... whatever the start.
  const double hundredths = std::round(at * 100);
  double next = 0;
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
      next = (hundredths - 1) / 100;
      break;
    case Qt::Key_Right:
    case Qt::Key_Up:
      next = (hundredths + 1) / 100;
      break;
    case Qt::Key_PageDown:
      next = (hundredths - 10) / 100;
      break;
    case Qt::Key_PageUp:
      next = (hundredths + 10) / 100;
      break;
    case Qt::Key_Home:
      next = 0;
      break;
    case Qt::Key_End:
      next = 1;
      break;
    case Qt::Key_Escape:
      if (m_view.cursor) {
        placeCursor(std::nullopt);
        return;
      }
      [[fallthrough]];
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  placeCursor(next);
}

NomogramWidget::NomogramWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("nomograma"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleName(QStringLiteral("Nomograma de Fagan"));
}

void NomogramWidget::setView(const NomogramView& view) {
  m_view = view;
  const QString text = nomogramDescription(m_view);
  if (text != accessibleDescription()) {
    setAccessibleDescription(text);
    announce(this);
  }
  update();
}

void NomogramWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(
      0, 0, m_frame.frame(*this, QChar(m_view.separator), [this](QPainter& p, const QRectF& r) {
        drawNomogramFrame(p, r, m_view.separator);
      }));
  painter.setRenderHint(QPainter::Antialiasing);
  drawNomogramData(painter, QRectF(rect()), m_view);
}

}  // namespace tarnolo
