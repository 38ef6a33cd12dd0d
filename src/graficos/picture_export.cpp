// A picture and its ways out: clipboard, PNG, SVG, PDF, printer.
#include "graficos/picture_export.h"

#include <QBuffer>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QtMath>

#include "core/failures.h"
#include "core/text_file.h"
#include "salida/output_module.h"

namespace tarnolo {

namespace {

constexpr qreal kCaptionMargin = 8;
constexpr int kCaptionPixelSize = 12;

QFont captionFont() {
  return pixelFont(kCaptionPixelSize);
}

QRectF captionRect(const Picture& picture, qreal width) {
  return QRectF(kCaptionMargin, picture.size.height(), width - 2 * kCaptionMargin,
                captionHeight(picture, width));
}

}  // namespace

QFont pixelFont(int pixels, bool bold) {
  QFont font;
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

std::optional<PictureFormat> pictureFormatFromName(const QString& name) {
  const QString word = name.toLower();
  if (word == QLatin1String("png")) return PictureFormat::Png;
  if (word == QLatin1String("svg")) return PictureFormat::Svg;
  if (word == QLatin1String("pdf")) return PictureFormat::Pdf;
  return std::nullopt;
}

QString pictureFormatSuffix(PictureFormat format) {
  switch (format) {
    case PictureFormat::Png:
      return QStringLiteral("png");
    case PictureFormat::Svg:
      return QStringLiteral("svg");
    case PictureFormat::Pdf:
      return QStringLiteral("pdf");
  }
  return {};
}

QString pictureFormatFilter(PictureFormat format) {
  switch (format) {
    case PictureFormat::Png:
      return QStringLiteral("Imagen PNG (*.png)");
    case PictureFormat::Svg:
      return QStringLiteral("Imagen SVG (*.svg)");
    case PictureFormat::Pdf:
      return QStringLiteral("PDF (*.pdf)");
  }
  return {};
}

qreal captionHeight(const Picture& picture, qreal width) {
  if (picture.caption.isEmpty()) return 0;
  const QFontMetricsF metrics(captionFont());
  const QRectF bounds(0, 0, qMax<qreal>(1, width - 2 * kCaptionMargin), 1e6);
  return metrics.boundingRect(bounds, Qt::TextWordWrap, picture.caption).height() +
         2 * kCaptionMargin;
}

QSizeF pictureSize(const Picture& picture) {
  return {picture.size.width(),
          picture.size.height() + captionHeight(picture, picture.size.width())};
}

void paintPicture(QPainter& painter, const QRectF& target, const Picture& picture) {
  const QSizeF whole = pictureSize(picture);
  if (whole.isEmpty() || target.isEmpty()) return;
  const qreal scale = qMin(target.width() / whole.width(), target.height() / whole.height());
  painter.save();
  painter.translate(target.center() - QPointF(whole.width(), whole.height()) * scale / 2);
  painter.scale(scale, scale);
  painter.fillRect(QRectF(QPointF(0, 0), whole), Qt::white);
  painter.save();
  painter.setClipRect(QRectF(QPointF(0, 0), picture.size));
  if (picture.draw) picture.draw(painter, QRectF(QPointF(0, 0), picture.size));
  painter.restore();
  if (!picture.caption.isEmpty()) {
    painter.setFont(captionFont());
    painter.setPen(Qt::black);
    painter.drawText(captionRect(picture, whole.width()).adjusted(0, kCaptionMargin, 0, 0),
                     Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, picture.caption);
  }
  painter.restore();
}

QImage pictureImage(const Picture& picture, qreal scale) {
  const QSizeF whole = pictureSize(picture) * scale;
  QImage image(qMax(1, qCeil(whole.width())), qMax(1, qCeil(whole.height())),
               QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  const int dotsPerMeter = qRound(3780 * scale);
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  paintPicture(painter, QRectF(QPointF(0, 0), whole), picture);
  return image;
}

namespace {

QByteArray pngBytes(const Picture& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  pictureImage(picture, 2).save(&buffer, "PNG");
  return bytes;
}

QByteArray svgBytes(const Picture& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const QSizeF whole = pictureSize(picture);
  std::string why;
  OutputModule* module = outputModule(&why);
  if (!module)
    throw Failure(FailureKind::InOutError, "No se pudo cargar el escritor de SVG: " + why);
  const bool written =
      module->writeSvg(buffer, whole, picture.title, picture.caption, [&](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        paintPicture(painter, QRectF(QPointF(0, 0), whole), picture);
      });
  if (!written) throw Failure(FailureKind::InOutError, "No se pudo escribir el SVG");
  return bytes;
}

QByteArray pdfBytes(const Picture& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setTitle(picture.title);
  writer.setCreator(QStringLiteral("Tarnolo"));
  const QSizeF whole = pictureSize(picture);
  const auto orientation =
      whole.height() > whole.width() ? QPageLayout::Portrait : QPageLayout::Landscape;
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(15, 15, 15, 15),
                                   QPageLayout::Millimeter));
  QPainter painter(&writer);
  painter.setRenderHint(QPainter::Antialiasing);
  paintPicture(painter, QRectF(QPointF(0, 0), QSizeF(writer.width(), writer.height())), picture);
  painter.end();
  return bytes;
}

}  // namespace

QByteArray pictureBytes(const Picture& picture, PictureFormat format) {
  switch (format) {
    case PictureFormat::Png:
      return pngBytes(picture);
    case PictureFormat::Svg:
      return svgBytes(picture);
    case PictureFormat::Pdf:
      return pdfBytes(picture);
  }
  return {};
}

void savePicture(const Picture& picture, PictureFormat format, const std::string& path) {
  const QByteArray bytes = pictureBytes(picture, format);
  writeTextFile(path, std::string(bytes.constData(), size_t(bytes.size())));
}

void copyPicture(const Picture& picture) {
  auto* data = new QMimeData;
  data->setImageData(pictureImage(picture, 2));
  if (!picture.caption.isEmpty()) data->setText(picture.caption);
  QGuiApplication::clipboard()->setMimeData(data);
}

bool printPicture(const Picture& picture, QPagedPaintDevice& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.setRenderHint(QPainter::Antialiasing);
  paintPicture(painter, QRectF(0, 0, printer.width(), printer.height()), picture);
  return painter.end();
}

}  // namespace tarnolo
