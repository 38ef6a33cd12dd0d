// Writes a text file whole.
#include "core/text_file.h"

#include "core/case_file.h"
#include "core/posix_files.h"

namespace tarnolo {

void writeTextFile(const std::string& path, const std::string& bytes) {
  PosixFileSystem files;
  writeWholeFile(files, path, bytes);
}

}  // namespace tarnolo
