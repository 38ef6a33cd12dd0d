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

void Calculator::bindEvents(EventTable& table) {
  using namespace names;
  CaseState& s = state_;
  View& v = view_;
  CaseFiles& f = caseFiles_;
  Desktop& desktop = desktop_;
  table.bind(kCalcular, Event::Click, [&s, &v] {
    CalcularTabla(s, v);
    v.setClientHeight(kFullHeight);
  });
  table.bind(kIc, Event::Click, [&s, &v] { icClick(s, v); });
  table.bind(kZalfa, Event::Click, [&s, &v] { ZalfaClick(s, v); });
  table.bind(kBayes, Event::Click, [&v] { bayesbotonClick(v); });
  table.bind(kBayesOk, Event::Click, [&v] { BayesOkClick(v); });
  // The never-shown ratio sliders run the Bayes table as the others do.
  for (auto slider : {kSensScrollBar, kEspScrollBar, kPrevScrollBar, kCPPScrollBar, kCPNScrollBar})
    table.bind(slider, Event::Scroll, [&s, &v] { recalcularBayes(s, v); });
  for (auto rescale : {kTotal, kRecalc, kRedimens})
    table.bind(rescale, Event::Click, [&s, &v] { reescalar(s, v); });
  for (auto open : {kAbrir, kAbrir1})
    table.bind(open, Event::Click, [&s, &v, &f] { AbrirCaso(s, v, f.openDialog1, f.files); });
  for (auto save : {kSalvar, kGuardar1})
    table.bind(save, Event::Click, [&s, &f] { GuardarCaso(s, f.saveDialog1, f.files); });
  table.bind(kNuevo1, Event::Click, [&v] { NuevoCaso(v); });
  table.bind(kNuevo, Event::Click, [&v] {
    NuevoCaso(v);
    v.setClientHeight(kCompactHeight);
  });
  table.bind(kSalir1, Event::Click, [&desktop] { desktop.closeMainWindow(); });
  table.bind(kPruebasdiagnsticas1, Event::Click,
             [&desktop] { desktop.openHelp(kHelpContents, 0); });
  table.bind(kAcercade1, Event::Click, [&desktop] { desktop.showAboutBox(); });
}

}  // namespace tarnolo
