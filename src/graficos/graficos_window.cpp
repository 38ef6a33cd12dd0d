// The window "Gráficos".
#include "graficos/graficos_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/fagan.h"
#include "core/number_text.h"
#include "core/predictive_curve.h"
#include "core/report_text.h"
#include "graficos/graph_text.h"
#include "graficos/graph_widgets.h"
#include "informe/level_spin_box.h"
#include "informe/locale_separator.h"
#include "informe/method_choice.h"
#include "informe/named_button.h"
#include "informe/qt_text.h"
#include "salida/output_module.h"

namespace tarnolo {

namespace {

constexpr PictureFormat kFormats[] = {PictureFormat::Png, PictureFormat::Svg, PictureFormat::Pdf};

QLabel* wrappedLabel(const QString& name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  return label;
}

}  // namespace

GraficosWindow::GraficosWindow(const CaseState& state, FailureReporter failure, QWidget* owner)
    : QWidget(owner, Qt::Window), m_state(state), m_failure(std::move(failure)) {
  setObjectName(QStringLiteral("Graficos"));
  setWindowTitle(QStringLiteral("Gráficos"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildChoices());
  m_paginas = new QTabWidget(this);
  m_paginas->setObjectName(QStringLiteral("paginas"));
  m_paginas->addTab(buildCurvePage(), QStringLiteral("Valores predictivos y prevalencia"));
  m_paginas->addTab(buildNomogramPage(), QStringLiteral("Nomograma de Fagan"));
  layout->addWidget(m_paginas, 1);
  connect(m_paginas, &QTabWidget::currentChanged, this, &GraficosWindow::rebuild);
  connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);
  rebuild();
}

QWidget* GraficosWindow::buildChoices() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  m_metodo = new QComboBox(row);
  m_metodo->setObjectName(QStringLiteral("metodo"));
  addMethods(*m_metodo, IntervalMethod::Wilson, false);
  m_nivel = new LevelSpinBox(row);
  m_nivel->setObjectName(QStringLiteral("nivel"));
  auto* metodoLabel = new QLabel(QStringLiteral("&Método:"), row);
  metodoLabel->setBuddy(m_metodo);
  auto* nivelLabel = new QLabel(QStringLiteral("&Nivel:"), row);
  nivelLabel->setBuddy(m_nivel);
  layout->addWidget(metodoLabel);
  layout->addWidget(m_metodo);
  layout->addWidget(nivelLabel);
  layout->addWidget(m_nivel);
  layout->addStretch(1);
  auto* copiar = namedButton("copiar", QStringLiteral("&Copiar"), row);
  auto* guardar = namedButton("guardar", QStringLiteral("&Guardar…"), row);
  auto* imprimir = namedButton("imprimir", QStringLiteral("&Imprimir…"), row);
  auto* cerrar = namedButton("cerrar", QStringLiteral("Cerrar"), row);
  for (QPushButton* b : {copiar, guardar, imprimir, cerrar}) layout->addWidget(b);
  connect(m_metodo, &QComboBox::currentIndexChanged, this, &GraficosWindow::rebuild);
  connect(m_nivel, &QDoubleSpinBox::valueChanged, this, &GraficosWindow::rebuild);
  connect(copiar, &QPushButton::clicked, this, &GraficosWindow::onCopiarClicked);
  connect(guardar, &QPushButton::clicked, this, &GraficosWindow::onGuardarClicked);
  connect(imprimir, &QPushButton::clicked, this, &GraficosWindow::onImprimirClicked);
  connect(cerrar, &QPushButton::clicked, this, &QWidget::close);
  return row;
}

QWidget* GraficosWindow::buildCurvePage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  m_curva = new CurveWidget(page);
  m_lectura = wrappedLabel(QStringLiteral("lectura"), page);
  m_lectura->setText(
      QStringLiteral("Pase el ratón sobre el gráfico o use las flechas para leer "
                     "los valores de cada prevalencia."));
  m_notasCurva = wrappedLabel(QStringLiteral("notasCurva"), page);
  m_mostrarTabla = new QCheckBox(QStringLiteral("Mostrar los puntos como &tabla"), page);
  m_mostrarTabla->setObjectName(QStringLiteral("mostrarTabla"));
  m_tabla = new QTableWidget(page);
  m_tabla->setObjectName(QStringLiteral("tablaCurva"));
  m_tabla->setAccessibleName(QStringLiteral("Puntos de las curvas"));
  m_tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_tabla->verticalHeader()->hide();
  m_tabla->hide();
  layout->addWidget(m_curva, 1);
  layout->addWidget(m_lectura);
  layout->addWidget(m_notasCurva);
  layout->addWidget(m_mostrarTabla);
  layout->addWidget(m_tabla, 1);
  connect(m_curva, &CurveWidget::cursorRead, this, [this](const QString& readout) {
    if (!readout.isEmpty()) m_lectura->setText(readout);
  });
  connect(m_mostrarTabla, &QCheckBox::toggled, this, &GraficosWindow::onMostrarTablaToggled);
  return page;
}

QWidget* GraficosWindow::buildNomogramPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  auto* row = new QHBoxLayout;
  m_preprueba = new QDoubleSpinBox(page);
  m_preprueba->setObjectName(QStringLiteral("preprueba"));
  m_preprueba->setRange(kNomogramLowest * 100, kNomogramHighest * 100);
  m_preprueba->setDecimals(1);
  m_preprueba->setSingleStep(1);
  m_preprueba->setSuffix(QStringLiteral(" %"));
  m_preprueba->setKeyboardTracking(false);
  m_preprueba->setAccessibleName(QStringLiteral("Probabilidad pre-prueba"));
  auto* label = new QLabel(QStringLiteral("Probabilidad &pre-prueba:"), page);
  label->setBuddy(m_preprueba);
  row->addWidget(label);
  row->addWidget(m_preprueba);
  row->addStretch(1);
  // The results are drawn in the picture and read in its description: no label whose new text
  // would lay the window out again at every slider step.
  m_nomograma = new NomogramWidget(page);
  layout->addLayout(row);
  layout->addWidget(m_nomograma, 1);
  connect(m_preprueba, &QDoubleSpinBox::valueChanged, this,
          &GraficosWindow::onPrepruebaValueChanged);
  return page;
}

void GraficosWindow::followState() {
  if (isVisible()) rebuild();
}

void GraficosWindow::showPage(Page page) {
  m_paginas->setCurrentIndex(int(page));
}

GraficosWindow::Page GraficosWindow::page() const {
  return Page(m_paginas->currentIndex());
}

double GraficosWindow::pretest() const {
  return m_preprueba->value() / 100;
}

void GraficosWindow::rebuild() {
  const auto method = methodFromKey(m_metodo->currentData().toString().toStdString());
  m_report = buildReport(m_state, method.value_or(IntervalMethod::Wilson), m_nivel->value());
  if (m_pretestFollows) {
    const QSignalBlocker blocker(m_preprueba);
    m_preprueba->setValue(m_state.prev * 100);  // clamped to 0.1..99.9 by the box
  }
  // Only the page in sight follows each step; the other one is brought up to date when shown.
  if (page() == kCurvePage)
    showCurve();
  else
    showNomogram();
}

void GraficosWindow::showCurve() {
  const CurveView view{m_report, qBound(0.0, m_state.prev, 1.0), std::nullopt, localeSeparator()};
  m_curva->setView(view);
  m_notasCurva->setText(curveNotes(view).join(u'\n'));
  m_notasCurva->setVisible(!m_notasCurva->text().isEmpty());
  if (m_tabla->isVisible()) fillTable();
}

void GraficosWindow::showNomogram() {
  const NomogramView view{m_report, pretest(), localeSeparator()};
  m_nomograma->setView(view);
}

void GraficosWindow::fillTable() {
  const char separator = localeSeparator();
  const QStringList heads{QStringLiteral("Prevalencia"),  QStringLiteral("VPP"),
                          QStringLiteral("VPP inferior"), QStringLiteral("VPP superior"),
                          QStringLiteral("VPN"),          QStringLiteral("VPN inferior"),
                          QStringLiteral("VPN superior")};
  const auto prevalences = csvPrevalences();
  m_tabla->setColumnCount(int(heads.size()));
  m_tabla->setHorizontalHeaderLabels(heads);
  m_tabla->setRowCount(int(prevalences.size()));
  for (int row = 0; row < int(prevalences.size()); ++row) {
    const CurvePoint c = curvePoint(m_report, prevalences[size_t(row)]);
    const ReportValue values[] = {ReportValue::of(c.prevalence),
                                  c.vpp,
                                  c.vppLimits.lower,
                                  c.vppLimits.upper,
                                  c.vpn,
                                  c.vpnLimits.lower,
                                  c.vpnLimits.upper};
    for (int column = 0; column < int(std::size(values)); ++column) {
      auto* item = new QTableWidgetItem(
          values[column].defined() ? percentText(values[column], separator) : QStringLiteral("—"));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      m_tabla->setItem(row, column, item);
    }
  }
  m_tabla->resizeColumnsToContents();
}

void GraficosWindow::onMostrarTablaToggled(bool shown) {
  m_tabla->setVisible(shown);
  if (shown) fillTable();
}

void GraficosWindow::onPrepruebaValueChanged() {
  m_pretestFollows = false;
  showNomogram();
}

Picture GraficosWindow::picture() const {
  if (page() == kNomogramPage) return nomogramPicture(m_nomograma->view());
  return curvePicture(m_curva->view());
}

void GraficosWindow::onCopiarClicked() {
  copyPicture(picture());
}

void GraficosWindow::onGuardarClicked() {
  QFileDialog dialog(this, QStringLiteral("Guardar el gráfico"));
  dialog.setObjectName(QStringLiteral("dialogoGuardar"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  QStringList filters;
  for (PictureFormat format : kFormats) filters << pictureFormatFilter(format);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(QStringLiteral("png"));
  connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& f) {
    dialog.setDefaultSuffix(
        pictureFormatSuffix(kFormats[filters.indexOf(f) < 0 ? 0 : filters.indexOf(f)]));
  });
  if (!m_directory.isEmpty()) dialog.setDirectory(m_directory);
  dialog.selectFile(page() == kNomogramPage ? QStringLiteral("nomograma.png")
                                            : QStringLiteral("valores-predictivos.png"));
  if (m_hook) m_hook(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString path = dialog.selectedFiles().constFirst();
  m_directory = QFileInfo(path).absolutePath();
  // The file's own suffix chooses the format; without a known one, the filter does.
  auto format = pictureFormatFromName(QFileInfo(path).suffix());
  if (!format) format = kFormats[qMax(0, filters.indexOf(dialog.selectedNameFilter()))];
  const Picture shown = picture();
  runGuarded([&] { savePicture(shown, *format, QFile::encodeName(path).toStdString()); },
             m_failure);
}

void GraficosWindow::onImprimirClicked() {
  const Picture shown = picture();
  const PrintJob job{
      shown.title, {}, page() == kNomogramPage ? QPageLayout::Portrait : QPageLayout::Landscape};
  const auto paint = [&](QPagedPaintDevice& printer) { return printPicture(shown, printer); };
  if (printPages(this, job, m_hook, paint) == PrintOutcome::Failed && m_failure)
    m_failure("No se pudo imprimir el gráfico.");
}

void GraficosWindow::showEvent(QShowEvent* event) {
  rebuild();
  QWidget::showEvent(event);
}

void GraficosWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LocaleChange)
    QMetaObject::invokeMethod(this, &GraficosWindow::followState, Qt::QueuedConnection);
  QWidget::changeEvent(event);
}

}  // namespace tarnolo
