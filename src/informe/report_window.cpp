// The report window.
#include "informe/report_window.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLocale>
#include <QMimeData>
#include <QScreen>
#include <QShortcut>

#include "core/number_text.h"
#include "core/report_text.h"
#include "core/rounded_text.h"
#include "core/text_file.h"
#include "informe/locale_separator.h"
#include "informe/method_choice.h"
#include "informe/qt_text.h"
#include "informe/report_document.h"
#include "salida/output_module.h"
#include "ui_report_window.h"

namespace tarnolo {

namespace {

enum Column { kIndex, kEstimate, kLower, kUpper, kNote, kColumns };

constexpr int kWidth = 1240;  // room for the longest notes

// A value's cell: its text, or "—" with the reason when there is none, or "*" with the reason
// when it is out of range.
void showValue(QTableWidgetItem& item, const ReportRow& row, const ReportValue& value,
               char separator, int decimals) {
  const std::string text =
      roundedValueText(row.key, value, separator, ProportionScale::Percent, decimals);
  item.setText(text.empty() ? QStringLiteral("—") : qstring(text));
  item.setToolTip(value.defined()           ? QString()
                  : row.limits.note.empty() ? QStringLiteral("Sin valor")
                                            : qstring(row.limits.note));
}

// Rows one line high, and room for all of them.
void showAllRows(QTableWidget& table) {
  QHeaderView& rows = *table.verticalHeader();
  rows.hide();
  rows.setSectionResizeMode(QHeaderView::Fixed);
  rows.setDefaultSectionSize(table.fontMetrics().height() + 6);
  table.setMinimumHeight(table.horizontalHeader()->sizeHint().height() +
                         table.rowCount() * rows.defaultSectionSize() + 2 * table.frameWidth());
}

}  // namespace

ReportWindow::ReportWindow(const CaseState& state, FailureReporter failure, QWidget* owner)
    : QWidget(owner, Qt::Window),
      m_ui(std::make_unique<Ui::ReportWindow>()),
      m_state(state),
      m_failure(std::move(failure)) {
  m_ui->setupUi(this);
  fillChoices();
  connectControls();
  rebuild();
  // Wide enough for the notes, where the screen allows.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    resize(qMax(width(), qMin(kWidth, screen->availableGeometry().width() - 40)), height());
}

ReportWindow::~ReportWindow() = default;

void ReportWindow::fillChoices() {
  addMethods(*m_ui->metodo, IntervalMethod::WaldCc);
  // The choice of decimals: what the screen, the clipboard, the printout and the PDF show.
  m_ui->decimales->addItem(QStringLiteral("todas"), kAllDigits);
  m_ui->decimales->addItem(QStringLiteral("automático"), kAutomaticDecimals);
  for (int places = 0; places <= 4; ++places)
    m_ui->decimales->addItem(QString::number(places), places);
  QTableWidget& table = *m_ui->tabla;
  table.setColumnCount(kColumns);
  table.setHorizontalHeaderLabels({QStringLiteral("Índice"), QStringLiteral("Estimación"),
                                   QStringLiteral("Límite inferior"),
                                   QStringLiteral("Límite superior"), QStringLiteral("Nota")});
  // Columns as wide as their texts, whatever the numbers; the notes take the rest.
  table.horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table.horizontalHeader()->setSectionResizeMode(kNote, QHeaderView::Stretch);
  table.setRowCount(int(std::size(kReportKeys)));
  for (int row = 0; row < table.rowCount(); ++row) {
    for (int column = 0; column < kColumns; ++column) {
      auto* item = new QTableWidgetItem;
      item->setData(Qt::UserRole, qstring(kReportKeys[row]));
      if (column != kIndex && column != kNote)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table.setItem(row, column, item);
    }
    table.item(row, kIndex)->setText(qstring(rowLabel(kReportKeys[row], ProportionScale::Percent)));
  }
  showAllRows(table);
}

void ReportWindow::connectControls() {
  connect(m_ui->metodo, &QComboBox::currentIndexChanged, this, &ReportWindow::onMetodoChanged);
  connect(m_ui->nivel, &QDoubleSpinBox::valueChanged, this, &ReportWindow::onNivelValueChanged);
  connect(m_ui->decimales, &QComboBox::currentIndexChanged, this, &ReportWindow::showRows);
  for (auto [button, level] :
       {std::pair{m_ui->nivel90, 90}, {m_ui->nivel95, 95}, {m_ui->nivel99, 99}})
    connect(button, &QPushButton::clicked, this,
            [this, level = level] { m_ui->nivel->setValue(level); });
  connect(m_ui->copiar, &QPushButton::clicked, this, &ReportWindow::onCopiarClicked);
  connect(m_ui->guardarCsv, &QPushButton::clicked, this, &ReportWindow::onGuardarCsvClicked);
  connect(m_ui->imprimir, &QPushButton::clicked, this, &ReportWindow::onImprimirClicked);
  connect(m_ui->guardarPdf, &QPushButton::clicked, this, &ReportWindow::onGuardarPdfClicked);
  connect(m_ui->cerrar, &QPushButton::clicked, this, &QWidget::close);
  connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);
}

void ReportWindow::followState() {
  if (isVisible()) rebuild();
}

void ReportWindow::rebuild() {
  const auto method = methodFromKey(m_ui->metodo->currentData().toString().toStdString());
  m_report = buildReport(m_state, method.value_or(IntervalMethod::WaldCc), m_ui->nivel->value());
  m_ui->metodoCocientes->setText(qstring(ratioMethodName(m_report.method)));
  showCounts();
  showRows();
}

void ReportWindow::showCounts() {
  const CountTable& t = m_report.counts;
  const std::pair<QLabel*, int64_t> cells[] = {{m_ui->recuentoVP, t.vp},
                                               {m_ui->recuentoFP, t.fp},
                                               {m_ui->recuentoFN, t.fn},
                                               {m_ui->recuentoVN, t.vn},
                                               {m_ui->recuentoPositivos, t.positivos},
                                               {m_ui->recuentoNegativos, t.negativos},
                                               {m_ui->recuentoEnfermos, t.enfermos},
                                               {m_ui->recuentoSanos, t.sanos},
                                               {m_ui->recuentoTotal, t.total}};
  for (auto [label, count] : cells) label->setText(QString::number(count));
}

void ReportWindow::showRows() {
  const char separator = localeSeparator();
  QTableWidget& table = *m_ui->tabla;
  for (int i = 0; i < table.rowCount(); ++i) {
    const ReportRow& row = m_report.rows[size_t(i)];
    showValue(*table.item(i, kEstimate), row, row.estimate, separator, decimals());
    showValue(*table.item(i, kLower), row, row.limits.lower, separator, decimals());
    showValue(*table.item(i, kUpper), row, row.limits.upper, separator, decimals());
    table.item(i, kNote)->setText(qstring(row.limits.note));
    table.item(i, kNote)->setToolTip(qstring(row.limits.note));
  }
}

void ReportWindow::showEvent(QShowEvent* event) {
  rebuild();
  QWidget::showEvent(event);
}

// The regional settings changed: the numbers again, with the new separator.
void ReportWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LocaleChange) followState();
  QWidget::changeEvent(event);
}

void ReportWindow::onMetodoChanged() {
  rebuild();
}

void ReportWindow::onNivelValueChanged() {
  rebuild();
}

int ReportWindow::decimals() const {
  return m_ui->decimales->currentData().toInt();
}

QString ReportWindow::html() const {
  return reportHtml(m_report, localeSeparator(), QDateTime::currentDateTime(), decimals());
}

void ReportWindow::onCopiarClicked() {
  auto* data = new QMimeData;
  data->setText(
      qstring(reportTable(m_report, localeSeparator(), ProportionScale::Percent, decimals())));
  data->setHtml(html());
  QGuiApplication::clipboard()->setMimeData(data);
}

QString ReportWindow::askSavePath(const QString& filter, const QString& suffix) {
  QFileDialog dialog(this, QStringLiteral("Guardar el informe"));
  dialog.setObjectName(QStringLiteral("dialogoGuardar"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(filter);
  dialog.setDefaultSuffix(suffix);
  if (!m_directory.isEmpty()) dialog.setDirectory(m_directory);
  dialog.selectFile(QStringLiteral("informe.") + suffix);
  if (m_hook) m_hook(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString path = dialog.selectedFiles().constFirst();
  m_directory = QFileInfo(path).absolutePath();
  return path;
}

void ReportWindow::saveFile(const QString& filter, const QString& suffix,
                            const std::function<std::string()>& bytes) {
  const QString path = askSavePath(filter, suffix);
  if (path.isEmpty()) return;
  runGuarded([&] { writeTextFile(QFile::encodeName(path).toStdString(), bytes()); }, m_failure);
}

void ReportWindow::onGuardarCsvClicked() {
  saveFile(QStringLiteral("CSV (*.csv)"), QStringLiteral("csv"),
           [this] { return reportCsv(m_report, localeSeparator()); });
}

void ReportWindow::onGuardarPdfClicked() {
  saveFile(QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"), [this] {
    const QByteArray pdf = reportPdf(html());
    return std::string(pdf.constData(), size_t(pdf.size()));
  });
}

void ReportWindow::onImprimirClicked() {
  const QString shown = html();
  const PrintJob job{QStringLiteral("Informe de Tarnolo"), kPageMargins, {}};
  const auto paint = [&](QPagedPaintDevice& printer) { return printReport(shown, printer); };
  if (printPages(this, job, m_hook, paint) == PrintOutcome::Failed && m_failure)
    m_failure("No se pudo imprimir el informe.");
}

}  // namespace tarnolo
