// Text between the core's UTF-8 strings and the toolkit's QString. Header only, so that the main
// window's library uses it too without linking the report's.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tarnolo {

// The UTF-8 text as a QString: qstring("Sensibilidad") -> u"Sensibilidad"; the view need not end
// in a NUL.
inline QString qstring(std::string_view text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The QString as UTF-8: utf8(u"Especificidad") -> "Especificidad".
inline std::string utf8(const QString& text) {
  return text.toUtf8().toStdString();
}

// The UTF-8 text as a QString to put in a page of HTML: escapedHtml("VP < FP") -> u"VP &lt; FP".
inline QString escapedHtml(std::string_view text) {
  return qstring(text).toHtmlEscaped();
}

}  // namespace tarnolo
