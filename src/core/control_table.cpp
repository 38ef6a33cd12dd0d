// The one table of the main window's controls.
#include "core/control_table.h"

#include "core/control_names.h"

namespace tarnolo {

namespace {

using namespace names;
using K = ControlKind;

constexpr const char* kPercent = "En porcentaje";
constexpr const char* kLimit = "Límite del intervalo de confianza, en porcentaje";
constexpr const char* kRatioLimit = "Límite del intervalo de confianza";
constexpr const char* kSliderKeys =
    "En porcentaje entero, de 1 a 99: flechas, RePág y AvPág de uno en uno, Inicio y Fin a los "
    "extremos";
constexpr const char* kRescale = "Rehace la tabla con el total escrito y los deslizadores";

// A cell of the table of counts or of the results.
constexpr ControlEntry cell(std::string_view name, K kind, const char* spoken,
                            const char* description, int tab) {
  return {.name = name,
          .kind = kind,
          .accessibleName = spoken,
          .description = description,
          .tabOrder = tab};
}

// A limit cell, hidden until "IC" shows the limits.
constexpr ControlEntry limit(std::string_view name, const char* spoken, const char* description,
                             int tab) {
  return {.name = name,
          .kind = K::LimitCell,
          .accessibleName = spoken,
          .description = description,
          .tabOrder = tab,
          .visible = false};
}

constexpr ControlEntry button(std::string_view name, const char* description, int tab,
                              bool enabled = true) {
  return {.name = name,
          .kind = K::Button,
          .description = description,
          .tabOrder = tab,
          .enabled = enabled};
}

constexpr ControlEntry bar(std::string_view name, const char* spoken, bool visible = true) {
  return {.name = name, .kind = K::Bar, .accessibleName = spoken, .visible = visible, .max = 100};
}

// A slider of the Bayes mode, hidden until "&Bayes" shows it.
constexpr ControlEntry slider(std::string_view name, const char* spoken, const char* description,
                              int tab, int32_t min, int32_t max, bool enabled = true) {
  return {.name = name,
          .kind = K::Slider,
          .accessibleName = spoken,
          .description = description,
          .tabOrder = tab,
          .visible = false,
          .enabled = enabled,
          .min = min,
          .max = max};
}

constexpr ControlEntry menuItem(std::string_view name) {
  return {.name = name, .kind = K::MenuItem};
}

constexpr ControlEntry label(std::string_view name, const char* spoken) {
  return {.name = name, .kind = K::Label, .accessibleName = spoken};
}

constexpr ControlEntry kControls[] = {
    // The two-by-two table: the four counts and the totals.
    cell(kVP, K::MaskedCell, "Verdaderos positivos",
         "Enfermos con la prueba positiva; hasta siete cifras", 36),
    cell(kFP, K::MaskedCell, "Falsos positivos", "Sanos con la prueba positiva; hasta siete cifras",
         37),
    cell(kFN, K::MaskedCell, "Falsos negativos",
         "Enfermos con la prueba negativa; hasta siete cifras", 38),
    cell(kVN, K::MaskedCell, "Verdaderos negativos",
         "Sanos con la prueba negativa; hasta siete cifras", 39),
    cell(kPositivos, K::TextBox, "Total de pruebas positivas",
         "Verdaderos positivos más falsos positivos", 33),
    cell(kNegativos, K::TextBox, "Total de pruebas negativas",
         "Falsos negativos más verdaderos negativos", 34),
    cell(kEnfermos, K::TextBox, "Total de enfermos", "Verdaderos positivos más falsos negativos",
         31),
    cell(kSanos, K::TextBox, "Total de sanos", "Falsos positivos más verdaderos negativos", 32),
    cell(kTotal, K::TextBox, "Total de casos",
         "Puede modificarse; Recalc. rehace entonces la tabla con el nuevo total", 35),
    // The command panel; the buttons keep their captions as names.
    button(kAbrir, "Abre un caso guardado en un archivo .ROC", 42),
    button(kSalvar, "Guarda los cuatro recuentos en un archivo .ROC", 41),
    button(kNuevo, "Vacía la tabla y vuelve a la ventana pequeña", 40),
    button(kCalcular, "Calcula los índices a partir de la tabla", 44),
    button(kRecalc, kRescale, 43),
    button(kRedimens, kRescale, 47),
    button(kIc, "Muestra u oculta los intervalos de confianza", 45),
    {.name = kZalfa,
     .kind = K::RadioGroup,
     .accessibleName = "1-α, nivel de confianza",
     .description = "Nivel de confianza de los intervalos",
     .tabOrder = 46,
     .visible = false,
     .min = -1,
     .max = 1},
    // The results.
    cell(kSens, K::TextBox, "Sensibilidad", kPercent, 6),
    cell(kEsp, K::TextBox, "Especificidad", kPercent, 5),
    cell(kCPP, K::TextBox, "Cociente de probabilidad positivo",
         "Sensibilidad / (1 - especificidad)", 10),
    cell(kCPN, K::TextBox, "Cociente de probabilidad negativo",
         "Especificidad / (1 - sensibilidad)", 11),
    cell(kPrevap, K::TextBox, "Prevalencia aparente",
         "Pruebas positivas entre el total, en porcentaje", 14),
    cell(kPrevalencia, K::TextBox, "Prevalencia", kPercent, 2),
    cell(kVPP, K::TextBox, "Valor predictivo positivo", kPercent, 4),
    cell(kVPN, K::TextBox, "Valor predictivo negativo", kPercent, 3),
    // Their confidence limits.
    limit(kSensli, "Sensibilidad, límite inferior", kLimit, 15),
    limit(kSensls, "Sensibilidad, límite superior", kLimit, 16),
    limit(kEspli, "Especificidad, límite inferior", kLimit, 17),
    limit(kEspls, "Especificidad, límite superior", kLimit, 18),
    limit(kCppli, "Cociente de probabilidad positivo, límite inferior", kRatioLimit, 27),
    limit(kCppls, "Cociente de probabilidad positivo, límite superior", kRatioLimit, 28),
    limit(kCpnli, "Cociente de probabilidad negativo, límite inferior", kRatioLimit, 29),
    limit(kCpnls, "Cociente de probabilidad negativo, límite superior", kRatioLimit, 30),
    limit(kPrevapli, "Prevalencia aparente, límite inferior", kLimit, 25),
    limit(kPrevapls, "Prevalencia aparente, límite superior", kLimit, 26),
    limit(kPrevli, "Prevalencia, límite inferior", kLimit, 23),
    limit(kPrevls, "Prevalencia, límite superior", kLimit, 24),
    limit(kVppli, "Valor predictivo positivo, límite inferior", kLimit, 19),
    limit(kVppls, "Valor predictivo positivo, límite superior", kLimit, 20),
    limit(kVpnli, "Valor predictivo negativo, límite inferior", kLimit, 21),
    limit(kVpnls, "Valor predictivo negativo, límite superior", kLimit, 22),
    // The bars; those of the two ratios are never shown.
    bar(kSensGauge, "Barra de sensibilidad"),
    bar(kEspGauge, "Barra de especificidad"),
    bar(kCPPGauge, "Barra del cociente de probabilidad positivo", false),
    bar(kCPNGauge, "Barra del cociente de probabilidad negativo", false),
    bar(kPrevapGauge, "Barra de prevalencia aparente"),
    bar(kPrevgauge, "Barra de prevalencia"),
    bar(kVppGauge, "Barra del valor predictivo positivo"),
    bar(kVpngauge, "Barra del valor predictivo negativo"),
    // The Bayes mode: the sliders (those of the two ratios never shown) and its two buttons.
    slider(kSensScrollBar, "Deslizador de sensibilidad", kSliderKeys, 1, 1, 99),
    slider(kEspScrollBar, "Deslizador de especificidad", kSliderKeys, 8, 1, 99),
    slider(kCPPScrollBar, "Deslizador del cociente de probabilidad positivo", nullptr, 12, 0, 100,
           false),
    slider(kCPNScrollBar, "Deslizador del cociente de probabilidad negativo", nullptr, 13, 0, 100,
           false),
    slider(kPrevScrollBar, "Deslizador de prevalencia", kSliderKeys, 0, 1, 99),
    button(kBayes, "Muestra los deslizadores de sensibilidad, especificidad y prevalencia", 7,
           false),
    button(kBayesOk, "Oculta los deslizadores", 9, false),
    // The menu items, which read as their texts.
    menuItem(kNuevo1),
    menuItem(kAbrir1),
    menuItem(kGuardar1),
    menuItem(kSalir1),
    menuItem(kPruebasdiagnsticas1),
    menuItem(kAcercade1),
    menuItem(kInformecompleto1),
    menuItem(kValorespredictivos1),
    menuItem(kNomogramadeFagan1),
    menuItem(kPruebaconvariosniveles1),
    menuItem(kDospruebas1),
    // The panels that group the controls and label the rows and columns.
    label("Panel16", "Tabla de dos por dos"),
    label("Panel17", "Órdenes"),
    label("Panel19", "Resultados"),
    label("Panel15", "Tabla de dos por dos"),
    label("Panel1", "Enfermos"),
    label("Panel2", "Sanos"),
    label("Panel6", "Total"),
    label("Panel3", "Prueba positiva"),
    label("Panel4", "Prueba negativa"),
    label("Panel5", "Total"),
    label("Panel7", "Sensibilidad"),
    label("Panel8", "Especificidad"),
    label("Panel12", "CP+, cociente de probabilidad positivo"),
    label("Panel13", "CP-, cociente de probabilidad negativo"),
    label("Panel14", "Prevalencia aparente"),
    label("Panel11", "Prevalencia"),
    label("Panel9", "VP+, valor predictivo positivo"),
    label("Panel10", "VP-, valor predictivo negativo"),
};

}  // namespace

bool hasText(ControlKind kind) {
  return kind == ControlKind::TextBox || kind == ControlKind::MaskedCell ||
         kind == ControlKind::LimitCell;
}

std::span<const ControlEntry> controlTable() {
  return kControls;
}

const ControlEntry* findControl(std::string_view name) {
  for (const ControlEntry& c : kControls) {
    if (c.name == name) return &c;
  }
  return nullptr;
}

}  // namespace tarnolo
