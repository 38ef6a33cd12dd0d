// A style whose standard icons are read when first drawn, not when a widget asks for them.
#pragma once

#include <QProxyStyle>

namespace tarnolo {

// The base style, but each standard icon is an icon that reads the base style's one when it is
// first drawn or measured. The menu bar asks for its extension arrow as it is built; the style
// reads it from a file whose format it learns by probing every image plug-in, which loads the
// SVG and JPEG libraries before the first frame, for an arrow that a window as wide as its
// menus never shows.
class LazyIconStyle : public QProxyStyle {
  Q_OBJECT

 public:
  explicit LazyIconStyle(QStyle* base) : QProxyStyle(base) {}

  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;

 private:
  Q_DISABLE_COPY(LazyIconStyle)
};

}  // namespace tarnolo
