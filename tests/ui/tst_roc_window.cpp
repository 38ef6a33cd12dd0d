// The window "Curva ROC": typing, editing, pasting, the CSV files, the cut-off sent to the main
// window, the curve's files and what a screen reader reads.
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "core/number_text.h"
#include "core/roc_text.h"
#include "core/text_file.h"
#include "modal_watchdog.h"
#include "principal/window_session.h"
#include "roc/roc_command.h"
#include "roc/roc_curve.h"

using namespace tarnolo;

namespace {

// The main window with the command, as the program starts them; failures recorded.
struct RocSession {
  QStringList messages;
  WindowSession session{[this](const std::string& t) { record("notice: ", t); },
                        [this](const std::string& t) { record("error: ", t); }};
  RocCommand* command = RocCommand::install(session.window, session.view, session.table,
                                            [this](const std::string& t) { record("error: ", t); });

  void record(const char* kind, const std::string& text) {
    messages << kind + QString::fromStdString(text);
  }
  RocWindow& open() {
    session.window.findChild<QAction*>("Pruebaconvariosniveles1")->trigger();
    RocWindow& window = *command->window();
    if (!QTest::qWaitForWindowActive(&window)) qWarning("the window is not active");
    return window;
  }
};

// Rows as "label:enfermos:sanos" joined by "|".
QString rowsText(const RocWindow& window) {
  QStringList rows;
  for (const RocRowText& r : window.rows())
    rows << QString::fromStdString(r.label + ":" + r.enfermos + ":" + r.sanos);
  return rows.join(u'|');
}

std::vector<RocRowText> rowsOf(const QString& text) {
  std::vector<RocRowText> rows;
  for (const QString& row : text.split(u'|', Qt::SkipEmptyParts)) {
    const QStringList f = row.split(u':');
    rows.push_back({f[0].toStdString(), f[1].toStdString(), f[2].toStdString()});
  }
  return rows;
}

void click(RocWindow& window, const char* name) {
  QPushButton* button = window.findChild<QPushButton*>(name);
  QVERIFY2(button, name);
  QTest::mouseClick(button, Qt::LeftButton);
}

// A click whose file dialog is answered with path.
void clickAnswering(RocWindow& window, const char* name, const QString& path) {
  window.setDialogHook(ModalWatchdog::answeredWith(path));
  click(window, name);
}

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class tst_RocWindow : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }
  void typedCells_data();
  void typedCells();
  void editingCommands_data();
  void editingCommands();
  void paste_data();
  void paste();
  void csvSavedAndOpenedAgain();
  void refusedFileLeavesTheTable_data();
  void refusedFileLeavesTheTable();
  void cutoffGoesToTheMainWindow();
  void curveFiles_data();
  void curveFiles();
  void readableByAScreenReaderAndKeyboard();
};

void tst_RocWindow::typedCells_data() {
  QTest::addColumn<int>("row");
  QTest::addColumn<int>("column");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("message");
  QTest::newRow("a good count") << 1 << 2 << "7"
                                << "";
  QTest::newRow("letters") << 2 << 1 << "dos"
                           << "Fila 3, columna «Enfermos»: «dos» no es un número.";
  QTest::newRow("negative") << 0 << 2 << "-1"
                            << "Fila 1, columna «Sanos»: «-1» es negativo.";
  QTest::newRow("not whole") << 4 << 1 << "3,5"
                             << "Fila 5, columna «Enfermos»: «3,5» no es un número entero.";
  QTest::newRow("empty") << 3 << 2 << ""
                         << "Fila 4, columna «Sanos»: falta el número.";
}

// A refused cell keeps what was typed, says why, takes the cursor and clears the results.
void tst_RocWindow::typedCells() {
  QFETCH(int, row);
  QFETCH(int, column);
  QFETCH(QString, typed);
  QFETCH(QString, message);
  RocSession s;
  RocWindow& window = s.open();
  auto* table = window.findChild<QTableWidget*>("niveles");
  table->item(row, column)->setText(typed);
  QCOMPARE(table->item(row, column)->text(), typed);
  QCOMPARE(window.message(), message);
  QCOMPARE(window.analysis().has_value(), message.isEmpty());
  QCOMPARE(window.findChild<QPushButton*>("usar")->isEnabled(), message.isEmpty());
  if (!message.isEmpty()) QCOMPARE(table->currentRow(), row);
  QCOMPARE(window.findChild<QTableWidget*>("cortes")->rowCount(), message.isEmpty() ? 4 : 0);
}

void tst_RocWindow::editingCommands_data() {
  QTest::addColumn<QString>("start");
  QTest::addColumn<int>("current");
  QTest::addColumn<QStringList>("buttons");
  QTest::addColumn<QString>("rows");
  QTest::newRow("add after the current row")
      << "a:1:2|b:3:4" << 0 << QStringList{"anadir"} << "a:1:2|:0:0|b:3:4";
  QTest::newRow("remove the current row")
      << "a:1:2|b:3:4|c:5:6" << 1 << QStringList{"quitar"} << "a:1:2|c:5:6";
  QTest::newRow("up twice stops at the top")
      << "a:1:2|b:3:4|c:5:6" << 1 << QStringList{"subir", "subir"} << "b:3:4|a:1:2|c:5:6";
  QTest::newRow("down at the bottom does nothing")
      << "a:1:2|b:3:4" << 1 << QStringList{"bajar"} << "a:1:2|b:3:4";
  QTest::newRow("down then up") << "a:1:2|b:3:4|c:5:6" << 0
                                << QStringList{"bajar", "bajar", "subir"} << "b:3:4|a:1:2|c:5:6";
}

void tst_RocWindow::editingCommands() {
  QFETCH(QString, start);
  QFETCH(int, current);
  QFETCH(QStringList, buttons);
  QFETCH(QString, rows);
  RocSession s;
  RocWindow& window = s.open();
  window.setRows(rowsOf(start));
  window.findChild<QTableWidget*>("niveles")->setCurrentCell(current, 1);
  for (const QString& name : buttons) click(window, name.toLatin1().constData());
  QCOMPARE(rowsText(window), rows);
}

void tst_RocWindow::paste_data() {
  QTest::addColumn<QString>("clipboard");
  QTest::addColumn<QString>("rows");
  QTest::addColumn<QString>("message");
  QTest::newRow("a spreadsheet with a header") << "Nivel\tEnfermos\tSanos\n1\t3\t33\n2\t2\t6\n"
                                               << "1:3:33|2:2:6"
                                               << "";
  QTest::newRow("without a header, a bad cell kept")
      << "bajo\t1\t9\nalto\tx\t1\n"
      << "bajo:1:9|alto:x:1"
      << "Fila 2, columna «Enfermos»: «x» no es un número.";
  QTest::newRow("four columns: nothing pasted")
      << "a\t1\t2\tz\n"
      << "Normal:3:33|Probablemente normal:2:6|Dudoso:2:6|"
         "Probablemente anormal:11:11|Anormal:33:2"
      << "No se pegó nada: Fila 1: hay más de tres columnas (nivel, enfermos, sanos).";
  QTest::newRow("no table: nothing pasted")
      << "\n\n"
      << "Normal:3:33|Probablemente normal:2:6|Dudoso:2:6|"
         "Probablemente anormal:11:11|Anormal:33:2"
      << "No se pegó nada: el portapapeles no tiene una tabla.";
}

void tst_RocWindow::paste() {
  QFETCH(QString, clipboard);
  QFETCH(QString, rows);
  QFETCH(QString, message);
  RocSession s;
  RocWindow& window = s.open();
  QGuiApplication::clipboard()->setText(clipboard);
  auto* table = window.findChild<QTableWidget*>("niveles");
  table->setFocus();
  QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(rowsText(window), rows);
  QCOMPARE(window.message(), message);
}

// Saved with either separator, opened again: the same table and the same results.
void tst_RocWindow::csvSavedAndOpenedAgain() {
  QTemporaryDir dir;
  ModalWatchdog watchdog(1000);  // an unexpected box fails the test instead of hanging it
  for (const char separator : {'.', ','}) {
    QLocale::setDefault(separator == ',' ? QLocale(QLocale::Spanish, QLocale::Spain)
                                         : QLocale::c());
    const QString name = separator == ',' ? QStringLiteral("coma") : QStringLiteral("punto");
    RocSession s;
    RocWindow& window = s.open();
    window.findChild<QCheckBox*>("inverso")->setChecked(true);  // saved the right way round
    clickAnswering(window, "guardarTabla", dir.filePath(name));
    const QByteArray csv = contents(dir.filePath(name + ".csv"));
    QVERIFY(csv.startsWith(separator == ',' ? "nivel;enfermos;sanos\r\nAnormal;33;2\r\n"
                                            : "nivel,enfermos,sanos\r\nAnormal,33,2\r\n"));
    window.setRows(rowsOf("a:1:1|b:1:1"));
    clickAnswering(window, "abrir", dir.filePath(name + ".csv"));
    QVERIFY(!window.findChild<QCheckBox*>("inverso")->isChecked());
    QCOMPARE(window.rows().front().label, std::string("Anormal"));
    QCOMPARE(window.analysis()->area.area, 1 - 0.8931710615280595);  // read as typed
    QVERIFY(s.messages.isEmpty());
  }
  QVERIFY(watchdog.seen.isEmpty());
  QLocale::setDefault(QLocale::c());
}

void tst_RocWindow::refusedFileLeavesTheTable_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QString>("message");
  QTest::newRow("four columns")
      << QByteArray("a,1,1,x\r\nb,1,1\r\n")
      << "error: Fila 1: hay más de tres columnas (nivel, enfermos, sanos).";
  QTest::newRow("a bad cell") << QByteArray("nivel,enfermos,sanos\r\na,1,1\r\nb,1,-2\r\n")
                              << "error: Fila 2, columna «Sanos»: «-2» es negativo.";
  QTest::newRow("one level") << QByteArray("nivel,enfermos,sanos\r\na,1,1\r\n")
                             << "error: La tabla necesita al menos 2 niveles.";
}

void tst_RocWindow::refusedFileLeavesTheTable() {
  QFETCH(QByteArray, bytes);
  QFETCH(QString, message);
  QTemporaryDir dir;
  ModalWatchdog watchdog(1000);
  const QString path = dir.filePath("t.csv");
  writeTextFile(path.toStdString(), bytes.toStdString());
  RocSession s;
  RocWindow& window = s.open();
  window.setRows(rowsOf("x:1:2|y:3:z"));
  clickAnswering(window, "abrir", path);
  QCOMPARE(rowsText(window), QStringLiteral("x:1:2|y:3:z"));
  QCOMPARE(s.messages, QStringList{message});
  QVERIFY(watchdog.seen.isEmpty());
}

// "Usar este punto de corte": the main window's cells typed and Calcular run there.
void tst_RocWindow::cutoffGoesToTheMainWindow() {
  RocSession s;
  RocWindow& window = s.open();
  QCOMPARE(window.selectedCutoff(), 4);  // the best one to begin with
  click(window, "usar");
  auto text = [&s](const char* name) { return QString::fromStdString(s.session.view.text(name)); };
  QCOMPARE(
      text("VP") + " " + text("FP") + " " + text("FN") + " " + text("VN") + " " + text("total"),
      QStringLiteral("44 13 7 45 109"));
  QCOMPARE(s.session.state().vp, 44);
  window.findChild<QTableWidget*>("cortes")->selectRow(3);  // positive from level 5
  click(window, "usar");
  QCOMPARE(text("VP") + " " + text("FP") + " " + text("sens"),
           QStringLiteral("33 2 64.7058823529412"));
  QVERIFY(s.messages.isEmpty());
}

void tst_RocWindow::curveFiles_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("file");
  QTest::addColumn<QByteArray>("start");
  QTest::newRow("png") << "curva.png"
                       << "curva.png" << QByteArray("\x89PNG");
  QTest::newRow("svg") << "curva.svg"
                       << "curva.svg" << QByteArray("<?xml");
  QTest::newRow("pdf") << "curva.pdf"
                       << "curva.pdf" << QByteArray("%PDF");
  QTest::newRow("no suffix: png") << "curva"
                                  << "curva.png" << QByteArray("\x89PNG");
}

void tst_RocWindow::curveFiles() {
  QFETCH(QString, name);
  QFETCH(QString, file);
  QFETCH(QByteArray, start);
  QTemporaryDir dir;
  ModalWatchdog watchdog(1000);
  RocSession s;
  RocWindow& window = s.open();
  clickAnswering(window, "guardarCurva", dir.filePath(name));
  QVERIFY(contents(dir.filePath(file)).startsWith(start));
  clickAnswering(window, "guardarResultados", dir.filePath("resultados.csv"));
  QCOMPARE(contents(dir.filePath("resultados.csv")).toStdString(), rocCsv(*window.analysis(), '.'));
  QVERIFY(s.messages.isEmpty());
}

void tst_RocWindow::readableByAScreenReaderAndKeyboard() {
  RocSession s;
  RocWindow& window = s.open();
  const QWidget* curve = window.findChild<QWidget*>("curva");
  QCOMPARE(curve->accessibleName(), QStringLiteral("Curva ROC"));
  QVERIFY(curve->accessibleDescription().startsWith(
      "Curva ROC empírica. Área 0.893 (IC 95 % DeLong: 0.833 a 0.953). Mejor punto de corte: "
      "positivo desde el nivel 4."));
  for (const char* table : {"niveles", "cortes", "cocientesNivel"})
    QVERIFY(!window.findChild<QWidget*>(table)->accessibleName().isEmpty());
  QVERIFY(window.findChild<QLabel*>("area")->accessibleName().contains("Hanley y McNeil (1982)"));
  window.findChild<QTableWidget*>("niveles")->item(0, 1)->setText("x");
  QCOMPARE(curve->accessibleDescription(), QStringLiteral("Sin curva: la tabla no es válida."));
  // Each access key reaches one command: two on one letter would leave one out of the keyboard.
  QStringList texts;
  for (const QAbstractButton* b : window.findChildren<QAbstractButton*>()) texts << b->text();
  for (const QLabel* l : window.findChildren<QLabel*>()) texts << l->text();
  const QTabWidget* tabs = window.findChild<QTabWidget*>("pestanas");
  for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
  QMap<QChar, QString> keys;
  for (const QString& text : texts) {
    const qsizetype amp = text.indexOf(u'&');
    if (amp < 0 || amp + 1 >= text.size()) continue;
    const QChar key = text[amp + 1].toLower();
    QVERIFY2(!keys.contains(key), qPrintable(keys[key] + " / " + text));
    keys[key] = text;
  }
  QCOMPARE(keys.size(), 18);
}

QTEST_MAIN(tst_RocWindow)
#include "tst_roc_window.moc"
