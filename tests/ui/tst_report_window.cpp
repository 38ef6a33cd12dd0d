// The report window: opened from the main window's menu, one at a time, following the case;
// its table by method and level; copy, CSV, PDF and print; never a NaN or an infinity.
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <climits>
#include <memory>

#include "core/case_file.h"
#include "core/number_text.h"
#include "core/posix_files.h"
#include "core/report_text.h"
#include "informe/level_spin_box.h"
#include "informe/method_choice.h"
#include "informe/qt_text.h"
#include "informe/report_command.h"
#include "informe/report_document.h"
#include "modal_watchdog.h"
#include "principal/slider.h"
#include "principal/window_session.h"
#include "replayed_steps.h"
#include "shell/application.h"
#include "shell/messages.h"
#include "window_replay.h"

using namespace tarnolo;

namespace {

enum Column { kIndex, kEstimate, kLower, kUpper, kNote };

// The main window with the report command, as the program starts them, driven by the replay's
// steps; notices and failures recorded.
struct ReportSession {
  replay::WindowTarget target;
  WindowSession& session = target.session();
  ReportCommand* command =
      ReportCommand::install(session.window, session.table, session.state(),
                             [this](const std::string& t) { target.reportFailure(t); });

  QStringList messages() const { return shownMessages(target); }
  template <class T = QWidget>
  T* control(const QString& name) {
    return session.window.findChild<T*>(name);
  }
  ReportWindow& open() {
    control<QAction>("Informecompleto1")->trigger();
    return *command->window();
  }
  void run(const QString& steps) { QVERIFY(runSteps(target, steps)); }
  void calcular(const QString& counts) {
    const QStringList n = counts.split(u' ');
    run(QStringLiteral("set VP %1\nset FP %2\nset FN %3\nset VN %4\nclick BitBtn6")
            .arg(n[0], n[1], n[2], n[3]));
  }
};

QTableWidget& table(ReportWindow& window) {
  return *window.findChild<QTableWidget*>("tabla");
}

int rowOf(std::string_view key) {
  return int(std::find(std::begin(kReportKeys), std::end(kReportKeys), key) -
             std::begin(kReportKeys));
}

QString shown(ReportWindow& window, std::string_view key, int column) {
  return table(window).item(rowOf(key), column)->text();
}

// The estimate and limits of every row, as shown and as the report of the core writes them.
QStringList shownValues(ReportWindow& window) {
  QStringList texts;
  for (std::string_view key : kReportKeys)
    for (int column : {kEstimate, kLower, kUpper}) texts << shown(window, key, column);
  return texts;
}

QStringList expectedValues(const Report& report, char separator) {
  QStringList texts;
  for (const ReportRow& row : report.rows) {
    for (const ReportValue* v : {&row.estimate, &row.limits.lower, &row.limits.upper}) {
      const std::string text = valueText(row.key, *v, separator, ProportionScale::Percent);
      texts << (text.empty() ? QStringLiteral("—") : QString::fromStdString(text));
    }
  }
  return texts;
}

QString shownCounts(ReportWindow& window) {
  QStringList counts;
  for (const char* name : {"VP", "FP", "FN", "VN", "Total"})
    counts << window.findChild<QLabel*>(QStringLiteral("recuento") + name)->text();
  return counts.join(u' ');
}

QString stateCounts(const CaseState& s) {
  return QStringLiteral("%1 %2 %3 %4 %5")
      .arg(s.vp)
      .arg(s.fp)
      .arg(s.fn)
      .arg(s.vn)
      .arg(int64_t(s.vp) + s.fp + s.fn + s.vn);
}

void choose(ReportWindow& window, IntervalMethod method) {
  auto* box = window.findChild<QComboBox*>("metodo");
  box->setCurrentIndex(box->findData(qstring(methodKey(method))));
}

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The pages of a PDF file as the toolkit writes them: one "/Type /Page" object each.
int pdfPages(const QByteArray& pdf) {
  return int(pdf.count("/Type /Page\n"));
}

}  // namespace

class tst_ReportWindow : public QObject {
  Q_OBJECT

 private slots:
  void cleanup();
  void opensOnceFromTheMenu();
  void methodChoice_data();
  void methodChoice();
  void followsTheState_data();
  void followsTheState();
  void methodAndLevelChangeTheTable_data();
  void methodAndLevelChangeTheTable();
  void waldCcShowsTheMainWindowsTexts_data();
  void waldCcShowsTheMainWindowsTexts();
  void followsTheRegionalSettings();
  void neverNanNorInfinity_data();
  void neverNanNorInfinity();
  void levelBoxTexts_data();
  void levelBoxTexts();
  void copyPutsTheTableOnTheClipboard();
  void decimalsForScreenCopyAndPdf_data();
  void decimalsForScreenCopyAndPdf();
  void savesTheCsv_data();
  void savesTheCsv();
  void failedSaveShowsTheFailureBox();
  void savesThePdf();
  void documentNamesEveryMethod_data();
  void documentNamesEveryMethod();
  void printsThroughThePrintDialog();
  void printerThatCannotOpenIsAFailure();
};

void tst_ReportWindow::cleanup() {
  QLocale::setDefault(QLocale::c());
}

// Not modal, owned by the main window, one instance that keeps its choices when closed.
void tst_ReportWindow::opensOnceFromTheMenu() {
  ReportSession s;
  QVERIFY(!s.command->window());
  ReportWindow& first = s.open();
  QVERIFY(QTest::qWaitForWindowExposed(&first));
  QCOMPARE(first.windowTitle(), QStringLiteral("Informe"));
  QVERIFY(first.isWindow());
  QCOMPARE(first.parentWidget(), &s.session.window);
  QCOMPARE(QApplication::activeModalWidget(), nullptr);
  choose(first, IntervalMethod::Wilson);
  QTest::mouseClick(first.findChild<QPushButton*>("cerrar"), Qt::LeftButton);
  QVERIFY(!first.isVisible());
  QCOMPARE(&s.open(), &first);
  QVERIFY(first.isVisible());
  QCOMPARE(first.report().method, IntervalMethod::Wilson);
  first.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&first));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  QVERIFY(!first.isVisible());
  s.open();
  QCOMPARE(s.session.window.findChildren<ReportWindow*>().size(), 1);
  QVERIFY(s.messages().isEmpty());
}

void tst_ReportWindow::followsTheState_data() {
  QTest::addColumn<QStringList>("before");  // steps before the one the report must follow
  QTest::addColumn<QString>("step");
  const QStringList table{"set VP 6", "set FP 3", "set FN 1", "set VN 10", "click BitBtn6"};
  QTest::newRow("Calcular") << QStringList{"set VP 397", "set FP 84", "set FN 54", "set VN 177"}
                            << "click BitBtn6";
  QTest::newRow("Bayes slider step")
      << QStringList{"set VP 397", "set FP 84",     "set FN 54",
                     "set VN 177", "click BitBtn6", "click bayesboton"}
      << "line sensScrollBar +1";
  QTest::newRow("re-scale by Recalc.") << table + QStringList{"set total 60"} << "click BitBtn5";
  QTest::newRow("Open") << table << "open-menu CASE";
}

// After each event that changes the counts the window shows the new ones and their report.
void tst_ReportWindow::followsTheState() {
  QFETCH(QStringList, before);
  QFETCH(QString, step);
  QTemporaryDir dir;
  const QString caseFile = dir.filePath("caso.ROC");
  PosixFileSystem files;
  writeCaseFile(files, caseFile.toStdString(), CaseRecord{12, 5, 30, 2});
  ReportSession s;
  ReportWindow& window = s.open();
  for (const QString& b : before) s.run(b);
  const QString old = stateCounts(s.session.state());
  QCOMPARE(shownCounts(window), old);
  s.run(QString(step).replace("CASE", caseFile));
  QVERIFY2(stateCounts(s.session.state()) != old, "the step changed no count");
  QCOMPARE(shownCounts(window), stateCounts(s.session.state()));
  QCOMPARE(shownValues(window),
           expectedValues(buildReport(s.session.state(), IntervalMethod::WaldCc, 95), '.'));
  QVERIFY2(s.messages().isEmpty(), qPrintable(s.messages().join('\n')));
}

void tst_ReportWindow::methodAndLevelChangeTheTable_data() {
  QTest::addColumn<int>("method");
  QTest::addColumn<QString>("level");  // a button's name, or a typed level
  QTest::addColumn<double>("percent");
  using M = IntervalMethod;
  QTest::newRow("Wilson, level as it was") << int(M::Wilson) << "" << 95.0;
  QTest::newRow("Clopper-Pearson, 99 % button") << int(M::ClopperPearson) << "nivel99" << 99.0;
  QTest::newRow("Jeffreys, 90 % button") << int(M::Jeffreys) << "nivel90" << 90.0;
  QTest::newRow("Agresti-Coull, 97.5 typed") << int(M::AgrestiCoull) << "97.5" << 97.5;
  QTest::newRow("Wald, lowest level typed") << int(M::Wald) << "50" << 50.0;
  QTest::newRow("Wilson cc, highest level typed") << int(M::WilsonCc) << "99.9" << 99.9;
  QTest::newRow("above the highest: held at 99.9") << int(M::Wilson) << "99.99" << 99.9;
  QTest::newRow("wald-cc at 80 %") << int(M::WaldCc) << "80" << 80.0;
}

void tst_ReportWindow::methodAndLevelChangeTheTable() {
  QFETCH(int, method);
  QFETCH(QString, level);
  QFETCH(double, percent);
  ReportSession s;
  s.calcular("397 84 54 177");
  ReportWindow& window = s.open();
  const QStringList before = shownValues(window);
  choose(window, IntervalMethod(method));
  auto* box = window.findChild<LevelSpinBox*>("nivel");
  if (level.startsWith("nivel")) {
    QTest::mouseClick(window.findChild<QPushButton*>(level), Qt::LeftButton);
  } else if (!level.isEmpty()) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, level);
    QTest::keyClick(box, Qt::Key_Return);
  }
  QCOMPARE(window.report().level.percent, percent);
  const Report expected = buildReport(s.session.state(), IntervalMethod(method), percent);
  QCOMPARE(shownValues(window), expectedValues(expected, '.'));
  QVERIFY(shownValues(window) != before);
  QCOMPARE(window.findChild<QLabel*>("metodoCocientes")->text(),
           qstring(ratioMethodName(IntervalMethod(method))));
  QCOMPARE(shownCounts(window), QStringLiteral("397 84 54 177 712"));
}

void tst_ReportWindow::waldCcShowsTheMainWindowsTexts_data() {
  QTest::addColumn<QString>("counts");
  QTest::addColumn<char>("separator");
  QTest::newRow("DTComPair's table") << "397 84 54 177" << '.';
  QTest::newRow("limits past 100 % are *") << "6 3 1 10" << '.';
  QTest::newRow("decimal comma") << "90 10 10 90" << ',';
}

// By default the report gives the main window's rule, and the same texts as its cells.
void tst_ReportWindow::waldCcShowsTheMainWindowsTexts() {
  QFETCH(QString, counts);
  QFETCH(char, separator);
  QLocale::setDefault(separator == ',' ? QLocale(QLocale::Spanish, QLocale::Spain) : QLocale::c());
  ReportSession s;
  useLocaleSeparator(s.session.view);
  s.calcular(counts);
  s.run("click ic");
  ReportWindow& window = s.open();
  const struct {
    const char *key, *estimate, *lower, *upper;
  } rows[] = {{"sens", "sens", "sensli", "sensls"},
              {"esp", "esp", "espli", "espls"},
              {"vpp", "VPP", "vppli", "vppls"},
              {"vpn", "VPN", "vpnli", "vpnls"},
              {"prev", "PREVALENCIA", "prevli", "prevls"},
              {"prevap", "prevap", "prevapli", "prevapls"},
              {"cpp", "CPP", "cppli", "cppls"},
              {"cpn", "CPN", "cpnli", "cpnls"}};
  for (const auto& r : rows) {
    const auto cell = [&](const char* name) {
      return QString::fromStdString(s.session.view.text(name));
    };
    QCOMPARE(shown(window, r.key, kEstimate), cell(r.estimate));
    QCOMPARE(shown(window, r.key, kLower), cell(r.lower));
    QCOMPARE(shown(window, r.key, kUpper), cell(r.upper));
  }
}

// The separator is read again once the regional settings change, and the table follows.
void tst_ReportWindow::followsTheRegionalSettings() {
  ReportSession s;
  useLocaleSeparator(s.session.view);
  followLocaleChanges(s.session.window, s.session.view);
  s.calcular("397 84 54 177");
  ReportWindow& window = s.open();
  QCOMPARE(shown(window, "cpp", kEstimate), QStringLiteral("2.73511244852708"));
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
  QEvent change(QEvent::LocaleChange);
  QCoreApplication::sendEvent(qApp, &change);
  QTRY_COMPARE(shown(window, "cpp", kEstimate), QStringLiteral("2,73511244852708"));
  QCOMPARE(window.findChild<LevelSpinBox*>("nivel")->text(), QStringLiteral("95 %"));
}

void tst_ReportWindow::neverNanNorInfinity_data() {
  QTest::addColumn<QList<int>>("counts");  // VP FP FN VN
  QTest::newRow("empty table") << QList<int>{0, 0, 0, 0};
  QTest::newRow("one case") << QList<int>{1, 0, 0, 0};
  QTest::newRow("no false results") << QList<int>{5, 0, 0, 7};
  QTest::newRow("no true positives") << QList<int>{0, 4, 6, 10};
  QTest::newRow("no diseased") << QList<int>{0, 3, 0, 10};
  QTest::newRow("no discrimination") << QList<int>{3, 5, 5, 3};
  QTest::newRow("all wrong") << QList<int>{0, 5, 5, 0};
  QTest::newRow("negative count after a Bayes step") << QList<int>{-1, 2, 3, 4};
  QTest::newRow("largest counts") << QList<int>{INT_MAX, 1, 1, INT_MAX};
}

// Every method at the lowest, the usual and the highest level: what has no value reads "—"
// and says why.
void tst_ReportWindow::neverNanNorInfinity() {
  QFETCH(QList<int>, counts);
  CaseState state;
  state.vp = counts[0], state.fp = counts[1], state.fn = counts[2], state.vn = counts[3];
  ReportWindow window(state, nullptr, nullptr);
  window.show();
  const QRegularExpression bad(QStringLiteral("\\b(nan|inf|infinity)\\b"),
                               QRegularExpression::CaseInsensitiveOption);
  for (int method = 0; method < 7; ++method) {
    choose(window, IntervalMethod(method));
    for (double level : {50.0, 95.0, 99.9}) {
      window.findChild<LevelSpinBox*>("nivel")->setValue(level);
      const QString where = QStringLiteral("%1 at %2").arg(method).arg(level);
      QCOMPARE(shownValues(window), expectedValues(window.report(), '.'));
      for (int row = 0; row < table(window).rowCount(); ++row) {
        for (int column : {kEstimate, kLower, kUpper, kNote}) {
          const QTableWidgetItem* item = table(window).item(row, column);
          QVERIFY2(!item->text().contains(bad), qPrintable(where + ": " + item->text()));
          if (item->text() == "—") QVERIFY2(!item->toolTip().isEmpty(), qPrintable(where));
        }
      }
    }
  }
}

void tst_ReportWindow::levelBoxTexts_data() {
  QTest::addColumn<QLocale>("locale");
  QTest::addColumn<double>("set");
  QTest::addColumn<QString>("text");
  const QLocale spanish(QLocale::Spanish, QLocale::Spain);
  QTest::newRow("whole") << QLocale::c() << 95.0 << "95 %";
  QTest::newRow("a decimal, comma") << spanish << 97.5 << "97,5 %";
  QTest::newRow("two decimals") << QLocale::c() << 95.45 << "95.45 %";
  QTest::newRow("below 50") << QLocale::c() << 10.0 << "50 %";
  QTest::newRow("above 99.9") << spanish << 100.0 << "99,9 %";
}

void tst_ReportWindow::levelBoxTexts() {
  QFETCH(QLocale, locale);
  QFETCH(double, set);
  QFETCH(QString, text);
  LevelSpinBox box;
  box.setLocale(locale);
  box.setValue(set);
  QCOMPARE(box.text(), text);
}

void tst_ReportWindow::copyPutsTheTableOnTheClipboard() {
  ReportSession s;
  s.calcular("397 84 54 177");
  ReportWindow& window = s.open();
  choose(window, IntervalMethod::Wilson);
  QGuiApplication::clipboard()->clear();
  QTest::mouseClick(window.findChild<QPushButton*>("copiar"), Qt::LeftButton);
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  QCOMPARE(data->text().toStdString(), reportTable(window.report(), '.', ProportionScale::Percent));
  QVERIFY(data->text().contains("Sensibilidad (%)\t88.0266075388027\t"));
  QVERIFY(data->hasHtml());
  QVERIFY(data->html().contains("<table"));
  QVERIFY(data->html().contains("Wilson 1927"));
}

void tst_ReportWindow::decimalsForScreenCopyAndPdf_data() {
  QTest::addColumn<QString>("choice");
  QTest::addColumn<QString>("sens");
  QTest::addColumn<QString>("cpp");
  QTest::newRow("every digit, as before") << "todas"
                                          << "88.0266075388027"
                                          << "2.73511244852708";
  QTest::newRow("automatic") << "automático"
                             << "88.0"
                             << "2.74";
  QTest::newRow("none") << "0"
                        << "88"
                        << "3";
  QTest::newRow("four") << "4"
                        << "88.0266"
                        << "2.7351";
}

// The choice rounds what is read (screen, clipboard, printout and PDF), never the CSV.
void tst_ReportWindow::decimalsForScreenCopyAndPdf() {
  QFETCH(QString, choice);
  QFETCH(QString, sens);
  QFETCH(QString, cpp);
  ReportSession s;
  s.calcular("397 84 54 177");
  ReportWindow& window = s.open();
  choose(window, IntervalMethod::Wilson);
  auto* decimals = window.findChild<QComboBox*>("decimales");
  QCOMPARE(decimals->currentText(), QStringLiteral("todas"));
  decimals->setCurrentIndex(decimals->findText(choice));
  QCOMPARE(shown(window, "sens", kEstimate), sens);
  QCOMPARE(shown(window, "cpp", kEstimate), cpp);
  QTest::mouseClick(window.findChild<QPushButton*>("copiar"), Qt::LeftButton);
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  QVERIFY(data->text().contains("Sensibilidad (%)\t" + sens + "\t"));
  QVERIFY(data->html().contains("<nobr>" + cpp + "</nobr>"));
  QVERIFY(reportCsv(window.report(), '.').find("sens,0.880266075388027,") != std::string::npos);
}

void tst_ReportWindow::savesTheCsv_data() {
  QTest::addColumn<char>("separator");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("file");
  QTest::newRow("decimal point") << '.' << "informe.csv"
                                 << "informe.csv";
  QTest::newRow("decimal comma, no extension typed") << ',' << "tabla"
                                                     << "tabla.csv";
}

void tst_ReportWindow::savesTheCsv() {
  QFETCH(char, separator);
  QFETCH(QString, typed);
  QFETCH(QString, file);
  QLocale::setDefault(separator == ',' ? QLocale(QLocale::Spanish, QLocale::Spain) : QLocale::c());
  QTemporaryDir dir;
  ModalWatchdog watchdog(1000);  // only if the dialog was not answered
  ReportSession s;
  useLocaleSeparator(s.session.view);
  s.calcular("0 4 6 10");  // undefined ratios: empty fields with their reasons
  ReportWindow& window = s.open();
  choose(window, IntervalMethod::Jeffreys);
  QStringList filter;
  window.setDialogHook(ModalWatchdog::answeredWith(dir.filePath(typed), &filter));
  QTest::mouseClick(window.findChild<QPushButton*>("guardarCsv"), Qt::LeftButton);
  QCOMPARE(filter, QStringList{"CSV (*.csv)"});
  QCOMPARE(contents(dir.filePath(file)).toStdString(), reportCsv(window.report(), separator));
  QVERIFY(watchdog.seen.isEmpty());
  QVERIFY(s.messages().isEmpty());
}

// A file that cannot be written: the program's failure box, nothing left behind.
void tst_ReportWindow::failedSaveShowsTheFailureBox() {
  QTemporaryDir dir;
  ModalWatchdog watchdog(1000);
  CaseState state;
  ReportWindow window(state, reportFailure, nullptr);
  window.show();
  window.setDialogHook(ModalWatchdog::answeredWith(dir.filePath("sin carpeta/informe.csv")));
  QTest::mouseClick(window.findChild<QPushButton*>("guardarCsv"), Qt::LeftButton);
  QCOMPARE(watchdog.seen.size(), 1);
  QCOMPARE(watchdog.seen[0].title, QStringLiteral("Tarnolo"));
  QCOMPARE(watchdog.seen[0].icon, QMessageBox::Critical);
  QVERIFY(watchdog.seen[0].text.endsWith('.'));
  QVERIFY(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

void tst_ReportWindow::savesThePdf() {
  QTemporaryDir dir;
  ModalWatchdog watchdog(1000);
  ReportSession s;
  s.calcular("670 202 74 640");
  ReportWindow& window = s.open();
  QStringList filter;
  window.setDialogHook(ModalWatchdog::answeredWith(dir.filePath("informe"), &filter));
  QTest::mouseClick(window.findChild<QPushButton*>("guardarPdf"), Qt::LeftButton);
  QCOMPARE(filter, QStringList{"PDF (*.pdf)"});
  const QByteArray pdf = contents(dir.filePath("informe.pdf"));
  QVERIFY(pdf.startsWith("%PDF-"));
  QVERIFY(pdf.trimmed().endsWith("%%EOF"));
  QCOMPARE(pdfPages(pdf), 1);  // the whole report fits on one A4 page
  QVERIFY(watchdog.seen.isEmpty() && s.messages().isEmpty());
}

void tst_ReportWindow::documentNamesEveryMethod_data() {
  QTest::addColumn<int>("method");
  for (int m = 0; m < 7; ++m) QTest::newRow(methodKey(IntervalMethod(m)).data()) << m;
}

// What is printed: the date, the counts, the level, every method with its reference, the rows.
void tst_ReportWindow::documentNamesEveryMethod() {
  QFETCH(int, method);
  CaseState state;
  state.vp = 397, state.fp = 84, state.fn = 54, state.vn = 177;
  const Report report = buildReport(state, IntervalMethod(method), 99);
  const QString html = reportHtml(report, ',', QDateTime(QDate(2025, 3, 5), QTime(14, 3)));
  QTextDocument document;
  document.setHtml(html);
  const QString text = document.toPlainText();
  const auto has = [&](std::string_view part) {
    QVERIFY2(text.contains(QString::fromUtf8(part.data(), qsizetype(part.size()))), part.data());
  };
  has("5 de marzo de 2025, 14:03");
  for (const char* part : {"VP = 397", "FP = 84", "FN = 54", "VN = 177", "712", "99 %"}) has(part);
  has(methodName(report.method));
  has(methodReference(report.method));
  has(ratioMethodName(report.method));
  has("Newcombe 1998");
  for (const ReportRow& row : report.rows) {
    has(rowLabel(row.key, ProportionScale::Percent));
    if (row.estimate.defined())
      has(valueText(row.key, row.estimate, ',', ProportionScale::Percent));
  }
}

// The print dialog's printer, pointed at a PDF file as a user could choose, gets the report.
void tst_ReportWindow::printsThroughThePrintDialog() {
  QTemporaryDir dir;
  ModalWatchdog watchdog(1000);
  CaseState state;
  state.vp = 397, state.fp = 84, state.fn = 54, state.vn = 177;
  QStringList failures;
  ReportWindow window(
      state, [&](const std::string& t) { failures << QString::fromStdString(t); }, nullptr);
  window.show();
  const QString path = dir.filePath("impreso.pdf");
  bool cancel = true;
  // The dialog fills its list of printers once shown: chosen then, as a user does.
  window.setDialogHook([&](QDialog& dialog) {
    QVERIFY(qobject_cast<QPrintDialog*>(&dialog));
    QMetaObject::invokeMethod(
        &dialog,
        [&] {
          auto* printers = dialog.findChild<QComboBox*>("printers");
          auto* file = dialog.findChild<QLineEdit*>("filename");
          QVERIFY(printers && file);
          printers->setCurrentIndex(printers->findText("PDF", Qt::MatchContains));
          QVERIFY2(printers->currentIndex() >= 0, "no entry that prints to a PDF file");
          file->setText(path);
          cancel ? dialog.reject() : dialog.accept();
        },
        Qt::QueuedConnection);
  });
  QTest::mouseClick(window.findChild<QPushButton*>("imprimir"), Qt::LeftButton);
  QVERIFY(!QFile::exists(path));
  cancel = false;
  QTest::mouseClick(window.findChild<QPushButton*>("imprimir"), Qt::LeftButton);
  QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
  QVERIFY(contents(path).startsWith("%PDF-"));
  QCOMPARE(pdfPages(contents(path)), 1);
  QVERIFY(failures.isEmpty() && watchdog.seen.isEmpty());
}

void tst_ReportWindow::printerThatCannotOpenIsAFailure() {
  QTemporaryDir dir;
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("sin carpeta/x.pdf"));
  QVERIFY(!printReport(QStringLiteral("<p>x</p>"), printer));
  printer.setOutputFileName(dir.filePath("x.pdf"));
  QVERIFY(printReport(QStringLiteral("<p>x</p>"), printer));
}

void tst_ReportWindow::methodChoice_data() {
  QTest::addColumn<int>("chosen");
  QTest::addColumn<bool>("withReference");
  QTest::addColumn<QString>("current");  // the chosen item's text
  QTest::newRow("the report: the main window's rule")
      << int(IntervalMethod::WaldCc) << true
      << "Wald con corrección de continuidad — regla de la ventana principal; Newcombe 1998, "
         "método 2";
  QTest::newRow("the other windows: Wilson")
      << int(IntervalMethod::Wilson) << true << "Wilson — Wilson 1927";
  QTest::newRow("the pictures: names alone") << int(IntervalMethod::Wilson) << false << "Wilson";
}

// Every window lists the seven methods in one order, each item holding the method's key.
void tst_ReportWindow::methodChoice() {
  QFETCH(int, chosen);
  QFETCH(bool, withReference);
  QFETCH(QString, current);
  QComboBox box;
  addMethods(box, IntervalMethod(chosen), withReference);
  QStringList keys;
  for (int i = 0; i < box.count(); ++i) keys << box.itemData(i).toString();
  QCOMPARE(keys, (QStringList{"wald-cc", "wald", "wilson", "wilson-cc", "clopper-pearson",
                              "agresti-coull", "jeffreys"}));
  QCOMPARE(box.currentText(), current);
  QCOMPARE(box.currentData().toString(), qstring(methodKey(IntervalMethod(chosen))));
}

QTEST_MAIN(tst_ReportWindow)
#include "tst_report_window.moc"
