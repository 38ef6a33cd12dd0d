// What the first frame loads: the main window as the program builds it pulls in no image
// plug-in, and what it reads in their stead is what they would have given.
#include <QFile>
#include <QStyleFactory>
#include <QtTest>

#include "principal/bitmap_button.h"
#include "principal/lazy_icon_style.h"
#include "principal/window_session.h"
#include "shell/application.h"

using namespace tarnolo;

class tst_Start : public QObject {
  Q_OBJECT

 private slots:
  void mainWindowLoadsNoImagePlugin_data();
  void mainWindowLoadsNoImagePlugin();
  void readPngGivesWhatTheToolkitReads_data();
  void readPngGivesWhatTheToolkitReads();
  void lazyIconIsTheStylesIcon_data();
  void lazyIconIsTheStylesIcon();
};

// Runs first, before anything in this process has read an image the toolkit's way. (The SVG
// module itself is linked for the pictures' export; its image plug-in must still stay out.)
void tst_Start::mainWindowLoadsNoImagePlugin_data() {
  QTest::addColumn<QString>("library");
  for (const char* library : {"imageformats/libqsvg", "imageformats/libqjpeg",
                              "imageformats/libqgif", "imageformats/libqico", "libjpeg"})
    QTest::newRow(library) << library;
}

void tst_Start::mainWindowLoadsNoImagePlugin() {
  QFETCH(QString, library);
  static bool built = false;
  static WindowSession* session = nullptr;
  if (!built) {
    useProgramStyle();
    session = new WindowSession([](const std::string&) {}, [](const std::string&) {});
    session->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&session->window));
    built = true;
  }
  QFile maps(QStringLiteral("/proc/self/maps"));
  QVERIFY(maps.open(QIODevice::ReadOnly));
  QVERIFY2(!QString::fromLatin1(maps.readAll()).contains(library), qPrintable(library));
}

void tst_Start::readPngGivesWhatTheToolkitReads_data() {
  QTest::addColumn<QString>("path");
  for (const char* name : {"icon48", "icon32", "icon16", "abrir", "salvar", "nuevo", "calcular",
                           "recalc", "redimens", "ic"})
    QTest::newRow(name) << QStringLiteral(":/artwork/%1.png").arg(QLatin1String(name));
  QTest::newRow("no such picture") << QStringLiteral(":/artwork/none.png");
}

void tst_Start::readPngGivesWhatTheToolkitReads() {
  QFETCH(QString, path);
  const QImage read = readPng(path);
  // The toolkit keeps a palette picture indexed; the pixels must be the same.
  QCOMPARE(read, QImage(path).convertToFormat(QImage::Format_ARGB32));
  QCOMPARE(read.isNull(), !QFile::exists(path));
}

void tst_Start::lazyIconIsTheStylesIcon_data() {
  QTest::addColumn<int>("which");
  QTest::newRow("menu bar's extension arrow") << int(QStyle::SP_ToolBarHorizontalExtensionButton);
  QTest::newRow("message box's warning") << int(QStyle::SP_MessageBoxWarning);
  QTest::newRow("file dialog's back") << int(QStyle::SP_ArrowBack);
}

void tst_Start::lazyIconIsTheStylesIcon() {
  QFETCH(int, which);
  const auto icon = QStyle::StandardPixmap(which);
  QStyle* base = QStyleFactory::create(QStringLiteral("Windows"));
  LazyIconStyle lazy(base);  // takes base
  const QIcon shown = lazy.standardIcon(icon);
  const QIcon wanted = base->standardIcon(icon);
  QCOMPARE(shown.isNull(), wanted.isNull());
  for (int size : {16, 32}) QCOMPARE(shown.pixmap(size).toImage(), wanted.pixmap(size).toImage());
}

QTEST_MAIN(tst_Start)
#include "tst_start.moc"
