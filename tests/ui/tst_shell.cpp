// The shell: the notice, the failure box, the start-up failure box, and the decimal separator
// following the regional settings.
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include "core/failures.h"
#include "core/number_text.h"
#include "modal_watchdog.h"
#include "principal/window_session.h"
#include "shell/application.h"
#include "shell/messages.h"

using namespace tarnolo;

class tst_Shell : public QObject {
  Q_OBJECT

 private slots:
  void cleanup();
  void noticeClosesOn_data();
  void noticeClosesOn();
  void noticeSize_data();
  void noticeSize();
  void failureBox();
  void failureBoxEndsMouseCapture();
  void focusComesBackAfter_data();
  void focusComesBackAfter();
  void startUpFailureText_data();
  void startUpFailureText();
  void startUpFailureBox();
  void separatorFollowsLocaleChange();
};

void tst_Shell::cleanup() {
  QLocale::setDefault(QLocale::c());
}

void tst_Shell::noticeClosesOn_data() {
  QTest::addColumn<int>("key");
  QTest::newRow("Enter") << int(Qt::Key_Return);
  QTest::newRow("Esc") << int(Qt::Key_Escape);
  QTest::newRow("Space on OK") << int(Qt::Key_Space);
}

// The notice shows its text unchanged under the application title, with the one button "OK"
// that Enter and Esc both press; the caller goes on once it is closed.
void tst_Shell::noticeClosesOn() {
  QFETCH(int, key);
  ModalWatchdog watchdog(2000);  // only if the key did not close it
  QString title, text;
  QStringList buttons;
  QTimer::singleShot(0, this, [&] {
    auto* notice = qobject_cast<NoticeDialog*>(QApplication::activeModalWidget());
    QVERIFY(notice);
    QVERIFY(QTest::qWaitForWindowActive(notice));
    title = notice->windowTitle();
    text = notice->label()->text();
    for (QPushButton* b : notice->findChildren<QPushButton*>()) buttons << b->text();
    QVERIFY(notice->button()->isDefault());
    QCOMPARE(QApplication::focusWidget(), notice->button());
    QTest::keyClick(notice->button(), Qt::Key(key));
  });
  showNotice("El texto no es numérico");
  QVERIFY(watchdog.seen.isEmpty());
  QCOMPARE(title, QStringLiteral("Tarnolo"));
  QCOMPARE(text, QStringLiteral("El texto no es numérico"));
  QCOMPARE(buttons, QStringList{"OK"});
}

void tst_Shell::noticeSize_data() {
  QTest::addColumn<QString>("text");
  QTest::newRow("short") << "Hola";
  QTest::newRow("wraps at half the screen") << QString("palabra ").repeated(80).trimmed();
}

// Margins and spacing in dialog units; the text no wider than half the screen; centred.
void tst_Shell::noticeSize() {
  QFETCH(QString, text);
  NoticeDialog notice(text);
  const QFontMetrics metrics(notice.font());
  const int unitX =
      (metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") + 26) / 52;
  const int unitY = metrics.height();
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const QRect label = notice.label()->geometry(), button = notice.button()->geometry();
  QCOMPARE(label.topLeft(), QPoint((8 * unitX + 2) / 4, (8 * unitY + 4) / 8));
  QVERIFY(label.width() <= screen.width() / 2);
  QVERIFY(label.height() >= metrics.height());
  QCOMPARE(button.top() - label.bottom() - 1, (10 * unitY + 4) / 8);
  QVERIFY(button.width() >= (50 * unitX + 2) / 4);
  QCOMPARE(button.height(), (14 * unitY + 4) / 8);
  QCOMPARE(button.left(), (notice.width() - button.width()) / 2);
  QCOMPARE(notice.height() - button.bottom() - 1, (8 * unitY + 4) / 8);
  QVERIFY(qAbs(notice.geometry().center().x() - screen.center().x()) <= 1);
  if (text.size() > 100) QVERIFY(label.height() > 2 * metrics.height());
}

void tst_Shell::failureBox() {
  QWidget other;
  other.show();
  other.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&other));
  ModalWatchdog watchdog;
  reportFailure("Invalid floating point operation.");
  QCOMPARE(watchdog.seen.size(), 1);
  QCOMPARE(watchdog.seen[0].title, QStringLiteral("Tarnolo"));
  QCOMPARE(watchdog.seen[0].text, QStringLiteral("Invalid floating point operation."));
  QCOMPARE(watchdog.seen[0].icon, QMessageBox::Critical);
  QCOMPARE(watchdog.seen[0].buttons, QStringList{"OK"});
  QTRY_COMPARE(QApplication::activeWindow(), &other);
}

void tst_Shell::failureBoxEndsMouseCapture() {
  QWidget window;
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  window.grabMouse();
  ModalWatchdog watchdog;
  reportFailure("File not found.");
  QCOMPARE(QWidget::mouseGrabber(), nullptr);
  QCOMPARE(watchdog.seen.size(), 1);
}

void tst_Shell::focusComesBackAfter_data() {
  QTest::addColumn<bool>("notice");
  QTest::newRow("a notice (issue 13)") << true;
  QTest::newRow("a failure box") << false;
}

void tst_Shell::focusComesBackAfter() {
  QFETCH(bool, notice);
  QWidget window;
  auto* first = new QLineEdit(&window);
  auto* second = new QLineEdit(&window);
  second->move(0, 40);
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  second->setFocus();
  QTRY_COMPARE(QApplication::focusWidget(), second);
  ModalWatchdog watchdog;
  if (notice)
    showNotice("El texto no es numérico");
  else
    reportFailure("File not found.");
  QCOMPARE(watchdog.seen.size(), 1);
  QTRY_COMPARE(QApplication::activeWindow(), &window);
  QTRY_COMPARE(QApplication::focusWidget(), second);
  QVERIFY(first != QApplication::focusWidget());
}

void tst_Shell::startUpFailureText_data() {
  QTest::addColumn<QString>("message");
  QTest::addColumn<QString>("shown");
  QTest::newRow("full stop added") << "Invalid floating point operation"
                                   << "Invalid floating point operation.";
  QTest::newRow("already ends in one") << "Done."
                                       << "Done.";
  // Unlike the failure box, any last character other than "." gets one.
  QTest::newRow("after a bracket") << "I/O error (5)"
                                   << "I/O error (5).";
  QTest::newRow("empty message") << ""
                                 << "";
}

void tst_Shell::startUpFailureText() {
  QFETCH(QString, message);
  QFETCH(QString, shown);
  QCOMPARE(tarnolo::startUpFailureText("EInvalidOp", "tarnolo", "00000000004012A0", message),
           "Exception EInvalidOp in module tarnolo at 00000000004012A0.\n" + shown);
}

void tst_Shell::startUpFailureBox() {
  ModalWatchdog watchdog;
  try {
    raiseZeroDivide();
  } catch (...) {
    showStartUpFailure(std::current_exception(), reinterpret_cast<const void*>(0x4012a0));
  }
  QCOMPARE(watchdog.seen.size(), 1);
  QCOMPARE(watchdog.seen[0].title, QStringLiteral("Application Error"));
  QCOMPARE(watchdog.seen[0].icon, QMessageBox::Critical);
  QCOMPARE(watchdog.seen[0].text,
           QStringLiteral("Exception EZeroDivide in module tst_shell at 00000000004012A0.\n"
                          "Floating point division by zero."));
}

// The separator comes from the toolkit's locale at start-up, and again after the regional
// settings change: the next calculation writes with the new one.
void tst_Shell::separatorFollowsLocaleChange() {
  WindowSession session([](const std::string&) {}, [](const std::string&) {});
  useLocaleSeparator(session.view);
  QCOMPARE(session.view.separator(), '.');
  followLocaleChanges(session.window, session.view);
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
  QCOMPARE(session.view.separator(), '.');  // nothing is read until the change is told
  QEvent change(QEvent::LocaleChange);
  QCoreApplication::sendEvent(qApp, &change);
  QCOMPARE(session.view.separator(), ',');
  for (auto [cell, count] : {std::pair{"VP", "1"}, {"FP", "2"}, {"FN", "2"}, {"VN", "4"}})
    session.view.setText(cell, count);
  session.window.show();
  QTest::mouseClick(session.window.findChild<QWidget*>("BitBtn6"), Qt::LeftButton);
  QCOMPARE(session.view.text("sens"), std::string("33,3333333333333"));
}

QTEST_MAIN(tst_Shell)
#include "tst_shell.moc"
