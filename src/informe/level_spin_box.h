// The confidence level's box: 50 to 99.9 %, written without trailing zeros.
#pragma once

#include <QDoubleSpinBox>

namespace tarnolo {

// A percentage from 50 to 99.9 with up to two decimals, in steps of 0.5, suffix " %", starting
// at 95. Its text has no trailing zeros, with the locale's separator: 95 -> "95 %",
// 97.5 -> "97,5 %" (Spanish).
class LevelSpinBox : public QDoubleSpinBox {
  Q_OBJECT

 public:
  static constexpr double kLowest = 50, kHighest = 99.9;

  explicit LevelSpinBox(QWidget* parent = nullptr);
  QString textFromValue(double value) const override;

 private:
  Q_DISABLE_COPY(LevelSpinBox)
};

}  // namespace tarnolo
