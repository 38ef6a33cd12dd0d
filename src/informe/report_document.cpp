// The report as a document.
#include "informe/report_document.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include "core/number_text.h"
#include "core/report_text.h"
#include "core/rounded_text.h"
#include "informe/qt_text.h"

namespace tarnolo {

namespace {

QString cell(const QString& text, const char* align = "left") {
  return QStringLiteral("<td align=\"%1\">%2</td>").arg(QLatin1String(align), text);
}

QString headRow(std::initializer_list<const char*> heads) {
  QString row = QStringLiteral("<tr>");
  for (const char* head : heads) row += QStringLiteral("<th>%1</th>").arg(QString::fromUtf8(head));
  return row + QStringLiteral("</tr>");
}

QString openTable(const char* width) {
  return QStringLiteral(
             "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"%1\" "
             "style=\"border-collapse: collapse; border-color: #808080\">")
      .arg(QLatin1String(width));
}

QString countsTable(const CountTable& t) {
  const auto n = [](int64_t count) { return QString::number(count); };
  const auto named = [&](const char* name, int64_t count) {
    return cell(QStringLiteral("%1 = %2").arg(QLatin1String(name), n(count)), "right");
  };
  QString text = openTable("50%") + headRow({"", "Enfermos", "Sanos", "Total"});
  text += "<tr><th>Prueba +</th>" + named("VP", t.vp) + named("FP", t.fp) +
          cell(n(t.positivos), "right") + "</tr>";
  text += "<tr><th>Prueba −</th>" + named("FN", t.fn) + named("VN", t.vn) +
          cell(n(t.negativos), "right") + "</tr>";
  text += "<tr><th>Total</th>" + cell(n(t.enfermos), "right") + cell(n(t.sanos), "right") +
          cell(n(t.total), "right") + "</tr>";
  return text + "</table>";
}

QString methodsText(const Report& report, char separator) {
  const IntervalMethod m = report.method;
  return QStringLiteral(
             "<p><b>Nivel de confianza:</b> %1 %<br><b>Proporciones:</b> %2 (%3)<br>"
             "<b>Cocientes de probabilidad y odds ratio:</b> %4<br><b>Índice de Youden:</b> "
             "suma en cuadratura de Newcombe 1998; número necesario para diagnosticar: "
             "1/Youden</p>")
      .arg(escapedHtml(RealToText(report.level.percent, separator)), escapedHtml(methodName(m)),
           escapedHtml(methodReference(m)), escapedHtml(ratioMethodName(m)));
}

// A number is never broken across lines.
QString shown(const ReportRow& row, const ReportValue& value, char separator, int decimals) {
  const std::string text =
      roundedValueText(row.key, value, separator, ProportionScale::Percent, decimals);
  return QStringLiteral("<nobr>%1</nobr>")
      .arg(text.empty() ? QStringLiteral("—") : escapedHtml(text));
}

QString indicesTable(const Report& report, char separator, int decimals) {
  QString text = openTable("100%") +
                 headRow({"Índice", "Estimación", "Límite inferior", "Límite superior", "Nota"});
  for (const ReportRow& row : report.rows) {
    text += "<tr>" + cell(escapedHtml(rowLabel(row.key, ProportionScale::Percent))) +
            cell(shown(row, row.estimate, separator, decimals), "right") +
            cell(shown(row, row.limits.lower, separator, decimals), "right") +
            cell(shown(row, row.limits.upper, separator, decimals), "right") +
            cell(escapedHtml(row.limits.note)) + "</tr>";
  }
  return text + "</table>";
}

// Lays html out on the device's pages, inside their margins, and paints them; false when the
// device cannot be painted on or refuses a new page.
bool paintPages(const QString& html, QPagedPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  QTextDocument document;
  document.documentLayout()->setPaintDevice(&device);  // fonts at the device's resolution
  document.setDocumentMargin(0);
  document.setHtml(html);
  const QSizeF page(device.width(), device.height());
  document.setPageSize(page);
  for (int i = 0; i < document.pageCount(); ++i) {
    if (i > 0 && !device.newPage()) return false;
    const QRectF shown(QPointF(0, i * page.height()), page);
    painter.save();
    painter.translate(0, -shown.top());
    document.drawContents(&painter, shown);
    painter.restore();
  }
  return painter.end();
}

}  // namespace

QString reportDate(const QDateTime& when) {
  return QLocale(QLocale::Spanish, QLocale::Spain)
      .toString(when, QStringLiteral("d 'de' MMMM 'de' yyyy, HH:mm"));
}

QString reportHtml(const Report& report, char separator, const QDateTime& when, int decimals) {
  QString text = QStringLiteral(
      "<html><head><meta charset=\"utf-8\"><title>Informe de exactitud diagnóstica</title>"
      "</head><body><h2>Informe de exactitud diagnóstica</h2>");
  text += QStringLiteral("<p>Tarnolo · %1</p>").arg(reportDate(when).toHtmlEscaped());
  text += countsTable(report.counts) + methodsText(report, separator);
  text += indicesTable(report, separator, decimals);
  text += QStringLiteral(
      "<p><small>Proporciones en %. «—»: sin valor, con el motivo en la nota. «*»: límite fuera "
      "del rango posible (regla de la ventana principal).</small></p></body></html>");
  return text;
}

bool printReport(const QString& html, QPagedPaintDevice& printer) {
  return paintPages(html, printer);
}

QByteArray reportPdf(const QString& html) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setTitle(QStringLiteral("Informe de exactitud diagnóstica"));
    writer.setCreator(QStringLiteral("Tarnolo"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(kPageMargins, QPageLayout::Millimeter);
    paintPages(html, writer);
  }  // the writer ends the file when it goes
  return bytes;
}

}  // namespace tarnolo
