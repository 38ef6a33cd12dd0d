// The bitmap button.
#include "principal/bitmap_button.h"

#include <QIcon>
#include <QImageReader>
#include <QPixmap>

namespace tarnolo {

QImage readPng(const QString& path) {
  QImageReader reader(path, "png");
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

Glyph splitGlyph(const QImage& picture) {
  QImage image = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb ground = image.pixel(0, image.height() - 1);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (line[x] == ground) line[x] = qRgba(0, 0, 0, 0);
    }
  }
  const int half = image.width() / 2;
  return {image.copy(0, 0, half, image.height()), image.copy(half, 0, half, image.height())};
}

BitmapButton::BitmapButton(QWidget* parent) : QPushButton(parent) {
  setIconSize(QSize(16, 16));
}

void BitmapButton::setGlyph(const QString& path) {
  m_glyph = path;
  QIcon icon;
  if (!path.isEmpty()) {
    const Glyph glyph = splitGlyph(readPng(path));
    icon.addPixmap(QPixmap::fromImage(glyph.enabled), QIcon::Normal);
    icon.addPixmap(QPixmap::fromImage(glyph.disabled), QIcon::Disabled);
  }
  setIcon(icon);
}

}  // namespace tarnolo
