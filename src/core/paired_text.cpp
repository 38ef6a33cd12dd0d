// The comparison of two tests as text, and its case file.
#include "core/paired_text.h"

#include <algorithm>
#include <vector>

#include "core/failures.h"
#include "core/number_text.h"

namespace tarnolo {

namespace {

constexpr std::string_view kCells = "abcdefgh";

bool isTestIndex(std::string_view key) {
  constexpr std::string_view kKeys[] = {"sens1", "sens2", "esp1", "esp2",
                                        "vpp1",  "vpp2",  "vpn1", "vpn2"};
  return std::find(std::begin(kKeys), std::end(kKeys), key) != std::end(kKeys);
}

const ReportRow& rowOf(const Report& report, std::string_view key) {
  return *std::find_if(report.rows.begin(), report.rows.end(),
                       [key](const ReportRow& row) { return row.key == key; });
}

// The fields of one CSV line: split at commas outside double quotes, "" inside quotes a quote.
std::vector<std::string> csvFields(std::string_view line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
      fields.back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

std::vector<std::string_view> lines(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  std::vector<std::string_view> result;
  while (!bytes.empty()) {
    const size_t end = std::min(bytes.find('\n'), bytes.size());
    std::string_view line = bytes.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty()) result.push_back(line);
    bytes.remove_prefix(std::min(end + 1, bytes.size()));
  }
  return result;
}

}  // namespace

std::string pairedValueText(std::string_view key, const ReportValue& value, char separator,
                            ProportionScale scale) {
  if (scale == ProportionScale::Percent && value.defined() && isTestIndex(key))
    return RealToText(percent(value.value), separator);
  return valueText(value, separator);
}

std::string pairedTable(const PairedComparison& c, const TestNames& names, char separator,
                        ProportionScale scale) {
  const PairedCounts& k = c.counts;
  std::string text = "Comparación de dos pruebas en los mismos pacientes\n";
  text += "Prueba 1\t" + names.first + "\nPrueba 2\t" + names.second + "\n";
  text += "Enfermos\ta\t" + std::to_string(k.a) + "\tb\t" + std::to_string(k.b) + "\tc\t" +
          std::to_string(k.c) + "\td\t" + std::to_string(k.d) + "\n";
  text += "Sanos\te\t" + std::to_string(k.e) + "\tf\t" + std::to_string(k.f) + "\tg\t" +
          std::to_string(k.g) + "\th\t" + std::to_string(k.h) + "\n";
  text += "Nivel de confianza\tIC " + RealToText(c.level.percent, separator) + " %\n";
  text += "Índices de cada prueba\t" + std::string(methodName(c.method)) + " (" +
          std::string(methodReference(c.method)) + ")\n\n";
  text +=
      "Índice\t" + names.first + "\tinferior\tsuperior\t" + names.second + "\tinferior\tsuperior\n";
  for (std::string_view key : kSideBySideKeys) {
    text += rowLabel(key, scale);
    for (const Report* test : {&c.test1, &c.test2}) {
      const ReportRow& row = rowOf(*test, key);
      for (const ReportValue* v : {&row.estimate, &row.limits.lower, &row.limits.upper})
        text += "\t" + valueText(key, *v, separator, scale);
    }
    text += "\n";
  }
  text += "\nComparación\tEstimación\tLímite inferior\tLímite superior\tNota\n";
  for (const ReportRow& row : c.rows) {
    if (isTestIndex(row.key)) continue;
    text += std::string(row.label) + "\t" + valueText(row.estimate, separator) + "\t" +
            valueText(row.limits.lower, separator) + "\t" + valueText(row.limits.upper, separator) +
            "\t" + row.limits.note + "\n";
  }
  return text;
}

std::string pairedCsv(const PairedComparison& c, char separator) {
  return reportCsv(Report{c.method, c.level, firstTestTable(c.counts), c.rows}, separator);
}

std::string pairedCaseCsv(const std::array<int32_t, 8>& counts, const TestNames& names) {
  std::string csv = "celda,recuento\r\n";
  for (size_t i = 0; i < counts.size(); ++i)
    csv += std::string(1, kCells[i]) + "," + IntegerToText(counts[i]) + "\r\n";
  csv += "prueba1," + csvField(names.first, ',') + "\r\n";
  csv += "prueba2," + csvField(names.second, ',') + "\r\n";
  return csv;
}

PairedCase parsePairedCase(std::string_view bytes) {
  const std::vector<std::string_view> all = lines(bytes);
  if (all.empty() || csvFields(all[0]) != std::vector<std::string>{"celda", "recuento"})
    raiseInOut(106);
  PairedCase result;
  bool seen[8] = {};
  for (size_t i = 1; i < all.size(); ++i) {
    const std::vector<std::string> fields = csvFields(all[i]);
    if (fields.size() != 2) raiseInOut(106);
    const std::string& cell = fields[0];
    if (cell == "prueba1" || cell == "prueba2") {
      (cell == "prueba1" ? result.names.first : result.names.second) = fields[1];
      continue;
    }
    const size_t at = cell.size() == 1 ? kCells.find(cell[0]) : std::string_view::npos;
    if (at == std::string_view::npos || seen[at]) raiseInOut(106);
    seen[at] = true;
    result.counts[at] = TextToInteger(fields[1]);
  }
  if (std::find(std::begin(seen), std::end(seen), false) != std::end(seen)) raiseInOut(106);
  return result;
}

}  // namespace tarnolo
