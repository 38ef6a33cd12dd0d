// The comparison of two tests as a document: the HTML of the printout, the PDF file and the
// clipboard's rich text (printed with the report's printReport and reportPdf).
#pragma once

#include <QDateTime>
#include <QString>

#include "core/paired_comparison.h"
#include "core/paired_text.h"

namespace tarnolo {

// A title, the date, the eight counts with the names, the level and the method of the indices,
// the indices of both tests side by side (proportions in percent), then every comparison with
// its limits and note; a missing value reads "—". Texts escaped, numbers with separator.
QString pairedHtml(const PairedComparison& comparison, const TestNames& names, char separator,
                   const QDateTime& when);

}  // namespace tarnolo
