// The report as a document: the HTML that the printout, the PDF file and the clipboard's rich
// text are made of.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QMarginsF>
#include <QString>

#include "core/report.h"
#include "core/report_text.h"

class QPagedPaintDevice;

namespace tarnolo {

// The date as the printout writes it: "5 de marzo de 2025, 14:03".
QString reportDate(const QDateTime& when);

// The report as an HTML page: a title, the date, the two-by-two table with its margins, the
// level and every method named with its reference, then the table of indices with the
// proportions in percent; a missing value reads "—", a value out of range "*", each row with
// its note. Texts are escaped; numbers written with separator and the choice of decimals
// (report_text.h).
QString reportHtml(const Report& report, char separator, const QDateTime& when,
                   int decimals = kAllDigits);

// The margins of the printed pages, in millimetres.
inline const QMarginsF kPageMargins(20, 20, 20, 20);

// Paints html on a printer's pages, page after page, inside its margins. Returns false when a
// page could not be painted (a printer file that could not be opened).
bool printReport(const QString& html, QPagedPaintDevice& printer);

// The bytes of a PDF file of html on A4 pages with kPageMargins.
QByteArray reportPdf(const QString& html);

}  // namespace tarnolo
