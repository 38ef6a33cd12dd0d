// The levels of a graded test: checks, pasted text and the CSV file.
#include "core/roc_table.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

#include "core/case_file.h"
#include "core/failures.h"
#include "core/report_text.h"

namespace tarnolo {

namespace {

constexpr int64_t kCountLimit = INT32_MAX;
constexpr size_t kLargestFile = 1 << 20;  // far beyond 100 levels of any label

const char* columnName(RocColumn column) {
  switch (column) {
    case RocColumn::Nivel:
      return "Nivel";
    case RocColumn::Enfermos:
      return "Enfermos";
    case RocColumn::Sanos:
      return "Sanos";
    case RocColumn::None:
      break;
  }
  return "";
}

RocCheck refused(int row, RocColumn column, const std::string& why) {
  RocCheck check;
  check.row = row;
  check.column = column;
  check.error =
      row == 0 ? why
               : "Fila " + std::to_string(row) + ", columna «" + columnName(column) + "»: " + why;
  return check;
}

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// A count typed: its value, or why it is refused (empty when it is good).
std::string readCount(const std::string& typed, int64_t& value) {
  const std::string text = trimmed(typed);
  if (text.empty()) return "falta el número.";
  const std::string quoted = "«" + text + "» ";
  size_t i = text[0] == '+' || text[0] == '-' ? 1 : 0;
  const size_t digitsStart = i;
  while (i < text.size() && isDigit(text[i])) ++i;
  const size_t digitsEnd = i;
  if (i < text.size() && (text[i] == '.' || text[i] == ',') && i + 1 < text.size()) {
    ++i;
    while (i < text.size() && isDigit(text[i])) ++i;
    if (i == text.size() && digitsEnd > digitsStart) return quoted + "no es un número entero.";
  }
  if (i != text.size() || digitsEnd == digitsStart) return quoted + "no es un número.";
  if (text[0] == '-' && text.find_first_not_of("-0") != std::string::npos)
    return quoted + "es negativo.";
  value = 0;
  for (size_t d = digitsStart; d < digitsEnd; ++d) {
    value = value * 10 + (text[d] - '0');
    if (value > kCountLimit) return quoted + "pasa del límite de 2147483647.";
  }
  return "";
}

// The fields of one line, split by delimiter, quotes as in CSV; pos moves past the line's end.
std::vector<std::string> splitLine(std::string_view text, size_t& pos, char delimiter) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (quoted) {
      if (c != '"') {
        fields.back() += c;
      } else if (pos + 1 < text.size() && text[pos + 1] == '"') {
        fields.back() += '"';
        ++pos;
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == delimiter) {
      fields.emplace_back();
    } else if (c == '\n') {
      ++pos;
      break;
    } else if (c != '\r') {
      fields.back() += c;
    }
  }
  for (std::string& field : fields) field = trimmed(field);
  return fields;
}

// The delimiter of the first line that holds anything.
char delimiterOf(std::string_view text) {
  const size_t start = text.find_first_not_of("\r\n");
  if (start == std::string_view::npos) return ',';
  text.remove_prefix(start);
  const std::string_view first = text.substr(0, text.find('\n'));
  if (first.find('\t') != std::string_view::npos) return '\t';
  if (first.find(';') != std::string_view::npos) return ';';
  return ',';
}

bool hasDigit(const std::string& text) {
  return std::any_of(text.begin(), text.end(), isDigit);
}

// The whole file, at most kLargestFile bytes; a FIFO or a device is refused without waiting.
std::string readSmallFile(const std::string& path, bool& tooLarge) {
  const int handle = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (handle < 0) throw fileFailure(errno, false);
  struct stat st {};
  std::string bytes;
  int error = ::fstat(handle, &st) != 0 ? errno : S_ISREG(st.st_mode) ? 0 : EACCES;
  char buffer[65536];
  while (error == 0 && bytes.size() <= kLargestFile) {
    const ssize_t done = ::read(handle, buffer, sizeof buffer);
    if (done < 0 && errno != EINTR) error = errno;
    if (done == 0) break;
    if (done > 0) bytes.append(buffer, static_cast<size_t>(done));
  }
  ::close(handle);
  if (error != 0) throw fileFailure(error, false);
  tooLarge = bytes.size() > kLargestFile;
  return bytes;
}

}  // namespace

RocCheck checkRocRows(const std::vector<RocRowText>& rows, bool reversed) {
  RocCheck check;
  RocTable& table = check.table;
  int64_t total = 0;
  for (size_t r = 0; r < rows.size(); ++r) {
    const int row = static_cast<int>(r) + 1;
    RocLevel level{trimmed(rows[r].label), 0, 0};
    if (level.label.empty()) level.label = std::to_string(row);
    struct Cell {
      const std::string& text;
      int64_t& count;
      RocColumn column;
    };
    for (const Cell& cell : {Cell{rows[r].enfermos, level.enfermos, RocColumn::Enfermos},
                             Cell{rows[r].sanos, level.sanos, RocColumn::Sanos}}) {
      const std::string why = readCount(cell.text, cell.count);
      if (!why.empty()) return refused(row, cell.column, why);
      total += cell.count;
      if (total > kCountLimit)
        return refused(row, cell.column, "con este número el total de casos pasa de 2147483647.");
    }
    table.enfermos += level.enfermos;
    table.sanos += level.sanos;
    table.levels.push_back(std::move(level));
  }
  if (rows.size() < kRocMinLevels)
    return refused(0, RocColumn::None, "La tabla necesita al menos 2 niveles.");
  if (rows.size() > kRocMaxLevels)
    return refused(0, RocColumn::None, "La tabla admite como mucho 100 niveles.");
  if (table.enfermos == 0)
    return refused(0, RocColumn::None,
                   "No hay ningún enfermo: la curva ROC necesita enfermos y sanos.");
  if (table.sanos == 0)
    return refused(0, RocColumn::None,
                   "No hay ningún sano: la curva ROC necesita enfermos y sanos.");
  if (reversed) std::reverse(table.levels.begin(), table.levels.end());
  return check;
}

std::vector<RocRowText> parseRocText(std::string_view text, std::string& error) {
  error.clear();
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  const char delimiter = delimiterOf(text);
  std::vector<RocRowText> rows;
  bool first = true;
  for (size_t pos = 0; pos < text.size();) {
    std::vector<std::string> fields = splitLine(text, pos, delimiter);
    while (fields.size() > 1 && fields.back().empty()) fields.pop_back();
    if (fields.size() == 1 && fields[0].empty()) continue;
    const bool header = first && fields.size() >= 3 && !fields[1].empty() && !fields[2].empty() &&
                        !hasDigit(fields[1]) && !hasDigit(fields[2]);
    first = false;
    if (header) continue;
    if (fields.size() > 3) {
      error = "Fila " + std::to_string(rows.size() + 1) +
              ": hay más de tres columnas (nivel, enfermos, sanos).";
      return {};
    }
    fields.resize(3);
    rows.push_back({fields[0], fields[1], fields[2]});
  }
  return rows;
}

std::string rocTableCsv(const RocTable& table, char separator) {
  const char delimiter = csvDelimiter(separator);
  const std::string d(1, delimiter);
  std::string csv = "nivel" + d + "enfermos" + d + "sanos\r\n";
  for (const RocLevel& level : table.levels) {
    csv += csvField(level.label, delimiter) + d + std::to_string(level.enfermos) + d +
           std::to_string(level.sanos) + "\r\n";
  }
  return csv;
}

RocCheck readRocCsv(const std::string& path) {
  bool tooLarge = false;
  std::string bytes;
  try {
    bytes = readSmallFile(path, tooLarge);
  } catch (const Failure& failure) {
    return refused(0, RocColumn::None, userText(failure.what()));
  }
  if (tooLarge)
    return refused(0, RocColumn::None, "El archivo es demasiado grande para una tabla de niveles.");
  std::string error;
  const std::vector<RocRowText> rows = parseRocText(bytes, error);
  if (!error.empty()) return refused(0, RocColumn::None, error);
  return checkRocRows(rows);
}

}  // namespace tarnolo
