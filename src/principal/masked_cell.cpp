// A count cell.
#include "principal/masked_cell.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <algorithm>

namespace tarnolo {

namespace {

bool fitsMask(const QString& text) {
  if (text.size() > MaskedCell::kPositions) return false;
  return std::all_of(text.begin(), text.end(),
                     [](QChar c) { return c == u' ' || (c >= u'0' && c <= u'9'); });
}

bool typesCharacter(const QKeyEvent& event) {
  const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  return !event.text().isEmpty() && event.text().at(0).isPrint() && !(event.modifiers() & commands);
}

}  // namespace

MaskedCell::MaskedCell(QWidget* parent) : QLineEdit(parent) {
  setInputMask(QString::fromLatin1(kMask));
}

QString MaskedCell::cellText() const {
  QString shown = !inputMask().isEmpty() ? displayText() : text();
  qsizetype end = shown.size();
  while (end > 0 && shown.at(end - 1) == u' ') --end;
  return shown.left(end);
}

void MaskedCell::setCellText(const QString& text) {
  const QString padded = text.leftJustified(kPositions, u' ');
  if (fitsMask(text)) {
    restoreMask();
    setText(padded);
  } else {
    // The mask would filter the text; the cell keeps it whole until the user types again.
    setInputMask(QString());
    setText(padded);
  }
  setCursorPosition(0);
}

void MaskedCell::restoreMask() {
  if (inputMask().isEmpty()) setInputMask(QString::fromLatin1(kMask));
}

void MaskedCell::keyPressEvent(QKeyEvent* event) {
  if (typesCharacter(*event)) {
    restoreMask();
    const QChar c = event->text().at(0);
    const bool room = hasSelectedText() || cursorPosition() < kPositions;
    if (c < u'0' || c > u'9' || !room) {
      QApplication::beep();
      emit refused();
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void MaskedCell::inputMethodEvent(QInputMethodEvent* event) {
  restoreMask();
  QLineEdit::inputMethodEvent(event);
}

void MaskedCell::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  const Qt::FocusReason reason = event->reason();
  if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
      reason == Qt::ShortcutFocusReason)
    selectAll();
}

}  // namespace tarnolo
