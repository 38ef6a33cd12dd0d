// A count cell: seven optional digit positions, shown with blanks.
#pragma once

#include <QLineEdit>

#include "core/control_table.h"

namespace tarnolo {

class MaskedCell : public QLineEdit {
  Q_OBJECT

 public:
  // Seven optional digits, blanks shown as spaces.
  static constexpr const char* kMask = "0000000; ";
  static constexpr int kPositions = kCountCellPositions;

  explicit MaskedCell(QWidget* parent = nullptr);

  // What the cell shows without its trailing blanks: "12" after typing 12, "1 3" after the
  // middle digit of 123 was deleted, "" when untouched.
  QString cellText() const;
  // A program write: kept exactly as written, also a text the mask would refuse ("-3",
  // "12345678"); a shorter one is padded with blanks to the seven positions.
  void setCellText(const QString& text);

 signals:
  // A typed character was refused (with a beep).
  void refused();

 protected:
  // Only digits are typed, one a position; any other character is refused with a beep.
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  // Reached by the keyboard, the cell selects its whole text, as the other text boxes do.
  void focusInEvent(QFocusEvent* event) override;

 private:
  Q_DISABLE_COPY(MaskedCell)

  // Puts the mask back after a program write that had to lift it.
  void restoreMask();
};

}  // namespace tarnolo
