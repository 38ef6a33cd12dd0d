// The window "Curva ROC".
#include "roc/roc_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/number_text.h"
#include "core/report_text.h"
#include "core/roc_text.h"
#include "core/text_file.h"
#include "informe/level_spin_box.h"
#include "informe/locale_separator.h"
#include "informe/method_choice.h"
#include "informe/named_button.h"
#include "informe/qt_text.h"
#include "roc/roc_curve.h"
#include "salida/output_module.h"

namespace tarnolo {

namespace {

// The CT images of Hanley and McNeil (1982), rated from "definitely normal" to "definitely
// abnormal": the table a new window starts with.
const std::vector<RocRowText> kFirstTable = {{"Normal", "3", "33"},
                                             {"Probablemente normal", "2", "6"},
                                             {"Dudoso", "2", "6"},
                                             {"Probablemente anormal", "11", "11"},
                                             {"Anormal", "33", "2"}};

// "a a b" for an interval, "—" where a limit is missing.
QString interval(std::string_view key, const Limits& limits, char separator) {
  const std::string lower = valueText(key, limits.lower, separator, ProportionScale::Percent);
  const std::string upper = valueText(key, limits.upper, separator, ProportionScale::Percent);
  if (lower.empty() && upper.empty()) return QStringLiteral("—");
  return qstring(lower.empty() ? "—" : lower) + QStringLiteral(" a ") +
         qstring(upper.empty() ? "—" : upper);
}

QTableWidgetItem* cell(const QString& text, const QString& tip = {}) {
  auto* item = new QTableWidgetItem(text.isEmpty() ? QStringLiteral("—") : text);
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  item->setToolTip(tip);
  return item;
}

QTableWidget* resultTable(const char* name, const QString& accessibleName, const QStringList& heads,
                          QWidget* parent) {
  auto* table = new QTableWidget(0, int(heads.size()), parent);
  table->setObjectName(QLatin1String(name));
  table->setAccessibleName(accessibleName);
  table->setHorizontalHeaderLabels(heads);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->horizontalHeader()->setStretchLastSection(true);
  return table;
}

}  // namespace

RocWindow::RocWindow(FailureReporter failure, CutoffUser use, QWidget* owner)
    : QWidget(owner, Qt::Window), m_failure(std::move(failure)), m_use(std::move(use)) {
  setObjectName(QStringLiteral("CurvaROC"));
  setWindowTitle(QStringLiteral("Curva ROC"));
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(buildInput());
  layout->addWidget(buildResults(), 1);
  connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);
  setRows(kFirstTable);
  resize(1200, 740);
}

QWidget* RocWindow::buildInput() {
  auto* box = new QGroupBox(QStringLiteral("Niveles, del menos al más sugestivo de enfermedad"));
  auto* grid = new QGridLayout(box);
  m_niveles = new QTableWidget(0, 3, box);
  m_niveles->setObjectName(QStringLiteral("niveles"));
  m_niveles->setAccessibleName(QStringLiteral("Niveles de la prueba: nivel, enfermos y sanos"));
  m_niveles->setHorizontalHeaderLabels(
      {QStringLiteral("Nivel"), QStringLiteral("Enfermos"), QStringLiteral("Sanos")});
  m_niveles->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  m_niveles->setTabKeyNavigation(false);
  m_niveles->setMinimumWidth(340);
  box->setMaximumWidth(420);
  grid->addWidget(m_niveles, 0, 0, 1, 4);
  const std::pair<QPushButton*, int> buttons[] = {
      {namedButton("anadir", QStringLiteral("Aña&dir nivel"), box), 0},
      {namedButton("quitar", QStringLiteral("&Quitar nivel"), box), 1},
      {namedButton("subir", QStringLiteral("S&ubir"), box), 2},
      {namedButton("bajar", QStringLiteral("&Bajar"), box), 3},
      {namedButton("pegar", QStringLiteral("Pe&gar tabla"), box), 0},
      {namedButton("abrir", QStringLiteral("&Abrir CSV…"), box), 1},
      {namedButton("guardarTabla", QStringLiteral("Guardar C&SV…"), box), 2},
  };
  for (int i = 0; i < int(std::size(buttons)); ++i)
    grid->addWidget(buttons[i].first, i < 4 ? 1 : 2, buttons[i].second);
  m_inverso = new QCheckBox(QStringLiteral("Orden &inverso: la primera fila es la más sugestiva"));
  m_inverso->setObjectName(QStringLiteral("inverso"));
  grid->addWidget(m_inverso, 3, 0, 1, 4);
  m_metodo = new QComboBox(box);
  m_metodo->setObjectName(QStringLiteral("metodo"));
  m_metodo->setAccessibleName(QStringLiteral("Método de los intervalos"));
  addMethods(*m_metodo, IntervalMethod::Wilson);
  auto* metodoLabel = new QLabel(QStringLiteral("&Método:"), box);
  metodoLabel->setBuddy(m_metodo);
  m_nivel = new LevelSpinBox(box);
  m_nivel->setObjectName(QStringLiteral("nivel"));
  m_nivel->setAccessibleName(QStringLiteral("Nivel de confianza"));
  auto* nivelLabel = new QLabel(QStringLiteral("Nive&l de confianza:"), box);
  nivelLabel->setBuddy(m_nivel);
  grid->addWidget(metodoLabel, 4, 0);
  grid->addWidget(m_metodo, 4, 1, 1, 3);
  grid->addWidget(nivelLabel, 5, 0, 1, 2);
  grid->addWidget(m_nivel, 5, 2, 1, 2);
  m_mensaje = new QLabel(box);
  m_mensaje->setObjectName(QStringLiteral("mensaje"));
  m_mensaje->setWordWrap(true);
  m_mensaje->setStyleSheet(QStringLiteral("color: #b00000"));
  grid->addWidget(m_mensaje, 6, 0, 1, 4);

  connect(m_niveles, &QTableWidget::itemChanged, this, [this] {
    if (!m_filling) rebuild();
  });
  connect(buttons[0].first, &QPushButton::clicked, this, &RocWindow::onAnadirClicked);
  connect(buttons[1].first, &QPushButton::clicked, this, &RocWindow::onQuitarClicked);
  connect(buttons[2].first, &QPushButton::clicked, this, [this] { onMoverClicked(-1); });
  connect(buttons[3].first, &QPushButton::clicked, this, [this] { onMoverClicked(1); });
  connect(buttons[4].first, &QPushButton::clicked, this, &RocWindow::onPegarClicked);
  connect(buttons[5].first, &QPushButton::clicked, this, &RocWindow::onAbrirClicked);
  connect(buttons[6].first, &QPushButton::clicked, this, &RocWindow::onGuardarTablaClicked);
  auto* paste = new QShortcut(QKeySequence::Paste, m_niveles);
  paste->setContext(Qt::WidgetShortcut);
  connect(paste, &QShortcut::activated, this, &RocWindow::onPegarClicked);
  connect(m_inverso, &QCheckBox::toggled, this, &RocWindow::rebuild);
  connect(m_metodo, &QComboBox::currentIndexChanged, this, &RocWindow::rebuild);
  connect(m_nivel, &QDoubleSpinBox::valueChanged, this, &RocWindow::rebuild);
  return box;
}

QWidget* RocWindow::buildResults() {
  auto* panel = new QWidget(this);
  auto* column = new QVBoxLayout(panel);
  m_area = new QLabel(panel);
  m_area->setObjectName(QStringLiteral("area"));
  m_area->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  m_area->setFocusPolicy(Qt::TabFocus);
  m_area->setWordWrap(true);
  m_mejor = new QLabel(panel);
  m_mejor->setObjectName(QStringLiteral("mejorCorte"));
  m_mejor->setTextInteractionFlags(m_area->textInteractionFlags());
  m_mejor->setFocusPolicy(Qt::TabFocus);
  m_mejor->setWordWrap(true);
  column->addWidget(m_area);
  column->addWidget(m_mejor);
  auto* tabs = new QTabWidget(panel);
  tabs->setObjectName(QStringLiteral("pestanas"));
  m_curva = new RocCurveView(tabs);
  tabs->addTab(m_curva, QStringLiteral("&Curva"));
  m_cortes =
      resultTable("cortes", QStringLiteral("Resultados por punto de corte"),
                  {QStringLiteral("Positivo desde"), QStringLiteral("VP"), QStringLiteral("FP"),
                   QStringLiteral("FN"), QStringLiteral("VN"), QStringLiteral("Sensibilidad (%)"),
                   QStringLiteral("IC"), QStringLiteral("Especificidad (%)"), QStringLiteral("IC"),
                   QStringLiteral("CP+"), QStringLiteral("IC"), QStringLiteral("Cociente negativo"),
                   QStringLiteral("IC"), QStringLiteral("Índice de Youden"), QStringLiteral("IC")},
                  tabs);
  tabs->addTab(m_cortes, QStringLiteral("Puntos de cor&te"));
  m_cocientes =
      resultTable("cocientesNivel", QStringLiteral("Cociente de probabilidad de cada nivel"),
                  {QStringLiteral("Nivel"), QStringLiteral("Etiqueta"), QStringLiteral("Enfermos"),
                   QStringLiteral("Sanos"), QStringLiteral("Cociente del nivel"),
                   QStringLiteral("IC"), QStringLiteral("Nota")},
                  tabs);
  tabs->addTab(m_cocientes, QStringLiteral("Cocientes por &nivel"));
  column->addWidget(tabs, 1);
  connect(m_cortes, &QTableWidget::itemSelectionChanged, this, [this] {
    if (!m_filling) m_curva->setAnalysis(m_analysis ? &*m_analysis : nullptr, selectedCutoff());
  });

  m_salidas = new QWidget(panel);
  auto* row = new QHBoxLayout(m_salidas);
  row->setContentsMargins(0, 0, 0, 0);
  const std::pair<QPushButton*, void (RocWindow::*)()> outputs[] = {
      {namedButton("usar", QStringLiteral("Usar est&e punto de corte"), m_salidas),
       &RocWindow::onUsarClicked},
      {namedButton("copiar", QStringLiteral("C&opiar resultados"), m_salidas),
       &RocWindow::onCopiarClicked},
      {namedButton("guardarResultados", QStringLiteral("Guardar &resultados CSV…"), m_salidas),
       &RocWindow::onGuardarResultadosClicked},
      {namedButton("guardarCurva", QStringLiteral("Guardar cur&va…"), m_salidas),
       &RocWindow::onGuardarCurvaClicked},
      {namedButton("imprimir", QStringLiteral("Im&primir curva…"), m_salidas),
       &RocWindow::onImprimirClicked},
  };
  for (const auto& [b, slot] : outputs) {
    row->addWidget(b);
    connect(b, &QPushButton::clicked, this, slot);
  }
  row->addStretch();
  auto* cerrar = namedButton("cerrar", QStringLiteral("Cerrar"), panel);
  row->addWidget(cerrar);
  connect(cerrar, &QPushButton::clicked, this, &QWidget::close);
  column->addWidget(m_salidas);
  return panel;
}

std::vector<RocRowText> RocWindow::rows() const {
  std::vector<RocRowText> rows;
  auto text = [this](int r, int c) {
    const QTableWidgetItem* item = m_niveles->item(r, c);
    return item ? utf8(item->text()) : std::string();
  };
  for (int r = 0; r < m_niveles->rowCount(); ++r)
    rows.push_back({text(r, 0), text(r, 1), text(r, 2)});
  return rows;
}

void RocWindow::setRows(const std::vector<RocRowText>& rows) {
  m_filling = true;
  m_niveles->setRowCount(int(rows.size()));
  for (int r = 0; r < int(rows.size()); ++r) {
    const RocRowText& row = rows[size_t(r)];
    int c = 0;
    for (const std::string* text : {&row.label, &row.enfermos, &row.sanos}) {
      auto* item = new QTableWidgetItem(qstring(*text));
      if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      m_niveles->setItem(r, c++, item);
    }
  }
  m_filling = false;
  rebuild();
}

QString RocWindow::message() const {
  return m_mensaje->text();
}

int RocWindow::selectedCutoff() const {
  const QList<QTableWidgetItem*> items = m_cortes->selectedItems();
  if (items.isEmpty() || !m_analysis) return 0;
  return items.constFirst()->row() + 2;
}

void RocWindow::rebuild() {
  const RocCheck check = checkRocRows(rows(), m_inverso->isChecked());
  if (!check.ok()) {
    m_analysis.reset();
    m_mensaje->setText(qstring(check.error));
    if (check.row > 0 && check.row <= m_niveles->rowCount())
      m_niveles->setCurrentCell(check.row - 1, int(check.column));
  } else {
    const auto method = methodFromKey(utf8(m_metodo->currentData().toString()));
    m_analysis = analyseRoc(check.table, method.value_or(IntervalMethod::Wilson), m_nivel->value());
    m_mensaje->clear();
  }
  showResults();
}

void RocWindow::showResults() {
  const char separator = localeSeparator();
  m_salidas->findChild<QPushButton*>(QStringLiteral("usar"))->setEnabled(bool(m_analysis));
  for (const char* name : {"copiar", "guardarResultados", "guardarCurva", "imprimir"})
    m_salidas->findChild<QPushButton*>(QLatin1String(name))->setEnabled(bool(m_analysis));
  showCutoffs();
  showLevels();
  if (!m_analysis) {
    m_area->setText(QStringLiteral("Sin resultados: corrija la tabla."));
    m_mejor->clear();
    m_curva->setAnalysis(nullptr, 0);
    return;
  }
  const RocAnalysis& a = *m_analysis;
  const RocArea& area = a.area;
  const QString level = QStringLiteral("IC ") + qstring(RealToText(a.level.percent, separator)) +
                        QStringLiteral(" %");
  auto v = [separator](const ReportValue& value) {
    const std::string text = valueText(value, separator);
    return text.empty() ? QStringLiteral("—") : qstring(text);
  };
  m_area->setText(
      QStringLiteral("Área bajo la curva: %1 (trapecios = Mann-Whitney)\n"
                     "%2: error estándar %3, %4 %5 a %6\n%7: error estándar %8, %4 %9 a %10")
          .arg(v(ReportValue::of(area.area)), QLatin1String(kDeLongName), v(area.seDeLong), level,
               v(area.deLong.lower), v(area.deLong.upper), QLatin1String(kHanleyMcNeilName),
               v(area.seHanleyMcNeil), v(area.hanleyMcNeil.lower))
          .arg(v(area.hanleyMcNeil.upper)) +
      (area.deLong.note.empty() ? QString()
                                : QStringLiteral(" (") + qstring(area.deLong.note) + ")"));
  m_area->setAccessibleName(m_area->text());
  const RocLevel& best = a.table.levels[size_t(a.best - 1)];
  const RocCutoff& c = cutoffAt(a, a.best);
  m_mejor->setText(QStringLiteral("Mejor punto de corte (índice de Youden máximo, %1): positivo "
                                  "desde el nivel %2, «%3»")
                       .arg(v(c.youden.estimate))
                       .arg(a.best)
                       .arg(qstring(best.label)));
  m_mejor->setAccessibleName(m_mejor->text());
  m_curva->setAnalysis(&a, selectedCutoff());
}

void RocWindow::showCutoffs() {
  const char separator = localeSeparator();
  m_filling = true;
  m_cortes->setRowCount(m_analysis ? int(m_analysis->cutoffs.size()) : 0);
  if (m_analysis) {
    for (const RocCutoff& c : m_analysis->cutoffs) {
      const int r = c.k - 2;
      const QString label = qstring(m_analysis->table.levels[size_t(c.k - 1)].label);
      m_cortes->setItem(r, 0, cell(QStringLiteral("≥%1 (%2)").arg(c.k).arg(label)));
      int column = 1;
      for (int64_t count : {c.counts.vp, c.counts.fp, c.counts.fn, c.counts.vn})
        m_cortes->setItem(r, column++, cell(QString::number(count)));
      for (const ReportRow* row : {&c.sens, &c.esp, &c.cpp, &c.rvNeg, &c.youden}) {
        const QString note = qstring(row->limits.note);
        m_cortes->setItem(
            r, column++,
            cell(qstring(valueText(row->key, row->estimate, separator, ProportionScale::Percent)),
                 note));
        m_cortes->setItem(r, column++, cell(interval(row->key, row->limits, separator), note));
      }
    }
    m_cortes->selectRow(m_analysis->best - 2);
  }
  m_filling = false;
}

void RocWindow::showLevels() {
  const char separator = localeSeparator();
  m_cocientes->setRowCount(m_analysis ? int(m_analysis->ratios.size()) : 0);
  if (!m_analysis) return;
  for (const RocLevelRatio& r : m_analysis->ratios) {
    const RocLevel& level = m_analysis->table.levels[size_t(r.k - 1)];
    const QString note = qstring(r.ratio.limits.note);
    const QString texts[] = {QString::number(r.k),
                             qstring(level.label),
                             QString::number(level.enfermos),
                             QString::number(level.sanos),
                             qstring(valueText(r.ratio.estimate, separator)),
                             interval("", r.ratio.limits, separator),
                             note};
    for (int c = 0; c < 7; ++c) m_cocientes->setItem(r.k - 1, c, cell(texts[c], note));
  }
}

void RocWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LocaleChange)
    QMetaObject::invokeMethod(this, &RocWindow::rebuild, Qt::QueuedConnection);
  QWidget::changeEvent(event);
}

void RocWindow::onAnadirClicked() {
  std::vector<RocRowText> all = rows();
  const int at = m_niveles->currentRow() < 0 ? int(all.size()) : m_niveles->currentRow() + 1;
  all.insert(all.begin() + at, RocRowText{"", "0", "0"});
  setRows(all);
  m_niveles->setCurrentCell(at, 0);
  m_niveles->setFocus();
}

void RocWindow::onQuitarClicked() {
  const int at = m_niveles->currentRow();
  if (at < 0) return;
  std::vector<RocRowText> all = rows();
  all.erase(all.begin() + at);
  setRows(all);
  m_niveles->setCurrentCell(qMin(at, m_niveles->rowCount() - 1), m_niveles->currentColumn());
}

void RocWindow::onMoverClicked(int step) {
  const int at = m_niveles->currentRow(), to = at + step;
  if (at < 0 || to < 0 || to >= m_niveles->rowCount()) return;
  const int column = m_niveles->currentColumn();
  std::vector<RocRowText> all = rows();
  std::swap(all[size_t(at)], all[size_t(to)]);
  setRows(all);
  m_niveles->setCurrentCell(to, column);
}

void RocWindow::onPegarClicked() {
  std::string error;
  const std::vector<RocRowText> pasted =
      parseRocText(utf8(QGuiApplication::clipboard()->text()), error);
  if (!error.empty()) {
    m_mensaje->setText(QStringLiteral("No se pegó nada: ") + qstring(error));
    return;
  }
  if (pasted.empty()) {
    m_mensaje->setText(QStringLiteral("No se pegó nada: el portapapeles no tiene una tabla."));
    return;
  }
  setRows(pasted);
}

QString RocWindow::askPath(const QString& title, const QString& filters, const QString& name,
                           bool save, QString* chosenFilter) {
  QFileDialog dialog(this, title);
  dialog.setObjectName(save ? QStringLiteral("dialogoGuardar") : QStringLiteral("dialogoAbrir"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilter(filters);
  if (save) dialog.setDefaultSuffix(QFileInfo(name).suffix());
  // A name typed without a suffix takes the one of the filter chosen: "*.svg" gives "svg".
  connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
    const qsizetype star = filter.indexOf(QLatin1String("*."));
    if (star >= 0) dialog.setDefaultSuffix(filter.mid(star + 2).section(QLatin1Char(')'), 0, 0));
  });
  if (!m_directory.isEmpty()) dialog.setDirectory(m_directory);
  if (save) dialog.selectFile(name);
  if (m_hook) m_hook(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString path = dialog.selectedFiles().constFirst();
  m_directory = QFileInfo(path).absolutePath();
  if (chosenFilter) *chosenFilter = dialog.selectedNameFilter();
  return path;
}

void RocWindow::saveBytes(const QString& path, const std::function<std::string()>& bytes) {
  if (path.isEmpty()) return;
  runGuarded([&] { writeTextFile(QFile::encodeName(path).toStdString(), bytes()); }, m_failure);
}

void RocWindow::onAbrirClicked() {
  const QString path = askPath(QStringLiteral("Abrir una tabla de niveles"),
                               QStringLiteral("CSV (*.csv);;Todos los archivos (*)"), {}, false);
  if (path.isEmpty()) return;
  const RocCheck check = readRocCsv(QFile::encodeName(path).toStdString());
  if (!check.ok()) {
    if (m_failure) m_failure(check.error);
    return;
  }
  std::vector<RocRowText> read;
  for (const RocLevel& level : check.table.levels)
    read.push_back({level.label, std::to_string(level.enfermos), std::to_string(level.sanos)});
  m_inverso->setChecked(false);
  setRows(read);
}

void RocWindow::onGuardarTablaClicked() {
  // The file keeps the levels from the least suggestive, whichever way they were typed.
  const RocCheck check = checkRocRows(rows(), m_inverso->isChecked());
  if (!check.ok()) {
    if (m_failure) m_failure(check.error);
    return;
  }
  saveBytes(askPath(QStringLiteral("Guardar la tabla de niveles"), QStringLiteral("CSV (*.csv)"),
                    QStringLiteral("niveles.csv"), true),
            [&] { return rocTableCsv(check.table, localeSeparator()); });
}

void RocWindow::onUsarClicked() {
  const int k = selectedCutoff();
  if (m_analysis && k >= 2 && m_use) m_use(cutoffAt(*m_analysis, k).counts);
}

void RocWindow::onCopiarClicked() {
  if (m_analysis)
    QGuiApplication::clipboard()->setText(qstring(rocResultsTable(*m_analysis, localeSeparator())));
}

void RocWindow::onGuardarResultadosClicked() {
  if (!m_analysis) return;
  saveBytes(askPath(QStringLiteral("Guardar los resultados"), QStringLiteral("CSV (*.csv)"),
                    QStringLiteral("curva-roc.csv"), true),
            [this] { return rocCsv(*m_analysis, localeSeparator()); });
}

void RocWindow::onGuardarCurvaClicked() {
  if (!m_analysis) return;
  const PictureFormat formats[] = {PictureFormat::Png, PictureFormat::Svg, PictureFormat::Pdf};
  QStringList filters;
  for (PictureFormat f : formats) filters << pictureFormatFilter(f);
  QString chosen;
  const QString path =
      askPath(QStringLiteral("Guardar la curva"), filters.join(QStringLiteral(";;")),
              QStringLiteral("curva-roc.png"), true, &chosen);
  if (path.isEmpty()) return;
  // The suffix typed decides; without one, the filter chosen.
  std::optional<PictureFormat> format = pictureFormatFromName(QFileInfo(path).suffix());
  for (PictureFormat f : formats)
    if (!format && chosen == pictureFormatFilter(f)) format = f;
  const Picture picture = rocCurvePicture(*m_analysis, selectedCutoff(), localeSeparator());
  runGuarded(
      [&] {
        savePicture(picture, format.value_or(PictureFormat::Png),
                    QFile::encodeName(path).toStdString());
      },
      m_failure);
}

void RocWindow::onImprimirClicked() {
  if (!m_analysis) return;
  const PrintJob job{QStringLiteral("Curva ROC"), {}, {}};
  // The curve as it is when the dialog closes: the cut-off may have moved meanwhile.
  const auto paint = [this](QPagedPaintDevice& printer) {
    return printPicture(rocCurvePicture(*m_analysis, selectedCutoff(), localeSeparator()), printer);
  };
  if (printPages(this, job, m_hook, paint) == PrintOutcome::Failed && m_failure)
    m_failure("No se pudo imprimir la curva.");
}

}  // namespace tarnolo
