// The percentage bar: its layout arithmetic, and the pixels it paints.
#include <QSet>
#include <QtTest>

#include "principal/percent_bar.h"

using tarnolo::barLayout;
using tarnolo::labelOrigin;
using tarnolo::PercentBar;

class tst_PercentBar : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void layout_data();
  void layout();
  void labelOrigin_data();
  void labelOrigin();
  void clamps_data();
  void clamps();
  void pixels_data();
  void pixels();
};

void tst_PercentBar::initTestCase() {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(11);
  QApplication::setFont(font);
}

void tst_PercentBar::layout_data() {
  QTest::addColumn<QSize>("size");
  QTest::addColumn<int>("percentage");
  QTest::addColumn<QRect>("fill");
  QTest::addColumn<QString>("label");
  // Wp = paint-area width + 1; the fill runs from x = 1 up to, not including, trunc(Wp * p / 100).
  QTest::newRow("empty") << QSize(131, 17) << 0 << QRect() << "0%";
  QTest::newRow("half") << QSize(131, 17) << 50 << QRect(1, 1, 64, 15) << "50%";
  QTest::newRow("57 of Wp 128") << QSize(129, 18) << 57 << QRect(1, 1, 71, 16) << "57%";
  QTest::newRow("full covers the paint area")
      << QSize(131, 17) << 100 << QRect(1, 1, 129, 15) << "100%";
  // trunc(9 * 12 / 100) = 1: the fill would end where it starts.
  QTest::newRow("narrow bar fills nothing") << QSize(10, 10) << 12 << QRect() << "12%";
  QTest::newRow("narrow bar, one column") << QSize(10, 10) << 23 << QRect(1, 1, 1, 8) << "23%";
}

void tst_PercentBar::layout() {
  QFETCH(QSize, size);
  QFETCH(int, percentage);
  QFETCH(QRect, fill);
  QFETCH(QString, label);
  const tarnolo::BarLayout layout = barLayout(size.width(), size.height(), percentage);
  QCOMPARE(layout.paintArea, QRect(1, 1, size.width() - 2, size.height() - 2));
  QCOMPARE(layout.fill.isEmpty(), fill.isEmpty());
  if (!fill.isEmpty()) QCOMPARE(layout.fill, fill);
  QCOMPARE(layout.label, label);
}

void tst_PercentBar::labelOrigin_data() {
  QTest::addColumn<QRect>("paintArea");
  QTest::addColumn<QSize>("text");
  QTest::addColumn<QPoint>("origin");
  QTest::newRow("centred") << QRect(1, 1, 127, 16) << QSize(20, 13) << QPoint(54, 2);
  QTest::newRow("odd room") << QRect(1, 1, 129, 15) << QSize(21, 13) << QPoint(54, 1);
  // (9 - 20) / 2 is -5.5: dropped towards zero, not down to -6.
  QTest::newRow("wider than the bar") << QRect(1, 1, 8, 8) << QSize(20, 14) << QPoint(-5, -2);
}

void tst_PercentBar::labelOrigin() {
  QFETCH(QRect, paintArea);
  QFETCH(QSize, text);
  QFETCH(QPoint, origin);
  QCOMPARE(tarnolo::labelOrigin(paintArea, text), origin);
}

void tst_PercentBar::clamps_data() {
  QTest::addColumn<int>("set");
  QTest::addColumn<int>("shown");
  QTest::newRow("below zero") << -5 << 0;
  QTest::newRow("inside") << 42 << 42;
  QTest::newRow("above 100") << 150 << 100;
  QTest::newRow("lowest 32-bit") << std::numeric_limits<int>::min() << 0;
}

void tst_PercentBar::clamps() {
  QFETCH(int, set);
  QFETCH(int, shown);
  PercentBar bar;
  bar.setProgress(37);
  bar.setProgress(set);
  QCOMPARE(bar.progress(), shown);
}

void tst_PercentBar::pixels_data() {
  QTest::addColumn<QSize>("size");
  QTest::addColumn<int>("progress");
  QTest::addColumn<QColor>("fore");
  QTest::addColumn<bool>("showText");
  QTest::newRow("0% on white") << QSize(131, 17) << 0 << QColor(Qt::red) << true;
  QTest::newRow("50% red, text across the edge") << QSize(131, 17) << 50 << QColor(Qt::red) << true;
  QTest::newRow("100% orange") << QSize(129, 18) << 100 << QColor(0xFF8000) << true;
  QTest::newRow("57% teal") << QSize(129, 17) << 57 << QColor(0x408080) << true;
  QTest::newRow("silver, no text") << QSize(129, 18) << 64 << QColor(0xC0C0C0) << false;
  QTest::newRow("narrow, text overflows") << QSize(12, 10) << 80 << QColor(Qt::blue) << true;
}

// Every pixel of the frame is black; inside, each pixel is the back, the fill, or (text) one
// of them inverted; the fill ends where the layout says.
void tst_PercentBar::pixels() {
  QFETCH(QSize, size);
  QFETCH(int, progress);
  QFETCH(QColor, fore);
  QFETCH(bool, showText);
  PercentBar bar;
  bar.resize(size);
  bar.setForeColor(fore);
  bar.setShowText(showText);
  bar.setProgress(progress);
  const QImage image = bar.grab().toImage().convertToFormat(QImage::Format_RGB32);
  QCOMPARE(image.size(), size);

  const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255), fill = fore.rgb() | 0xFF000000;
  const auto inverse = [](QRgb c) { return qRgb(255 - qRed(c), 255 - qGreen(c), 255 - qBlue(c)); };
  const tarnolo::BarLayout layout = barLayout(size.width(), size.height(), progress);
  int inverted = 0;
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      const QRgb pixel = image.pixel(x, y) | 0xFF000000;
      if (!layout.paintArea.contains(x, y)) {
        QVERIFY2(pixel == black, qPrintable(QStringLiteral("frame at %1,%2").arg(x).arg(y)));
        continue;
      }
      const QRgb under = layout.fill.contains(x, y) ? fill : white;
      if (pixel == inverse(under)) {
        ++inverted;
      } else {
        QVERIFY2(pixel == under, qPrintable(QStringLiteral("%1,%2 is %3, expected %4")
                                                .arg(x)
                                                .arg(y)
                                                .arg(pixel, 0, 16)
                                                .arg(under, 0, 16)));
      }
    }
  }
  QCOMPARE(inverted > 0, showText);
}

QTEST_MAIN(tst_PercentBar)
#include "tst_percent_bar.moc"
