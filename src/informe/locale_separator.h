// The decimal separator of the toolkit's locale, which the windows beside the main one write
// numbers with, as the main window does.
#pragma once

#include <QLocale>

#include "core/number_text.h"

namespace tarnolo {

// separatorOf the locale's decimal point: '.' or ',' (or another one-byte character).
inline char localeSeparator() {
  return separatorOf(QLocale().decimalPoint().toStdString());
}

}  // namespace tarnolo
