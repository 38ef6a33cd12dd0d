// The bitmap button.
#include "principal/bitmap_button.h"

#include <png.h>

#include <QFile>
#include <QIcon>
#include <QPixmap>
#include <QSysInfo>

namespace tarnolo {

QImage readPng(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&png, bytes.constData(), size_t(bytes.size()))) return {};
  // The byte order of QImage::Format_ARGB32: one 32-bit word a pixel, alpha in its top byte.
  png.format = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
  QImage image(int(png.width), int(png.height), QImage::Format_ARGB32);
  if (image.isNull() || !png_image_finish_read(&png, nullptr, image.bits(),
                                               png_int_32(image.bytesPerLine()), nullptr)) {
    png_image_free(&png);
    return {};
  }
  return image;
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
