// The report as text: the names of its methods, the table with tabs for the clipboard, and the
// CSV file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/report.h"

namespace tarnolo {

// The stable key of a method, as the replay tool and files name it: "wald-cc", "wald",
// "wilson", "wilson-cc", "clopper-pearson", "agresti-coull", "jeffreys".
std::string_view methodKey(IntervalMethod method);
// The method of a key, or nothing for any other text ("Wilson", "wilson " included).
std::optional<IntervalMethod> methodFromKey(std::string_view key);

// What the user reads: the method's Spanish name, the work it comes from, and how the report
// bounds the ratios with it.
//   methodName(Wilson) -> "Wilson"   methodReference(Wilson) -> "Wilson 1927"
//   ratioMethodName(Wilson) -> "método logarítmico (Simel, Samsa y Matchar 1991; Woolf 1955)"
std::string_view methodName(IntervalMethod method);
std::string_view methodReference(IntervalMethod method);
std::string_view ratioMethodName(IntervalMethod method);

// A value as the report shows it: RealToText with the separator, "*" when OutOfRange, an empty
// text when Undefined.
std::string valueText(const ReportValue& value, char separator);

// How the proportions are written: as fractions (the CSV), or in percent as the main window
// shows them (the report window, its clipboard text and its printout).
enum class ProportionScale { Fraction, Percent };

// Whether the index of a key is a proportion of counts: sens, esp, vpp, vpn, prev, prevap,
// exactitud, fpf and fnf. Youden's index and the ratios are not.
bool isProportion(std::string_view key);

// A value of the row of key: valueText, but at Percent a proportion's value is the stored
// fraction times 100 in extended precision, the main window's step, so that wald-cc's texts
// are the main window's.  valueText("sens", 0.25, ',', Percent) -> "25";
// valueText("cpp", 2.5, ',', Percent) -> "2,5".
std::string valueText(std::string_view key, const ReportValue& value, char separator,
                      ProportionScale scale);

// The report's choice "Decimales": kAutomaticDecimals (percentages with one decimal, every
// other value with three significant digits), kAllDigits (RealToText's 15 significant digits),
// or 0..4 fixed decimals. rounded_text.h writes a value with it.
inline constexpr int kAutomaticDecimals = -1, kAllDigits = -2;

// The label of the row of key: reportLabel, followed by " (%)" for a proportion at Percent.
std::string rowLabel(std::string_view key, ProportionScale scale);

// The report for the clipboard: lines of fields separated by tabs, which paste as a table. The
// counts, the level, the methods with their references, an empty line, the column heads
// "Índice", "Estimación", "Límite inferior", "Límite superior", "Nota", and one line per index
// with its label (rowLabel) and values (roundedValueText, rounded_text.h) at scale with the
// choice of decimals. Lines end in "\n".
std::string reportTable(const Report& report, char separator,
                        ProportionScale scale = ProportionScale::Fraction,
                        int decimals = kAllDigits);

// The field delimiter of CSV for a decimal separator: ";" when it is ",", else ",".
char csvDelimiter(char separator);

// A CSV field: as it is, or between double quotes (those inside doubled) when it holds the
// delimiter, a quote, CR or LF.  csvField("a,b", ',') -> "\"a,b\""; csvField("a,b", ';') -> "a,b"
std::string csvField(std::string_view text, char delimiter);

// The CSV file, UTF-8, lines ending in CR LF: a header line naming the level and the method
//   clave,estimación,inferior IC 95 % Wilson,superior IC 95 % Wilson,motivo
// then one line per index: its key (kReportKeys), the estimate, the lower and the upper limit
// (valueText, but empty also for OutOfRange) and the note.
std::string reportCsv(const Report& report, char separator);

}  // namespace tarnolo
