// The window's commands with real input: heights, the default button and the
// access keys, a slider's notifications, the About box, the help window, Salir and the file
// dialogs.
#include <QAbstractItemView>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <sstream>

#include "about/about_box.h"
#include "core/bayes.h"
#include "core/control_names.h"
#include "modal_watchdog.h"
#include "principal/slider.h"
#include "principal/window_session.h"
#include "replayed_steps.h"
#include "shell/application.h"
#include "shell/help_viewer.h"
#include "window_replay.h"

using namespace tarnolo;
using replay::WindowTarget;

namespace {

const char* const kWorkedTable = "set VP 6\nset FP 3\nset FN 1\nset VN 10\nclick BitBtn6\n";

QWidget* control(WindowTarget& target, const char* name) {
  return target.session().window.findChild<QWidget*>(name);
}

}  // namespace

class tst_Commands : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void heights_data();
  void heights();
  void enterRightAfterStartCalculates();
  void enterKey_data();
  void enterKey();
  void accessKeys_data();
  void accessKeys();
  void oneArrowClickRunsTheScrollHandlerTwice();
  void focusStaysWithTheWindowWhenItsControlGoes();
  void replayedScrollIsOneGesture_data();
  void replayedScrollIsOneGesture();
  void aboutBoxIsFreshEachTime();
  void aboutBoxGoesWhenAFailureLeavesIt();
  void aboutBoxLayout_data();
  void aboutBoxLayout();
  void aboutBoxEscapeDoesNothing();
  void helpWindowOpensAndClosesAtShutdown();
  void salirEndsTheProgram();
  void fileDialogSettings_data();
  void fileDialogSettings();
  void fileDialogShowsRocFilesOfEitherCase();
  void fileCommandsAskNothing();
  void watchdogAnswersModalBoxes_data();
  void watchdogAnswersModalBoxes();
};

// The program's style (tarnolo sets it at start-up).
void tst_Commands::initTestCase() {
  useProgramStyle();
}

void tst_Commands::heights_data() {
  QTest::addColumn<QString>("script");
  QTest::addColumn<int>("height");
  QTest::addColumn<int>("failures");
  const QString table = kWorkedTable;
  const QString zeros = "set VP 0\nset FP 0\nset FN 0\nset VN 0\nclick BitBtn6\n";
  QTest::newRow("at start") << "" << 105 << 0;
  QTest::newRow("Calcular") << table << 311 << 0;
  QTest::newRow("Calcular that fails stays compact") << zeros << 105 << 1;
  QTest::newRow("Calcular that fails after one that worked") << table + zeros << 311 << 1;
  QTest::newRow("a zero column is handled: full") << "set VP 5\nset FP 0\nset FN 0\nset VN 5\n"
                                                     "click BitBtn6\n"
                                                  << 311 << 0;
  QTest::newRow("Nuevo button") << table + "click BitBtn4\n" << 105 << 0;
  QTest::newRow("Nuevo menu item") << table + "click Nuevo1\n" << 311 << 0;
  QTest::newRow("Bayes, sliders, limits and re-scales leave it")
      << table +
             "click BitBtn4\nclick bayesboton\nscroll sensScrollBar 50\nclick ic\n"
             "select Zalfa 1\nset total 50\nclick BitBtn5\nclick BitBtn1\nclick total\n"
             "click BayesOk\n"
      << 105 << 0;
  QTest::newRow("Open while compact: results cut off")
      << table + "save %1\nclick BitBtn4\nopen %1\n"
      << 105 << 0;
  QTest::newRow("then Calcular shows them")
      << table + "save %1\nclick BitBtn4\nopen-menu %1\nclick BitBtn6\n"
      << 311 << 0;
  QTest::newRow("About and help leave it")
      << table + "click BitBtn4\nclick Acercade1\nclick Pruebasdiagnsticas1\n"
      << 105 << 0;
}

void tst_Commands::heights() {
  QFETCH(QString, script);
  QFETCH(int, height);
  QFETCH(int, failures);
  QTemporaryDir dir;
  WindowTarget target;
  QVERIFY(runSteps(target, script.replace("%1", dir.filePath("caso.ROC"))));
  QCOMPARE(target.session().view.clientHeight(), height);
  QCOMPARE(target.session().window.centralWidget()->height(), height);
  QCOMPARE(shownMessages(target).size(), failures);
}

// The focus is on the cut-off PREVALENCIA, a text box, so Enter clicks "&Calcular".
void tst_Commands::enterRightAfterStartCalculates() {
  WindowTarget target;
  QCOMPARE(QApplication::focusWidget(), control(target, "PREVALENCIA"));
  QVERIFY(runSteps(target, "set VP 6\nset FP 3\nset FN 1\nset VN 10\n"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QCOMPARE(target.session().view.clientHeight(), 311);
  QCOMPARE(target.session().view.text("total"), std::string("20"));
  QVERIFY(shownMessages(target).isEmpty());
}

void tst_Commands::enterKey_data() {
  QTest::addColumn<QString>("focus");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<QString>("clicked");  // the button clicked, "" for none
  const int none = Qt::NoModifier;
  QTest::newRow("count cell") << "VP" << int(Qt::Key_Return) << none << "BitBtn6";
  QTest::newRow("keypad Enter") << "VP" << int(Qt::Key_Enter) << int(Qt::KeypadModifier)
                                << "BitBtn6";
  QTest::newRow("read-only result cell") << "VPN" << int(Qt::Key_Return) << none << "BitBtn6";
  QTest::newRow("total cell") << "total" << int(Qt::Key_Return) << none << "BitBtn6";
  QTest::newRow("slider") << "sensScrollBar" << int(Qt::Key_Return) << none << "BitBtn6";
  QTest::newRow("radio item: no button") << "Zalfa0" << int(Qt::Key_Return) << none << "BitBtn6";
  QTest::newRow("focused button clicks itself")
      << "BitBtn4" << int(Qt::Key_Return) << none << "BitBtn4";
  QTest::newRow("focused IC") << "ic" << int(Qt::Key_Return) << none << "ic";
  QTest::newRow("focused Calcular") << "BitBtn6" << int(Qt::Key_Return) << none << "BitBtn6";
  QTest::newRow("Shift+Enter") << "VP" << int(Qt::Key_Return) << int(Qt::ShiftModifier) << "";
  QTest::newRow("Ctrl+Enter") << "VP" << int(Qt::Key_Return) << int(Qt::ControlModifier) << "";
  QTest::newRow("Alt+Enter") << "VP" << int(Qt::Key_Return) << int(Qt::AltModifier) << "";
  QTest::newRow("Shift+Enter on a button")
      << "BitBtn4" << int(Qt::Key_Return) << int(Qt::ShiftModifier) << "";
  QTest::newRow("Escape in a cell") << "VP" << int(Qt::Key_Escape) << none << "";
  QTest::newRow("Escape on a button") << "BitBtn4" << int(Qt::Key_Escape) << none << "";
  QTest::newRow("Calcular disabled") << "VP !BitBtn6" << int(Qt::Key_Return) << none << "";
  QTest::newRow("Calcular hidden") << "VP -BitBtn6" << int(Qt::Key_Return) << none << "";
}

// Which button a key clicks, wherever the focus is ("!NAME" disables, "-NAME" hides NAME).
void tst_Commands::enterKey() {
  QFETCH(QString, focus);
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(QString, clicked);
  WindowTarget target;
  WindowSession& s = target.session();
  QStringList seen;
  for (const char* button : {"BitBtn6", "BitBtn4", "ic", "BitBtn8"})
    s.table.bind(button, Event::Click, [&seen, button] { seen << button; });
  s.view.setVisible(names::kZalfa, true);
  s.view.setVisible(names::kSensScrollBar, true);
  s.view.setEnabled(names::kSensScrollBar, true);
  const QStringList words = focus.split(u' ');
  for (const QString& word : words.mid(1)) {
    if (word.startsWith(u'!')) s.view.setEnabled(word.mid(1).toStdString(), false);
    if (word.startsWith(u'-')) s.view.setVisible(word.mid(1).toStdString(), false);
  }
  QWidget* focused = s.window.findChild<QWidget*>(words.first());
  focused->setFocus(Qt::TabFocusReason);
  QCOMPARE(QApplication::focusWidget(), focused);
  QTest::keyClick(focused, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
  QCOMPARE(seen, clicked.isEmpty() ? QStringList() : QStringList{clicked});
}

void tst_Commands::accessKeys_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("enable");
  QTest::addColumn<QString>("clicked");
  QTest::newRow("Alt+C Calcular") << int(Qt::Key_C) << ""
                                  << "BitBtn6";
  QTest::newRow("Alt+A Abrir") << int(Qt::Key_A) << ""
                               << "BitBtn8";
  QTest::newRow("Alt+S Salvar") << int(Qt::Key_S) << ""
                                << "BitBtn7";
  QTest::newRow("Alt+N Nuevo") << int(Qt::Key_N) << ""
                               << "BitBtn4";
  QTest::newRow("Alt+R Recalc.") << int(Qt::Key_R) << ""
                                 << "BitBtn5";
  QTest::newRow("Alt+B Bayes, disabled: nothing") << int(Qt::Key_B) << ""
                                                  << "";
  QTest::newRow("Alt+B Bayes, enabled, cut off") << int(Qt::Key_B) << "bayesboton"
                                                 << "bayesboton";
  QTest::newRow("Alt+O: no caption has it") << int(Qt::Key_O) << "BayesOk"
                                            << "";
}

// Alt with the underlined letter of a caption clicks the enabled button, even below the
// compact height.
void tst_Commands::accessKeys() {
  QFETCH(int, key);
  QFETCH(QString, enable);
  QFETCH(QString, clicked);
  WindowTarget target;
  WindowSession& s = target.session();
  QStringList seen;
  for (const char* button :
       {"BitBtn6", "BitBtn8", "BitBtn7", "BitBtn4", "BitBtn5", "bayesboton", "BayesOk"})
    s.table.bind(button, Event::Click, [&seen, button] { seen << button; });
  if (!enable.isEmpty()) s.view.setEnabled(enable.toStdString(), true);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::AltModifier);
  const QStringList expected = clicked.isEmpty() ? QStringList() : QStringList{clicked};
  // An access key presses its button at once and clicks it 100 ms later: with no button down,
  // no click can come any more.
  if (expected.isEmpty()) {
    for (const QPushButton* button : s.window.findChildren<QPushButton*>())
      QVERIFY2(!button->isDown(), qPrintable(button->objectName()));
  }
  QTRY_COMPARE(seen, expected);
}

// The handler runs before the slider moves, and once more at the end of the gesture.
void tst_Commands::oneArrowClickRunsTheScrollHandlerTwice() {
  WindowTarget target;
  WindowSession& s = target.session();
  QVERIFY(runSteps(target, QString(kWorkedTable) + "click bayesboton\n"));
  QCOMPARE(s.view.position(names::kSensScrollBar), 86);
  QList<int> seen;
  s.table.bind(names::kSensScrollBar, Event::Scroll, [&] {
    seen << s.view.position(names::kSensScrollBar);
    recalcularBayes(s.state(), s.view);
  });
  QWidget* slider = control(target, "sensScrollBar");
  QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() - 4, slider->height() / 2));
  QCOMPARE(seen, (QList<int>{86, 87}));
  QCOMPARE(s.view.text(names::kSens), std::string("87"));
  QCOMPARE(s.view.position(names::kSensScrollBar), 87);
}

// "&Bayes" disables itself when clicked, and "Ok" itself and the sliders: the focus stays with
// the window, and Enter then clicks "&Calcular" (regression: Qt handed it on to the CP+ cell as
// by Tab, which selected its whole text and showed its end).
void tst_Commands::focusStaysWithTheWindowWhenItsControlGoes() {
  WindowTarget target;
  WindowSession& s = target.session();
  QVERIFY(runSteps(target, kWorkedTable));
  int calculations = 0;
  s.table.bind(names::kCalcular, Event::Click, [&] { ++calculations; });
  for (const char* button : {"bayesboton", "sensScrollBar", "BayesOk"}) {
    QWidget* clicked = control(target, button);
    clicked->setFocus(Qt::MouseFocusReason);
    if (QString(button) == "sensScrollBar") {
      QVERIFY(runSteps(target, "scroll sensScrollBar 40\n"));
    } else {
      QTest::mouseClick(clicked, Qt::LeftButton);
    }
    QCOMPARE(QApplication::focusWidget(), QString(button) == "sensScrollBar" ? clicked : &s.window);
  }
  QVERIFY(qobject_cast<QLineEdit*>(control(target, "CPP"))->selectedText().isEmpty());
  QTest::keyClick(&s.window, Qt::Key_Return);
  QCOMPARE(calculations, 1);
}

void tst_Commands::replayedScrollIsOneGesture_data() {
  QTest::addColumn<int>("from");
  QTest::addColumn<int>("to");
  QTest::addColumn<QList<int>>("seen");  // the stored position at each run of the handler
  // 71 lies on a pixel of the track: the thumb moves once, is let go, and the gesture ends.
  QTest::newRow("thumb drag") << 10 << 71 << QList<int>{10, 71, 71};
  // No pixel gives 70: the arrow key held from 73, three steps and the end.
  QTest::newRow("held arrow key") << 73 << 70 << QList<int>{73, 72, 71, 70};
  QTest::newRow("thumb taken and let go") << 40 << 40 << QList<int>{40, 40};
}

// What the window replay's scroll step delivers: one gesture, each step notified before it is
// stored, one end.
void tst_Commands::replayedScrollIsOneGesture() {
  QFETCH(int, from);
  QFETCH(int, to);
  QFETCH(QList<int>, seen);
  WindowTarget target;
  WindowSession& s = target.session();
  QVERIFY(runSteps(target, QString(kWorkedTable) + "click bayesboton\n"));
  s.view.setPosition(names::kEspScrollBar, from);
  QList<int> positions;
  s.table.bind(names::kEspScrollBar, Event::Scroll,
               [&] { positions << s.view.position(names::kEspScrollBar); });
  QVERIFY(runSteps(target, QStringLiteral("scroll espScrollBar %1\n").arg(to)));
  QCOMPARE(positions, seen);
  QCOMPARE(s.view.position(names::kEspScrollBar), to);
}

// Two uses of the About command: each shows a box of its own, modal and owned by the main
// window, which is gone once closed.
void tst_Commands::aboutBoxIsFreshEachTime() {
  WindowSession s([](const std::string&) {}, [](const std::string&) {});
  s.window.show();
  QVERIFY(QTest::qWaitForWindowActive(&s.window));
  auto* item = s.window.findChild<QAction*>("Acercade1");
  QList<QPointer<TAboutBox>> boxes;
  ModalWatchdog watchdog(3000);  // closes the box if the checks below stop short
  for (int use = 0; use < 2; ++use) {
    ModalWatchdog about(
        5, ModalWatchdog::only<TAboutBox>([&](TAboutBox& shown) {
          TAboutBox* box = &shown;
          QVERIFY(!box->property("used").isValid());  // nothing left of an earlier box
          box->setProperty("used", true);
          QCOMPARE(box->parentWidget(), &s.window);
          QVERIFY(box->isModal());
          QCOMPARE(box->windowTitle(), QStringLiteral("Información y agradecimientos"));
          boxes << box;
          auto* ok = box->findChild<QPushButton*>("OKButton");
          QTest::mouseClick(ok, Qt::LeftButton);
        }));
    replay::chooseMenuItem(*s.window.menuBar(), *item);
    QCOMPARE(boxes.size(), use + 1);
    QVERIFY(boxes.last().isNull());  // destroyed once closed
  }
  QVERIFY(watchdog.seen.isEmpty());
  QVERIFY(s.window.findChildren<TAboutBox*>().isEmpty());
}

// A failure while the box is shown destroys the box before the failure box shows.
void tst_Commands::aboutBoxGoesWhenAFailureLeavesIt() {
  QStringList shown;
  QPointer<TAboutBox> box;
  bool boxGoneAtReport = false;
  WindowSession s([](const std::string&) {},
                  [&](const std::string& text) {
                    boxGoneAtReport = box.isNull();
                    shown << QString::fromStdString(text);
                  });
  s.window.show();
  QVERIFY(QTest::qWaitForWindowActive(&s.window));
  ModalWatchdog watchdog(3000);
  ModalWatchdog about(5, ModalWatchdog::only<TAboutBox>([&](TAboutBox& shown) {
                        box = &shown;
                        QTimer::singleShot(0, [] { throw std::runtime_error("fallo en la caja"); });
                      }));
  QTest::ignoreMessage(QtWarningMsg, QRegularExpression("exception thrown from an event handler"));
  s.table.deliver(names::kAcercade1, Event::Click);
  QCOMPARE(shown, QStringList{"fallo en la caja."});
  QVERIFY(watchdog.seen.isEmpty());
  QVERIFY(boxGoneAtReport);
  QVERIFY(s.window.findChildren<TAboutBox*>().isEmpty());
  QVERIFY(s.window.isVisible());
}

void tst_Commands::aboutBoxLayout_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("rect");
  QTest::newRow("Panel1") << "Panel1" << QRect(8, 8, 353, 51);
  QTest::newRow("Panel2") << "Panel2" << QRect(7, 7, 260, 17);
  QTest::newRow("Label2") << "Label2" << QRect(7, 26, 198, 16);
  QTest::newRow("Version") << "Version" << QRect(273, 29, 75, 13);
  QTest::newRow("Label1") << "Label1" << QRect(7, 59, 78, 13);
  QTest::newRow("Memo1") << "Memo1" << QRect(7, 72, 354, 85);
  QTest::newRow("Image1") << "Image1" << QRect(7, 163, 85, 59);
  QTest::newRow("sign") << "Label3" << QRect(98, 163, 11, 20);
  QTest::newRow("Panel3") << "Panel3" << QRect(101, 185, 169, 15);
  QTest::newRow("OKButton") << "OKButton" << QRect(282, 163, 78, 59);
}

void tst_Commands::aboutBoxLayout() {
  QFETCH(QString, name);
  QFETCH(QRect, rect);
  QWidget owner;
  TAboutBox box(&owner);
  QCOMPARE(box.size(), QSize(366, 228));
  QWidget* control = box.findChild<QWidget*>(name);
  QVERIFY(control);
  QCOMPARE(control->geometry(), rect);
  QCOMPARE(box.findChild<QLabel*>("Version")->text(), QStringLiteral(" 2.0,  Julio 2001"));
  QCOMPARE(box.findChild<QPlainTextEdit*>("Memo1")->document()->blockCount(), 6);
  QVERIFY(box.findChild<QPushButton*>("OKButton")->isDefault());
  const QImage picture = TAboutBox::picture();
  QCOMPARE(picture.size(), QSize(128, 76));
  QCOMPARE(picture.depth(), 24);
}

// No cancel button: Escape leaves the box open; Enter presses OK (result 1).
void tst_Commands::aboutBoxEscapeDoesNothing() {
  QWidget owner;
  TAboutBox box(&owner);
  int result = -1;
  QTimer::singleShot(0, this, [&] {
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QTest::keyClick(&box, Qt::Key_Escape);
    QVERIFY(box.isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  });
  QTimer::singleShot(3000, &box, [&] { box.done(-2); });  // a watchdog
  result = box.exec();
  QCOMPARE(result, 1);
}

// The help command opens the help at its contents in a window owned by the main window; the
// end of the program closes it.
void tst_Commands::helpWindowOpensAndClosesAtShutdown() {
  auto session =
      std::make_unique<WindowSession>([](const std::string&) {}, [](const std::string&) {});
  HelpViewer help(QString::fromLatin1(kHelpFile));
  connectHelp(*session, help);
  session->window.show();
  QVERIFY(QTest::qWaitForWindowActive(&session->window));
  auto* item = session->window.findChild<QAction*>("Pruebasdiagnsticas1");
  replay::chooseMenuItem(*session->window.menuBar(), *item);
  QPointer<QWidget> shown = help.window();
  QVERIFY(shown);
  QVERIFY(shown->isVisible());
  QVERIFY(shown->isWindow());
  QCOMPARE(shown->parentWidget(), &session->window);
  auto* browser = shown->findChild<QTextBrowser*>("HelpBrowser");
  QCOMPARE(browser->source(), QUrl("qrc:/help/index.html"));
  QCOMPARE(shown->windowTitle(), browser->documentTitle());
  QVERIFY(!browser->toPlainText().isEmpty());
  replay::chooseMenuItem(*session->window.menuBar(), *item);  // again: the same window
  QCOMPARE(help.window(), shown.data());
  QCOMPARE(session->view.clientHeight(), 105);

  shutDown(session, help);
  QVERIFY(!session);
  QVERIFY(shown.isNull());
  QVERIFY(!help.window());
}

// Salir closes the main window, which ends the event loop with status 0, also with the help
// window open.
void tst_Commands::salirEndsTheProgram() {
  WindowTarget target;
  bool ran = false;
  QTimer::singleShot(0, this,
                     [&] { ran = runSteps(target, "click Pruebasdiagnsticas1\nclick Salir1\n"); });
  QTimer::singleShot(5000, this, [] { QCoreApplication::exit(3); });  // the loop went on
  QCOMPARE(QApplication::exec(), 0);
  QVERIFY(ran);
  QVERIFY(!target.session().window.isVisible());
  QVERIFY(shownMessages(target).isEmpty());
}

void tst_Commands::fileDialogSettings_data() {
  QTest::addColumn<int>("mode");
  QTest::newRow("OpenDialog1") << int(QtFileDialog::Mode::Open);
  QTest::newRow("SaveDialog1") << int(QtFileDialog::Mode::Save);
}

// One filter for both cases of the extension, ROC added, no question; the name box empty at
// each run after the name was cleared, as the commands clear it.
void tst_Commands::fileDialogSettings() {
  QFETCH(int, mode);
  QTemporaryDir dir;
  QWidget owner;
  QtFileDialog dialog(&owner, QtFileDialog::Mode(mode));
  QStringList shownNames;
  dialog.setHook([&](QFileDialog& shown) {
    QCOMPARE(shown.objectName(),
             mode == int(QtFileDialog::Mode::Open) ? "OpenDialog1" : "SaveDialog1");
    QCOMPARE(shown.nameFilters(), QStringList{"Archivos ROC (*.ROC *.roc)"});
    QCOMPARE(shown.defaultSuffix(), QStringLiteral("ROC"));
    QCOMPARE(shown.fileMode(), QFileDialog::AnyFile);
    QVERIFY(shown.testOption(QFileDialog::DontConfirmOverwrite));
    QTimer::singleShot(0, &shown, [&] {
      QApplication::setActiveWindow(&shown);
      auto* box = shown.findChild<QLineEdit*>("fileNameEdit");
      QCOMPARE(QApplication::focusWidget(), box);
      shownNames << box->text();
      QTest::keyClicks(box, dir.filePath("caso"));
      QTest::keyClick(box, Qt::Key_Return);
    });
  });
  for (int run = 0; run < 2; ++run) {
    dialog.clearFileName();
    QVERIFY(dialog.execute());
    QCOMPARE(QString::fromStdString(dialog.fileName()), dir.filePath("caso.ROC"));
  }
  QCOMPARE(shownNames, (QStringList{"", ""}));
}

// The dialog's list shows the cases, their extension in any case (as on Windows), and no other
// file.
void tst_Commands::fileDialogShowsRocFilesOfEitherCase() {
  QTemporaryDir dir;
  for (const char* name : {"a.ROC", "b.roc", "c.txt", "d.Roc"}) {
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
  }
  QWidget owner;
  QtFileDialog dialog(&owner, QtFileDialog::Mode::Open);
  QStringList listed;
  std::unique_ptr<QSignalSpy> loaded;
  dialog.setHook([&](QFileDialog& shown) {
    // The folder is read in the background; its model says when it is done.
    auto* files = shown.findChild<QFileSystemModel*>();
    QVERIFY(files);
    loaded = std::make_unique<QSignalSpy>(files, &QFileSystemModel::directoryLoaded);
    shown.setDirectory(dir.path());
    QTimer::singleShot(0, &shown, [&] {
      auto* list = shown.findChild<QAbstractItemView*>("listView");
      QVERIFY(list);
      // The dialog may read the folder it starts in first: wait for this one, then for its
      // rows, which the model inserts in one batch after reading.
      QVERIFY(QTest::qWaitFor([&] {
        for (const QList<QVariant>& arguments : std::as_const(*loaded)) {
          if (QDir(arguments.at(0).toString()) == QDir(dir.path())) return true;
        }
        return false;
      }));
      QVERIFY(QTest::qWaitFor([&] { return list->model()->rowCount(list->rootIndex()) >= 3; }));
      for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
        listed << list->model()->index(row, 0, list->rootIndex()).data().toString();
      QTest::keyClick(&shown, Qt::Key_Escape);
    });
  });
  QVERIFY(!dialog.execute());
  listed.sort();
  QCOMPARE(listed, (QStringList{"a.ROC", "b.roc", "d.Roc"}));
}

// Open does not check that the file exists (the command reports it), Save replaces a file
// without asking: no box besides the failure box.
void tst_Commands::fileCommandsAskNothing() {
  QTemporaryDir dir;
  QFile old(dir.filePath("viejo.ROC"));
  QVERIFY(old.open(QIODevice::WriteOnly));
  old.write(QByteArray(40, 'x'));
  old.close();
  WindowTarget target;
  const QString steps = QString(kWorkedTable) + "save %1\nopen %2\nsave-menu %1\n";
  QVERIFY(runSteps(target, steps.arg(dir.filePath("viejo.ROC"), dir.filePath("falta"))));
  QCOMPARE(shownMessages(target), QStringList{"error: File not found."});
  QCOMPARE(QFileInfo(dir.filePath("viejo.ROC")).size(), 16);
  QVERIFY(!QFileInfo::exists(dir.filePath("falta.ROC")));
}

void tst_Commands::watchdogAnswersModalBoxes_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("answer");  // "DIR" stands for a folder of its own
  QTest::addColumn<bool>("accepted");
  QTest::addColumn<QString>("name");  // what the file dialog returns, below DIR
  QTest::addColumn<QString>("kind");  // the box the watchdog saw
  QTest::newRow("a file's name") << "open"
                                 << "DIR/caso" << true << "caso.ROC"
                                 << "QFileDialog";
  QTest::newRow("a save's name") << "save"
                                 << "DIR/otro.ROC" << true << "otro.ROC"
                                 << "QFileDialog";
  QTest::newRow("no name: cancelled") << "open"
                                      << "" << false << ""
                                      << "QFileDialog";
  QTest::newRow("a folder that is not there") << "open"
                                              << "DIR/falta/caso" << true << "falta/caso.ROC"
                                              << "QFileDialog";
  QTest::newRow("a message box: rejected") << "message"
                                           << "DIR/caso" << false << ""
                                           << "QMessageBox";
  QTest::newRow("a modal window: closed") << "window"
                                          << "" << false << ""
                                          << "QWidget";
}

// The one helper for modal boxes answers the file dialogs with the name the test gives at that
// moment, and closes any other box, a dialog or not.
void tst_Commands::watchdogAnswersModalBoxes() {
  QFETCH(QString, box);
  QFETCH(QString, answer);
  QFETCH(bool, accepted);
  QFETCH(QString, name);
  QFETCH(QString, kind);
  QTemporaryDir dir;
  ModalWatchdog watchdog(
      0, ModalWatchdog::answeringFiles([&] { return answer.replace("DIR", dir.path()); }));
  QWidget owner;
  if (box == "window") {
    QWidget modal;
    modal.setWindowModality(Qt::ApplicationModal);
    modal.show();
    QTRY_VERIFY(!modal.isVisible());
  } else if (box == "message") {
    QMessageBox message(QMessageBox::Warning, "Tarnolo", "texto", QMessageBox::Ok, &owner);
    QCOMPARE(message.exec() == QMessageBox::Ok, accepted);
  } else {
    QtFileDialog dialog(&owner,
                        box == "open" ? QtFileDialog::Mode::Open : QtFileDialog::Mode::Save);
    QCOMPARE(dialog.execute(), accepted);
    if (accepted) QCOMPARE(QString::fromStdString(dialog.fileName()), dir.filePath(name));
  }
  QCOMPARE(watchdog.seen.size(), 1);
  QCOMPARE(watchdog.seen.first().kind, kind);
}

QTEST_MAIN(tst_Commands)
#include "tst_commands.moc"
