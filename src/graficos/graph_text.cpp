// The texts of the pictures.
#include "graficos/graph_text.h"

#include <QStringList>

#include "core/number_text.h"
#include "core/report_text.h"
#include "core/rounded_text.h"
#include "informe/qt_text.h"

namespace tarnolo {

namespace {

QString percentOnly(const ReportValue& value, char separator) {
  return value.defined() ? qstring(fixedText(value.value * 100, 1, separator))
                         : QStringLiteral("?");
}

QString ratioOnly(const ReportValue& value, char separator) {
  return value.defined() ? qstring(significantText(value.value, 3, separator))
                         : QStringLiteral("?");
}

}  // namespace

QString percentText(const ReportValue& value, char separator) {
  return value.defined() ? percentOnly(value, separator) + QStringLiteral(" %")
                         : QStringLiteral("no definido");
}

QString percentLimitsText(const Limits& limits, char separator) {
  if (!limits.lower.defined() && !limits.upper.defined()) return QStringLiteral("sin límites");
  return percentOnly(limits.lower, separator) + u'\u2013' + percentOnly(limits.upper, separator) +
         QStringLiteral(" %");
}

QString ratioText(const ReportValue& value, char separator) {
  return value.defined() ? ratioOnly(value, separator) : QStringLiteral("no definida");
}

QString ratioLimitsText(const Limits& limits, char separator) {
  if (!limits.lower.defined() && !limits.upper.defined()) return QStringLiteral("sin límites");
  return ratioOnly(limits.lower, separator) + u'\u2013' + ratioOnly(limits.upper, separator);
}

QString levelLabel(const Report& report, char separator) {
  return QStringLiteral("IC ") + qstring(RealToText(report.level.percent, separator)) +
         QStringLiteral(" %");
}

QString graphCaption(const Report& report, const QStringList& notes, char separator) {
  const CountTable& t = report.counts;
  QString caption = QStringLiteral("VP %1, FP %2, FN %3, VN %4 \u00b7 %5, %6")
                        .arg(t.vp)
                        .arg(t.fp)
                        .arg(t.fn)
                        .arg(t.vn)
                        .arg(qstring(methodName(report.method)))
                        .arg(levelLabel(report, separator));
  for (const QString& note : notes) caption += u'\n' + note;
  return caption;
}

}  // namespace tarnolo
