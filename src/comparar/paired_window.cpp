// The window "Comparar dos pruebas".
#include "comparar/paired_window.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include "comparar/paired_document.h"
#include "core/failures.h"
#include "core/number_text.h"
#include "core/report_text.h"
#include "core/text_file.h"
#include "informe/level_spin_box.h"
#include "informe/locale_separator.h"
#include "informe/method_choice.h"
#include "informe/qt_text.h"
#include "informe/report_document.h"
#include "salida/output_module.h"

namespace tarnolo {

namespace {

// The cells: object name, what a screen reader says.
struct CellText {
  const char* name;
  const char* accessible;
};
constexpr CellText kCellTexts[] = {
    {"celdaA", "a: enfermos, ambas pruebas positivas"},
    {"celdaB", "b: enfermos, prueba 1 positiva y prueba 2 negativa"},
    {"celdaC", "c: enfermos, prueba 1 negativa y prueba 2 positiva"},
    {"celdaD", "d: enfermos, ambas pruebas negativas"},
    {"celdaE", "e: sanos, ambas pruebas positivas"},
    {"celdaF", "f: sanos, prueba 1 positiva y prueba 2 negativa"},
    {"celdaG", "g: sanos, prueba 1 negativa y prueba 2 positiva"},
    {"celdaH", "h: sanos, ambas pruebas negativas"},
};

// The comparison rows of the lower table: every key after each test's own eight indices.
constexpr size_t kFirstComparison = 8;

constexpr qint64 kLargestCase = 64 * 1024;

constexpr int kWidth = 1240;

enum Column { kLabel, kEstimate, kLower, kUpper, kNote, kColumns };

QTableWidget* newTable(QWidget* parent, const char* name, const char* accessible, int rows,
                       int columns) {
  auto* table = new QTableWidget(rows, columns, parent);
  table->setObjectName(QLatin1String(name));
  table->setAccessibleName(QString::fromUtf8(accessible));
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->verticalHeader()->hide();
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      auto* item = new QTableWidgetItem;
      if (c != 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table->setItem(r, c, item);
    }
  }
  return table;
}

// A value's cell: its text, or "—" with the reason as its tip when there is none.
void showValue(QTableWidgetItem& item, std::string_view key, const ReportValue& value,
               const std::string& note, char separator, bool report) {
  const std::string text = report ? valueText(key, value, separator, ProportionScale::Percent)
                                  : valueText(value, separator);
  item.setText(text.empty() ? QStringLiteral("—") : qstring(text));
  item.setToolTip(value.defined() ? QString() : qstring(note));
}

}  // namespace

PairedWindow::PairedWindow(FailureReporter failure, QWidget* owner)
    : QWidget(owner, Qt::Window), m_failure(std::move(failure)) {
  setObjectName(QStringLiteral("CompararDosPruebas"));
  setWindowTitle(QStringLiteral("Comparar dos pruebas"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildCounts());
  layout->addWidget(buildChoices());
  buildTables();
  layout->addWidget(m_indices);
  layout->addWidget(m_comparaciones, 1);
  layout->addWidget(buildButtons());
  connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);
  // Wide enough for both tests' indices side by side, where the screen allows.
  const QScreen* screen = QGuiApplication::primaryScreen();
  resize(screen ? qMin(kWidth, screen->availableGeometry().width() - 40) : kWidth, 900);
  showResults();
}

QWidget* PairedWindow::buildCounts() {
  auto* box = new QGroupBox(QStringLiteral("Recuentos de los pacientes"), this);
  box->setObjectName(QStringLiteral("recuentos"));
  auto* grid = new QGridLayout(box);
  m_name1 = new QLineEdit(QStringLiteral("Prueba 1"), box);
  m_name2 = new QLineEdit(QStringLiteral("Prueba 2"), box);
  m_name1->setObjectName(QStringLiteral("nombre1"));
  m_name2->setObjectName(QStringLiteral("nombre2"));
  auto* nameLabel1 = new QLabel(QStringLiteral("Nombre de la prueba &1:"), box);
  auto* nameLabel2 = new QLabel(QStringLiteral("Nombre de la prueba &2:"), box);
  nameLabel1->setBuddy(m_name1);
  nameLabel2->setBuddy(m_name2);
  grid->addWidget(nameLabel1, 0, 0);
  grid->addWidget(m_name1, 0, 1, 1, 2);
  grid->addWidget(nameLabel2, 0, 3);
  grid->addWidget(m_name2, 0, 4, 1, 2);
  const char* heads[] = {"Ambas positivas (+ +)", "1 positiva, 2 negativa (+ −)",
                         "1 negativa, 2 positiva (− +)", "Ambas negativas (− −)"};
  for (int c = 0; c < 4; ++c)
    grid->addWidget(new QLabel(QString::fromUtf8(heads[c]), box), 1, c + 1);
  const char* rows[] = {"&Enfermos (a, b, c, d):", "&Sanos (e, f, g, h):"};
  for (int r = 0; r < 2; ++r) {
    auto* label = new QLabel(QString::fromUtf8(rows[r]), box);
    grid->addWidget(label, r + 2, 0);
    for (int c = 0; c < 4; ++c) {
      const int i = r * 4 + c;
      auto* cell = new QLineEdit(box);
      cell->setObjectName(QLatin1String(kCellTexts[i].name));
      cell->setAccessibleName(QString::fromUtf8(kCellTexts[i].accessible));
      cell->setPlaceholderText(QString(QChar(u'a' + i)));
      cell->setAlignment(Qt::AlignRight);
      connect(cell, &QLineEdit::returnPressed, this, &PairedWindow::onCalcularClicked);
      grid->addWidget(cell, r + 2, c + 1);
      m_cells[size_t(i)] = cell;
    }
    label->setBuddy(m_cells[size_t(r * 4)]);
  }
  m_margins = new QLabel(box);
  m_margins->setObjectName(QStringLiteral("margenes"));
  m_tables = new QLabel(box);
  m_tables->setObjectName(QStringLiteral("tablasPropias"));
  m_tables->setTextFormat(Qt::RichText);
  grid->addWidget(m_margins, 2, 5, 2, 1);
  grid->addWidget(m_tables, 4, 0, 1, 6);
  for (QLineEdit* name : {m_name1, m_name2})
    connect(name, &QLineEdit::textChanged, this, &PairedWindow::showResults);
  return box;
}

QWidget* PairedWindow::buildChoices() {
  auto* box = new QWidget(this);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  m_metodo = new QComboBox(box);
  m_metodo->setObjectName(QStringLiteral("metodo"));
  addMethods(*m_metodo, IntervalMethod::Wilson);
  m_nivel = new LevelSpinBox(box);
  m_nivel->setObjectName(QStringLiteral("nivel"));
  auto* metodoLabel = new QLabel(QStringLiteral("&Método de los índices:"), box);
  auto* nivelLabel = new QLabel(QStringLiteral("&Nivel de confianza:"), box);
  metodoLabel->setBuddy(m_metodo);
  nivelLabel->setBuddy(m_nivel);
  row->addWidget(metodoLabel);
  row->addWidget(m_metodo, 1);
  row->addWidget(nivelLabel);
  row->addWidget(m_nivel);
  connect(m_metodo, &QComboBox::currentIndexChanged, this, &PairedWindow::refresh);
  connect(m_nivel, &QDoubleSpinBox::valueChanged, this, &PairedWindow::refresh);
  return box;
}

QWidget* PairedWindow::buildButtons() {
  auto* box = new QWidget(this);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  struct Button {
    const char *name, *text;
    void (PairedWindow::*slot)();
  };
  const Button buttons[] = {
      {"calcular", "&Calcular", &PairedWindow::onCalcularClicked},
      {"abrir", "&Abrir caso…", &PairedWindow::onAbrirClicked},
      {"guardar", "&Guardar caso…", &PairedWindow::onGuardarClicked},
      {"copiar", "C&opiar", &PairedWindow::onCopiarClicked},
      {"guardarCsv", "Guardar C&SV…", &PairedWindow::onGuardarCsvClicked},
      {"imprimir", "&Imprimir…", &PairedWindow::onImprimirClicked},
      {"guardarPdf", "Guardar &PDF…", &PairedWindow::onGuardarPdfClicked},
  };
  for (const Button& b : buttons) {
    auto* button = new QPushButton(QString::fromUtf8(b.text), box);
    button->setObjectName(QLatin1String(b.name));
    connect(button, &QPushButton::clicked, this, b.slot);
    row->addWidget(button);
  }
  row->addStretch();
  auto* cerrar = new QPushButton(QStringLiteral("Ce&rrar"), box);
  cerrar->setObjectName(QStringLiteral("cerrar"));
  connect(cerrar, &QPushButton::clicked, this, &QWidget::close);
  row->addWidget(cerrar);
  return box;
}

void PairedWindow::buildTables() {
  m_indices =
      newTable(this, "indices", "Índices de cada prueba", int(std::size(kSideBySideKeys)), 7);
  for (int r = 0; r < m_indices->rowCount(); ++r) {
    m_indices->item(r, 0)->setText(
        qstring(rowLabel(kSideBySideKeys[size_t(r)], ProportionScale::Percent)));
  }
  // Every row of the indices in view, one line each; the comparisons take the rest.
  const QHeaderView& rows = *m_indices->verticalHeader();
  const int height = m_indices->horizontalHeader()->sizeHint().height() +
                     m_indices->rowCount() * rows.defaultSectionSize() +
                     2 * m_indices->frameWidth() +
                     m_indices->horizontalScrollBar()->sizeHint().height();
  m_indices->setMinimumHeight(height);
  m_indices->setMaximumHeight(height);
  const int comparisons = int(std::size(kPairedKeys) - kFirstComparison);
  m_comparaciones =
      newTable(this, "comparaciones", "Comparaciones de las dos pruebas", comparisons, kColumns);
  m_comparaciones->setHorizontalHeaderLabels(
      {QStringLiteral("Comparación"), QStringLiteral("Estimación"),
       QStringLiteral("Límite inferior"), QStringLiteral("Límite superior"),
       QStringLiteral("Nota")});
  m_comparaciones->horizontalHeader()->setSectionResizeMode(kNote, QHeaderView::Stretch);
  for (int r = 0; r < comparisons; ++r)
    m_comparaciones->item(r, kLabel)->setText(
        qstring(pairedLabel(kPairedKeys[kFirstComparison + size_t(r)])));
}

TestNames PairedWindow::names() const {
  return {m_name1->text().toStdString(), m_name2->text().toStdString()};
}

bool PairedWindow::calculate() {
  std::array<int64_t, 8> n{};
  const bool read = runGuarded(
      [&] {
        for (size_t i = 0; i < n.size(); ++i)
          n[i] = TextToInteger(m_cells[i]->text().toStdString());
      },
      m_failure);
  if (!read) return false;
  const auto method = methodFromKey(m_metodo->currentData().toString().toStdString());
  m_comparison = comparePaired({n[0], n[1], n[2], n[3], n[4], n[5], n[6], n[7]},
                               method.value_or(IntervalMethod::Wilson), m_nivel->value());
  showMargins(n);
  showResults();
  return true;
}

void PairedWindow::refresh() {
  if (!m_comparison) return;
  const PairedCounts k = m_comparison->counts;
  const auto method = methodFromKey(m_metodo->currentData().toString().toStdString());
  m_comparison = comparePaired(k, method.value_or(IntervalMethod::Wilson), m_nivel->value());
  showResults();
}

void PairedWindow::showMargins(const std::array<int64_t, 8>& n) {
  const int64_t diseased = n[0] + n[1] + n[2] + n[3], healthy = n[4] + n[5] + n[6] + n[7];
  m_margins->setText(QStringLiteral("Enfermos: %1\nSanos: %2\nTotal: %3")
                         .arg(diseased)
                         .arg(healthy)
                         .arg(diseased + healthy));
}

void PairedWindow::showResults() {
  const TestNames testNames = names();
  const QString name1 = QString::fromStdString(testNames.first),
                name2 = QString::fromStdString(testNames.second);
  m_indices->setHorizontalHeaderLabels({QStringLiteral("Índice"), name1, QStringLiteral("Inferior"),
                                        QStringLiteral("Superior"), name2,
                                        QStringLiteral("Inferior"), QStringLiteral("Superior")});
  if (!m_comparison) return;
  const PairedComparison& c = *m_comparison;
  const char separator = localeSeparator();
  QString tables;
  for (const auto& [name, report] : {std::pair{name1, &c.test1}, {name2, &c.test2}}) {
    const CountTable& t = report->counts;
    tables += QStringLiteral(
                  "<b>%1</b>: VP %2, FP %3, FN %4, VN %5 (positivos %6, negativos %7)"
                  "&nbsp;&nbsp;&nbsp; ")
                  .arg(name.toHtmlEscaped())
                  .arg(t.vp)
                  .arg(t.fp)
                  .arg(t.fn)
                  .arg(t.vn)
                  .arg(t.positivos)
                  .arg(t.negativos);
  }
  m_tables->setText(tables);
  for (int r = 0; r < m_indices->rowCount(); ++r) {
    const std::string_view key = kSideBySideKeys[size_t(r)];
    int column = 1;
    for (const Report* report : {&c.test1, &c.test2}) {
      const ReportRow& row =
          report->rows[size_t(std::find(std::begin(kReportKeys), std::end(kReportKeys), key) -
                              std::begin(kReportKeys))];
      for (const ReportValue* v : {&row.estimate, &row.limits.lower, &row.limits.upper})
        showValue(*m_indices->item(r, column++), key, *v, row.limits.note, separator, true);
    }
  }
  for (int r = 0; r < m_comparaciones->rowCount(); ++r) {
    const ReportRow& row = c.rows[kFirstComparison + size_t(r)];
    showValue(*m_comparaciones->item(r, kEstimate), row.key, row.estimate, row.limits.note,
              separator, false);
    // A statistic or a p has no limits at all: its limit cells stay empty.
    const bool limited = row.key.substr(0, 4) == "dif_" || row.key.substr(0, 4) == "rel_";
    for (int column : {kLower, kUpper}) {
      const ReportValue& limit = column == kLower ? row.limits.lower : row.limits.upper;
      if (limited) {
        showValue(*m_comparaciones->item(r, column), row.key, limit, row.limits.note, separator,
                  false);
      }
    }
    m_comparaciones->item(r, kNote)->setText(qstring(row.limits.note));
    m_comparaciones->item(r, kNote)->setToolTip(qstring(row.limits.note));
  }
}

void PairedWindow::onCalcularClicked() {
  calculate();
}

QString PairedWindow::askPath(bool save, const QString& filter, const QString& suffix,
                              const QString& name) {
  QFileDialog dialog(this, save ? QStringLiteral("Guardar") : QStringLiteral("Abrir un caso"));
  dialog.setObjectName(save ? QStringLiteral("dialogoGuardar") : QStringLiteral("dialogoAbrir"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilter(filter);
  dialog.setDefaultSuffix(suffix);
  if (!m_directory.isEmpty()) dialog.setDirectory(m_directory);
  if (save) dialog.selectFile(name);
  if (m_hook) m_hook(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString path = dialog.selectedFiles().constFirst();
  m_directory = QFileInfo(path).absolutePath();
  return path;
}

void PairedWindow::saveFile(const QString& filter, const QString& suffix, const QString& name,
                            const std::function<std::string()>& bytes) {
  const QString path = askPath(true, filter, suffix, name);
  if (path.isEmpty()) return;
  runGuarded([&] { writeTextFile(QFile::encodeName(path).toStdString(), bytes()); }, m_failure);
}

void PairedWindow::onAbrirClicked() {
  const QString path =
      askPath(false, QStringLiteral("Casos de dos pruebas (*.csv)"), QStringLiteral("csv"), {});
  if (path.isEmpty()) return;
  const bool read = runGuarded(
      [&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) raiseInOut(file.exists() ? 5 : 2);
        // A case is a few lines: anything much larger is no case.
        if (file.size() > kLargestCase) raiseInOut(106);
        const QByteArray bytes = file.readAll();
        const PairedCase read =
            parsePairedCase(std::string_view(bytes.constData(), size_t(bytes.size())));
        for (size_t i = 0; i < m_cells.size(); ++i)
          m_cells[i]->setText(QString::number(read.counts[i]));
        m_name1->setText(QString::fromStdString(read.names.first));
        m_name2->setText(QString::fromStdString(read.names.second));
      },
      m_failure);
  if (read) calculate();
}

void PairedWindow::onGuardarClicked() {
  std::array<int32_t, 8> counts{};
  const bool read = runGuarded(
      [&] {
        for (size_t i = 0; i < counts.size(); ++i)
          counts[i] = TextToInteger(m_cells[i]->text().toStdString());
      },
      m_failure);
  if (!read) return;
  const TestNames testNames = names();
  saveFile(QStringLiteral("Casos de dos pruebas (*.csv)"), QStringLiteral("csv"),
           QStringLiteral("caso.csv"), [&] { return pairedCaseCsv(counts, testNames); });
}

QString PairedWindow::html() const {
  return pairedHtml(*m_comparison, names(), localeSeparator(), QDateTime::currentDateTime());
}

void PairedWindow::onCopiarClicked() {
  if (!m_comparison && !calculate()) return;
  auto* data = new QMimeData;
  data->setText(qstring(pairedTable(*m_comparison, names(), localeSeparator())));
  data->setHtml(html());
  QGuiApplication::clipboard()->setMimeData(data);
}

void PairedWindow::onGuardarCsvClicked() {
  if (!m_comparison && !calculate()) return;
  saveFile(QStringLiteral("CSV (*.csv)"), QStringLiteral("csv"), QStringLiteral("comparacion.csv"),
           [this] { return pairedCsv(*m_comparison, localeSeparator()); });
}

void PairedWindow::onGuardarPdfClicked() {
  if (!m_comparison && !calculate()) return;
  saveFile(QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"), QStringLiteral("comparacion.pdf"),
           [this] {
             const QByteArray pdf = reportPdf(html());
             return std::string(pdf.constData(), size_t(pdf.size()));
           });
}

void PairedWindow::onImprimirClicked() {
  if (!m_comparison && !calculate()) return;
  const QString shown = html();
  const PrintJob job{QStringLiteral("Comparación de dos pruebas"), kPageMargins, {}};
  const auto paint = [&](QPagedPaintDevice& printer) { return printReport(shown, printer); };
  if (printPages(this, job, m_hook, paint) == PrintOutcome::Failed && m_failure)
    m_failure("No se pudo imprimir la comparación.");
}

}  // namespace tarnolo
