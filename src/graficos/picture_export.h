// A picture drawn by a callback, and its ways out of the program: the clipboard, PNG, SVG and
// PDF files, the printer. The same drawing serves the screen, the files and the page.
#pragma once

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace tarnolo {

// Draws the picture into rect, in logical pixels; the painter may be scaled to the device, so a
// drawing sizes its fonts in pixels (QFont::setPixelSize), never in points.
using PictureDrawing = std::function<void(QPainter&, const QRectF&)>;

// The default font sized in pixels, so that the painter's scale sizes it alike on every device.
QFont pixelFont(int pixels, bool bold = false);

struct Picture {
  PictureDrawing draw;
  QSizeF size;      // the drawing's own size, in logical pixels, without the caption
  QString caption;  // lines under the drawing ("\n" between them); empty for none
  QString title;    // the document's name in the SVG, the PDF and the print queue
};

enum class PictureFormat { Png, Svg, Pdf };

// The format named by a file suffix or a replay word: "png", "svg", "pdf" (any case).
std::optional<PictureFormat> pictureFormatFromName(const QString& name);
// The suffix of a format, "png", and its filter for a file dialog, "Imagen PNG (*.png)".
QString pictureFormatSuffix(PictureFormat format);
QString pictureFormatFilter(PictureFormat format);

// The height the caption takes under the drawing at width, in logical pixels; 0 without one.
qreal captionHeight(const Picture& picture, qreal width);
// The size of the whole picture: the drawing with its caption under it.
QSizeF pictureSize(const Picture& picture);
// Paints the whole picture (white background, drawing, caption) into target, scaled to fit
// while keeping its proportions and centred.
void paintPicture(QPainter& painter, const QRectF& target, const Picture& picture);

// The picture as an image at scale times its logical size (device pixel ratio 1).
QImage pictureImage(const Picture& picture, qreal scale = 1);
// The bytes of a file of the picture: PNG at twice the logical size, SVG in logical pixels, PDF
// on one A4 page, upright for a picture taller than wide, else in landscape.
QByteArray pictureBytes(const Picture& picture, PictureFormat format);
// Writes the picture's file at path through the program's safe file writer; raises its
// InOutError on failure, and when the SVG writer (the output module) cannot be loaded.
void savePicture(const Picture& picture, PictureFormat format, const std::string& path);
// Puts the picture on the clipboard as an image and its caption as text.
void copyPicture(const Picture& picture);
// Paints the picture on a printer's page, fitted to it. Returns false when it could not be
// painted (a printer file that could not be opened).
bool printPicture(const Picture& picture, QPagedPaintDevice& printer);

}  // namespace tarnolo
