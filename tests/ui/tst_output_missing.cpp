// A program whose output module is missing (a package that lost it, a module that does not
// load): the ways out that need it fail with a message, write nothing and open no dialog; the
// others still work. This test is built without the build tree's library path, so the module
// cannot be found.
#include <QDialog>
#include <QFile>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "core/failures.h"
#include "graficos/picture_export.h"
#include "informe/report_window.h"
#include "salida/output_module.h"

using namespace tarnolo;

class tst_OutputMissing : public QObject {
  Q_OBJECT

 private slots:
  void savedPicture_data();
  void savedPicture();
  void printingFailsWithoutADialog();
};

void tst_OutputMissing::savedPicture_data() {
  QTest::addColumn<int>("format");
  QTest::addColumn<QByteArray>("start");  // empty: the save fails
  QTest::newRow("SVG: fails") << int(PictureFormat::Svg) << QByteArray();
  QTest::newRow("PNG: written") << int(PictureFormat::Png) << QByteArray("\x89PNG");
  QTest::newRow("PDF: written") << int(PictureFormat::Pdf) << QByteArray("%PDF-");
}

void tst_OutputMissing::savedPicture() {
  QFETCH(int, format);
  QFETCH(QByteArray, start);
  std::string why;
  QVERIFY(!outputModule(&why));
  QVERIFY(why.find("libtarnolo-salida.so") != std::string::npos);
  const Picture picture{[](QPainter& p, const QRectF& r) { p.fillRect(r, Qt::red); },
                        QSizeF(40, 30), QString(), QStringLiteral("Prueba")};
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("dibujo"));
  std::string failure;
  try {
    savePicture(picture, PictureFormat(format), path.toStdString());
  } catch (const Failure& f) {
    QCOMPARE(f.kind(), FailureKind::InOutError);
    failure = f.message();
  }
  if (start.isEmpty()) {
    QVERIFY2(failure.starts_with("No se pudo cargar el escritor de SVG: "), failure.c_str());
    QVERIFY(!QFile::exists(path));
  } else {
    QVERIFY2(failure.empty(), failure.c_str());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith(start));
  }
}

void tst_OutputMissing::printingFailsWithoutADialog() {
  bool dialogShown = false;
  // Printing fails before any dialog opens, and the window's "Imprimir…" says so.
  QStringList failures;
  CaseState state;
  state.vp = 40, state.fp = 10, state.fn = 5, state.vn = 45;
  ReportWindow window(
      state, [&](const std::string& t) { failures << QString::fromStdString(t); }, nullptr);
  window.setDialogHook([&](QDialog&) { dialogShown = true; });
  window.show();
  QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("imprimir")), Qt::LeftButton);
  QCOMPARE(failures, QStringList{QStringLiteral("No se pudo imprimir el informe.")});
  QVERIFY(!dialogShown);
}

QTEST_MAIN(tst_OutputMissing)
#include "tst_output_missing.moc"
