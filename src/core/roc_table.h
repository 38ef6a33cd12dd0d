// The levels of a graded test as the user types them, their checks, and the table's CSV file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnolo {

inline constexpr int kRocMinLevels = 2, kRocMaxLevels = 100;

// One row of the input table as typed: the level's label and its two counts.
struct RocRowText {
  std::string label, enfermos, sanos;
  bool operator==(const RocRowText&) const = default;
};

// One checked level: its label (the level's number when none was typed) and its counts.
struct RocLevel {
  std::string label;
  int64_t enfermos = 0, sanos = 0;
};

// The checked levels, from the least to the most suggestive of disease, and their totals.
// enfermos > 0, sanos > 0 and enfermos + sanos fits in a signed 32-bit count.
struct RocTable {
  std::vector<RocLevel> levels;
  int64_t enfermos = 0, sanos = 0;
};

// The columns of the input table, as the messages name them.
enum class RocColumn { None = -1, Nivel = 0, Enfermos = 1, Sanos = 2 };

// The result of the checks: the table, or why it was refused with the row (1-based as shown,
// 0 for the table as a whole) and the column at fault.
struct RocCheck {
  RocTable table;
  std::string error;  // empty when the table is good
  int row = 0;
  RocColumn column = RocColumn::None;
  bool ok() const { return error.empty(); }
};

// Checks the rows typed, top to bottom. Each count must be a whole number of 0 or more (blanks
// around it are ignored); the sum of every count must fit in a signed 32-bit count, so that the
// table of any cut-off can go to the main window; a level with both counts 0 is allowed, but
// the table needs some diseased and some healthy, and 2 to 100 levels. reversed: the rows go
// from the most to the least suggestive, and the table is turned round. The messages:
//   "Fila 3, columna «Sanos»: «2,5» no es un número entero."
//   "No hay ningún enfermo: la curva ROC necesita enfermos y sanos."
RocCheck checkRocRows(const std::vector<RocRowText>& rows, bool reversed = false);

// The rows of text pasted from a spreadsheet or read from a CSV file: fields split by tabs when
// the first line holds one, else by ";" when it holds one, else by ","; fields may be quoted as
// in CSV. A UTF-8 byte-order mark, empty lines and blanks at the ends of fields go; a first line
// whose two count fields are filled without a digit is a header and goes too. A line with one field
// is a label with empty counts; fields beyond the third must be empty, else error says which row.
std::vector<RocRowText> parseRocText(std::string_view text, std::string& error);

// The table as the CSV file keeps it: UTF-8, lines ending in CR LF, the header
// "nivel,enfermos,sanos", one line per level (least suggestive first), ";" between fields when
// the decimal separator is ",".
std::string rocTableCsv(const RocTable& table, char separator);

// Reads a CSV file of levels and checks it (reversed = false). A file that cannot be read is
// refused with the text of its failure as a case file's ("File not found."; a folder, a FIFO or
// a device "File access denied."); a content refused with its check's message.
RocCheck readRocCsv(const std::string& path);

}  // namespace tarnolo
