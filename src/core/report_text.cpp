// The report as text.
#include "core/report_text.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>

#include "core/number_text.h"
#include "core/rounded_text.h"

namespace tarnolo {

namespace {

struct MethodText {
  IntervalMethod method;
  std::string_view key, name, reference;
};

constexpr MethodText kMethods[] = {
    {IntervalMethod::WaldCc, "wald-cc", "Wald con corrección de continuidad",
     "regla de la ventana principal; Newcombe 1998, método 2"},
    {IntervalMethod::Wald, "wald", "Wald", "Newcombe 1998, método 1"},
    {IntervalMethod::Wilson, "wilson", "Wilson", "Wilson 1927"},
    {IntervalMethod::WilsonCc, "wilson-cc", "Wilson con corrección de continuidad",
     "Newcombe 1998, método 4"},
    {IntervalMethod::ClopperPearson, "clopper-pearson", "Clopper-Pearson exacto",
     "Clopper y Pearson 1934"},
    {IntervalMethod::AgrestiCoull, "agresti-coull", "Agresti-Coull", "Agresti y Coull 1998"},
    {IntervalMethod::Jeffreys, "jeffreys", "Jeffreys", "Brown, Cai y DasGupta 2001"},
};

const MethodText& textOf(IntervalMethod method) {
  for (const MethodText& text : kMethods)
    if (text.method == method) return text;
  return kMethods[0];
}

std::string levelText(const Report& report, char separator) {
  return "IC " + RealToText(report.level.percent, separator) + " %";
}

// Fields joined by the delimiter, each quoted as CSV needs, and the line's end.
std::string csvLine(std::initializer_list<std::string_view> fields, char delimiter) {
  std::string line;
  bool first = true;
  for (std::string_view field : fields) {
    if (!first) line += delimiter;
    first = false;
    line += csvField(field, delimiter);
  }
  return line + "\r\n";
}

}  // namespace

std::string_view methodKey(IntervalMethod method) {
  return textOf(method).key;
}

std::optional<IntervalMethod> methodFromKey(std::string_view key) {
  for (const MethodText& text : kMethods)
    if (text.key == key) return text.method;
  return std::nullopt;
}

std::string_view methodName(IntervalMethod method) {
  return textOf(method).name;
}

std::string_view methodReference(IntervalMethod method) {
  return textOf(method).reference;
}

std::string_view ratioMethodName(IntervalMethod method) {
  return method == IntervalMethod::WaldCc
             ? "cociente de los límites (regla de la ventana principal)"
             : "método logarítmico (Simel, Samsa y Matchar 1991; Woolf 1955)";
}

std::string valueText(const ReportValue& value, char separator) {
  switch (value.state) {
    case ReportValue::State::Value:
      return RealToText(value.value, separator);
    case ReportValue::State::OutOfRange:
      return "*";
    case ReportValue::State::Undefined:
      break;
  }
  return "";
}

bool isProportion(std::string_view key) {
  constexpr std::string_view kProportionKeys[] = {"sens",   "esp",       "vpp", "vpn", "prev",
                                                  "prevap", "exactitud", "fpf", "fnf"};
  return std::find(std::begin(kProportionKeys), std::end(kProportionKeys), key) !=
         std::end(kProportionKeys);
}

std::string valueText(std::string_view key, const ReportValue& value, char separator,
                      ProportionScale scale) {
  if (scale == ProportionScale::Percent && value.defined() && isProportion(key))
    return RealToText(percent(value.value), separator);
  return valueText(value, separator);
}

std::string rowLabel(std::string_view key, ProportionScale scale) {
  const std::string label(reportLabel(key));
  return scale == ProportionScale::Percent && isProportion(key) ? label + " (%)" : label;
}

std::string reportTable(const Report& report, char separator, ProportionScale scale, int decimals) {
  const CountTable& t = report.counts;
  std::string text = "Informe de exactitud diagnóstica\n";
  text += "VP\t" + std::to_string(t.vp) + "\tFP\t" + std::to_string(t.fp) + "\tFN\t" +
          std::to_string(t.fn) + "\tVN\t" + std::to_string(t.vn) + "\n";
  text += "Nivel de confianza\t" + levelText(report, separator) + "\n";
  text += "Proporciones\t" + std::string(methodName(report.method)) + " (" +
          std::string(methodReference(report.method)) + ")\n";
  text += "Cocientes\t" + std::string(ratioMethodName(report.method)) + "\n";
  text += "Índice de Youden\tsuma en cuadratura de Newcombe 1998\n\n";
  text += "Índice\tEstimación\tLímite inferior\tLímite superior\tNota\n";
  for (const ReportRow& row : report.rows) {
    auto value = [&](const ReportValue& v) {
      return roundedValueText(row.key, v, separator, scale, decimals);
    };
    text += rowLabel(row.key, scale) + "\t" + value(row.estimate) + "\t" + value(row.limits.lower) +
            "\t" + value(row.limits.upper) + "\t" + row.limits.note + "\n";
  }
  return text;
}

char csvDelimiter(char separator) {
  return separator == ',' ? ';' : ',';
}

std::string csvField(std::string_view text, char delimiter) {
  if (text.find_first_of(std::string{delimiter, '"', '\r', '\n'}) == std::string_view::npos)
    return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}

std::string reportCsv(const Report& report, char separator) {
  const char delimiter = csvDelimiter(separator);
  const std::string interval =
      levelText(report, separator) + " " + std::string(methodName(report.method));
  std::string csv = csvLine(
      {"clave", "estimación", "inferior " + interval, "superior " + interval, "motivo"}, delimiter);
  auto field = [separator](const ReportValue& v) {
    return v.defined() ? valueText(v, separator) : "";
  };
  for (const ReportRow& row : report.rows) {
    csv += csvLine({row.key, field(row.estimate), field(row.limits.lower), field(row.limits.upper),
                    row.limits.note},
                   delimiter);
  }
  return csv;
}

}  // namespace tarnolo
