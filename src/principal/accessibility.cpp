// What a screen reader reads of the main window, and the keys that reach its menus.
#include "principal/accessibility.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>

#include "principal/percent_bar.h"

namespace tarnolo {

namespace {

constexpr const char* kPercent = "En porcentaje";
constexpr const char* kLimit = "Límite del intervalo de confianza, en porcentaje";
constexpr const char* kRatioLimit = "Límite del intervalo de confianza";
constexpr const char* kSliderKeys =
    "En porcentaje entero, de 1 a 99: flechas, RePág y AvPág de uno en uno, Inicio y Fin a los "
    "extremos";

constexpr AccessibleText kTexts[] = {
    // The panels.
    {"Panel16", "Tabla de dos por dos", nullptr},
    {"Panel17", "Órdenes", nullptr},
    {"Panel19", "Resultados", nullptr},
    // The two-by-two table: its headings, the four counts and the totals.
    {"Panel15", "Tabla de dos por dos", nullptr},
    {"Panel1", "Enfermos", nullptr},
    {"Panel2", "Sanos", nullptr},
    {"Panel6", "Total", nullptr},
    {"Panel3", "Prueba positiva", nullptr},
    {"Panel4", "Prueba negativa", nullptr},
    {"Panel5", "Total", nullptr},
    {"VP", "Verdaderos positivos", "Enfermos con la prueba positiva; hasta siete cifras"},
    {"FP", "Falsos positivos", "Sanos con la prueba positiva; hasta siete cifras"},
    {"FN", "Falsos negativos", "Enfermos con la prueba negativa; hasta siete cifras"},
    {"VN", "Verdaderos negativos", "Sanos con la prueba negativa; hasta siete cifras"},
    {"ENFERMOS", "Total de enfermos", "Verdaderos positivos más falsos negativos"},
    {"SANOS", "Total de sanos", "Falsos positivos más verdaderos negativos"},
    {"positivos", "Total de pruebas positivas", "Verdaderos positivos más falsos positivos"},
    {"negativos", "Total de pruebas negativas", "Falsos negativos más verdaderos negativos"},
    {"total", "Total de casos",
     "Puede modificarse; Recalc. rehace entonces la tabla con el nuevo total"},
    // The results, row by row: label, limits, value, bar and slider.
    {"Panel7", "Sensibilidad", nullptr},
    {"sens", "Sensibilidad", kPercent},
    {"sensli", "Sensibilidad, límite inferior", kLimit},
    {"sensls", "Sensibilidad, límite superior", kLimit},
    {"SensGauge", "Barra de sensibilidad", nullptr},
    {"sensScrollBar", "Deslizador de sensibilidad", kSliderKeys},
    {"Panel8", "Especificidad", nullptr},
    {"esp", "Especificidad", kPercent},
    {"espli", "Especificidad, límite inferior", kLimit},
    {"espls", "Especificidad, límite superior", kLimit},
    {"EspGauge", "Barra de especificidad", nullptr},
    {"espScrollBar", "Deslizador de especificidad", kSliderKeys},
    {"Panel12", "CP+, cociente de probabilidad positivo", nullptr},
    {"CPP", "Cociente de probabilidad positivo", "Sensibilidad / (1 - especificidad)"},
    {"cppli", "Cociente de probabilidad positivo, límite inferior", kRatioLimit},
    {"cppls", "Cociente de probabilidad positivo, límite superior", kRatioLimit},
    {"CPPGauge", "Barra del cociente de probabilidad positivo", nullptr},
    {"CPPScrollBar", "Deslizador del cociente de probabilidad positivo", nullptr},
    {"Panel13", "CP-, cociente de probabilidad negativo", nullptr},
    {"CPN", "Cociente de probabilidad negativo", "Especificidad / (1 - sensibilidad)"},
    {"cpnli", "Cociente de probabilidad negativo, límite inferior", kRatioLimit},
    {"cpnls", "Cociente de probabilidad negativo, límite superior", kRatioLimit},
    {"CPNGauge", "Barra del cociente de probabilidad negativo", nullptr},
    {"CPNScrollBar", "Deslizador del cociente de probabilidad negativo", nullptr},
    {"Panel14", "Prevalencia aparente", nullptr},
    {"prevap", "Prevalencia aparente", "Pruebas positivas entre el total, en porcentaje"},
    {"prevapli", "Prevalencia aparente, límite inferior", kLimit},
    {"prevapls", "Prevalencia aparente, límite superior", kLimit},
    {"prevapGauge", "Barra de prevalencia aparente", nullptr},
    {"Panel11", "Prevalencia", nullptr},
    {"PREVALENCIA", "Prevalencia", kPercent},
    {"prevli", "Prevalencia, límite inferior", kLimit},
    {"prevls", "Prevalencia, límite superior", kLimit},
    {"prevgauge", "Barra de prevalencia", nullptr},
    {"prevScrollBar", "Deslizador de prevalencia", kSliderKeys},
    {"Panel9", "VP+, valor predictivo positivo", nullptr},
    {"VPP", "Valor predictivo positivo", kPercent},
    {"vppli", "Valor predictivo positivo, límite inferior", kLimit},
    {"vppls", "Valor predictivo positivo, límite superior", kLimit},
    {"vppGauge", "Barra del valor predictivo positivo", nullptr},
    {"Panel10", "VP-, valor predictivo negativo", nullptr},
    {"VPN", "Valor predictivo negativo", kPercent},
    {"vpnli", "Valor predictivo negativo, límite inferior", kLimit},
    {"vpnls", "Valor predictivo negativo, límite superior", kLimit},
    {"vpngauge", "Barra del valor predictivo negativo", nullptr},
    // The buttons keep their captions as names.
    {"bayesboton", nullptr,
     "Muestra los deslizadores de sensibilidad, especificidad y prevalencia"},
    {"BayesOk", nullptr, "Oculta los deslizadores"},
    {"BitBtn8", nullptr, "Abre un caso guardado en un archivo .ROC"},
    {"BitBtn7", nullptr, "Guarda los cuatro recuentos en un archivo .ROC"},
    {"BitBtn4", nullptr, "Vacía la tabla y vuelve a la ventana pequeña"},
    {"BitBtn6", nullptr, "Calcula los índices a partir de la tabla"},
    {"BitBtn5", nullptr, "Rehace la tabla con el total escrito y los deslizadores"},
    {"BitBtn1", nullptr, "Rehace la tabla con el total escrito y los deslizadores"},
    {"ic", nullptr, "Muestra u oculta los intervalos de confianza"},
    {"Zalfa", "1-α, nivel de confianza", "Nivel de confianza de los intervalos"},
};

// A percentage bar reads as a progress bar whose value is its percentage, "57%".
class PercentBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit PercentBarAccessible(PercentBar* bar)
      : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Value) return QStringLiteral("%1%").arg(bar()->progress());
    return QAccessibleWidget::text(type);
  }
  QVariant currentValue() const override { return bar()->progress(); }
  void setCurrentValue(const QVariant&) override {}  // only the program sets a bar
  QVariant maximumValue() const override { return 100; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

 private:
  PercentBar* bar() const { return static_cast<PercentBar*>(widget()); }
};

QAccessibleInterface* percentBarFactory(const QString& className, QObject* object) {
  if (className != QLatin1String(PercentBar::staticMetaObject.className())) return nullptr;
  return new PercentBarAccessible(static_cast<PercentBar*>(object));
}

// Before any window exists, so that no bar is ever described by the toolkit's plain interface.
void installFactories() {
  QAccessible::installFactory(percentBarFactory);
}
Q_COREAPP_STARTUP_FUNCTION(installFactories)

// F10 opens the first menu, as in the other desktop programs; Alt alone reaches the menu bar
// through the toolkit's own menu-bar navigation.
void openMenusWithF10(QMainWindow& window) {
  QMenuBar* bar = window.menuBar();
  auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), &window);
  QObject::connect(f10, &QShortcut::activated, bar, [bar] {
    if (!bar->actions().isEmpty()) bar->setActiveAction(bar->actions().first());
  });
}

}  // namespace

std::span<const AccessibleText> accessibleTexts() {
  return kTexts;
}

void makeAccessible(QMainWindow& window) {
  for (const AccessibleText& text : kTexts) {
    auto* control = window.findChild<QWidget*>(QString::fromUtf8(text.control));
    if (!control) continue;
    if (text.name) control->setAccessibleName(QString::fromUtf8(text.name));
    if (text.description) control->setAccessibleDescription(QString::fromUtf8(text.description));
  }
  openMenusWithF10(window);
}

}  // namespace tarnolo
