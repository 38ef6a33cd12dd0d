// What the first frame loads: the main window as the program builds it pulls in no image
// plug-in and none of the print and SVG libraries, and what it reads in their stead is what
// they would have given; the printer and the SVG writer come with their module when asked.
#include <QFile>
#include <QStyleFactory>
#include <QtTest>

#include "principal/bitmap_button.h"
#include "principal/first_frame.h"
#include "principal/lazy_icon_style.h"
#include "principal/window_session.h"
#include "salida/output_module.h"
#include "shell/application.h"

using namespace tarnolo;

class tst_Start : public QObject {
  Q_OBJECT

 private slots:
  void mainWindowLoadsNoImagePlugin_data();
  void mainWindowLoadsNoImagePlugin();
  void outputModuleLoadsOnFirstUse();
  void afterFirstFrameRunsOnceExposed_data();
  void afterFirstFrameRunsOnceExposed();
  void readPngGivesWhatTheToolkitReads_data();
  void readPngGivesWhatTheToolkitReads();
  void lazyIconIsTheStylesIcon_data();
  void lazyIconIsTheStylesIcon();
};

namespace {

bool loaded(const QString& library) {
  QFile maps(QStringLiteral("/proc/self/maps"));
  return maps.open(QIODevice::ReadOnly) && QString::fromLatin1(maps.readAll()).contains(library);
}

}  // namespace

// Runs first, before anything in this process has read an image the toolkit's way or printed.
void tst_Start::mainWindowLoadsNoImagePlugin_data() {
  QTest::addColumn<QString>("library");
  for (const char* library :
       {"imageformats/libqsvg", "imageformats/libqjpeg", "imageformats/libqgif",
        "imageformats/libqico", "libjpeg", "libQt6Svg", "libQt6PrintSupport", "libtarnolo-salida"})
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
  QVERIFY2(!loaded(library), qPrintable(library));
}

// Found through the program's own library path, once, with the libraries it brings.
void tst_Start::outputModuleLoadsOnFirstUse() {
  std::string why;
  OutputModule* module = outputModule(&why);
  QVERIFY2(module, why.c_str());
  QCOMPARE(outputModule(), module);
  for (const char* library : {"libtarnolo-salida", "libQt6Svg", "libQt6PrintSupport"})
    QVERIFY2(loaded(QLatin1String(library)), library);
}

void tst_Start::afterFirstFrameRunsOnceExposed_data() {
  QTest::addColumn<bool>("exposedFirst");
  QTest::newRow("asked before the window shows") << false;
  QTest::newRow("asked once it is exposed") << true;
}

// The work runs from the event loop, once, and never before the window is exposed.
void tst_Start::afterFirstFrameRunsOnceExposed() {
  QFETCH(bool, exposedFirst);
  QWidget widget;
  widget.resize(40, 30);
  widget.winId();  // the window exists, unexposed
  int runs = 0;
  bool exposedWhenRun = false;
  const auto work = [&] {
    ++runs;
    exposedWhenRun = widget.windowHandle()->isExposed();
  };
  if (exposedFirst) {
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
  }
  afterFirstFrame(*widget.windowHandle(), work);
  QCOMPARE(runs, 0);
  if (!exposedFirst) {
    QCoreApplication::processEvents();
    QCOMPARE(runs, 0);
    widget.show();
  }
  QTRY_COMPARE(runs, 1);
  QVERIFY(exposedWhenRun);
  widget.hide();
  widget.show();
  QVERIFY(QTest::qWaitForWindowExposed(&widget));
  QCoreApplication::processEvents();
  QCOMPARE(runs, 1);
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
