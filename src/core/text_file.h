// Writes a text file whole: the report's CSV.
#pragma once

#include <string>

namespace tarnolo {

// Creates or replaces the file at path with bytes, as a case is saved: a new file beside it is
// flushed and renamed over it, so a failure leaves the old file as it was. Raises InOutError
// with the codes of the case files (3 "Invalid filename", 5 "File access denied", 101
// "Disk full", "I/O error N"...).
void writeTextFile(const std::string& path, const std::string& bytes);

}  // namespace tarnolo
