// Names of the main window's controls, as the view and the form know them.
#pragma once

#include <string_view>

namespace tarnolo::names {

// The two-by-two table.
inline constexpr std::string_view kVP = "VP", kFP = "FP", kFN = "FN", kVN = "VN";
inline constexpr std::string_view kPositivos = "positivos", kNegativos = "negativos",
                                  kEnfermos = "ENFERMOS", kSanos = "SANOS", kTotal = "total";
// The command panel: each command named by what it does, its value the form's name.
inline constexpr std::string_view kAbrir = "BitBtn8", kSalvar = "BitBtn7", kNuevo = "BitBtn4",
                                  kCalcular = "BitBtn6", kRecalc = "BitBtn5", kRedimens = "BitBtn1",
                                  kIc = "ic", kZalfa = "Zalfa";
// Result cells.
inline constexpr std::string_view kSens = "sens", kEsp = "esp", kCPP = "CPP", kCPN = "CPN",
                                  kVPP = "VPP", kVPN = "VPN", kPrevalencia = "PREVALENCIA",
                                  kPrevap = "prevap";
// Limit cells.
inline constexpr std::string_view kSensli = "sensli", kSensls = "sensls", kEspli = "espli",
                                  kEspls = "espls", kCppli = "cppli", kCppls = "cppls",
                                  kCpnli = "cpnli", kCpnls = "cpnls", kPrevapli = "prevapli",
                                  kPrevapls = "prevapls", kPrevli = "prevli", kPrevls = "prevls",
                                  kVppli = "vppli", kVppls = "vppls", kVpnli = "vpnli",
                                  kVpnls = "vpnls";
// Percentage bars.
inline constexpr std::string_view kSensGauge = "SensGauge", kEspGauge = "EspGauge",
                                  kCPPGauge = "CPPGauge", kCPNGauge = "CPNGauge",
                                  kPrevapGauge = "prevapGauge", kPrevgauge = "prevgauge",
                                  kVppGauge = "vppGauge", kVpngauge = "vpngauge";
// Sliders and the Bayes buttons.
inline constexpr std::string_view kSensScrollBar = "sensScrollBar", kEspScrollBar = "espScrollBar",
                                  kCPPScrollBar = "CPPScrollBar", kCPNScrollBar = "CPNScrollBar",
                                  kPrevScrollBar = "prevScrollBar", kBayes = "bayesboton",
                                  kBayesOk = "BayesOk";
// Menu items.
inline constexpr std::string_view kNuevo1 = "Nuevo1", kAbrir1 = "Abrir1", kGuardar1 = "Guardar1",
                                  kSalir1 = "Salir1", kPruebasdiagnsticas1 = "Pruebasdiagnsticas1",
                                  kAcercade1 = "Acercade1", kInformecompleto1 = "Informecompleto1",
                                  kValorespredictivos1 = "Valorespredictivos1",
                                  kNomogramadeFagan1 = "NomogramadeFagan1",
                                  kPruebaconvariosniveles1 = "Pruebaconvariosniveles1",
                                  kDospruebas1 = "Dospruebas1";

}  // namespace tarnolo::names
