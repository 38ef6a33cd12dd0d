// Standard icons read when first used.
#include "principal/lazy_icon_style.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>

namespace tarnolo {

namespace {

class LazyIconEngine : public QIconEngine {
 public:
  LazyIconEngine(const QStyle* style, QStyle::StandardPixmap which)
      : m_style(style), m_which(which) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().pixmap(size, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return icon().availableSizes(mode, state);
  }
  bool isNull() override { return icon().isNull(); }
  QIconEngine* clone() const override { return new LazyIconEngine(m_style, m_which); }
  QString key() const override { return QStringLiteral("tarnolo-lazy"); }

 private:
  const QIcon& icon() {
    if (!m_read && m_style) m_icon = m_style->standardIcon(m_which);
    m_read = true;
    return m_icon;
  }

  QPointer<const QStyle> m_style;
  QStyle::StandardPixmap m_which;
  QIcon m_icon;
  bool m_read = false;
};

}  // namespace

QIcon LazyIconStyle::standardIcon(StandardPixmap icon, const QStyleOption*, const QWidget*) const {
  return QIcon(new LazyIconEngine(baseStyle(), icon));
}

}  // namespace tarnolo
