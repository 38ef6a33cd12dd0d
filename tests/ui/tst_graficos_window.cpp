// The window "Gráficos": opened at either page from the menu, following the case while the
// Bayes sliders move, the nomogram's pre-test probability, the cursor, the table of points,
// zero cells, the text alternatives, and the outputs (save in each format, print, plot step).
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <sstream>

#include "core/number_text.h"
#include "graficos/graficos_command.h"
#include "graficos/graph_widgets.h"
#include "modal_watchdog.h"
#include "picture_steps.h"
#include "plot_writer.h"
#include "principal/window_session.h"
#include "replayed_steps.h"
#include "window_replay.h"

using namespace tarnolo;

namespace {

// The real main window driven by the replay's steps, with the pictures' command installed as
// the program installs it; failures recorded.
struct GraficosSession {
  QStringList failures;
  replay::WindowTarget target;
  GraficosCommand* command = GraficosCommand::install(
      target.session().window, target.session().table, target.state(),
      [this](const std::string& t) { failures << QString::fromStdString(t); });

  void run(const std::string& script) { QVERIFY(runSteps(target, qstring(script))); }
  // Calculates the table given, by default the one most tests read.
  void calcular(const std::string& vp = "90", const std::string& fp = "9",
                const std::string& fn = "10", const std::string& vn = "91") {
    run("set VP " + vp + "\nset FP " + fp + "\nset FN " + fn + "\nset VN " + vn +
        "\nclick BitBtn6\n");
  }
  GraficosWindow& open(const char* item) {
    QAction* action = target.session().window.findChild<QAction*>(item);
    replay::chooseMenuItem(*target.session().window.menuBar(), *action);
    return *command->window();
  }
  template <class T>
  T* control(const char* name) {
    return command->window()->findChild<T*>(name);
  }
};

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class tst_GraficosWindow : public QObject {
  Q_OBJECT

 private slots:
  void cleanup();
  void opensOneWindowAtEitherPage();
  void followsTheBayesSliders();
  void pretestIsTheCasesUntilTheUserSetsIt();
  void cursorReadsWhatKeysAndMousePointAt_data();
  void cursorReadsWhatKeysAndMousePointAt();
  void readsWithTheLocalesSeparator();
  void pointsAsATable();
  void zeroCellsSayWhatIsMissing_data();
  void zeroCellsSayWhatIsMissing();
  void writesThePicture_data();
  void writesThePicture();
  void printsThroughThePrintDialog();
};

void tst_GraficosWindow::cleanup() {
  QLocale::setDefault(QLocale::c());
  replay::setPlotWriter(nullptr);
}

void tst_GraficosWindow::opensOneWindowAtEitherPage() {
  GraficosSession s;
  ModalWatchdog watchdog;
  QVERIFY(!s.command->window());
  GraficosWindow& first = s.open("Valorespredictivos1");
  QVERIFY(QTest::qWaitForWindowExposed(&first));
  QCOMPARE(first.windowTitle(), QStringLiteral("Gráficos"));
  QVERIFY(first.isWindow());
  QCOMPARE(QApplication::activeModalWidget(), nullptr);
  QCOMPARE(first.page(), GraficosWindow::kCurvePage);
  GraficosWindow& second = s.open("NomogramadeFagan1");
  QCOMPARE(&second, &first);
  QCOMPARE(second.page(), GraficosWindow::kNomogramPage);
  QVERIFY(watchdog.seen.isEmpty());
}

// Every slider step rebuilds the pictures: the mark at the slider's prevalence, the counts of
// the rebuilt table in the caption, what a screen reader reads.
void tst_GraficosWindow::followsTheBayesSliders() {
  GraficosSession s;
  s.calcular();
  GraficosWindow& window = s.open("Valorespredictivos1");
  auto* curve = s.control<CurveWidget>("curva");
  QCOMPARE(curve->view().marked, 0.5);
  s.run("click bayesboton\nscroll prevScrollBar 20\n");
  QCOMPARE(curve->view().marked, s.target.state().prev);
  QCOMPARE(curve->view().marked, 0.2);
  QCOMPARE(window.report().counts.vp, s.target.state().vp);
  QVERIFY2(curve->accessibleDescription().contains("Prevalencia 20.0 %: VPP "),
           qPrintable(curve->accessibleDescription()));
  s.run("scroll sensScrollBar 60\n");
  QVERIFY(window.picture().caption.startsWith(
      QStringLiteral("VP %1, FP %2").arg(s.target.state().vp).arg(s.target.state().fp)));
  // The page out of sight catches up when shown: the pre-test probability is the slider's.
  s.open("NomogramadeFagan1");
  const NomogramView& nomogram = s.control<NomogramWidget>("nomograma")->view();
  QCOMPARE(nomogram.report.counts.vp, s.target.state().vp);
  QCOMPARE(nomogram.pretest, 0.2);
  QVERIFY(s.failures.isEmpty());
}

// Published check: 25 % through CP+ 10 gives 76.9 %.
void tst_GraficosWindow::pretestIsTheCasesUntilTheUserSetsIt() {
  GraficosSession s;
  s.calcular();
  GraficosWindow& window = s.open("NomogramadeFagan1");
  auto* pretest = s.control<QDoubleSpinBox>("preprueba");
  QCOMPARE(pretest->value(), 50.0);
  pretest->setFocus();
  pretest->selectAll();
  QTest::keyClicks(pretest, "25");
  QTest::keyClick(pretest, Qt::Key_Enter);
  QCOMPARE(window.pretest(), 0.25);
  const QString results = s.control<NomogramWidget>("nomograma")->accessibleDescription();
  QVERIFY2(results.contains(QStringLiteral("\u2192 76.9 %")), qPrintable(results));
  QTest::keyClick(pretest, Qt::Key_Up);  // the keyboard steps by 1 %
  QCOMPARE(window.pretest(), 0.26);
  s.calcular("30", "10", "10", "50");  // another case keeps the user's probability
  QCOMPARE(window.pretest(), 0.26);
}

void tst_GraficosWindow::cursorReadsWhatKeysAndMousePointAt_data() {
  QTest::addColumn<QList<int>>("keys");
  QTest::addColumn<double>("mouse");  // how far along the axis the pointer moves; < 0: no move
  QTest::addColumn<QString>("readout");
  QTest::newRow("right from the mark")
      << QList<int>{Qt::Key_Right} << -1.0 << "Prevalencia 51.0 %: ";
  QTest::newRow("left twice") << QList<int>{Qt::Key_Left, Qt::Key_Left} << -1.0
                              << "Prevalencia 48.0 %";
  QTest::newRow("page up") << QList<int>{Qt::Key_PageUp} << -1.0 << "Prevalencia 60.0 %";
  QTest::newRow("home") << QList<int>{Qt::Key_Home} << -1.0 << "Prevalencia 0.0 %: VPP 0.0 %";
  QTest::newRow("end, then beyond")
      << QList<int>{Qt::Key_End, Qt::Key_Right} << -1.0 << "Prevalencia 100.0 %: VPP 100.0 %";
  QTest::newRow("mouse a quarter along")
      << QList<int>{} << 0.25 << "Prevalencia 25.0 %: VPP 76.9 %";
}

// The keys move the cursor along the curve; the mouse puts it at the prevalence under the
// pointer, and takes it away off the plot.
void tst_GraficosWindow::cursorReadsWhatKeysAndMousePointAt() {
  QFETCH(QList<int>, keys);
  QFETCH(double, mouse);
  QFETCH(QString, readout);
  GraficosSession s;
  s.calcular();
  GraficosWindow& window = s.open("Valorespredictivos1");
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  auto* curve = s.control<CurveWidget>("curva");
  for (int key : keys) QTest::keyClick(curve, Qt::Key(key));
  // The pointer moves over the plot, as the toolkit delivers it to a widget that tracks it.
  auto moveTo = [curve](QPointF at) {
    QMouseEvent move(QEvent::MouseMove, at, curve->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(curve, &move);
  };
  const QRectF plot = curvePlotRect(QRectF(curve->rect()));
  if (mouse >= 0) {
    moveTo(QPointF(plot.left() + plot.width() * mouse, plot.center().y()));
    QVERIFY(curve->cursor().has_value());
    QVERIFY(std::abs(*curve->cursor() - mouse) < 1e-9);
  }
  const QString shown = s.control<QLabel>("lectura")->text();
  QVERIFY2(shown.startsWith(readout), qPrintable(shown));
  QVERIFY(curve->accessibleDescription().contains(QStringLiteral("Cursor: ") + readout));
  moveTo(QPointF(2, 2));  // off the plot: the cursor goes away
  QVERIFY(!curve->cursor().has_value());
}

// The separator of the regional settings in every number the window writes.
void tst_GraficosWindow::readsWithTheLocalesSeparator() {
  GraficosSession s;
  s.calcular();
  s.open("Valorespredictivos1");
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
  s.run("separator ,\nclick BitBtn6\n");
  const QString text = s.control<CurveWidget>("curva")->accessibleDescription();
  QVERIFY2(text.contains("Prevalencia 50,0 %: VPP 90,9 %"), qPrintable(text));
  QVERIFY(s.command->window()->picture().caption.endsWith("Wilson, IC 95 %"));
}

void tst_GraficosWindow::pointsAsATable() {
  GraficosSession s;
  s.calcular();
  s.open("Valorespredictivos1");
  auto* table = s.control<QTableWidget>("tablaCurva");
  QVERIFY(!table->isVisible());
  s.control<QCheckBox>("mostrarTabla")->click();
  QVERIFY(table->isVisible());
  QCOMPARE(table->rowCount(), 99);
  QCOMPARE(table->item(24, 0)->text(), QStringLiteral("25.0 %"));
  QCOMPARE(table->item(24, 1)->text(), QStringLiteral("76.9 %"));
  s.calcular("90", "0", "10", "91");  // no CP+: the VPP columns say so, the VPN ones stay
  QCOMPARE(table->item(24, 1)->text(), QStringLiteral("—"));
  QVERIFY(table->item(24, 4)->text().endsWith(" %"));
}

void tst_GraficosWindow::zeroCellsSayWhatIsMissing_data() {
  QTest::addColumn<QStringList>("counts");
  QTest::addColumn<QString>("notes");
  QTest::addColumn<QString>("nomogram");
  QTest::newRow("no false positives")
      << QStringList{"6", "0", "1", "10"} << "VPP: sin curva, CP+ no definida (FP = 0"
      << "Positivo: CP+ no definida (FP = 0";
  QTest::newRow("no false negatives")
      << QStringList{"6", "3", "0", "10"} << "VPN: sin curva, CP- no definida (FN = 0"
      << QStringLiteral(
             "Negativo: RV\u2212 0 (IC 95 % sin límites) \u2192 0.0 % "
             "(sin límites); FN = 0");
  QTest::newRow("no true positives") << QStringList{"0", "3", "7", "10"} << "VPP: sin banda"
                                     << QStringLiteral(
                                            "Positivo: CP+ 0 (IC 95 % sin límites) \u2192 0.0 % "
                                            "(sin límites); VP = 0");
  QTest::newRow("one case") << QStringList{"1", "0", "0", "0"} << "VPP: sin curva"
                            << "Positivo: CP+ no definida";
  QTest::newRow("every cell") << QStringList{"6", "3", "1", "10"} << ""
                              << QStringLiteral(
                                     "Positivo: CP+ 3.71 (IC 95 % 1.32\u201310.5) \u2192 66.7 %");
}

// What cannot be drawn is said, in the window and in the caption; never a NaN or an infinity.
void tst_GraficosWindow::zeroCellsSayWhatIsMissing() {
  QFETCH(QStringList, counts);
  QFETCH(QString, notes);
  QFETCH(QString, nomogram);
  GraficosSession s;
  s.calcular(counts[0].toStdString(), counts[1].toStdString(), counts[2].toStdString(),
             counts[3].toStdString());
  GraficosWindow& window = s.open("Valorespredictivos1");
  const QString shown = s.control<QLabel>("notasCurva")->text();
  QVERIFY2(notes.isEmpty() ? shown.isEmpty() : shown.startsWith(notes), qPrintable(shown));
  QVERIFY(window.picture().caption.contains(notes));
  s.open("NomogramadeFagan1");
  const QString described = s.control<NomogramWidget>("nomograma")->accessibleDescription();
  QVERIFY2(described.contains(nomogram), qPrintable(described));
  QStringList texts{shown, s.control<CurveWidget>("curva")->accessibleDescription(),
                    s.control<NomogramWidget>("nomograma")->accessibleDescription()};
  for (const QString& text : texts) {
    QVERIFY2(!text.contains("nan", Qt::CaseInsensitive) && !text.contains("inf "),
             qPrintable(text));
  }
  QVERIFY(!window.grab().isNull());
  QVERIFY(s.failures.isEmpty());
}

void tst_GraficosWindow::writesThePicture_data() {
  QTest::addColumn<bool>("step");  // the replay's plot step rather than the button
  QTest::addColumn<int>("page");
  QTest::addColumn<QString>("name");      // the file's name, or the step
  QTest::addColumn<QByteArray>("start");  // empty when the save fails
  QTest::newRow("curve as png") << false << 0 << "curva.png" << QByteArray("\x89PNG");
  QTest::newRow("nomogram as svg") << false << 1 << "nomograma.svg" << QByteArray("<?xml");
  QTest::newRow("curve as pdf") << false << 0 << "curva.pdf" << QByteArray("%PDF");
  QTest::newRow("no suffix: the filter's") << false << 1 << "nomograma" << QByteArray("\x89PNG");
  QTest::newRow("into a missing folder")
      << false << 0 << "no/such/folder/curva.png" << QByteArray();
  QTest::newRow("plot step curve png") << true << 0 << "plot curve png" << QByteArray("\x89PNG");
  QTest::newRow("plot step nomogram svg")
      << true << 1 << "plot nomogram svg" << QByteArray("<?xml");
  QTest::newRow("plot step nomogram pdf") << true << 1 << "plot nomogram pdf" << QByteArray("%PDF");
}

// Saving from the window in each format, or a failure box and nothing left behind; the replay's
// plot step draws what the window draws, without opening it.
void tst_GraficosWindow::writesThePicture() {
  QFETCH(bool, step);
  QFETCH(int, page);
  QFETCH(QString, name);
  QFETCH(QByteArray, start);
  if (step) replay::installPlotWriter();
  GraficosSession s;
  s.calcular();
  QTemporaryDir dir;
  if (step) {
    const QString path = dir.filePath("dibujo");
    s.run(name.toStdString() + " " + path.toStdString() + "\n");
    QVERIFY(contents(path).startsWith(start));
    QVERIFY(!s.command->window());
    return;
  }
  GraficosWindow& window = s.open(page ? "NomogramadeFagan1" : "Valorespredictivos1");
  const QString path = dir.filePath(name);
  QStringList filters;
  window.setDialogHook(ModalWatchdog::answeredWith(path, &filters));
  s.control<QPushButton>("guardar")->click();
  QCOMPARE(filters.size(), 3);
  if (start.isEmpty()) {
    QCOMPARE(s.failures, QStringList{"Invalid filename."});
    QVERIFY(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    return;
  }
  const QString saved = QFileInfo::exists(path) ? path : path + ".png";
  QVERIFY2(contents(saved).startsWith(start), qPrintable(saved));
  QVERIFY(s.failures.isEmpty());
}

void tst_GraficosWindow::printsThroughThePrintDialog() {
  GraficosSession s;
  s.calcular();
  GraficosWindow& window = s.open("NomogramadeFagan1");
  QTemporaryDir dir;
  const QString path = dir.filePath("impreso.pdf");
  // The dialog fills its list of printers once shown: chosen then, as a user does.
  window.setDialogHook([path](QDialog& dialog) {
    QVERIFY(qobject_cast<QPrintDialog*>(&dialog));
    QMetaObject::invokeMethod(
        &dialog,
        [&dialog, path] {
          auto* printers = dialog.findChild<QComboBox*>("printers");
          auto* file = dialog.findChild<QLineEdit*>("filename");
          QVERIFY(printers && file);
          printers->setCurrentIndex(printers->findText("PDF", Qt::MatchContains));
          file->setText(path);
          dialog.accept();
        },
        Qt::QueuedConnection);
  });
  s.control<QPushButton>("imprimir")->click();
  QVERIFY(contents(path).startsWith("%PDF"));
  QVERIFY(s.failures.isEmpty());
}

QTEST_MAIN(tst_GraficosWindow)
#include "tst_graficos_window.moc"
