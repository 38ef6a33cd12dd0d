// The window "Comparar dos pruebas": opened from the menu, counts read as the main window reads
// them, the tables shown, the case and the outputs saved through the file dialogs.
#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "comparar/paired_command.h"
#include "core/number_text.h"
#include "core/paired_text.h"
#include "core/text_file.h"
#include "modal_watchdog.h"
#include "principal/window_session.h"

using namespace tarnolo;

namespace {

const char* const kCells[] = {"celdaA", "celdaB", "celdaC", "celdaD",
                              "celdaE", "celdaF", "celdaG", "celdaH"};

// The main window with the command, as the program starts them; failures recorded.
struct PairedSession {
  QStringList errors;
  WindowSession session{[](const std::string&) {},
                        [this](const std::string& t) { errors << QString::fromStdString(t); }};
  PairedCommand* command =
      PairedCommand::install(session.window, session.table,
                             [this](const std::string& t) { errors << QString::fromStdString(t); });

  PairedWindow& open() {
    session.window.findChild<QAction*>("Dospruebas1")->trigger();
    return *command->window();
  }
};

void type(PairedWindow& window, const QStringList& counts) {
  for (int i = 0; i < 8; ++i) window.findChild<QLineEdit*>(kCells[i])->setText(counts[i]);
}

void click(PairedWindow& window, const char* button) {
  QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
}

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString shown(PairedWindow& window, const char* table, int row, int column) {
  return window.findChild<QTableWidget*>(table)->item(row, column)->text();
}

}  // namespace

class tst_PairedWindow : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }
  void readsCounts_data();
  void readsCounts();
  void filesThroughTheDialogs();
  void levelAndMethodRecompute();
};

void tst_PairedWindow::readsCounts_data() {
  QTest::addColumn<QStringList>("counts");
  QTest::addColumn<QString>("error");        // the failure box, empty for none
  QTest::addColumn<QString>("mcnemarSens");  // first row of the comparisons
  QTest::newRow("published example")
      << QStringList{"319", "78", "22", "32", "31", "53", "22", "155"} << ""
      << "31.36";
  QTest::newRow("no discordant pairs") << QStringList{"10", "0", "0", "5", "1", "2", "3", "4"} << ""
                                       << "—";
  QTest::newRow("a letter in a cell")
      << QStringList{"319", "78", "22", "3x", "31", "53", "22", "155"}
      << "'3x' is not a valid integer value."
      << "—";
  QTest::newRow("an empty cell") << QStringList{"1", "2", "3", "4", "5", "6", "7", ""}
                                 << "'' is not a valid integer value."
                                 << "—";
  QTest::newRow("beyond 32 bits") << QStringList{"2147483648", "0", "0", "0", "0", "0", "0", "0"}
                                  << "'2147483648' is not a valid integer value."
                                  << "—";
}

// Refused counts give the main window's message and leave every cell as typed.
void tst_PairedWindow::readsCounts() {
  QFETCH(QStringList, counts);
  QFETCH(QString, error);
  QFETCH(QString, mcnemarSens);
  PairedSession s;
  PairedWindow& window = s.open();
  type(window, counts);
  QTest::keyClick(window.findChild<QLineEdit*>("celdaH"), Qt::Key_Return);
  QCOMPARE(s.errors, error.isEmpty() ? QStringList{} : QStringList{error});
  QCOMPARE(window.comparison().has_value(), error.isEmpty());
  QCOMPARE(shown(window, "comparaciones", 0, 1), error.isEmpty() ? mcnemarSens : QString());
  QCOMPARE(shown(window, "comparaciones", 0, 2), QString());  // a statistic has no limits
  for (int i = 0; i < 8; ++i) QCOMPARE(window.findChild<QLineEdit*>(kCells[i])->text(), counts[i]);
}

// The case saved and opened again, the outputs saved, then a file that is no case: the failure
// box, and the cells as they were.
void tst_PairedWindow::filesThroughTheDialogs() {
  QTemporaryDir dir;
  ModalWatchdog watchdog(1000);
  PairedSession s;
  PairedWindow& window = s.open();
  auto save = [&](const char* button, const QString& name) {
    window.setDialogHook(ModalWatchdog::answeredWith(dir.filePath(name)));
    click(window, button);
  };
  type(window, {"1", "2", "3", "4", "5", "6", "7", "8"});
  window.findChild<QLineEdit*>("nombre1")->setText("TAC, rápida");
  save("guardar", "caso");
  QCOMPARE(contents(dir.filePath("caso.csv")).toStdString(),
           pairedCaseCsv({1, 2, 3, 4, 5, 6, 7, 8}, {"TAC, rápida", "Prueba 2"}));
  type(window, {"0", "0", "0", "0", "0", "0", "0", "0"});
  window.findChild<QLineEdit*>("nombre1")->setText("otra");
  save("abrir", "caso.csv");
  QCOMPARE(window.findChild<QLineEdit*>("celdaG")->text(), QStringLiteral("7"));
  QCOMPARE(window.names().first, std::string("TAC, rápida"));
  QVERIFY(window.comparison().has_value());

  type(window, {"319", "78", "22", "32", "31", "53", "22", "155"});
  click(window, "calcular");
  save("guardarCsv", "comparacion.csv");
  QCOMPARE(contents(dir.filePath("comparacion.csv")).toStdString(),
           pairedCsv(*window.comparison(), '.'));
  save("guardarPdf", "comparacion.pdf");
  QVERIFY(contents(dir.filePath("comparacion.pdf")).startsWith("%PDF"));
  QVERIFY(s.errors.isEmpty());
  QVERIFY(watchdog.seen.isEmpty());

  writeTextFile(dir.filePath("otro.csv").toStdString(), "clave,estimación\r\n");
  PairedSession fresh;  // nothing computed yet
  PairedWindow& second = fresh.open();
  type(second, {"1", "2", "3", "4", "5", "6", "7", "8"});
  second.setDialogHook(ModalWatchdog::answeredWith(dir.filePath("otro.csv")));
  click(second, "abrir");
  QCOMPARE(fresh.errors, QStringList{"Invalid numeric input."});
  QCOMPARE(second.findChild<QLineEdit*>("celdaA")->text(), QStringLiteral("1"));
  QVERIFY(!second.comparison().has_value());
}

// The menu opens one window, shown again the next time. A new level or method recomputes the
// counts last read, without reading the cells again: what is typed meanwhile raises nothing
// until the next Calcular.
void tst_PairedWindow::levelAndMethodRecompute() {
  PairedSession s;
  PairedWindow& window = s.open();
  QVERIFY(window.isVisible());
  QCOMPARE(window.windowTitle(), QStringLiteral("Comparar dos pruebas"));
  QCOMPARE(&s.open(), &window);
  type(window, {"18", "0", "14", "18", "1", "2", "3", "4"});
  click(window, "calcular");
  window.findChild<QLineEdit*>("celdaA")->setText("x");
  window.findChild<QDoubleSpinBox*>("nivel")->setValue(99);
  auto* metodo = window.findChild<QComboBox*>("metodo");
  metodo->setCurrentIndex(metodo->findData(QStringLiteral("clopper-pearson")));
  QVERIFY(s.errors.isEmpty());
  QCOMPARE(window.comparison()->level.percent, 99.0);
  QCOMPARE(window.comparison()->method, IntervalMethod::ClopperPearson);
  QCOMPARE(window.comparison()->counts.a, 18);
  QCOMPARE(window.comparison()->comparisonLevel.z, 2.5758293035489004);
  QCOMPARE(window.findChild<QLineEdit*>("celdaA")->text(), QStringLiteral("x"));
}

QTEST_MAIN(tst_PairedWindow)
#include "tst_paired_window.moc"
