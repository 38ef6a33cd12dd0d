// The main window's handlers.
#include "core/calculator.h"

#include "core/bayes.h"
#include "core/confidence.h"
#include "core/control_names.h"
#include "core/two_by_two.h"

namespace tarnolo {

void Calculator::FormCreate() {
  view_.setClientHeight(kCompactHeight);
}

void Calculator::BitBtn6Click() {
  CalcularTabla(state_, view_);
  view_.setClientHeight(kFullHeight);
}

void Calculator::icClick() {
  tarnolo::icClick(state_, view_);
}

void Calculator::ZalfaClick() {
  tarnolo::ZalfaClick(state_, view_);
}

void Calculator::bayesbotonClick() {
  tarnolo::bayesbotonClick(view_);
}

void Calculator::BayesOkClick() {
  tarnolo::BayesOkClick(view_);
}

void Calculator::sensScrollBarScroll() {
  recalcularBayes(state_, view_);
}

void Calculator::espScrollBarScroll() {
  recalcularBayes(state_, view_);
}

void Calculator::prevScrollBarScroll() {
  recalcularBayes(state_, view_);
}

void Calculator::totalClick() {
  reescalar(state_, view_);
}

void Calculator::BitBtn5Click() {
  reescalar(state_, view_);
}

void Calculator::BitBtn1Click() {
  reescalar(state_, view_);
}

void Calculator::Abrir1Click() {
  AbrirCaso(state_, view_, caseFiles_.openDialog1, caseFiles_.files);
}

void Calculator::BitBtn8Click() {
  AbrirCaso(state_, view_, caseFiles_.openDialog1, caseFiles_.files);
}

void Calculator::Guardar1Click() {
  GuardarCaso(state_, caseFiles_.saveDialog1, caseFiles_.files);
}

void Calculator::BitBtn7Click() {
  GuardarCaso(state_, caseFiles_.saveDialog1, caseFiles_.files);
}

void Calculator::Nuevo1Click() {
  NuevoCaso(view_);
}

void Calculator::BitBtn4Click() {
  NuevoCaso(view_);
  view_.setClientHeight(kCompactHeight);
}

void Calculator::Salir1Click() {
  desktop_.closeMainWindow();
}

void Calculator::Pruebasdiagnsticas1Click() {
  desktop_.openHelp(kHelpContents, 0);
}

void Calculator::Acercade1Click() {
  desktop_.showAboutBox();
}

void Calculator::bindEvents(EventTable& table) {
  using namespace names;
  table.bind(kCalcular, Event::Click, [this] { BitBtn6Click(); });
  table.bind(kIc, Event::Click, [this] { icClick(); });
  table.bind(kZalfa, Event::Click, [this] { ZalfaClick(); });
  table.bind(kBayes, Event::Click, [this] { bayesbotonClick(); });
  table.bind(kBayesOk, Event::Click, [this] { BayesOkClick(); });
  // The never-shown ratio sliders share the handler of the sensitivity slider.
  for (auto slider : {kSensScrollBar, kCPPScrollBar, kCPNScrollBar})
    table.bind(slider, Event::Scroll, [this] { sensScrollBarScroll(); });
  table.bind(kEspScrollBar, Event::Scroll, [this] { espScrollBarScroll(); });
  table.bind(kPrevScrollBar, Event::Scroll, [this] { prevScrollBarScroll(); });
  table.bind(kTotal, Event::Click, [this] { totalClick(); });
  table.bind(kRecalc, Event::Click, [this] { BitBtn5Click(); });
  table.bind(kRedimens, Event::Click, [this] { BitBtn1Click(); });
  table.bind(kAbrir1, Event::Click, [this] { Abrir1Click(); });
  table.bind(kAbrir, Event::Click, [this] { BitBtn8Click(); });
  table.bind(kGuardar1, Event::Click, [this] { Guardar1Click(); });
  table.bind(kSalvar, Event::Click, [this] { BitBtn7Click(); });
  table.bind(kNuevo1, Event::Click, [this] { Nuevo1Click(); });
  table.bind(kNuevo, Event::Click, [this] { BitBtn4Click(); });
  table.bind(kSalir1, Event::Click, [this] { Salir1Click(); });
  table.bind(kPruebasdiagnsticas1, Event::Click, [this] { Pruebasdiagnsticas1Click(); });
  table.bind(kAcercade1, Event::Click, [this] { Acercade1Click(); });
}

}  // namespace tarnolo
