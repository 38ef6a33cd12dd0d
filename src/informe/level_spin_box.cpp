// The confidence level's box.
#include "informe/level_spin_box.h"

#include <QLocale>

namespace tarnolo {

LevelSpinBox::LevelSpinBox(QWidget* parent) : QDoubleSpinBox(parent) {
  setDecimals(2);
  setRange(kLowest, kHighest);
  setSingleStep(0.5);
  setSuffix(QStringLiteral(" %"));
  setValue(95);
  setKeyboardTracking(false);  // the report follows a typed level once it is complete
  setAccelerated(true);
}

QString LevelSpinBox::textFromValue(double value) const {
  QLocale shown = locale();
  shown.setNumberOptions(QLocale::OmitGroupSeparator);
  return shown.toString(value, 'f', QLocale::FloatingPointShortest);
}

}  // namespace tarnolo
