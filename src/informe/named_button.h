// The push buttons of the windows beside the main one, found by their names.
#pragma once

#include <QPushButton>

namespace tarnolo {

// A push button showing text (its access key marked with "&"), named name for the tests and
// the accessibility tools: namedButton("copiar", "&Copiar", row).
inline QPushButton* namedButton(const char* name, const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QLatin1String(name));
  return button;
}

}  // namespace tarnolo
