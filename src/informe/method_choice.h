// The choice of interval method that the windows beside the main one offer.
#pragma once

#include <QComboBox>

#include "core/proportion_limits.h"
#include "core/report_text.h"
#include "informe/qt_text.h"

namespace tarnolo {

// The interval methods in the order every window lists them.
inline constexpr IntervalMethod kIntervalMethods[] = {
    IntervalMethod::WaldCc,   IntervalMethod::Wald,           IntervalMethod::Wilson,
    IntervalMethod::WilsonCc, IntervalMethod::ClopperPearson, IntervalMethod::AgrestiCoull,
    IntervalMethod::Jeffreys,
};

// Adds an item for each method, its data the method's key, and chooses the method chosen:
// "Wilson — Wilson 1927" with data "wilson", or "Wilson" alone without the reference.
inline void addMethods(QComboBox& box, IntervalMethod chosen, bool withReference = true) {
  for (IntervalMethod method : kIntervalMethods) {
    QString text = qstring(methodName(method));
    if (withReference) text += QStringLiteral(" — ") + qstring(methodReference(method));
    box.addItem(text, qstring(methodKey(method)));
  }
  box.setCurrentIndex(box.findData(qstring(methodKey(chosen))));
}

}  // namespace tarnolo
