// Writes a text file whole: the report's CSV.
#pragma once

#include <string>

namespace tarnolo {

// Creates or replaces the file at path with bytes. Raises InOutError with the text the failure
// box shows: 3 "Invalid filename" when a folder of the path is missing or is no folder,
// 4 "Too many open files", 5 "File access denied" when the file or its folder may not be written
// or the path names a folder, 101 "Disk full", and "I/O error N" with code N for any other
// system error N. A failed write can leave the file partly written.
void writeTextFile(const std::string& path, const std::string& bytes);

}  // namespace tarnolo
