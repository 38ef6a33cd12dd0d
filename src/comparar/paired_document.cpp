// The comparison of two tests as a document.
#include "comparar/paired_document.h"

#include <algorithm>

#include "core/report_text.h"
#include "informe/qt_text.h"
#include "informe/report_document.h"

namespace tarnolo {

namespace {

QString cell(const QString& text, bool number = false) {
  return number ? QStringLiteral("<td align=\"right\" nowrap>%1</td>").arg(text)
                : QStringLiteral("<td>%1</td>").arg(text);
}

QString number(const std::string& text) {
  return cell(text.empty() ? QStringLiteral("—") : escapedHtml(text), true);
}

QString openTable() {
  return QStringLiteral(
      "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\" "
      "style=\"border-collapse: collapse; border-color: #808080\">");
}

QString heads(const QStringList& texts) {
  QString row = QStringLiteral("<tr>");
  for (const QString& text : texts) row += QStringLiteral("<th>%1</th>").arg(text.toHtmlEscaped());
  return row + QStringLiteral("</tr>");
}

const ReportRow& rowOf(const Report& report, std::string_view key) {
  return *std::find_if(report.rows.begin(), report.rows.end(),
                       [key](const ReportRow& row) { return row.key == key; });
}

QString countsTable(const PairedCounts& k) {
  QString html = openTable() + heads({QString(), QStringLiteral("Ambas positivas"),
                                      QStringLiteral("1 positiva, 2 negativa"),
                                      QStringLiteral("1 negativa, 2 positiva"),
                                      QStringLiteral("Ambas negativas"), QStringLiteral("Total")});
  const std::pair<const char*, std::array<int64_t, 4>> rows[] = {{"Enfermos", {k.a, k.b, k.c, k.d}},
                                                                 {"Sanos", {k.e, k.f, k.g, k.h}}};
  for (const auto& [label, n] : rows) {
    html += QStringLiteral("<tr>") + cell(QString::fromUtf8(label));
    for (int64_t count : n) html += cell(QString::number(count), true);
    html += cell(QString::number(n[0] + n[1] + n[2] + n[3]), true) + QStringLiteral("</tr>");
  }
  return html + QStringLiteral("</table>");
}

}  // namespace

QString pairedHtml(const PairedComparison& c, const TestNames& names, char separator,
                   const QDateTime& when) {
  const QString name1 = QString::fromStdString(names.first),
                name2 = QString::fromStdString(names.second);
  QString html = QStringLiteral(
                     "<html><body><h2>Comparación de dos pruebas en los mismos "
                     "pacientes</h2><p>%1</p>")
                     .arg(reportDate(when).toHtmlEscaped());
  html += QStringLiteral("<p>Prueba 1: <b>%1</b>. Prueba 2: <b>%2</b>.</p>")
              .arg(name1.toHtmlEscaped(), name2.toHtmlEscaped());
  html += countsTable(c.counts);
  html += QStringLiteral(
              "<p>Nivel de confianza: %1 %. Índices de cada prueba: %2 (%3); "
              "cocientes: %4.</p>")
              .arg(escapedHtml(valueText(ReportValue::of(c.level.percent), separator)),
                   escapedHtml(methodName(c.method)), escapedHtml(methodReference(c.method)),
                   escapedHtml(ratioMethodName(c.method)));
  // One table a test: both side by side would not fit a page's width.
  for (const auto& [name, test] : {std::pair{name1, &c.test1}, {name2, &c.test2}}) {
    html += QStringLiteral("<h3>%1</h3>").arg(name.toHtmlEscaped()) + openTable() +
            heads({QStringLiteral("Índice"), QStringLiteral("Estimación"),
                   QStringLiteral("Límite inferior"), QStringLiteral("Límite superior")});
    for (std::string_view key : kSideBySideKeys) {
      const ReportRow& row = rowOf(*test, key);
      html += QStringLiteral("<tr>") + cell(escapedHtml(rowLabel(key, ProportionScale::Percent)));
      for (const ReportValue* v : {&row.estimate, &row.limits.lower, &row.limits.upper})
        html += number(valueText(key, *v, separator, ProportionScale::Percent));
      html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
  }
  html += QStringLiteral("<h3>Comparaciones</h3>") + openTable() +
          heads({QStringLiteral("Comparación"), QStringLiteral("Estimación"),
                 QStringLiteral("Límite inferior"), QStringLiteral("Límite superior"),
                 QStringLiteral("Nota")});
  for (size_t i = 8; i < c.rows.size(); ++i) {
    const ReportRow& row = c.rows[i];
    html += QStringLiteral("<tr>") + cell(escapedHtml(row.label)) +
            number(valueText(row.estimate, separator)) +
            number(valueText(row.limits.lower, separator)) +
            number(valueText(row.limits.upper, separator)) + cell(escapedHtml(row.limits.note)) +
            QStringLiteral("</tr>");
  }
  return html + QStringLiteral("</table></body></html>");
}

}  // namespace tarnolo
