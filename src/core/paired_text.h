// The comparison of two tests as text: the clipboard's table, the CSV file, and the case file of
// the eight counts with the tests' names.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/paired_comparison.h"
#include "core/report_text.h"

namespace tarnolo {

// The names the user gave the tests: "Prueba 1" and "Prueba 2" until changed.
struct TestNames {
  std::string first = "Prueba 1", second = "Prueba 2";
};

// The indices that each test's own report holds and that are shown side by side, by report key.
inline constexpr std::string_view kSideBySideKeys[] = {"sens", "esp", "vpp",
                                                       "vpn",  "cpp", "rv_neg"};

// A value of the row of key: valueText, and at Percent each test's own proportions (sens1 ...
// vpn2) times 100 as the report shows them; differences and ratios stay as they are.
std::string pairedValueText(std::string_view key, const ReportValue& value, char separator,
                            ProportionScale scale);

// The comparison for the clipboard: lines of fields separated by tabs, ending in "\n". The
// names and counts, the level and the method of the indices, the indices of both tests side by
// side ("Índice", names, each with its limits), an empty line, then "Comparación",
// "Estimación", "Límite inferior", "Límite superior", "Nota" and one line per comparison row.
std::string pairedTable(const PairedComparison& comparison, const TestNames& names, char separator,
                        ProportionScale scale = ProportionScale::Percent);

// The CSV file in the report's layout (reportCsv): the header, then one line per key of
// kPairedKeys with its estimate (a statistic or a p in the estimate column), limits and note.
std::string pairedCsv(const PairedComparison& comparison, char separator);

// The case file: UTF-8, lines ending in CR LF, "celda,recuento", then the rows a to h with their
// counts, then "prueba1" and "prueba2" with the names (quoted as CSV needs).
//   celda,recuento / a,319 / ... / h,155 / prueba1,Prueba 1 / prueba2,Prueba 2
std::string pairedCaseCsv(const std::array<int32_t, 8>& counts, const TestNames& names);

// The counts and names of a case file. Rows may come in any order, with LF or CR LF and a
// byte-order mark; a name row may be missing (the name stays). Raises ConvertError for a count
// that TextToInteger refuses, InOutError 106 "Invalid numeric input" for a file that is not such
// a case (no header, an unknown or repeated cell, a missing count).
struct PairedCase {
  std::array<int32_t, 8> counts{};
  TestNames names;
};
PairedCase parsePairedCase(std::string_view bytes);

}  // namespace tarnolo
