// A picture's ways out: the image, PNG, SVG and PDF bytes and files, the clipboard, the printer.
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include "core/failures.h"
#include "graficos/picture_export.h"

using namespace tarnolo;

namespace {

// A red drawing that fills the rect it is given, remembering that rect.
struct RedPicture {
  QRectF seen;
  Picture picture{[this](QPainter& p, const QRectF& rect) {
                    seen = rect;
                    p.fillRect(rect, Qt::red);
                  },
                  QSizeF(300, 200), QStringLiteral("VP 90, FP 10, FN 5, VN 95\nWilson, 95 %"),
                  QStringLiteral("Prueba")};
};

}  // namespace

class tst_PictureExport : public QObject {
  Q_OBJECT

 private slots:
  void formatNames_data();
  void formatNames();
  void bytesAndSavedFile_data();
  void bytesAndSavedFile();
  void imageHasTheDrawingAndTheCaptionUnderIt();
  void copyPutsTheImageAndTheCaption();
  void printsOnAPrinter();
};

void tst_PictureExport::formatNames_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<int>("format");  // -1 for none
  QTest::newRow("png") << "png" << int(PictureFormat::Png);
  QTest::newRow("upper case") << "SVG" << int(PictureFormat::Svg);
  QTest::newRow("pdf") << "pdf" << int(PictureFormat::Pdf);
  QTest::newRow("with a dot") << ".png" << -1;
  QTest::newRow("other") << "jpg" << -1;
  QTest::newRow("empty") << "" << -1;
}

void tst_PictureExport::formatNames() {
  QFETCH(QString, name);
  QFETCH(int, format);
  const auto found = pictureFormatFromName(name);
  QCOMPARE(found ? int(*found) : -1, format);
  if (found) QCOMPARE(pictureFormatSuffix(*found), name.toLower());
}

void tst_PictureExport::bytesAndSavedFile_data() {
  QTest::addColumn<int>("format");
  QTest::addColumn<QByteArray>("start");
  QTest::addColumn<QByteArray>("inside");
  QTest::newRow("png") << int(PictureFormat::Png) << QByteArray("\x89PNG") << QByteArray("IHDR");
  QTest::newRow("svg") << int(PictureFormat::Svg) << QByteArray("<?xml")
                       << QByteArray("<title>Prueba</title>");
  QTest::newRow("pdf") << int(PictureFormat::Pdf) << QByteArray("%PDF") << QByteArray("/Title");
}

// The bytes of each format, a saved file holding them under a name with an accent, and the
// failure of a save into a missing folder.
void tst_PictureExport::bytesAndSavedFile() {
  QFETCH(int, format);
  QFETCH(QByteArray, start);
  QFETCH(QByteArray, inside);
  RedPicture red;
  const QByteArray bytes = pictureBytes(red.picture, PictureFormat(format));
  QVERIFY(bytes.startsWith(start));
  QVERIFY(bytes.contains(inside));
  // Every device gets the drawing's own rect: the painter scales, not the callback.
  QCOMPARE(red.seen, QRectF(0, 0, 300, 200));
  if (PictureFormat(format) == PictureFormat::Png) {
    QImage image;
    QVERIFY(image.loadFromData(bytes, "PNG"));
    QCOMPARE(QSizeF(image.size()), (pictureSize(red.picture) * 2).toSize());
  }
  QTemporaryDir dir;
  const QString path =
      dir.filePath(QStringLiteral("gráfico.") + pictureFormatSuffix(PictureFormat(format)));
  savePicture(red.picture, PictureFormat(format), QFile::encodeName(path).toStdString());
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray saved = file.readAll();
  QVERIFY(saved.startsWith(start));
  if (PictureFormat(format) != PictureFormat::Pdf)  // the PDF carries the time it was made
    QCOMPARE(saved, bytes);
  // Into a folder that does not exist: a failure, in every format.
  const QString missing = dir.filePath(QStringLiteral("no/such/folder/a.") +
                                       pictureFormatSuffix(PictureFormat(format)));
  try {
    savePicture(red.picture, PictureFormat(format), QFile::encodeName(missing).toStdString());
    QFAIL("saved into a folder that does not exist");
  } catch (const Failure& failure) {
    QCOMPARE(int(failure.kind()), int(FailureKind::InOutError));
  }
}

void tst_PictureExport::imageHasTheDrawingAndTheCaptionUnderIt() {
  RedPicture red;
  const qreal caption = captionHeight(red.picture, 300);
  QVERIFY(caption > 20);  // two lines
  const QImage image = pictureImage(red.picture);
  QCOMPARE(image.size(), QSize(300, qCeil(200 + caption)));
  QCOMPARE(image.pixelColor(150, 100), QColor(Qt::red));
  QCOMPARE(image.pixelColor(299, 199), QColor(Qt::red));
  // Below the drawing: white paper with dark text, nothing red.
  int dark = 0;
  for (int y = 201; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      QVERIFY2(c != QColor(Qt::red), qPrintable(QStringLiteral("red at %1,%2").arg(x).arg(y)));
      if (c.lightness() < 100) ++dark;
    }
  QVERIFY(dark > 20);

  red.picture.caption.clear();
  QCOMPARE(pictureImage(red.picture).size(), QSize(300, 200));
}

void tst_PictureExport::copyPutsTheImageAndTheCaption() {
  RedPicture red;
  copyPicture(red.picture);
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  QVERIFY(data && data->hasImage());
  const QImage image = qvariant_cast<QImage>(data->imageData());
  QCOMPARE(image.pixelColor(300, 200), QColor(Qt::red));
  QCOMPARE(data->text(), red.picture.caption);
}

void tst_PictureExport::printsOnAPrinter() {
  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("impreso.pdf"));
  RedPicture red;
  QVERIFY(printPicture(red.picture, printer));
  QFile file(dir.filePath("impreso.pdf"));
  QVERIFY(file.open(QIODevice::ReadOnly));
  QVERIFY(file.readAll().startsWith("%PDF"));
  QCOMPARE(red.seen, QRectF(0, 0, 300, 200));
}

QTEST_MAIN(tst_PictureExport)
#include "tst_picture_export.moc"
