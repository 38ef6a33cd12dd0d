// The control kinds of the main window: what the user may type or pick, what a program write
// does, and when each notifies.
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QtTest>

#include "principal/bitmap_button.h"
#include "principal/masked_cell.h"
#include "principal/radio_group.h"
#include "principal/slider.h"
#include "shell/application.h"

using namespace tarnolo;

class tst_Controls : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cellTyping_data();
  void cellTyping();
  void cellProgramWrite_data();
  void cellProgramWrite();
  void sliderProgramWrite_data();
  void sliderProgramWrite();
  void sliderGesture_data();
  void sliderGesture();
  void sliderFailedGesture();
  void sliderDropsStepsWhileABoxIsOpen_data();
  void sliderDropsStepsWhileABoxIsOpen();
  void sliderGestureEndsWhenTheReleaseGoesElsewhere();
  void radioProgramWrite_data();
  void radioProgramWrite();
  void radioUserChoice();
  void radioShownFont_data();
  void radioShownFont();
  void glyphSplit();
  void artwork_data();
  void artwork();
};

// The program's style, in which a click in the track moves the thumb by a page.
void tst_Controls::initTestCase() {
  useProgramStyle();
}

// Keys typed into a cell holding `start` (as the program wrote it); '<' is Backspace, 'H'
// Home, '>' Right, 'D' Delete, 'A' Ctrl+A.
void typeInto(MaskedCell& cell, const QString& keys) {
  for (QChar key : keys) {
    switch (key.unicode()) {
      case u'<':
        QTest::keyClick(&cell, Qt::Key_Backspace);
        break;
      case u'H':
        QTest::keyClick(&cell, Qt::Key_Home);
        break;
      case u'>':
        QTest::keyClick(&cell, Qt::Key_Right);
        break;
      case u'D':
        QTest::keyClick(&cell, Qt::Key_Delete);
        break;
      case u'A':
        QTest::keyClick(&cell, Qt::Key_A, Qt::ControlModifier);
        break;
      default:
        QTest::keyClicks(&cell, QString(key));
    }
  }
}

void tst_Controls::cellTyping_data() {
  QTest::addColumn<QString>("start");
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("refused");
  QTest::newRow("digits") << ""
                          << "12"
                          << "12" << 0;
  QTest::newRow("letter refused") << ""
                                  << "1a2"
                                  << "12" << 1;
  QTest::newRow("minus refused") << ""
                                 << "-3"
                                 << "3" << 1;
  QTest::newRow("blank refused") << ""
                                 << "4 5"
                                 << "45" << 1;
  QTest::newRow("eighth digit refused") << ""
                                        << "12345678"
                                        << "1234567" << 1;
  QTest::newRow("backspace clears the last") << ""
                                             << "12<"
                                             << "1" << 0;
  QTest::newRow("deleted middle digit leaves a blank") << ""
                                                       << "123H>D"
                                                       << "1 3" << 0;
  QTest::newRow("typing over a selection") << "987"
                                           << "A5"
                                           << "5" << 0;
  QTest::newRow("typing after a written minus") << "-3"
                                                << "A7"
                                                << "7" << 0;
}

void tst_Controls::cellTyping() {
  QFETCH(QString, start);
  QFETCH(QString, keys);
  QFETCH(QString, text);
  QFETCH(int, refused);
  MaskedCell cell;
  cell.setCellText(start);
  QSignalSpy refusals(&cell, &MaskedCell::refused);
  typeInto(cell, keys);
  QCOMPARE(cell.cellText(), text);
  QCOMPARE(refusals.count(), refused);
}

void tst_Controls::cellProgramWrite_data() {
  QTest::addColumn<QString>("written");
  QTest::addColumn<QString>("read");
  QTest::addColumn<QString>("shown");
  QTest::newRow("empty") << ""
                         << ""
                         << "       ";
  QTest::newRow("count") << "12"
                         << "12"
                         << "12     ";
  QTest::newRow("leading blanks stay") << "  5"
                                       << "  5"
                                       << "  5    ";
  QTest::newRow("trailing blanks go") << "7  "
                                      << "7"
                                      << "7      ";
  QTest::newRow("minus kept") << "-3"
                              << "-3"
                              << "-3     ";
  QTest::newRow("eight digits kept") << "12345678"
                                     << "12345678"
                                     << "12345678";
  QTest::newRow("letters kept") << "abc"
                                << "abc"
                                << "abc    ";
}

void tst_Controls::cellProgramWrite() {
  QFETCH(QString, written);
  QFETCH(QString, read);
  QFETCH(QString, shown);
  MaskedCell cell;
  QCOMPARE(cell.cellText(), QString());
  cell.setCellText(QStringLiteral("99"));
  cell.setCellText(written);
  QCOMPARE(cell.cellText(), read);
  QCOMPARE(cell.displayText(), shown);
}

void tst_Controls::sliderProgramWrite_data() {
  QTest::addColumn<int>("start");
  QTest::addColumn<bool>("enabledBefore");
  QTest::addColumn<int>("written");
  QTest::addColumn<int>("position");
  QTest::addColumn<bool>("enabledAfter");
  QTest::newRow("above the range") << 50 << true << 100 << 99 << true;
  QTest::newRow("below the range") << 50 << true << 0 << 1 << true;
  QTest::newRow("a move enables") << 1 << false << 40 << 40 << true;
  QTest::newRow("a clamped move enables") << 50 << false << -8 << 1 << true;
  QTest::newRow("same position leaves it disabled") << 40 << false << 40 << 40 << false;
  QTest::newRow("clamped to the same leaves it disabled") << 1 << false << 0 << 1 << false;
}

void tst_Controls::sliderProgramWrite() {
  QFETCH(int, start);
  QFETCH(bool, enabledBefore);
  QFETCH(int, written);
  QFETCH(int, position);
  QFETCH(bool, enabledAfter);
  Slider slider;
  slider.setRange(1, 99);
  slider.setValue(start);
  slider.setEnabled(enabledBefore);
  int notified = 0;
  slider.setNotifier([&] { return ++notified, true; });
  slider.setPositionByProgram(written);
  QCOMPARE(slider.value(), position);
  QCOMPARE(slider.isEnabled(), enabledAfter);
  QCOMPARE(notified, 0);
}

void tst_Controls::sliderGesture_data() {
  QTest::addColumn<int>("start");
  QTest::addColumn<QString>("gesture");
  QTest::addColumn<QList<int>>("seen");  // the stored position at each notification
  QTest::addColumn<int>("end");
  QTest::newRow("right arrow") << 86 << "right arrow" << QList<int>{86, 87} << 87;
  QTest::newRow("left arrow at the minimum") << 1 << "left arrow" << QList<int>{1, 1} << 1;
  QTest::newRow("Right key") << 20 << "Right" << QList<int>{20, 21} << 21;
  QTest::newRow("Home key") << 50 << "Home" << QList<int>{50, 1} << 1;
  QTest::newRow("End key") << 50 << "End" << QList<int>{50, 99} << 99;
  QTest::newRow("Left key") << 20 << "Left" << QList<int>{20, 19} << 19;
  QTest::newRow("Page Down key: a page of 1") << 20 << "PageDown" << QList<int>{20, 21} << 21;
  QTest::newRow("Page Up key") << 20 << "PageUp" << QList<int>{20, 19} << 19;
  QTest::newRow("Up key at the minimum") << 1 << "Up" << QList<int>{1, 1} << 1;
  QTest::newRow("track click right of the thumb") << 40 << "track" << QList<int>{40, 41} << 41;
  // Each move notifies before storing; the thumb let go notifies its position, then the end.
  QTest::newRow("thumb drag") << 10 << "drag to 71" << QList<int>{10, 71, 71} << 71;
  QTest::newRow("thumb drag in two moves")
      << 10 << "drag to 40 and 71" << QList<int>{10, 40, 71, 71} << 71;
  QTest::newRow("thumb pressed and let go unmoved")
      << 33 << "drag to 33" << QList<int>{33, 33} << 33;
}

void sendGesture(Slider& slider, const QString& gesture) {
  const int middle = slider.height() / 2;
  if (gesture.startsWith("drag to ")) {
    const QPoint grip = slider.thumbCentre();
    QTest::mousePress(&slider, Qt::LeftButton, {}, grip);
    QPoint at = grip;
    for (const QString& position : gesture.mid(8).split(" and ")) {
      if (position.toInt() == slider.value()) continue;
      const auto target = slider.thumbDragTarget(position.toInt());
      QVERIFY2(target, qPrintable(position));
      at = *target;
      if (at != grip) QTest::mouseMove(&slider, at);
    }
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, at);
  } else if (gesture == "track") {
    const QPoint grip = slider.thumbCentre();
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint((grip.x() + slider.width()) / 2, middle));
  } else if (gesture == "right arrow") {
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(slider.width() - 3, middle));
  } else if (gesture == "left arrow") {
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(3, middle));
  } else {
    const Qt::Key key = gesture == "Right"      ? Qt::Key_Right
                        : gesture == "Left"     ? Qt::Key_Left
                        : gesture == "Up"       ? Qt::Key_Up
                        : gesture == "PageDown" ? Qt::Key_PageDown
                        : gesture == "PageUp"   ? Qt::Key_PageUp
                        : gesture == "Home"     ? Qt::Key_Home
                                                : Qt::Key_End;
    QTest::keyClick(&slider, key);
  }
}

void tst_Controls::sliderGesture() {
  QFETCH(int, start);
  QFETCH(QString, gesture);
  QFETCH(QList<int>, seen);
  QFETCH(int, end);
  Slider slider;
  slider.resize(104, 18);
  slider.setRange(1, 99);
  slider.setPageStep(1);
  slider.setValue(start);
  QList<int> positions;
  slider.setNotifier([&] { return positions << slider.value(), true; });
  slider.show();
  QVERIFY(QTest::qWaitForWindowExposed(&slider));
  sendGesture(slider, gesture);
  QCOMPARE(positions, seen);
  QCOMPARE(slider.value(), end);
}

// A notification whose handler fails ends the gesture: nothing stored, no end notification;
// the next gesture runs as usual.
void tst_Controls::sliderFailedGesture() {
  Slider slider;
  slider.resize(104, 18);
  slider.setRange(1, 99);
  slider.setValue(30);
  int notified = 0;
  bool fail = true;
  slider.setNotifier([&] { return ++notified, !fail; });
  slider.show();
  QVERIFY(QTest::qWaitForWindowExposed(&slider));
  QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(slider.width() - 3, 9));
  QCOMPARE(notified, 1);
  QCOMPARE(slider.value(), 30);
  QCOMPARE(slider.sliderPosition(), 30);
  fail = false;
  QTest::keyClick(&slider, Qt::Key_Right);
  QCOMPARE(notified, 3);
  QCOMPARE(slider.value(), 31);
}

void tst_Controls::sliderDropsStepsWhileABoxIsOpen_data() {
  QTest::addColumn<bool>("fails");
  QTest::addColumn<int>("stored");
  QTest::newRow("failing handler, regression: the auto-repeat moved it under the box")
      << true << 30;
  QTest::newRow("handler showing a notice") << false << 31;
}

// A handler that keeps a box open until the auto-repeat fires under it (a nested loop that
// waits for the repeated step): the repeated steps are not stored meanwhile.
void tst_Controls::sliderDropsStepsWhileABoxIsOpen() {
  QFETCH(bool, fails);
  QFETCH(int, stored);
  Slider slider;
  slider.resize(104, 18);
  slider.setRange(1, 99);
  slider.setValue(30);
  QList<int> seen;
  int underBox = -1;
  bool repeated = false;
  slider.setNotifier([&] {
    seen << slider.value();
    if (seen.size() == 1) {
      QSignalSpy repeat(&slider, &QAbstractSlider::actionTriggered);
      repeated = repeat.wait(5000);
      underBox = slider.value();
      return !fails;
    }
    return true;
  });
  slider.show();
  QVERIFY(QTest::qWaitForWindowExposed(&slider));
  const QPoint arrow(slider.width() - 3, 9);
  QTest::mousePress(&slider, Qt::LeftButton, {}, arrow);
  QVERIFY(repeated);
  QCOMPARE(underBox, 30);
  QCOMPARE(slider.value(), stored);
  QTest::mouseRelease(&slider, Qt::LeftButton, {}, arrow);
  QCOMPARE(slider.value(), stored);
  QCOMPARE(seen.size(), fails ? 1 : 2);  // no end notification after a failure
}

// The button is released while the handler runs (into a box): the step is stored, the end
// notification follows, and the slider does not go on repeating.
void tst_Controls::sliderGestureEndsWhenTheReleaseGoesElsewhere() {
  QWidget box;
  box.show();
  Slider slider;
  slider.resize(104, 18);
  slider.setRange(1, 99);
  slider.setValue(30);
  QList<int> seen;
  slider.setNotifier([&] {
    seen << slider.value();
    if (seen.size() == 1) QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(5, 5));
    return true;
  });
  slider.show();
  QVERIFY(QTest::qWaitForWindowExposed(&slider));
  QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(slider.width() - 3, 9));
  QTRY_COMPARE(seen, (QList<int>{30, 31}));
  // Nothing repeats once the gesture has ended: no step can come any more.
  QTRY_VERIFY(!slider.isSliderDown() && !slider.isRepeating());
  QCOMPARE(seen, (QList<int>{30, 31}));
  QCOMPARE(slider.value(), 31);
}

void tst_Controls::radioProgramWrite_data() {
  QTest::addColumn<int>("start");
  QTest::addColumn<int>("written");
  QTest::addColumn<int>("index");
  QTest::addColumn<bool>("runsHandler");
  QTest::newRow("first selection") << -1 << 0 << 0 << true;
  QTest::newRow("same index") << 0 << 0 << 0 << false;
  QTest::newRow("beyond the last") << -1 << 5 << 1 << true;
  QTest::newRow("beyond the last, already there") << 1 << 5 << 1 << false;
  QTest::newRow("clearing runs nothing") << 1 << -1 << -1 << false;
  QTest::newRow("below -1 clears") << 0 << -7 << -1 << false;
  QTest::newRow("change") << 0 << 1 << 1 << true;
}

void tst_Controls::radioProgramWrite() {
  QFETCH(int, start);
  QFETCH(int, written);
  QFETCH(int, index);
  QFETCH(bool, runsHandler);
  RadioGroup group;
  group.setItems({QStringLiteral("95%"), QStringLiteral("99%")});
  group.setItemIndexByProgram(start);
  QSignalSpy chosen(&group, &RadioGroup::chosen);
  QCOMPARE(group.setItemIndexByProgram(written), runsHandler);
  QCOMPARE(group.itemIndex(), index);
  QCOMPARE(chosen.count(), 0);  // a program write is no user's choice
  const QList<QRadioButton*> buttons = group.findChildren<QRadioButton*>();
  QCOMPARE(buttons.size(), 2);
  for (int i = 0; i < 2; ++i) QCOMPARE(buttons.at(i)->isChecked(), i == index);
}

void tst_Controls::radioUserChoice() {
  RadioGroup group;
  group.resize(65, 57);
  group.setItems({QStringLiteral("95%"), QStringLiteral("99%")});
  group.setItemIndexByProgram(0);
  group.show();
  QVERIFY(QTest::qWaitForWindowExposed(&group));
  QList<int> seen;
  connect(&group, &RadioGroup::chosen, this, [&] { seen << group.itemIndex(); });
  const QList<QRadioButton*> buttons = group.findChildren<QRadioButton*>();
  QTest::mouseClick(buttons.at(1), Qt::LeftButton, {}, QPoint(6, buttons.at(1)->height() / 2));
  QTest::mouseClick(buttons.at(1), Qt::LeftButton, {}, QPoint(6, buttons.at(1)->height() / 2));
  QCOMPARE(seen, QList<int>{1});  // picking the selected item again delivers nothing
  QTest::keyClick(buttons.at(1), Qt::Key_Up);
  QCOMPARE(seen, (QList<int>{1, 0}));
}

void tst_Controls::radioShownFont_data() {
  QTest::addColumn<bool>("shownFirst");
  QTest::addColumn<int>("points");
  QTest::addColumn<int>("pixels");
  QTest::newRow("hidden: taken when shown") << false << 8 << 11;
  QTest::newRow("hidden, nine points") << false << 9 << 12;
  QTest::newRow("shown: taken at once") << true << 8 << 11;
}

// The group's own font, in pixels at 96 dots per inch, once it shows, with its rows laid out
// under the caption measured in that font.
void tst_Controls::radioShownFont() {
  QFETCH(bool, shownFirst);
  QFETCH(int, points);
  QFETCH(int, pixels);
  QWidget window;
  window.resize(120, 80);
  auto* group = new RadioGroup(&window);
  group->setGeometry(0, 0, 65, 57);
  group->setItems({QStringLiteral("95%"), QStringLiteral("99%")});
  group->setVisible(shownFirst);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  const QString before = group->font().family();
  QFont serif(QStringLiteral("Liberation Serif"));
  serif.setPointSize(points);
  group->setShownFont(serif);
  if (!shownFirst) {
    QCOMPARE(group->font().family(), before);
    group->show();
  }
  QCOMPARE(group->font().family(), QStringLiteral("Liberation Serif"));
  QCOMPARE(group->font().pixelSize(), pixels);
  auto* first = group->findChildren<QRadioButton*>().constFirst();
  QCOMPARE(first->font().pixelSize(), pixels);
  QCOMPARE(first->y(), QFontMetrics(group->font()).height());
}

void tst_Controls::glyphSplit() {
  QImage picture(32, 16, QImage::Format_RGB32);
  picture.fill(QColor(0x808000));  // olive ground
  picture.setPixel(3, 4, qRgb(255, 0, 0));
  picture.setPixel(16 + 3, 4, qRgb(128, 128, 128));
  const Glyph glyph = splitGlyph(picture);
  QCOMPARE(glyph.enabled.size(), QSize(16, 16));
  QCOMPARE(glyph.disabled.size(), QSize(16, 16));
  QCOMPARE(glyph.enabled.pixel(3, 4), qRgb(255, 0, 0));
  QCOMPARE(glyph.disabled.pixel(3, 4), qRgb(128, 128, 128));
  QCOMPARE(qAlpha(glyph.enabled.pixel(0, 15)), 0);
  QCOMPARE(qAlpha(glyph.disabled.pixel(3, 3)), 0);
}

void tst_Controls::artwork_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<QRgb>("ground");
  const QRgb olive = qRgb(0x80, 0x80, 0), purple = qRgb(0x80, 0, 0x80);
  for (const char* name : {"abrir", "salvar", "nuevo", "calcular", "recalc", "ic"})
    QTest::newRow(name) << QStringLiteral(":/artwork/%1.png").arg(name) << olive;
  QTest::newRow("redimens") << QStringLiteral(":/artwork/redimens.png") << purple;
}

// Each picture is 32 x 16 in at most 16 colours on its ground; both halves show something, and
// the disabled half is grey and white only.
void tst_Controls::artwork() {
  QFETCH(QString, file);
  QFETCH(QRgb, ground);
  const QImage picture = QImage(file).convertToFormat(QImage::Format_RGB32);
  QCOMPARE(picture.size(), QSize(32, 16));
  QCOMPARE(picture.pixel(0, 15), ground);
  QSet<QRgb> colours, enabledShapes, disabledColours;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 32; ++x) {
      const QRgb pixel = picture.pixel(x, y);
      colours << pixel;
      if (pixel == ground) continue;
      (x < 16 ? enabledShapes : disabledColours) << pixel;
    }
  }
  QVERIFY(colours.size() <= 16);
  QVERIFY(!enabledShapes.isEmpty());
  QVERIFY(!disabledColours.isEmpty());
  disabledColours -= QSet<QRgb>{qRgb(128, 128, 128), qRgb(255, 255, 255)};
  QVERIFY(disabledColours.isEmpty());
}

QTEST_MAIN(tst_Controls)
#include "tst_controls.moc"
